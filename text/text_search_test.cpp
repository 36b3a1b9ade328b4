#include "text/text_search.h"

#include <gtest/gtest.h>

#include "text/gbk_literal.h"

namespace {

struct FindCase {
  std::string text;
  std::string fragment;
  int start;
  bool ignoreCase;
  int expected;
};

TEST(FindText, FollowsTheSearchRules) {
  const std::string trailA = "\xB0\x61";  // a double-byte character whose trail byte is 'a'
  const FindCase cases[] = {
      {"abcabc", "c", 1, false, 3},
      {"abcabc", "c", 4, false, 6},
      {"abcabc", "c", 7, false, -1},
      {"abcabc", "c", -5, false, 3},
      {"abc", "", 1, false, 1},
      {"abc", "", 3, false, 1},
      {"abc", "", 4, false, -1},
      {"", "", 1, false, -1},
      {"ABC", "b", 1, false, -1},
      {"ABC", "b", 1, true, 2},
      {"abc", "abcd", 1, false, -1},
      {trailA, "a", 1, false, -1},
      {trailA + "a", "a", 1, false, 3},
      {"x" + trailA, "a", 2, false, -1},
      // Starting on a trail byte treats it as a character of its own.
      {trailA, "a", 2, false, 2},
      {Gbk("中文abc"), Gbk("文"), 1, false, 3},
      // A lead byte at the very end ends the search.
      {"ab\xB0", "\xB0", 1, false, 3},
      {"ab\xB0", "z", 1, false, -1},
      // Case folding touches ASCII letters only.
      {Gbk("ＡＢ"), Gbk("ａｂ"), 1, true, -1},
  };
  for (const FindCase& c : cases) {
    EXPECT_EQ(FindText(c.text, c.fragment, c.start, c.ignoreCase), c.expected)
        << "text '" << c.text << "' fragment '" << c.fragment << "' start " << c.start;
  }
}

TEST(FindText, NeverMatchesAcrossCharacterBoundaries) {
  // 0xB0 0xA1 0xB0 0xA1 holds the bytes 0xA1 0xB0 only across two characters.
  const std::string text = Gbk("啊啊");
  ASSERT_EQ(text, "\xB0\xA1\xB0\xA1");
  EXPECT_EQ(FindText(text, "\xA1\xB0"), -1);
  EXPECT_EQ(FindTextReverse(text, "\xA1\xB0"), -1);
}

TEST(FindTextReverse, FindsTheLastOccurrence) {
  EXPECT_EQ(FindTextReverse("a-b-c", "-"), 4);
  EXPECT_EQ(FindTextReverse("aaa", "aa"), 2);
  EXPECT_EQ(FindTextReverse("abc", "x"), -1);
  EXPECT_EQ(FindTextReverse("A.b.C", "c", true), 5);
  EXPECT_EQ(FindTextReverse("abc", ""), 1);
  EXPECT_EQ(FindTextReverse("", ""), -1);
}

TEST(CompareText, OrdersByFirstDifference) {
  EXPECT_EQ(CompareText("abc", "abc", true), 0);
  EXPECT_LT(CompareText("abc", "abd", true), 0);
  EXPECT_GT(CompareText("abd", "abc", true), 0);
  EXPECT_NE(CompareText("HTTP://", "http://", true), 0);
  EXPECT_EQ(CompareText("HTTP://", "http://", false), 0);
  EXPECT_LT(CompareText("ab", "abc", false), 0);
  EXPECT_GT(CompareText(Gbk("中"), "z", false), 0);
}

}  // namespace
