#include "text/all_between.h"

#include "text/regex_object.h"
#include "text/text_build.h"
#include "text/text_change.h"

Text ReplacePairs(std::string_view text, int count, int start, bool caseSensitive,
                  std::initializer_list<ReplacePair> pairs) {
  Text result(text);
  for (const ReplacePair& pair : pairs) {
    if (pair.find.empty()) continue;
    result = ReplaceText(result, pair.find, pair.replacement, start, count, caseSensitive);
  }
  return result;
}

Text EscapePattern(std::string_view text) {
  Text first = ReplacePairs(text, -1, 1, false,
                            {{"?", "\\?"}, {"*", "\\*"}, {"+", "\\+"}, {"[", "\\["}, {"]", "\\]"}});
  return ReplacePairs(first, -1, 1, false,
                      {{"(", "\\("}, {")", "\\)"}, {"{", "\\{"}, {"}", "\\}"}, {"", ""}});
}

int AllBetween(std::string_view subject, std::string_view left, std::string_view right,
               TextArray& results, const BetweenOptions& options) {
  RegexObject regex;
  results.Clear();
  const Text pattern = JoinText(EscapePattern(left), std::string_view("(.*?)"), EscapePattern(right));
  regex.Search(pattern, subject);
  const int count = regex.MatchCount();
  for (int i = 1; i <= count; ++i) {
    const Text fragment = regex.SubMatchText(i, 1);
    Text entry;
    if (options.maxLength != 0) {
      if (TextLength(fragment) > options.maxLength) continue;
      entry = JoinText(options.prefix, fragment, options.suffix);
      if (options.keepLeft) {
        entry = JoinText(left, entry);
      } else if (options.keepRight) {
        entry = JoinText(entry, right);
      }
    } else {
      entry = JoinText(options.keepLeft ? left : std::string_view(), options.prefix, fragment,
                       options.suffix, options.keepRight ? right : std::string_view());
    }
    results.Append(std::move(entry));
  }
  return results.Count();
}
