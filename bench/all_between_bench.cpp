// Throughput of AllBetween over a 1 MB GBK page with 2,000 links, beside a
// baseline that finds the same fragments with a plain memmem scan.
#include <benchmark/benchmark.h>

#include <cstring>
#include <string>
#include <vector>

#include "text/all_between.h"

namespace {

const std::string kLeft = "<a href=\"";
const std::string kRight = "\" target=\"_blank\"";

// About 1 MB of GBK markup with `links` links spread over many lines.
const std::string& Page() {
  static const std::string page = [] {
    const int links = 2000;
    const std::size_t size = 1u << 20;
    const std::string filler = "<td class=\"c\">\xCA\xD3\xC6\xB5\xCF\xC2\xD4\xD8 text</td>\n";
    std::string text;
    text.reserve(size + 4096);
    for (int i = 0; i < links; ++i) {
      while (text.size() < size * static_cast<std::size_t>(i) / links) text += filler;
      text += kLeft + "http://media.example/get/" + std::to_string(i) + ".flv?key=abcdef" + kRight +
              ">\xCF\xC2\xD4\xD8</a>\n";
    }
    while (text.size() < size) text += filler;
    return text;
  }();
  return page;
}

void BM_AllBetween(benchmark::State& state) {
  const std::string& page = Page();
  TextArray results;
  for (auto _ : state) {
    benchmark::DoNotOptimize(AllBetween(page, kLeft, kRight, results));
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * page.size()));
  state.counters["links"] = results.Count();
}
BENCHMARK(BM_AllBetween)->Unit(benchmark::kMicrosecond);

// The same fragments found with memmem, without case folding or line rules.
void BM_MemmemBaseline(benchmark::State& state) {
  const std::string& page = Page();
  std::vector<std::string> results;
  for (auto _ : state) {
    results.clear();
    const char* at = page.data();
    const char* end = page.data() + page.size();
    while (true) {
      const char* left = static_cast<const char*>(memmem(at, end - at, kLeft.data(), kLeft.size()));
      if (left == nullptr) break;
      const char* from = left + kLeft.size();
      const char* right = static_cast<const char*>(memmem(from, end - from, kRight.data(), kRight.size()));
      if (right == nullptr) break;
      results.emplace_back(from, right);
      at = right + kRight.size();
    }
    benchmark::DoNotOptimize(results.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * page.size()));
  state.counters["links"] = static_cast<double>(results.size());
}
BENCHMARK(BM_MemmemBaseline)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
