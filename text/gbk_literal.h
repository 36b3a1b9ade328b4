// Test helper: the GBK bytes of a UTF-8 literal, so tests can write Chinese as
// it reads.
#pragma once

#include "text/code_page.h"

inline Text Gbk(std::string_view utf8) {
  return EncodeText(DecodeText(utf8, kUtf8CodePage), kGbkCodePage);
}
