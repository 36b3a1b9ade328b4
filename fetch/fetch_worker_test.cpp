#include "fetch/fetch_worker.h"

#include <gtest/gtest.h>

#include <thread>

#include "fetch/test_http_server.h"
#include "text/bytes.h"

namespace {

const std::string kYes = "\xD5\xE6";  // "真"

TestHttpServer::Reply Hello(const TestHttpServer::Request&) {
  return {HttpAnswer(200, "OK", "Set-Cookie: s=1; path=/\r\n", "hello")};
}

FetchRecord GetRecord(const std::string& address) {
  FetchRecord record(kFetchSlots);
  record[kAddressSlot] = TextToBytes(address);
  record[kMethodSlot] = TextToBytes("GET");
  record[kProxySlot] = TextToBytes("");
  record[kHeadersSlot] = TextToBytes("X-A: 1\r\n");
  record[kPostDataSlot] = Bytes{1, 0, 2};
  record[kCookiesSlot] = TextToBytes("c=1");
  record[kRedirectsSlot] = TextToBytes(kYes);
  return record;
}

std::shared_ptr<FetchJob> JobFor(const FetchRecord& record) {
  auto job = std::make_shared<FetchJob>();
  WriteRecord(job->buffer, record);
  return job;
}

FetchRecord ResultOf(FetchJob& job) {
  FetchRecord record;
  SeekToStart(job.buffer);
  EXPECT_TRUE(ReadRecord(job.buffer, record));
  return record;
}

class FetchWorkerTest : public ::testing::Test {
 protected:
  void SetUp() override { ClearFetchCookies(); }
};

TEST_F(FetchWorkerTest, WritesResultsIntoTheirSlots) {
  TestHttpServer server(Hello);
  ASSERT_NE(server.port(), 0);
  const FetchRecord request = GetRecord(server.base() + "/x");
  auto job = JobFor(request);
  FetchWorker(job);
  ASSERT_TRUE(job->Finished());
  const FetchRecord result = ResultOf(*job);
  ASSERT_EQ(result.size(), kFetchSlots);
  EXPECT_EQ(BytesToText(result[kBodySlot]), "hello");
  EXPECT_EQ(BytesToText(result[kResponseCookiesSlot]), "s=1;");
  EXPECT_EQ(BytesToText(result[kResponseHeadersSlot]),
            "HTTP/1.1 200 OK\r\nSet-Cookie: s=1; path=/\r\nContent-Length: 5\r\nConnection: close\r\n\r\n");
  for (FetchSlot unchanged : {kProxySlot, kHeadersSlot, kPostDataSlot, kRedirectsSlot}) {
    EXPECT_EQ(result[unchanged], request[unchanged]) << unchanged;
  }
}

TEST_F(FetchWorkerTest, OtherMethodsSendNothing) {
  TestHttpServer server(Hello);
  for (const char* method : {"get", "PUT", ""}) {
    FetchRecord request = GetRecord(server.base() + "/x");
    request[kMethodSlot] = TextToBytes(method);
    auto job = JobFor(request);
    FetchWorker(job);
    const FetchRecord result = ResultOf(*job);
    EXPECT_TRUE(result[kBodySlot].empty()) << method;
    EXPECT_TRUE(result[kResponseCookiesSlot].empty()) << method;
    EXPECT_TRUE(result[kResponseHeadersSlot].empty()) << method;
    EXPECT_EQ(result[kHeadersSlot], request[kHeadersSlot]) << method;
  }
  EXPECT_TRUE(server.requests().empty());
}

TEST_F(FetchWorkerTest, TakesExactlySevenSlots) {
  TestHttpServer server(Hello);
  FetchRecord longer = GetRecord(server.base() + "/x");
  longer.push_back(TextToBytes("eighth"));
  longer.push_back(TextToBytes("ninth"));
  auto job = JobFor(longer);
  FetchWorker(job);
  const FetchRecord result = ResultOf(*job);
  ASSERT_EQ(result.size(), kFetchSlots);
  EXPECT_EQ(BytesToText(result[kBodySlot]), "hello");

  // Only the address: the method is missing, so nothing is sent.
  auto shortJob = JobFor(FetchRecord{TextToBytes(server.base() + "/x")});
  FetchWorker(shortJob);
  const FetchRecord shortResult = ResultOf(*shortJob);
  ASSERT_EQ(shortResult.size(), kFetchSlots);
  EXPECT_TRUE(shortResult[kBodySlot].empty());
  EXPECT_EQ(server.requests().size(), 1u);
}

TEST_F(FetchWorkerTest, BufferWithoutRecordGivesEmptySlots) {
  auto job = std::make_shared<FetchJob>();
  WriteText(job->buffer, "no record here");
  FetchWorker(job);
  const FetchRecord result = ResultOf(*job);
  ASSERT_EQ(result.size(), kFetchSlots);
  for (const Bytes& slot : result) EXPECT_TRUE(slot.empty());
}

TEST_F(FetchWorkerTest, AbandonedJobWritesNothingBackAndIsNotAnnounced) {
  TestHttpServer server(Hello);
  int announced = 0;
  auto job = std::make_shared<FetchJob>([&announced] { ++announced; });
  const FetchRecord request = GetRecord(server.base() + "/x");
  WriteRecord(job->buffer, request);
  const Bytes before = job->buffer.data;
  job->Abandon();
  FetchWorker(job);
  EXPECT_TRUE(job->Finished());
  EXPECT_EQ(announced, 0);
  EXPECT_EQ(job->buffer.data, before);
}

TEST_F(FetchWorkerTest, FinishedJobIsAnnounced) {
  TestHttpServer server(Hello);
  int announced = 0;
  auto job = std::make_shared<FetchJob>([&announced] { ++announced; });
  WriteRecord(job->buffer, GetRecord(server.base() + "/x"));
  FetchWorker(job);
  EXPECT_EQ(announced, 1);
}

TEST_F(FetchWorkerTest, AbandonBreaksOffAWaitingTransfer) {
  TestHttpServer server([](const TestHttpServer::Request&) {
    return TestHttpServer::Reply{"", 0, TestHttpServer::Reply::End::kHold};
  });
  auto job = std::make_shared<FetchJob>();
  WriteRecord(job->buffer, GetRecord(server.base() + "/silent"));
  std::thread worker([job] { FetchWorker(job); });
  // Once the request has arrived the worker is waiting for the answer.
  EXPECT_TRUE(server.WaitForRequests(1, 10000));
  job->Abandon();
  worker.join();
  EXPECT_TRUE(job->Finished());
  EXPECT_TRUE(server.WaitForClientCloses(1, 10000));
}

}  // namespace
