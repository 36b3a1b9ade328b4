// Conversions between the code pages Polvane meets: GBK (its own), BIG5 and
// UTF-8, through UTF-16. Characters a target code page lacks become "?".
#pragma once

#include <string>

#include "text/text.h"

constexpr int kAnsiCodePage = 0;  // the program's own code page, GBK
constexpr int kGbkCodePage = 936;
constexpr int kBig5CodePage = 950;
constexpr int kUtf8CodePage = 65001;

// The UTF-16 form of `text` in `codePage`. Invalid sequences become the
// converter's substitution characters. An unknown code page gives empty.
std::u16string DecodeText(std::string_view text, int codePage);

// `wide` in `codePage`, with "?" for each character the code page lacks; zero
// units come out as zero bytes. An unknown code page gives empty.
std::string EncodeText(std::u16string_view wide, int codePage);

// The UTF-16 form of the text (up to its first zero byte) as little-endian
// bytes, ending in a zero unit: 2 x (units + 1) bytes.
Bytes TextToWide(std::string_view text, int codePage = kUtf8CodePage);

// The text of little-endian UTF-16 bytes up to their first zero unit, in
// `codePage`, up to the first zero byte of the result.
Text WideToText(const Bytes& wide, int codePage = kAnsiCodePage);

// A UTF-8 text in GBK; "?" for each character GBK lacks.
Text Utf8ToAnsi(std::string_view text);

// A BIG5 text in GBK; "?" for each character GBK lacks.
Text Big5ToGbk(std::string_view text);
