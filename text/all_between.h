// Collecting every fragment of a text that stands between two delimiters.
#pragma once

#include "text/text.h"
#include "text/text_array.h"

// A copy of `text` with each of ? * + [ ] ( ) { } preceded by a backslash.
Text EscapePattern(std::string_view text);

// One (find, replacement) pair of ReplacePairs.
struct ReplacePair {
  std::string_view find;
  std::string_view replacement;
};

// Applies ReplaceText once per pair, in order, each on the previous result,
// with the given count (negative: all), start and case flag. Pairs with an
// empty find text change nothing.
Text ReplacePairs(std::string_view text, int count, int start, bool caseSensitive,
                  std::initializer_list<ReplacePair> pairs);

// Options of AllBetween; every default keeps the bare fragment.
struct BetweenOptions {
  int maxLength = 0;  // bytes; 0: no limit; a longer fragment is skipped
  std::string_view prefix = {};
  std::string_view suffix = {};
  bool keepLeft = false;   // put `left` back in front of each entry
  bool keepRight = false;  // put `right` back behind it (not with a length limit
                           // when keepLeft is set too)
};

// Empties `results`, then appends every fragment between `left` and the next
// `right` on the same line, in order, letter case ignored, wrapped as the
// options say. Returns the number of entries; 0 when the delimiters make a
// pattern the engine rejects.
int AllBetween(std::string_view subject, std::string_view left, std::string_view right,
               TextArray& results, const BetweenOptions& options = {});
