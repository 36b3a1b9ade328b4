#include "text/text_build.h"

#include <algorithm>
#include <cstdio>

Text LeftText(std::string_view text, int n) {
  if (n <= 0) return Text();
  return Text(text.substr(0, static_cast<std::size_t>(n)));
}

Text RightText(std::string_view text, int n) {
  if (n <= 0) return Text();
  std::size_t count = std::min(text.size(), static_cast<std::size_t>(n));
  return Text(text.substr(text.size() - count));
}

Text MidText(std::string_view text, int start, int n) {
  if (start < 1 || static_cast<std::size_t>(start) > text.size() || n <= 0) return Text();
  return Text(text.substr(static_cast<std::size_t>(start) - 1, static_cast<std::size_t>(n)));
}

Text BlankText(int n) {
  if (n < 1) return Text();
  return Text(static_cast<std::size_t>(n), ' ');
}

Text CharText(int byte) {
  if ((byte & 0xFF) == 0) return Text();
  return Text(1, static_cast<char>(byte & 0xFF));
}

Text HexText(std::int32_t value) {
  char digits[16];
  std::snprintf(digits, sizeof digits, "%X", static_cast<std::uint32_t>(value));
  return Text(digits);
}

Text NumberText(std::int32_t value) { return std::to_string(value); }

Text FlagText(bool value) { return value ? Text("\xD5\xE6") : Text("\xBC\xD9"); }
