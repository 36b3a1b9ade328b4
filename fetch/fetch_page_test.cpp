#include "fetch/fetch_page.h"

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <functional>
#include <mutex>
#include <thread>

#include "fetch/fetch_worker.h"
#include "fetch/test_http_server.h"
#include "platform/ui_services.h"
#include "text/bytes.h"
#include "text/code_page.h"
#include "text/gbk_literal.h"

namespace {

using Reply = TestHttpServer::Reply;
using Request = TestHttpServer::Request;

const std::string kUserAgent =
    "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.1; SV1; .NET CLR 2.0.50727; "
    ".NET CLR 3.0.04506.648; .NET CLR 3.5.21022)";
const std::string kAccept =
    "Accept: image/gif, image/bmp, image/x-xbitmap, image/jpeg, image/pjpeg, "
    "application/x-shockwave-flash, application/vnd.ms-excel, "
    "application/vnd.ms-powerpoint, application/msword, */*";

std::string AsString(const Bytes& bytes) { return std::string(bytes.begin(), bytes.end()); }

std::string Utf8ToBig5(std::string_view utf8) {
  return EncodeText(DecodeText(utf8, kUtf8CodePage), kBig5CodePage);
}

// The values of the head lines named `name` (any case) of a raw request.
std::vector<std::string> HeaderValues(const std::string& raw, std::string name) {
  std::vector<std::string> values;
  const std::string head = raw.substr(0, raw.find("\r\n\r\n") + 2);
  for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  std::size_t at = head.find("\r\n");
  while (at != std::string::npos && at + 2 < head.size()) {
    const std::size_t end = head.find("\r\n", at + 2);
    std::string line = head.substr(at + 2, end - at - 2);
    std::string lower = line;
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (lower.rfind(name + ":", 0) == 0) {
      const std::size_t value = line.find_first_not_of(' ', name.size() + 1);
      values.push_back(value == std::string::npos ? "" : line.substr(value));
    }
    at = end;
  }
  return values;
}

// The answers of the test server, by request target.
Reply Answer(const Request& request) {
  const std::string& target = request.target;
  if (target == "/cookies") {
    return {HttpAnswer(200, "OK", "Set-Cookie: a=1; path=/\r\nSet-Cookie: b=2; path=/\r\n", "fed")};
  }
  if (target == "/more-cookies") return {HttpAnswer(200, "OK", "Set-Cookie: c=3; path=/\r\n", "fed")};
  if (target == "/from") return {HttpAnswer(302, "Found", "Location: /to\r\n", "moved")};
  if (target == "/to") return {HttpAnswer(200, "OK", "", "arrived")};
  if (target == "/to-tls") {
    const std::string port = HeaderValues(request.raw, "Host").at(0).substr(10);
    return {HttpAnswer(302, "Found", "Location: https://127.0.0.1:" + port + "/tls\r\n", "moved")};
  }
  if (target == "/404") return {HttpAnswer(404, "Not Found", "", "no such page")};
  if (target == "/500") return {HttpAnswer(500, "Internal Server Error", "", "it broke")};
  if (target == "/silent") return {"", 0, Reply::End::kHold};
  if (target == "/cut" || target == "/reset") {
    return {"HTTP/1.1 200 OK\r\nContent-Length: 100000\r\n\r\n", 1000,
            target == "/cut" ? Reply::End::kClose : Reply::End::kReset};
  }
  if (target == "/utf8") return {HttpAnswer(200, "OK", "", "\xE4\xB8\xAD\xE6\x96\x87 ok")};
  if (target == "/big5") return {HttpAnswer(200, "OK", "", Utf8ToBig5("中國 ok"))};
  if (target == "/zero") return {HttpAnswer(200, "OK", "", std::string("a\0b", 3))};
  if (target == "/long") {
    return {HttpAnswer(200, "OK", "X-Long: " + std::string(3000, 'x') + "\r\nSet-Cookie: late=1; path=/\r\n", "long")};
  }
  if (target == "/large") {
    return {"HTTP/1.1 200 OK\r\nContent-Length: 8388608\r\nConnection: close\r\n\r\n", 8388608};
  }
  if (target == "/slow" || target == "/slower") {
    std::this_thread::sleep_for(std::chrono::milliseconds(target == "/slow" ? 300 : 600));
    return {HttpAnswer(200, "OK", "", target.substr(1))};
  }
  return {HttpAnswer(200, "OK", "", "hello")};
}

// Checks `condition` until it holds or `timeoutMs` has passed.
bool Eventually(const std::function<bool()>& condition, int timeoutMs = 10000) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  while (!condition()) {
    if (std::chrono::steady_clock::now() > end) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return true;
}

// Event services that count their waits and can run a handler inside the
// first one, as a window's event loop would.
class FakeUi : public HeadlessUiServices {
 public:
  std::function<void()> handlerInFirstWait;
  int waits = 0;

