#include "merge/merge_list.h"

namespace {

constexpr std::string_view kShortcutEnding = ".lnk";

}  // namespace

bool IsShortcutName(std::string_view path) { return path.ends_with(kShortcutEnding); }

int MergeList::AddDropped(std::span<const Path> dropped) {
  int shortcuts = 0;
  for (const Path& path : dropped) {
    if (IsShortcutName(path)) {
      ++shortcuts;
    } else {
      rows_.push_back(path);
    }
  }
  return shortcuts;
}
