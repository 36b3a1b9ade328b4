// The header rules of one request: the user agent, the default header lines a
// request gets, and the cookie text gathered from a response's headers. Plain
// text work, no network.
#pragma once

#include <cstddef>

#include "text/text.h"

// The user agent sent when the header text names none.
inline constexpr std::string_view kDefaultUserAgent =
    "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.1; SV1; .NET CLR 2.0.50727; "
    ".NET CLR 3.0.04506.648; .NET CLR 3.5.21022)";

// The user agent of a request: when the header text contains "User-Agent:"
// (any case), the trimmed text between it and the next "\r\n" (empty when no
// "\r\n" follows); otherwise kDefaultUserAgent.
Text UserAgentOf(std::string_view headers);

// The header text completed with the default lines, appended as they stand
// with no line break put before them, each only when the text does not already
// contain the header's name anywhere (any case): Accept; Referer with the
// address (none when the text holds the marker "RefererNo", whose first exact
// occurrence is removed); Accept-Language; for a "POST" with a body,
// Content-Type and Content-Length; and, when `cookies` is not empty, a Cookie
// line followed by an empty line.
Text CompleteRequestHeaders(std::string_view headers, std::string_view address,
                            std::string_view method, std::size_t postDataSize,
                            std::string_view cookies);

// The cookies a response set, from its raw headers: for each line holding
// "Set-Cookie: " (any case, anywhere), the line without its first 12 bytes,
// up to its first ";", followed by ";". For example "a=1;b=2;". Empty when
// there is none.
Text ResponseCookieText(std::string_view rawHeaders);