  void WaitForEvents(int timeoutMs) override {
    ++waits;
    if (handlerInFirstWait) {
      auto handler = std::move(handlerInFirstWait);
      handlerInFirstWait = nullptr;
      handler();
    }
    HeadlessUiServices::WaitForEvents(timeoutMs);
  }
};

class InstalledUi {
 public:
  explicit InstalledUi(UiServices* services) { InstallUiServices(services); }
  ~InstalledUi() { InstallUiServices(nullptr); }
};

// Sets an environment variable for the life of the object.
class ScopedEnvironment {
 public:
  ScopedEnvironment(const char* name, const std::string& value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    ::setenv(name, value.c_str(), 1);
  }
  ~ScopedEnvironment() {
    if (old_) {
      ::setenv(name_, old_->c_str(), 1);
    } else {
      ::unsetenv(name_);
    }
  }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

class FetchPageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ClearFetchCookies();
    ASSERT_NE(server.port(), 0);
  }
  // Every worker, also one given up on, ends soon after its call.
  void TearDown() override { EXPECT_TRUE(Eventually([] { return RunningFetchWorkers() == 0; })); }

  // Fetches server.base() + path.
  Bytes Fetch(const std::string& path, const FetchOptions& options = {}) {
    Text address = server.base() + path;
    return FetchPage(address, options);
  }
  std::string LastRequest() const {
    const auto requests = server.requests();
    return requests.empty() ? "" : requests.back().raw;
  }

  TestHttpServer server{Answer};
};

TEST_F(FetchPageTest, SendsAGetAsWritten) {
  EXPECT_EQ(AsString(Fetch("/v?id=7")), "hello");
  const std::string host = "127.0.0.1:" + std::to_string(server.port());
  EXPECT_EQ(LastRequest(), "GET /v?id=7 HTTP/1.1\r\nHost: " + host + "\r\nUser-Agent: " + kUserAgent +
                               "\r\n" + kAccept + "\r\nReferer: http://" + host +
                               "/v?id=7\r\nAccept-Language: zh-cn\r\n\r\n");
}

TEST_F(FetchPageTest, SendsAPostAsWritten) {
  FetchOptions options;
  options.method = 1;
  options.headers = "X-Test: 1\r\n";
  options.postData = Bytes{'a', '=', '1', 0, 'b'};
  options.cookies = "c=3; d=4";
  EXPECT_EQ(AsString(Fetch("/form", options)), "hello");
  const std::string host = "127.0.0.1:" + std::to_string(server.port());
  EXPECT_EQ(LastRequest(), "POST /form HTTP/1.1\r\nHost: " + host + "\r\nUser-Agent: " + kUserAgent +
                               "\r\nX-Test: 1\r\n" + kAccept + "\r\nReferer: http://" + host +
                               "/form\r\nAccept-Language: zh-cn\r\n"
                               "Content-Type: application/x-www-form-urlencoded\r\n"
                               "Content-Length: 5\r\nCookie: c=3; d=4\r\n\r\n" +
                               std::string("a=1\0b", 5));
}

TEST_F(FetchPageTest, OnlyMethodOneIsAPost) {
  const std::pair<int, std::string> cases[] = {{0, "GET"}, {1, "POST"}, {2, "GET"}, {-1, "GET"}};
  for (const auto& [method, sent] : cases) {
    FetchOptions options;
    options.method = method;
    EXPECT_EQ(AsString(Fetch("/m", options)), "hello") << method;
    EXPECT_EQ(server.requests().back().method, sent) << method;
  }
}

