// Percent-encoding of a typed address for the parsing service's query.
#pragma once

#include "text/text.h"

// Each byte of `text` as "%" and two upper-case hexadecimal digits; with
// keepSafe, the bytes , - . / 0-9 A-Z a-z stay as they are. Lets the window's
// events run after every byte.
Text EncodeQuery(std::string_view text, bool keepSafe = false);
