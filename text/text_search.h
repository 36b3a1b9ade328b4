// Searching and comparing Texts. Searches step over double-byte characters, so
// a match never begins on the second byte of one.
#pragma once

#include "text/text.h"

// 1-based position of the first occurrence of `fragment` that begins at or after
// byte `start` (below 1 counts as 1); -1 when there is none or start lies past
// the end. An empty fragment gives 1 when some byte lies at or after start.
// With ignoreCase only the ASCII letters are folded.
int FindText(std::string_view text, std::string_view fragment, int start = 1,
             bool ignoreCase = false);

// 1-based position of the last occurrence of `fragment`; -1 when there is none.
// An empty fragment gives 1 in a non-empty text.
int FindTextReverse(std::string_view text, std::string_view fragment,
                    bool ignoreCase = false);

// True when both Texts hold exactly the same bytes.
inline bool TextEquals(std::string_view a, std::string_view b) { return a == b; }

// 0 when equal, else negative or positive by the first differing character;
// a double-byte character compares as its two bytes, lead byte first. Without caseSensitive the ASCII
// letters compare without regard to case.
int CompareText(std::string_view a, std::string_view b, bool caseSensitive);

// True when `fragment` stands at byte offset `offset` of `text` (0-based), with
// ASCII letters folded when ignoreCase is set. The caller keeps offset in range.
bool FragmentAt(std::string_view text, std::size_t offset,
                std::string_view fragment, bool ignoreCase);
