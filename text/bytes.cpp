#include "text/bytes.h"

#include <algorithm>

Bytes TextToBytes(std::string_view text) { return Bytes(text.begin(), text.end()); }

Text BytesToText(const Bytes& bytes) {
  std::string_view all = BytesView(bytes);
  return Text(all.substr(0, all.find('\0')));
}

Bytes LeftBytes(const Bytes& bytes, int n) {
  if (n < 0) return Bytes();
  std::size_t count = std::min(bytes.size(), static_cast<std::size_t>(n));
  return Bytes(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(count));
}

Bytes BlankBytes(int n) {
  if (n <= 0) return Bytes();
  return Bytes(static_cast<std::size_t>(n), 0);
}
