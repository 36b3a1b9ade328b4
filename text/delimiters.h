// Cutting one part out of a Text by plain delimiter search (no patterns).
#pragma once

#include "text/text.h"

// The text between the first `left` at or after `start` and the next `right`
// behind it; empty when either is not found. In each delimiter the token
// "#引号" stands for a double quote. Letter case is ignored unless caseSensitive.
// The right delimiter is searched from position `start` counted behind the left.
Text TextBetween(std::string_view subject, std::string_view left,
                 std::string_view right, int start = 1, bool caseSensitive = false);

// The text in front of the first `delimiter` at or after `start`; empty when
// the delimiter is not found. Exact comparison unless ignoreCase.
Text TextBefore(std::string_view subject, std::string_view delimiter, int start = 1,
                bool ignoreCase = false);

// The text behind the last `delimiter`; empty when it is not found; the whole
// subject for an empty delimiter. Exact comparison unless ignoreCase.
Text TextAfterLast(std::string_view subject, std::string_view delimiter,
                   bool ignoreCase = false);
