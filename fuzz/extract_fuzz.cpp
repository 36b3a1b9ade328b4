// Feeds arbitrary pages to the page-extraction path: every link and the title.
#include <cstddef>
#include <cstdint>
#include <string>

#include "text/all_between.h"
#include "text/delimiters.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // A Text ends at its first zero byte, as a fetched page does.
  std::string page(reinterpret_cast<const char*>(data), size);
  page = page.substr(0, page.find('\0'));
  TextArray links;
  int count = AllBetween(page, "<a href=\"", "\" target=\"_blank\"", links);
  if (count != links.Count()) __builtin_trap();
  for (int i = 1; i <= count; ++i) {
    if (links.At(i).find('\n') != std::string::npos) __builtin_trap();
  }
  Text title = TextBetween(page, "document.title = \"", "\";");
  if (title.size() > page.size()) __builtin_trap();
  // Delimiters taken from the input itself exercise escaping and the engine.
  std::size_t split = page.size() / 3;
  AllBetween(page.substr(2 * split), page.substr(0, split % 8), page.substr(split, split % 5), links,
             {static_cast<int>(size % 7) - 1, "p", "s", (size & 1) != 0, (size & 2) != 0});
  return 0;
}
