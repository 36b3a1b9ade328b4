// Operations on Bytes, and the crossings between Bytes and Text.
#pragma once

#include "text/text.h"

// The bytes of the Text; empty for the empty Text.
Bytes TextToBytes(std::string_view text);
// The bytes up to, not including, the first zero byte.
Text BytesToText(const Bytes& bytes);
// Number of bytes; 0 for empty.
inline int BytesLength(const Bytes& bytes) { return static_cast<int>(bytes.size()); }
// The first min(n, length) bytes; empty when n < 0.
Bytes LeftBytes(const Bytes& bytes, int n);
// n zero bytes; empty when n <= 0.
Bytes BlankBytes(int n);
// True when both hold the same bytes.
inline bool BytesEquals(const Bytes& a, const Bytes& b) { return a == b; }

// The parts one after another, made in one allocation.
template <typename... Parts>
Bytes JoinBytes(const Parts&... parts) {
  Bytes joined;
  joined.reserve((parts.size() + ... + 0));
  (joined.insert(joined.end(), parts.begin(), parts.end()), ...);
  return joined;
}

// Views the bytes as characters, for searching and converting.
inline std::string_view BytesView(const Bytes& bytes) {
  return std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}