TEST_F(FetchPageTest, CompletesTheAddressInTheCallersVariable) {
  const std::string hostAndPort = "127.0.0.1:" + std::to_string(server.port());
  const std::pair<std::string, std::string> cases[] = {
      {hostAndPort + "/v?id=7", "http://" + hostAndPort + "/v?id=7"},
      {"http://" + hostAndPort + "/v", "http://" + hostAndPort + "/v"},
      {" " + hostAndPort + "/v", "http:// " + hostAndPort + "/v"},
  };
  for (const auto& [given, completed] : cases) {
    Text address = given;
    FetchPage(address, FetchOptions{});
    EXPECT_EQ(address, completed) << given;
  }
  EXPECT_EQ(server.requests().front().target, "/v?id=7");

  // The scheme test is exact; with no time to wait nothing is looked up.
  const std::pair<std::string, std::string> unfetched[] = {
      {"HTTP://HostA/", "http://HTTP://HostA/"},
      {"https://HostA/", "https://HostA/"},
      {"Https://HostA/", "http://Https://HostA/"},
  };
  FetchOptions noTime;
  noTime.timeLimit = 0;
  for (const auto& [given, completed] : unfetched) {
    Text address = given;
    EXPECT_EQ(AsString(FetchPage(address, noTime)), kFetchTimeoutMessage) << given;
    EXPECT_EQ(address, completed) << given;
  }
}

TEST_F(FetchPageTest, BlankAddressSendsNothing) {
  ASSERT_TRUE(Eventually([] { return RunningFetchWorkers() == 0; }));  // earlier tests' workers
  for (const std::string& blank : {std::string(), std::string("   "), std::string("\xA1\xA1 ")}) {
    Text address = blank;
    Text headers = "before";
    FetchOptions options;
    options.responseHeaders = &headers;
    EXPECT_TRUE(FetchPage(address, options).empty());
    EXPECT_EQ(address, blank);
    EXPECT_EQ(headers, "before");
  }
  EXPECT_EQ(RunningFetchWorkers(), 0);
  EXPECT_TRUE(server.requests().empty());
}

TEST_F(FetchPageTest, UserAgentAndRefererFollowTheHeaderText) {
  struct Case {
    std::string headers;
    std::vector<std::string> agents;
    std::vector<std::string> referers;
  };
  const std::string address = server.base() + "/p";
  const Case cases[] = {
      {"", {kUserAgent}, {address}},
      {"User-Agent: Mine/1.0\r\n", {"Mine/1.0"}, {address}},
      {"referer: http://elsewhere/\r\n", {kUserAgent}, {"http://elsewhere/"}},
      {"X-A: 1\r\nRefererNo\r\n", {kUserAgent}, {}},
  };
  for (const Case& c : cases) {
    FetchOptions options;
    options.headers = c.headers;
    Fetch("/p", options);
    const std::string raw = LastRequest();
    EXPECT_EQ(HeaderValues(raw, "User-Agent"), c.agents) << c.headers;
    EXPECT_EQ(HeaderValues(raw, "Referer"), c.referers) << c.headers;
    EXPECT_EQ(raw.find("RefererNo"), std::string::npos) << c.headers;
  }
}

TEST_F(FetchPageTest, CookiesComeBackAndAreSentAgain) {
  Text cookies = "before";
  FetchOptions options;
  options.responseCookies = &cookies;
  EXPECT_EQ(AsString(Fetch("/cookies", options)), "fed");
  EXPECT_EQ(cookies, "a=1;b=2;");

  // Later requests without cookies of their own send the stored ones.
  Fetch("/p");
  EXPECT_EQ(HeaderValues(LastRequest(), "Cookie"), std::vector<std::string>{"b=2; a=1"});

  // Cookies of the request's own go alone; what the answer sets is stored.
  FetchOptions own;
  own.cookies = "x=9";
  own.responseCookies = &cookies;
  Fetch("/more-cookies", own);
  EXPECT_EQ(HeaderValues(LastRequest(), "Cookie"), std::vector<std::string>{"x=9"});
  EXPECT_EQ(cookies, "c=3;");

  Fetch("/p");
  EXPECT_EQ(HeaderValues(LastRequest(), "Cookie"), std::vector<std::string>{"c=3; b=2; a=1"});

  ClearFetchCookies();
  Fetch("/p");
  EXPECT_TRUE(HeaderValues(LastRequest(), "Cookie").empty());
}

TEST_F(FetchPageTest, RedirectsAreFollowedUnlessForbidden) {
  Text headers;
  FetchOptions allowed;
  allowed.responseHeaders = &headers;
  EXPECT_EQ(AsString(Fetch("/from", allowed)), "arrived");
  EXPECT_EQ(headers.rfind("HTTP/1.1 200 OK\r\n", 0), 0u) << headers;
  EXPECT_EQ(server.requests().back().target, "/to");

  FetchOptions forbidden;
  forbidden.allowRedirects = false;
  forbidden.responseHeaders = &headers;
  EXPECT_EQ(AsString(Fetch("/from", forbidden)), "moved");
  EXPECT_EQ(headers.rfind("HTTP/1.1 302 Found\r\nLocation: /to\r\n", 0), 0u) << headers;
  EXPECT_EQ(server.requests().back().target, "/from");
}

