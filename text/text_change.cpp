#include "text/text_change.h"

#include <algorithm>

#include "text/text_search.h"

namespace {

std::size_t CharacterWidth(std::string_view text, std::size_t at) {
  return (IsLeadByte(text[at]) && at + 1 < text.size()) ? 2 : 1;
}

bool IsBlankAt(std::string_view text, std::size_t at) {
  if (text[at] == ' ') return true;
  return at + 1 < text.size() && text[at] == '\xA1' && text[at + 1] == '\xA1';
}

}  // namespace

Text ReplaceText(std::string_view text, std::string_view fragment,
                 std::string_view replacement, int start, int count,
                 bool caseSensitive) {
  if (start < 1) start = 1;
  std::size_t skip = static_cast<std::size_t>(start) - 1;
  if (text.empty() || fragment.empty() || count == 0 || skip >= text.size()) {
    return Text(text);
  }
  Text result;
  result.reserve(text.size());
  result.append(text.substr(0, skip));
  std::size_t p = skip;
  int made = 0;
  while (text.size() - p >= fragment.size()) {
    if (FragmentAt(text, p, fragment, !caseSensitive)) {
      result.append(replacement);
      p += fragment.size();
      if (count > 0 && ++made == count) break;
      continue;
    }
    std::size_t width = CharacterWidth(text, p);
    result.append(text.substr(p, width));
    p += width;
  }
  result.append(text.substr(p));
  return result;
}

Text ReplaceAt(std::string_view text, int start, int length,
               std::string_view replacement) {
  if (start < 1) start = 1;
  std::size_t at = std::min(static_cast<std::size_t>(start) - 1, text.size());
  std::size_t removed = length <= 0 ? 0 : std::min(static_cast<std::size_t>(length), text.size() - at);
  Text result;
  result.reserve(text.size() - removed + replacement.size());
  result.append(text.substr(0, at));
  result.append(replacement);
  result.append(text.substr(at + removed));
  return result;
}

Text TrimText(std::string_view text) {
  std::size_t begin = 0;
  while (begin < text.size() && IsBlankAt(text, begin)) begin += text[begin] == ' ' ? 1 : 2;
  // The trailing run starts after the last character that is not a blank.
  std::size_t end = begin;
  for (std::size_t p = begin; p < text.size();) {
    bool blank = IsBlankAt(text, p);
    std::size_t width = blank ? (text[p] == ' ' ? 1 : 2) : CharacterWidth(text, p);
    p += width;
    if (!blank) end = p;
  }
  return Text(text.substr(begin, end - begin));
}

Text LowerText(std::string_view text) {
  Text result(text);
  for (std::size_t p = 0; p < result.size(); ++p) {
    if (IsLeadByte(result[p])) {
      ++p;
    } else if (result[p] >= 'A' && result[p] <= 'Z') {
      result[p] = static_cast<char>(result[p] + 32);
    }
  }
  return result;
}
