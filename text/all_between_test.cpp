#include "text/all_between.h"

#include <gtest/gtest.h>

#include <vector>

#include "text/gbk_literal.h"

namespace {

std::vector<Text> Entries(const TextArray& array) {
  std::vector<Text> entries;
  for (int i = 1; i <= array.Count(); ++i) entries.push_back(array.At(i));
  return entries;
}

struct BetweenCase {
  std::string name, subject, left, right;
  BetweenOptions options;
  std::vector<Text> expected;
};

TEST(AllBetween, CollectsEveryFragmentInOrder) {
  const std::string link = "<a href=\"";
  const std::string blank = "\" target=\"_blank\"";
  const BetweenCase cases[] = {
      {"two links on one line", link + "u1" + blank + ">x</a>" + link + "u2" + blank, link, blank,
       {}, {"u1", "u2"}},
      {"other letter case", "<A HREF=\"u1\" TARGET=\"_BLANK\"", link, blank, {}, {"u1"}},
      {"no left delimiter", "plain page", link, blank, {}, {}},
      {"fragment across a line feed", link + "u\n1" + blank, link, blank, {}, {}},
      {"unclosed left swallowed by the next pair", link + "a " + link + "b" + blank, link, blank,
       {}, {"a " + link + "b"}},
      {"braces literal", "{x}{y}", "{", "}", {}, {"x", "y"}},
      {"dot is any character", "a1b a\nb a2b", "a.", "b", {}, {"", ""}},
      {"length limit keeps 5, skips 6", "[12345][123456]", "[", "]", {.maxLength = 5}, {"12345"}},
      {"negative limit keeps nothing", "[1][]", "[", "]", {.maxLength = -1}, {}},
      {"prefix and suffix", "[1]", "[", "]", {.prefix = "<", .suffix = ">"}, {"<1>"}},
      {"both kept without limit", "[1]", "[", "]", {.prefix = "<", .suffix = ">", .keepLeft = true, .keepRight = true}, {"[<1>]"}},
      {"both kept with limit", "[1]", "[", "]", {.maxLength = 5, .prefix = "<", .suffix = ">", .keepLeft = true, .keepRight = true},
       {"[<1>"}},
      {"right kept with limit", "[1]", "[", "]", {.maxLength = 5, .keepRight = true}, {"1]"}},
      {"double-byte fragments", "[" + Gbk("视频") + "]", "[", "]", {}, {Gbk("视频")}},
      {"right delimiter ending in a backslash", "a\\", "a", "\\", {}, {}},
  };
  for (const BetweenCase& c : cases) {
    TextArray results;
    results.Append("stale");
    int count = AllBetween(c.subject, c.left, c.right, results, c.options);
    EXPECT_EQ(Entries(results), c.expected) << c.name;
    EXPECT_EQ(count, results.Count()) << c.name;
  }
}

TEST(EscapePattern, EscapesTheNineCharacters) {
  EXPECT_EQ(EscapePattern("?*+[](){}"), "\\?\\*\\+\\[\\]\\(\\)\\{\\}");
  EXPECT_EQ(EscapePattern(".^$|\\x"), ".^$|\\x");
  // 0x81 0x28: the trail byte "(" of a double-byte character is not escaped.
  EXPECT_EQ(EscapePattern("\x81(("), "\x81(\\(");
}

TEST(ReplacePairs, AppliesPairsInOrder) {
  EXPECT_EQ(ReplacePairs("abc", -1, 1, false, {{"a", "b"}, {"b", "c"}}), "ccc");
  EXPECT_EQ(ReplacePairs("aaa", 1, 1, false, {{"a", "x"}, {"", "y"}}), "xaa");
  EXPECT_EQ(ReplacePairs("aAa", -1, 2, true, {{"a", "x"}}), "aAx");
}

}  // namespace
