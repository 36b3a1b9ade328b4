#include "text/delimiters.h"

#include "text/text_build.h"
#include "text/text_change.h"
#include "text/text_search.h"

namespace {

// "#引号" in GBK: the token that stands for a double quote in a delimiter.
constexpr std::string_view kQuoteToken = "#\xD2\xFD\xBA\xC5";

Text WithQuotes(std::string_view delimiter) {
  if (FindText(delimiter, kQuoteToken) < 0) return Text(delimiter);
  return ReplaceText(delimiter, kQuoteToken, "\"", 1, -1, true);
}

}  // namespace

Text TextBetween(std::string_view subject, std::string_view left,
                 std::string_view right, int start, bool caseSensitive) {
  const Text open = WithQuotes(left);
  const Text close = WithQuotes(right);
  int p = FindText(subject, open, start, !caseSensitive);
  if (p < 0) return Text();
  std::string_view rest = subject.substr(static_cast<std::size_t>(p) - 1 + open.size());
  int q = FindText(rest, close, start, !caseSensitive);
  if (q < 0) return Text();
  return LeftText(rest, q - 1);
}

Text TextBefore(std::string_view subject, std::string_view delimiter, int start,
                bool ignoreCase) {
  int p = FindText(subject, delimiter, start, ignoreCase);
  if (p < 0) return Text();
  return LeftText(subject, p - 1);
}

Text TextAfterLast(std::string_view subject, std::string_view delimiter,
                   bool ignoreCase) {
  int p = FindTextReverse(subject, delimiter, ignoreCase);
  if (p < 0) return Text();
  return RightText(subject, TextLength(subject) - TextLength(delimiter) - p + 1);
}
