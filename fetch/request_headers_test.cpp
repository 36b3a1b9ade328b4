#include "fetch/request_headers.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::string kAccept =
    "Accept: image/gif, image/bmp, image/x-xbitmap, image/jpeg, image/pjpeg, "
    "application/x-shockwave-flash, application/vnd.ms-excel, "
    "application/vnd.ms-powerpoint, application/msword, */*\r\n";
const std::string kAddress = "http://hosta/v?id=7";
const std::string kReferer = "Referer: http://hosta/v?id=7\r\n";
const std::string kLanguage = "Accept-Language: zh-cn\r\n";

struct CompletionCase {
  std::string headers;
  std::string method;
  std::size_t postDataSize;
  std::string cookies;
  std::string expected;
};

TEST(RequestHeaders, CompletesWithDefaultLines) {
  const CompletionCase cases[] = {
      {"", "GET", 0, "", kAccept + kReferer + kLanguage},
      // "Accept" is found inside "Accept-Language".
      {"Accept-Language: en\r\n", "GET", 0, "", "Accept-Language: en\r\n" + kReferer},
      {"referer: x\r\n", "GET", 0, "", "referer: x\r\n" + kAccept + kLanguage},
      {"REFERER: x\r\n", "GET", 0, "", "REFERER: x\r\n" + kAccept + kLanguage},
      {"X-A: 1\r\nRefererNo\r\n", "GET", 0, "", "X-A: 1\r\n\r\n" + kAccept + kLanguage},
      {"RefererNoRefererNo", "GET", 0, "", "RefererNo" + kAccept + kLanguage},
      // Found ignoring case, but only the exact marker is removed.
      {"REFERERNO\r\n", "GET", 0, "", "REFERERNO\r\n" + kAccept + kLanguage},
      {"X-A: 1", "GET", 0, "", "X-A: 1" + kAccept + kReferer + kLanguage},
      {"", "POST", 0, "", kAccept + kReferer + kLanguage},
      {"", "POST", 7, "",
       kAccept + kReferer + kLanguage +
           "Content-Type: application/x-www-form-urlencoded\r\nContent-Length: 7\r\n"},
      {"content-length: 7\r\n", "POST", 7, "",
       "content-length: 7\r\n" + kAccept + kReferer + kLanguage +
           "Content-Type: application/x-www-form-urlencoded\r\n"},
      {"Content-Type: text/plain\r\n", "POST", 12, "",
       "Content-Type: text/plain\r\n" + kAccept + kReferer + kLanguage + "Content-Length: 12\r\n"},
      {"", "GET", 7, "", kAccept + kReferer + kLanguage},
      {"", "post", 7, "", kAccept + kReferer + kLanguage},
      {"", "GET", 0, "a=1; b=2", kAccept + kReferer + kLanguage + "Cookie: a=1; b=2\r\n\r\n"},
      {"", "POST", 0, "   ", kAccept + kReferer + kLanguage + "Cookie:    \r\n\r\n"},
      {"Cookie: z=9\r\n", "GET", 0, "a=1",
       "Cookie: z=9\r\n" + kAccept + kReferer + kLanguage + "Cookie: a=1\r\n\r\n"},
  };
  for (const CompletionCase& c : cases) {
    EXPECT_EQ(CompleteRequestHeaders(c.headers, kAddress, c.method, c.postDataSize, c.cookies),
              c.expected)
        << "headers: " << c.headers << " method: " << c.method << " body: " << c.postDataSize
        << " cookies: " << c.cookies;
  }
}

TEST(RequestHeaders, UserAgentComesFromTheHeaderText) {
  const std::pair<std::string, std::string> cases[] = {
      {"", std::string(kDefaultUserAgent)},
      {"X-A: 1\r\n", std::string(kDefaultUserAgent)},
      {"User-Agent: Mine/1.0\r\n", "Mine/1.0"},
      {"X-A: 1\r\nuser-agent:   Mine 2  \r\nX-B: 2\r\n", "Mine 2"},
      {"X-A: 1\r\nUser-Agent: Mine", ""},
      {"User-Agent:\r\n", ""},
  };
  for (const auto& [headers, agent] : cases) {
    EXPECT_EQ(UserAgentOf(headers), agent) << headers;
  }
}

TEST(RequestHeaders, GathersResponseCookies) {
  const std::pair<std::string, std::string> cases[] = {
      {"HTTP/1.1 200 OK\r\n\r\n", ""},
      {"HTTP/1.1 200 OK\r\nSet-Cookie: a=1; path=/\r\nSet-Cookie: b=2; path=/\r\n\r\n", "a=1;b=2;"},
      // Without ";" the text before it is empty.
      {"HTTP/1.1 200 OK\r\nSet-Cookie: a=1\r\n\r\n", ";"},
      {"HTTP/1.1 200 OK\r\nSet-Cookie:a=1; x\r\n\r\n", ""},
      {"HTTP/1.1 200 OK\r\nset-cookie: a=1; x\r\nSET-COOKIE: a=2; y\r\n\r\n", "a=1;a=2;"},
      // The first 12 bytes go, whatever they are.
      {"HTTP/1.1 200 OK\r\nX-Set-Cookie: q=1; y\r\n\r\n", ": q=1;"},
      {"Set-Cookie: a=1; p\nSet-Cookie: b=2; q\n", "a=1;b=2;"},
      {"HTTP/1.1 200 OK\r\nSet-Cookie: " + std::string(3000, 'v') + "=1; p\r\n\r\n",
       std::string(3000, 'v') + "=1;"},
  };
  for (const auto& [headers, cookies] : cases) {
    EXPECT_EQ(ResponseCookieText(headers), cookies) << headers;
  }
}

}  // namespace