TEST_F(FetchPageTest, RedirectFromHttpToHttpsIsFollowed) {
  // The server speaks no TLS, so the fetch fails, but the handshake arrives.
  EXPECT_TRUE(Fetch("/to-tls").empty());
  ASSERT_EQ(server.requests().size(), 2u);
  EXPECT_EQ(server.requests()[1].raw.substr(0, 1), "\x16");

  FetchOptions forbidden;
  forbidden.allowRedirects = false;
  EXPECT_EQ(AsString(Fetch("/to-tls", forbidden)), "moved");
  EXPECT_EQ(server.requests().size(), 3u);
}

TEST_F(FetchPageTest, ErrorAnswersComeBackAsPages) {
  const std::tuple<std::string, std::string, std::string> cases[] = {
      {"/404", "no such page", "HTTP/1.1 404 Not Found\r\n"},
      {"/500", "it broke", "HTTP/1.1 500 Internal Server Error\r\n"},
  };
  for (const auto& [path, body, status] : cases) {
    Text headers;
    FetchOptions options;
    options.responseHeaders = &headers;
    EXPECT_EQ(AsString(Fetch(path, options)), body) << path;
    EXPECT_EQ(headers.rfind(status, 0), 0u) << path;
  }
}

TEST_F(FetchPageTest, SilentServerGivesTheTimeOutMessage) {
  Text headers = "headers before";
  Text cookies = "cookies before";
  FetchOptions options;
  options.timeLimit = 1;
  options.responseHeaders = &headers;
  options.responseCookies = &cookies;
  EXPECT_EQ(AsString(Fetch("/silent", options)), kFetchTimeoutMessage);
  EXPECT_EQ(headers, "headers before");
  EXPECT_EQ(cookies, "cookies before");
  // The worker given up on ends, and its connection with it.
  EXPECT_TRUE(Eventually([] { return RunningFetchWorkers() == 0; }));
  EXPECT_TRUE(server.WaitForClientCloses(1, 10000));
}

TEST_F(FetchPageTest, NoTimeAlwaysTimesOut) {
  for (int limit : {0, -5}) {
    FetchOptions options;
    options.timeLimit = limit;
    EXPECT_EQ(AsString(Fetch("/p", options)), kFetchTimeoutMessage) << limit;
  }
  EXPECT_TRUE(Eventually([] { return RunningFetchWorkers() == 0; }));
}

TEST_F(FetchPageTest, BodyCutShortKeepsWhatArrived) {
  Text headers;
  FetchOptions options;
  options.responseHeaders = &headers;
  EXPECT_EQ(AsString(Fetch("/cut", options)), PatternBytes(1000));
  EXPECT_EQ(headers, "HTTP/1.1 200 OK\r\nContent-Length: 100000\r\n\r\n");
}

TEST_F(FetchPageTest, ResetConnectionEndsTheFetch) {
  const std::string body = AsString(Fetch("/reset"));
  // What arrived before the reset, which may be nothing.
  EXPECT_LE(body.size(), 1000u);
  EXPECT_EQ(body, PatternBytes(body.size()));
}

TEST_F(FetchPageTest, RefusedConnectionGivesNothing) {
  int port = 0;
  {
    TestHttpServer closed(Answer);
    port = closed.port();
  }
  Text address = "http://127.0.0.1:" + std::to_string(port) + "/p";
  Text headers = "before";
  Text cookies = "before";
  FetchOptions options;
  options.responseHeaders = &headers;
  options.responseCookies = &cookies;
  EXPECT_TRUE(FetchPage(address, options).empty());
  EXPECT_EQ(headers, "");
  EXPECT_EQ(cookies, "");
}

TEST_F(FetchPageTest, ConvertsTheBody) {
  const std::tuple<std::string, int, std::string> cases[] = {
      {"/utf8", 0, "\xE4\xB8\xAD\xE6\x96\x87 ok"},
      {"/utf8", 1, Gbk("中文 ok")},
      {"/big5", 0, Utf8ToBig5("中國 ok")},
      {"/big5", 2, Gbk("中国 ok")},
      {"/p", 3, "hello"},
      {"/zero", 0, std::string("a\0b", 3)},
      {"/zero", 1, "a"},
      {"/zero", 2, "a"},
  };
  for (const auto& [path, conversion, body] : cases) {
    FetchOptions options;
    options.conversion = conversion;
    EXPECT_EQ(AsString(Fetch(path, options)), body) << path << " " << conversion;
  }
}

