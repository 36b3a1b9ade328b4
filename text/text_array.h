// TextArray: a growable array of Texts with 1-based indices.
#pragma once

#include <vector>

#include "text/text.h"

class TextArray {
 public:
  int Count() const { return static_cast<int>(items_.size()); }
  // The member at 1-based `index`; the caller keeps it within 1..Count().
  const Text& At(int index) const { return items_[static_cast<std::size_t>(index) - 1]; }
  void Append(Text text) { items_.push_back(std::move(text)); }
  void Clear() { items_.clear(); }

 private:
  std::vector<Text> items_;
};
