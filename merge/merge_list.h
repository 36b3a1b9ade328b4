// The files listed for a merge: one row per dropped file, in dropping order.
#pragma once

#include <span>
#include <string_view>
#include <vector>

#include "platform/system.h"

// True when the last four bytes of the name are ".lnk" exactly (a shortcut);
// letter case counts, so ".LNK" is not a shortcut.
bool IsShortcutName(std::string_view path);

class MergeList {
 public:
  // Appends one row per dropped path, in the order the drop delivered them,
  // leaving out shortcuts. Returns how many shortcuts were left out.
  int AddDropped(std::span<const Path> dropped);

  // The listed paths; the row with index i carries the number i + 1.
  const std::vector<Path>& Rows() const { return rows_; }
  // The number of rows; 0 for an empty list.
  int Count() const { return static_cast<int>(rows_.size()); }

 private:
  std::vector<Path> rows_;
};
