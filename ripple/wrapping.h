// 32-bit two's-complement arithmetic that wraps on overflow, as the water
// heights need it (signed overflow itself is undefined in C++).
#pragma once

#include <cstdint>

inline std::int32_t WrapAdd(std::int32_t a, std::int32_t b) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) + static_cast<std::uint32_t>(b));
}

inline std::int32_t WrapSub(std::int32_t a, std::int32_t b) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) - static_cast<std::uint32_t>(b));
}

inline std::int32_t WrapNeg(std::int32_t a) { return WrapSub(0, a); }
