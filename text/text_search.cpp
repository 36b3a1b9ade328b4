#include "text/text_search.h"

#include <cstring>

namespace {

char FoldAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; }

}  // namespace

bool FragmentAt(std::string_view text, std::size_t offset,
                std::string_view fragment, bool ignoreCase) {
  if (!ignoreCase) {
    return std::memcmp(text.data() + offset, fragment.data(), fragment.size()) == 0;
  }
  for (std::size_t i = 0; i < fragment.size(); ++i) {
    if (FoldAscii(text[offset + i]) != FoldAscii(fragment[i])) return false;
  }
  return true;
}

namespace {

// Offset of the next candidate at or after `from` where the fragment's first
// byte (or, ignoring case, its other-case twin) stands; text.size() when none.
// Used to skip runs of single-byte characters quickly.
std::size_t NextCandidate(std::string_view text, std::size_t from, char first,
                          bool ignoreCase) {
  char other = first;
  if (ignoreCase) {
    if (first >= 'a' && first <= 'z') other = static_cast<char>(first - 32);
    if (first >= 'A' && first <= 'Z') other = static_cast<char>(first + 32);
  }
  for (std::size_t p = from; p < text.size(); ++p) {
    char c = text[p];
    if (c == first || c == other || IsLeadByte(c)) return p;
  }
  return text.size();
}

}  // namespace

int FindText(std::string_view text, std::string_view fragment, int start,
             bool ignoreCase) {
  if (start < 1) start = 1;
  std::size_t skip = static_cast<std::size_t>(start) - 1;
  if (skip >= text.size()) return -1;
  if (fragment.empty()) return 1;
  const char first = fragment[0];
  std::size_t p = skip;
  while (text.size() - p >= fragment.size()) {
    // Single-byte characters that cannot begin a match are skipped in one scan;
    // lead bytes stop the scan so that their trail byte is stepped over.
    if (!IsLeadByte(first)) {
      p = NextCandidate(text, p, first, ignoreCase);
      if (text.size() - p < fragment.size()) return -1;
    }
    if (FragmentAt(text, p, fragment, ignoreCase)) return static_cast<int>(p) + 1;
    if (IsLeadByte(text[p])) {
      if (p + 1 >= text.size()) return -1;
      p += 2;
    } else {
      p += 1;
    }
  }
  return -1;
}

int FindTextReverse(std::string_view text, std::string_view fragment,
                    bool ignoreCase) {
  if (fragment.empty()) return text.empty() ? -1 : 1;
  int last = -1;
  int from = 1;
  while (true) {
    int found = FindText(text, fragment, from, ignoreCase);
    if (found < 0) return last;
    last = found;
    // The next candidate is the character after the one where this match began.
    std::size_t at = static_cast<std::size_t>(found) - 1;
    from = found + (IsLeadByte(text[at]) ? 2 : 1);
  }
}

int CompareText(std::string_view a, std::string_view b, bool caseSensitive) {
  std::size_t i = 0;
  while (i < a.size() && i < b.size()) {
    unsigned char x = static_cast<unsigned char>(caseSensitive ? a[i] : FoldAscii(a[i]));
    unsigned char y = static_cast<unsigned char>(caseSensitive ? b[i] : FoldAscii(b[i]));
    if (x != y) return x < y ? -1 : 1;
    ++i;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}
