#include "analysis/answer_page.h"

#include <gtest/gtest.h>

#include "analysis/fake_service.h"
#include "fetch/fetch_page.h"
#include "text/gbk_literal.h"

namespace {

std::string ServicePage(const std::string& title, const std::vector<std::string>& links) {
  std::string page = "<html><head><script>document.title = \"" + title + "- FLVCD" + Gbk("硕鼠官网") +
                     "|FLV" + Gbk("下载") + "\";</script></head><body>\n";
  for (const std::string& link : links) {
    page += "<a href=\"" + link + "\" target=\"_blank\">" + Gbk("下载地址") + "</a><br>\n";
  }
  return page + "</body></html>\n";
}

TEST(FetchAnswerPage, SendsEveryBytePercentEncoded) {
  FakeService service;
  ASSERT_NE(service.port(), 0);
  service.SetPage("x");
  EXPECT_EQ(FetchAnswerPage("ab " + Gbk("视"), service.queryPrefix(), 5), "x");
  ASSERT_EQ(service.targets().size(), 1u);
  EXPECT_EQ(service.targets()[0], "/parse.php?flag=&format=&kw=%61%62%20%CA%D3");
}

TEST(FetchAnswerPage, AnswerBecomesRows) {
  FakeService service;
  const std::string title = Gbk("测试视频") + "\" + \"" + Gbk("第二集") + " ";
  service.SetPage(ServicePage(title, {"http://cdn/1.flv", "http://flvcd/ad", "http://cdn/2.flv?taobao",
                                      "http://cdn/FLVCD/3.flv"}));
  const PageRows rows = ExtractRows(FetchAnswerPage("http://v/1", service.queryPrefix(), 5));
  ASSERT_EQ(rows.rows.size(), 2u);
  EXPECT_EQ(rows.rows[0].id, "1");
  EXPECT_EQ(rows.rows[0].address, "http://cdn/1.flv");
  EXPECT_EQ(rows.rows[1].id, "2");
  EXPECT_EQ(rows.rows[1].address, "http://cdn/FLVCD/3.flv");
  EXPECT_EQ(rows.rows[1].title, Gbk("测试视频第二集") + " ");
}

TEST(FetchAnswerPage, BodyIsCutAtAZeroByte) {
  FakeService service;
  service.SetPage(ServicePage("t", {"http://a/1"}) + std::string(1, '\0') +
                  ServicePage("u", {"http://a/2"}));
  const PageRows rows = ExtractRows(FetchAnswerPage("v", service.queryPrefix(), 5));
  ASSERT_EQ(rows.rows.size(), 1u);
  EXPECT_EQ(rows.rows[0].address, "http://a/1");
}

TEST(FetchAnswerPage, SilentServiceGivesTheTimeOutMessage) {
  FakeService service;
  service.SetSilent(true);
  const Text page = FetchAnswerPage("v", service.queryPrefix(), 1);
  EXPECT_EQ(page, kFetchTimeoutMessage);
  const PageRows rows = ExtractRows(page);
  EXPECT_TRUE(rows.rows.empty());
  EXPECT_EQ(rows.title, "");
}

TEST(FetchAnswerPage, DeadServiceGivesAnEmptyPage) {
  int port = 0;
  {
    FakeService closed;
    port = closed.port();
  }
  EXPECT_EQ(FetchAnswerPage("v", "http://127.0.0.1:" + std::to_string(port) + "/parse.php?kw=", 5), "");
}

}  // namespace
