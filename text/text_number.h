// Reading a decimal number out of a Text.
#pragma once

#include "text/text.h"

// Turns full-width digits, signs and blanks into ASCII, then reads a number
// from the start as the C library's atof does; 0 when none stands there.
double TextToNumber(std::string_view text);
