// Cutting and building Texts. Cutting counts plain bytes and may split a
// double-byte character.
#pragma once

#include <cstdint>

#include "text/text.h"

// The first min(n, length) bytes; empty when n <= 0.
Text LeftText(std::string_view text, int n);
// The last min(n, length) bytes; empty when n <= 0.
Text RightText(std::string_view text, int n);
// n bytes from 1-based start, cut short at the end; empty when start < 1,
// start > length or n <= 0.
Text MidText(std::string_view text, int start, int n);
// n spaces; empty when n < 1.
Text BlankText(int n);
// A one-byte Text holding `byte`; empty for 0.
Text CharText(int byte);
// Upper-case hexadecimal of the 32-bit value without leading zeros; a negative
// value gives its eight-digit two's complement.
Text HexText(std::int32_t value);
// Decimal digits with a leading minus sign for negative values.
Text NumberText(std::int32_t value);
// "真" for true, "假" for false, in GBK.
Text FlagText(bool value);

// The parts one after another, made in one allocation.
template <typename... Parts>
Text JoinText(const Parts&... parts) {
  const std::string_view views[] = {std::string_view(parts)...};
  std::size_t total = 0;
  for (std::string_view v : views) total += v.size();
  Text joined;
  joined.reserve(total);
  for (std::string_view v : views) joined.append(v);
  return joined;
}
