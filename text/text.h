// Text and Bytes: the two byte-string values that every part of Polvane works on.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// A byte string in the GBK code page (936). It never holds a zero byte: every
// operation that makes a Text from other bytes stops at the first zero byte.
// Lengths and positions are in bytes; positions are 1-based. The empty Text and
// a missing Text are the same value.
using Text = std::string;

// A counted byte string that may hold zero bytes. Empty and missing are the same.
using Bytes = std::vector<std::uint8_t>;

// True when the byte starts a double-byte character (0x80 or more); the byte
// after it belongs to the same character whatever its value.
inline bool IsLeadByte(char byte) {
  return static_cast<unsigned char>(byte) >= 0x80;
}

// Number of bytes of the text; 0 for the empty Text.
inline int TextLength(std::string_view text) {
  return static_cast<int>(text.size());
}
