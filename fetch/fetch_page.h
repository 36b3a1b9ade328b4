// FetchPage: the one call through which Polvane fetches a web page. It blocks
// its caller but keeps the caller's window alive while it waits.
#pragma once

#include <optional>
#include <string_view>

#include "text/text.h"

// The result of a fetch whose worker did not end within the time limit, in
// GBK: "超时返回，指定网站不能访问，或者你的网络出现问题，你可以把参数中的＂超时返回＂的值设置长一些。"
inline constexpr std::string_view kFetchTimeoutMessage =
    "\xB3\xAC\xCA\xB1\xB7\xB5\xBB\xD8\xA3\xAC\xD6\xB8\xB6\xA8\xCD\xF8\xD5\xBE\xB2\xBB"
    "\xC4\xDC\xB7\xC3\xCE\xCA\xA3\xAC\xBB\xF2\xD5\xDF\xC4\xE3\xB5\xC4\xCD\xF8\xC2\xE7"
    "\xB3\xF6\xCF\xD6\xCE\xCA\xCC\xE2\xA3\xAC\xC4\xE3\xBF\xC9\xD2\xD4\xB0\xD1\xB2\xCE"
    "\xCA\xFD\xD6\xD0\xB5\xC4\xA3\xA2\xB3\xAC\xCA\xB1\xB7\xB5\xBB\xD8\xA3\xA2\xB5\xC4"
    "\xD6\xB5\xC9\xE8\xD6\xC3\xB3\xA4\xD2\xBB\xD0\xA9\xA1\xA3";

struct FetchOptions {
  int method = 0;                      // 1 = POST, anything else GET
  Text proxy;                          // "host:port" of an http proxy; empty = direct
  Text headers;                        // extra header lines, each ending in "\r\n"
  Bytes postData;
  Text cookies;                        // value of a Cookie line
  std::optional<int> timeLimit;        // seconds; default 60
  Text* responseHeaders = nullptr;     // out, filled only when given
  int conversion = 0;                  // 0 as received, 1 UTF-8 -> GBK, 2 BIG5 -> simplified GBK
  Text* responseCookies = nullptr;     // out, filled only when given
  std::optional<bool> allowRedirects;  // default true
};

// Fetches `address` over HTTP on a worker thread and returns the response
// body, as received or converted to GBK (a converted body ends at its first
// zero byte). First puts "http://" in front of `address`, in the caller's
// variable, unless it starts with "http://" or "https://" (exact case). While
// it waits it runs the calling thread's events. When given, the out-parameters
// receive the final response's raw headers and the cookies it set
// ("name=value;" each).
// Failure: a blank address gives empty Bytes and sends nothing; a request that
// gets no response (no connection, connection closed before an answer) gives
// empty Bytes and empty out-parameters, and a body cut short gives what arrived;
// a worker still busy after the time limit (a negative one counts as 0) gives
// the bytes of kFetchTimeoutMessage, leaves the out-parameters untouched and
// is told to stop. An answer with an error status is a page like any other.
Bytes FetchPage(Text& address, const FetchOptions& options = {});