TEST_F(FetchPageTest, LongHeadersAreKeptWhole) {
  Text headers;
  Text cookies;
  FetchOptions options;
  options.responseHeaders = &headers;
  options.responseCookies = &cookies;
  EXPECT_EQ(AsString(Fetch("/long", options)), "long");
  EXPECT_NE(headers.find("X-Long: " + std::string(3000, 'x') + "\r\n"), std::string::npos);
  EXPECT_GT(headers.size(), 3000u);
  EXPECT_EQ(cookies, "late=1;");
}

TEST_F(FetchPageTest, LargeBodyArrivesWhole) {
  const Bytes body = Fetch("/large");
  ASSERT_EQ(body.size(), 8388608u);
  EXPECT_TRUE(AsString(body) == PatternBytes(8388608));
}

TEST_F(FetchPageTest, ProxyCarriesHttpOnly) {
  TestHttpServer proxy(ForwardRequest);
  ASSERT_NE(proxy.port(), 0);
  // Named proxies are used even for hosts the environment exempts.
  ScopedEnvironment exempt("no_proxy", "127.0.0.1,localhost");
  FetchOptions options;
  options.proxy = "127.0.0.1:" + std::to_string(proxy.port());
  EXPECT_EQ(AsString(Fetch("/p", options)), "hello");
  ASSERT_EQ(proxy.requests().size(), 1u);
  EXPECT_EQ(proxy.requests()[0].target, server.base() + "/p");
  ASSERT_EQ(server.requests().size(), 1u);
  EXPECT_EQ(server.requests()[0].target, "/p");

  // An https address goes straight to its host, at its own port.
  Text address = "https://127.0.0.1:" + std::to_string(server.port()) + "/p";
  EXPECT_TRUE(FetchPage(address, options).empty());
  EXPECT_EQ(proxy.requests().size(), 1u);
  ASSERT_EQ(server.requests().size(), 2u);
  EXPECT_EQ(server.requests()[1].raw.substr(0, 1), "\x16");  // a TLS handshake
}

TEST_F(FetchPageTest, HttpsConnectsToItsExplicitPort) {
  const std::string hostAndPort = "127.0.0.1:" + std::to_string(server.port());
  // "https://" anywhere in the address makes the request TLS.
  for (const std::string& given : {"https://" + hostAndPort + "/p", "http://" + hostAndPort + "/q?u=https://x/"}) {
    Text address = given;
    EXPECT_TRUE(FetchPage(address, FetchOptions{}).empty()) << given;
    ASSERT_FALSE(server.requests().empty()) << given;
    EXPECT_EQ(server.requests().back().raw.substr(0, 1), "\x16") << given;
  }
  EXPECT_EQ(server.requests().size(), 2u);
}

TEST_F(FetchPageTest, DirectMeansDirect) {
  TestHttpServer proxy(ForwardRequest);
  const std::string proxyAddress = "http://127.0.0.1:" + std::to_string(proxy.port());
  ScopedEnvironment http("http_proxy", proxyAddress);
  ScopedEnvironment all("ALL_PROXY", proxyAddress);
  ScopedEnvironment allLower("all_proxy", proxyAddress);
  EXPECT_EQ(AsString(Fetch("/p")), "hello");
  EXPECT_TRUE(proxy.requests().empty());
  EXPECT_EQ(server.requests().size(), 1u);
}

TEST_F(FetchPageTest, WaitsWithoutSpinning) {
  FakeUi ui;
  InstalledUi installed(&ui);
  EXPECT_EQ(AsString(Fetch("/slow")), "slow");
  // One wait, ended by the worker; a stray wake-up may add one.
  EXPECT_GE(ui.waits, 1);
  EXPECT_LE(ui.waits, 2);
}

TEST_F(FetchPageTest, NestedFetchesEachEnd) {
  // The outer worker ends while a nested fetch, started by an event handler
  // inside the outer wait, is still waiting for a slower answer. Were the
  // outer call to miss its worker's wake-up, it would end at its time limit.
  FakeUi ui;
  InstalledUi installed(&ui);
  Bytes inner;
  ui.handlerInFirstWait = [&] { inner = Fetch("/slower"); };
  FetchOptions options;
  options.timeLimit = 30;
  EXPECT_EQ(AsString(Fetch("/slow", options)), "slow");
  EXPECT_EQ(AsString(inner), "slower");
}

}  // namespace
