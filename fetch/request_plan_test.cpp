#include "fetch/request_plan.h"

#include <gtest/gtest.h>

#include <string>

#include "text/bytes.h"

namespace {

const std::string kYes = "\xD5\xE6";  // "真"
const std::string kNo = "\xBC\xD9";   // "假"

FetchRecord Record(const std::string& address, const std::string& method, const std::string& proxy,
                   const std::string& cookies, const std::string& redirects) {
  FetchRecord record(kFetchSlots);
  record[kAddressSlot] = TextToBytes(address);
  record[kMethodSlot] = TextToBytes(method);
  record[kProxySlot] = TextToBytes(proxy);
  record[kCookiesSlot] = TextToBytes(cookies);
  record[kRedirectsSlot] = TextToBytes(redirects);
  return record;
}

struct PlanCase {
  std::string address;
  std::string method;
  std::string proxy;
  std::string cookies;
  std::string redirects;
  bool send;
  bool tls;
  std::string url;
  std::string plannedProxy;
  bool storedCookies;
  bool followRedirects;
};

TEST(RequestPlan, MapsTheRecordOntoTheClient) {
  const PlanCase cases[] = {
      {"http://HostA:8080/v?id=7", "GET", "", "", kYes, true, false, "http://hosta:8080/v?id=7", "", true, true},
      {"http://HostA", "POST", "", "", kYes, true, false, "http://hosta:80/", "", true, true},
      {"HostA:81/x", "GET", "", "", kYes, true, false, "http://hosta:81/x", "", true, true},
      {"https://HostA/x", "GET", "", "", kYes, true, true, "https://hosta:443/x", "", true, true},
      // An explicit port of an https address is the one connected to.
      {"https://HostA:8443/x", "GET", "", "", kYes, true, true, "https://hosta:8443/x", "", true, true},
      {"HTTPS://HostA:8443/x", "GET", "", "", kYes, true, true, "https://https:8443//HostA:8443/x", "", true, true},
      // "https://" anywhere makes a TLS request.
      {"http://hosta/q?u=https://other/y", "GET", "", "", kYes, true, true,
       "https://hosta:443/q?u=https://other/y", "", true, true},
      {"http://hosta:8080/q?u=https://other/y", "GET", "", "", kYes, true, true,
       "https://hosta:8080/q?u=https://other/y", "", true, true},
      // Cookies of the request's own keep the store's away, except over TLS.
      {"http://hosta/", "GET", "", "a=1", kYes, true, false, "http://hosta:80/", "", false, true},
      {"http://hosta/", "GET", "", "   ", kYes, true, false, "http://hosta:80/", "", true, true},
      {"https://hosta/", "GET", "", "a=1", kNo, true, true, "https://hosta:443/", "", true, true},
      // Redirects: only the exact "真" allows them, except over TLS.
      {"http://hosta/", "GET", "", "", kNo, true, false, "http://hosta:80/", "", true, false},
      {"http://hosta/", "GET", "", "", "", true, false, "http://hosta:80/", "", true, false},
      {"http://hosta/", "GET", "", "", "1", true, false, "http://hosta:80/", "", true, false},
      // The proxy serves http only.
      {"http://hosta/", "GET", "127.0.0.1:3128", "", kYes, true, false, "http://hosta:80/",
       "http://127.0.0.1:3128", true, true},
      {"https://hosta/", "GET", "127.0.0.1:3128", "", kYes, true, true, "https://hosta:443/", "", true, true},
      // Only the exact methods are sent.
      {"http://hosta/", "get", "", "", kYes, false, false, "http://hosta:80/", "", true, true},
      {"http://hosta/", "", "", "", kYes, false, false, "http://hosta:80/", "", true, true},
      // Bytes the client refuses raw are escaped.
      {"http://hosta/a b\tc\x7F\xD6\xD0", "GET", "", "", kYes, true, false,
       "http://hosta:80/a%20b%09c%7F\xD6\xD0", "", true, true},
  };
  for (const PlanCase& c : cases) {
    const RequestPlan plan = PlanRequest(Record(c.address, c.method, c.proxy, c.cookies, c.redirects));
    SCOPED_TRACE(c.address + " " + c.method + " [" + c.proxy + "] [" + c.cookies + "] [" + c.redirects + "]");
    EXPECT_EQ(plan.send, c.send);
    EXPECT_EQ(plan.post, c.method == "POST");
    EXPECT_EQ(plan.tls, c.tls);
    EXPECT_EQ(plan.url, c.url);
    EXPECT_EQ(plan.proxy, c.plannedProxy);
    EXPECT_EQ(plan.storedCookies, c.storedCookies);
    EXPECT_EQ(plan.followRedirects, c.followRedirects);
  }
}

TEST(RequestPlan, CompletesHeadersAndUserAgent) {
  FetchRecord record = Record("http://hosta/x", "POST", "", "a=1", kYes);
  record[kHeadersSlot] = TextToBytes("User-Agent: Mine\r\nAccept: */*\r\nRefererNo");
  record[kPostDataSlot] = TextToBytes("abc");
  const RequestPlan plan = PlanRequest(record);
  EXPECT_EQ(plan.userAgent, "Mine");
  EXPECT_EQ(plan.headers,
            "User-Agent: Mine\r\nAccept: */*\r\nAccept-Language: zh-cn\r\n"
            "Content-Type: application/x-www-form-urlencoded\r\nContent-Length: 3\r\n"
            "Cookie: a=1\r\n\r\n");
}

TEST(RequestPlan, TlsPortIsExplicitOr443) {
  const std::pair<std::string, int> cases[] = {
      {"https://hosta/x", 443},  {"https://hosta:8443/x", 8443}, {"https://hosta:8443", 8443},
      {"http://hosta/?https://", 443}, {"http://hosta:81/?https://", 81}, {"HTTPS://hosta:9/", 9},
      {"hosta:82/?https://", 82}, {"https://hosta:abc/", 0},
  };
  for (const auto& [address, port] : cases) EXPECT_EQ(TlsPortOf(address), port) << address;
}

}  // namespace
