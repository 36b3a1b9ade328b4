// Changing Texts: replacing, removing, trimming and lower-casing. Searches step
// over double-byte characters whole.
#pragma once

#include <climits>

#include "text/text.h"

// Copy of `text` in which occurrences of `fragment` at or after byte `start`
// (below 1 counts as 1) are replaced left to right, without overlap, at most
// `count` times (negative: all). Unchanged copy when text or fragment is empty,
// start lies past the end or count is 0. Without caseSensitive ASCII letters fold.
Text ReplaceText(std::string_view text, std::string_view fragment,
                 std::string_view replacement = {}, int start = 1, int count = -1,
                 bool caseSensitive = false);

// Removes `length` bytes from 1-based `start` (fewer at the end, none when
// length <= 0) and puts `replacement` there. Start below 1 counts as 1; a start
// past the end appends.
Text ReplaceAt(std::string_view text, int start, int length,
               std::string_view replacement = {});

// Removes leading and trailing blanks: the space 0x20 and the ideographic
// space 0xA1 0xA1. Tabs and line ends are kept.
Text TrimText(std::string_view text);

// ASCII letters A-Z become a-z; both bytes of double-byte characters stay.
Text LowerText(std::string_view text);
