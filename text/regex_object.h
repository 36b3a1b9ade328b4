// RegexObject: a regular-expression search over Texts. Patterns follow the
// usual script-engine syntax (lazy quantifiers, capture groups, \uXXXX); "."
// matches anything but a line feed. Texts cross to the engine as UTF-16, so
// match offsets inside the engine count UTF-16 units. Matches and groups are
// numbered from 1. Nothing here reports errors: a failed search leaves no
// matches, and every read after it gives empty text or 0.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "text/text.h"

class RegexObject {
 public:
  RegexObject();
  ~RegexObject();
  // A copy shares the compiled pattern and the matches and keeps its own subject.
  RegexObject(const RegexObject&);
  RegexObject& operator=(const RegexObject&);

  // Compiles `pattern` anew and collects its matches in `subject` (all of them
  // with `global`, else the first). True when the search ran, also with zero
  // matches; false for a malformed pattern or an engine failure, which leave
  // no matches.
  bool Search(std::string_view pattern, std::string_view subject,
              bool caseSensitive = false, bool multiline = true, bool global = true);

  // The pattern of the last Search; empty before any.
  Text PatternText() const;

  // The subject of the last Search with its matches replaced by `replacement`,
  // which may use $1..$99, $&, $`, $' and $$. Empty before any Search and after
  // a failed one.
  Text ReplaceMatches(std::string_view replacement = {}) const;

  // Number of matches of the last Search; 0 when it failed or never ran.
  int MatchCount() const;

  // The text of match `index`; empty outside 1..MatchCount(). When `position`
  // is given it receives the match's 0-based byte offset in the subject (found
  // again by a byte search from the engine's own offset), or -2.
  Text MatchText(int index, int* position = nullptr) const;

  // The text of group `groupIndex` of match `matchIndex`; empty outside their
  // ranges or for a group that took no part. `position` as for MatchText.
  Text SubMatchText(int matchIndex, int groupIndex, int* position = nullptr) const;

  // Number of capture groups of the first match; 0 without matches.
  int SubMatchCount() const;

  struct Engine;
  struct Matches;

 private:
  Text SpanText(std::size_t begin, std::size_t end) const;
  int PositionOf(std::string_view found, std::size_t matchStart) const;

  std::shared_ptr<const Engine> engine_;
  std::shared_ptr<const Matches> matches_;
  Text subject_;
};
