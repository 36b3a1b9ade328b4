#include "fetch/request_headers.h"

#include <string>

#include "text/delimiters.h"
#include "text/memory_file.h"
#include "text/text_build.h"
#include "text/text_change.h"
#include "text/text_search.h"

namespace {

constexpr std::string_view kAcceptLine =
    "Accept: image/gif, image/bmp, image/x-xbitmap, image/jpeg, image/pjpeg, "
    "application/x-shockwave-flash, application/vnd.ms-excel, "
    "application/vnd.ms-powerpoint, application/msword, */*\r\n";
constexpr std::string_view kSetCookie = "Set-Cookie: ";

bool Names(std::string_view headers, std::string_view name) {
  return FindText(headers, name, 1, true) > 0;
}

}  // namespace

Text UserAgentOf(std::string_view headers) {
  if (!Names(headers, "User-Agent:")) return Text(kDefaultUserAgent);
  return TrimText(TextBetween(headers, "User-Agent:", "\r\n"));
}

Text CompleteRequestHeaders(std::string_view headers, std::string_view address,
                            std::string_view method, std::size_t postDataSize,
                            std::string_view cookies) {
  Text text(headers);
  if (!Names(text, "Accept")) text += kAcceptLine;
  if (Names(text, "RefererNo")) {
    text = ReplaceText(text, "RefererNo", "", 1, 1, true);
  } else if (!Names(text, "Referer")) {
    text += JoinText("Referer: ", address, "\r\n");
  }
  if (!Names(text, "Accept-Language")) text += "Accept-Language: zh-cn\r\n";
  if (TextEquals(method, "POST") && postDataSize > 0) {
    if (!Names(text, "Content-Type")) {
      text += "Content-Type: application/x-www-form-urlencoded\r\n";
    }
    if (!Names(text, "Content-Length")) {
      text += JoinText("Content-Length: ", std::to_string(postDataSize), "\r\n");
    }
  }
  if (!cookies.empty()) text += JoinText("Cookie: ", cookies, "\r\n\r\n");
  return text;
}

Text ResponseCookieText(std::string_view rawHeaders) {
  Text cookies;
  if (!Names(rawHeaders, kSetCookie)) return cookies;
  MemoryFile lines = OpenMemoryFile();
  WriteText(lines, rawHeaders);
  SeekToStart(lines);
  while (!AtEnd(lines)) {
    Text line = ReadLine(lines);
    if (!Names(line, kSetCookie)) continue;
    line = ReplaceAt(line, 1, TextLength(kSetCookie));
    cookies += TextBefore(line, ";");
    cookies += ';';
  }
  CloseFile(lines);
  return cookies;
}
