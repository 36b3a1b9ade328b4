#include "text/huge_pages.h"

#include <sys/mman.h>

#include <cstdint>

namespace {

constexpr std::uintptr_t kHugePage = std::uintptr_t{2} << 20;
constexpr std::size_t kWorthAdvising = std::size_t{4} << 20;

}  // namespace

void AdviseHugePages(const Bytes& bytes) {
  if (bytes.capacity() < kWorthAdvising) return;
  const auto begin = reinterpret_cast<std::uintptr_t>(bytes.data());
  const std::uintptr_t first = (begin + kHugePage - 1) & ~(kHugePage - 1);
  const std::uintptr_t last = (begin + bytes.capacity()) & ~(kHugePage - 1);
  if (last <= first) return;
  // Advice only: a refusal leaves ordinary pages.
  ::madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
}
