// Traditional-to-simplified mapping of Chinese characters in GBK texts.
#pragma once

#include "text/text.h"

// The GBK text with each traditional character replaced by its simplified
// form, character for character; the result has the input's length.
Text ToSimplified(std::string_view text);

// A BIG5 text in GBK with traditional characters made simplified; "?" for each
// character GBK lacks.
Text Big5ToGbkSimplified(std::string_view text);
