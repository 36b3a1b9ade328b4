// Splitting a request address into host, port and path by plain text search.
// There is no general address parser behind these: no percent-decoding, no
// user information, no bracketed IPv6 hosts, and each function has its own
// rule for schemes, which callers rely on.
#pragma once

#include "text/text.h"

// The host name in lower case (ASCII letters only), without scheme, port or
// path: every lower-case "https://" and "http://" is removed wherever it
// stands, then the text is cut at the first "/" and at the first ":". May be empty.
Text HostOf(std::string_view address);

// Everything from the first "/" at or after the first occurrence of the host
// (ignoring case) to the end of the unchanged address, or "/" when there is none.
Text PathOf(std::string_view address);

// The number after the ":" that follows the host, truncated toward zero, or 80
// when there is no ":". Only "http://" (any case) is recognised as a scheme:
// an https address gives 0.
int PortOf(std::string_view address);
