#include "text/text_change.h"

#include <gtest/gtest.h>

#include "text/gbk_literal.h"
#include "text/text_number.h"

namespace {

struct ReplaceCase {
  std::string text, fragment, replacement;
  int start, count;
  bool caseSensitive;
  std::string expected;
};

TEST(ReplaceText, ReplacesLeftToRightWithoutOverlap) {
  const ReplaceCase cases[] = {
      {"aXbXc", "X", "", 1, -1, false, "abc"},
      {"aXbXc", "X", "", 1, 1, false, "abXc"},
      {"aXbXc", "X", "", 3, -1, false, "aXbc"},
      {"aaa", "aa", "b", 1, -1, false, "ba"},
      {"aXbXc", "x", "-", 1, -1, false, "a-b-c"},
      {"aXbXc", "x", "-", 1, -1, true, "aXbXc"},
      {"aXbXc", "X", "-", 1, 0, false, "aXbXc"},
      {"aXbXc", "X", "-", 6, -1, false, "aXbXc"},
      {"aXbXc", "X", "-", -3, -1, false, "a-b-c"},
      {"", "X", "-", 1, -1, false, ""},
      {"abc", "", "-", 1, -1, false, "abc"},
      // The trail byte 'a' of a double-byte character is never replaced.
      {"\xB0\x61" "a", "a", "-", 1, -1, false, "\xB0\x61-"},
      {Gbk("中文中"), Gbk("中"), "z", 1, -1, false, "z" + Gbk("文") + "z"},
  };
  for (const ReplaceCase& c : cases) {
    EXPECT_EQ(ReplaceText(c.text, c.fragment, c.replacement, c.start, c.count, c.caseSensitive),
              c.expected)
        << "text '" << c.text << "' fragment '" << c.fragment << "' start " << c.start
        << " count " << c.count;
  }
}

TEST(ReplaceAt, RemovesAndInserts) {
  EXPECT_EQ(ReplaceAt("abcdef", 1, 3), "def");
  EXPECT_EQ(ReplaceAt("abcdef", 5, 9), "abcd");
  EXPECT_EQ(ReplaceAt("abcdef", 0, 1), "bcdef");
  EXPECT_EQ(ReplaceAt("abc", 9, 2, "X"), "abcX");
  EXPECT_EQ(ReplaceAt("abc", 2, 0, "X"), "aXbc");
  EXPECT_EQ(ReplaceAt("abc", 2, 1, "XY"), "aXYc");
}

TEST(TrimText, RemovesSpacesAndIdeographicSpaces) {
  const std::string wide = "\xA1\xA1";
  EXPECT_EQ(TrimText(wide + " ab " + wide), "ab");
  EXPECT_EQ(TrimText("\tab "), "\tab");
  EXPECT_EQ(TrimText("  " + wide), "");
  EXPECT_EQ(TrimText(""), "");
  EXPECT_EQ(TrimText("a b"), "a b");
  // Characters are B0A1 | A1A1: the second one is a blank.
  EXPECT_EQ(TrimText("\xB0\xA1\xA1\xA1"), "\xB0\xA1");
  // Characters are 20 | B0A1 | A1: the bytes A1 A1 straddle two characters.
  EXPECT_EQ(TrimText(" \xB0\xA1\xA1"), "\xB0\xA1\xA1");
}

TEST(LowerText, FoldsAsciiOnly) {
  EXPECT_EQ(LowerText("AbC-Z"), "abc-z");
  // 0xC4 0x41: the trail byte 'A' stays as it is.
  EXPECT_EQ(LowerText("\xC4\x41" "A"), "\xC4\x41" "a");
}

TEST(TextToNumber, ReadsLikeAtofAfterHalfWidthing) {
  EXPECT_EQ(TextToNumber("\xA3\xB8\xA3\xB0"), 80);
  EXPECT_EQ(TextToNumber("abc"), 0);
  EXPECT_EQ(TextToNumber("  -12.5e1xyz"), -125);
  EXPECT_EQ(TextToNumber("\xA1\xA1" "7"), 7);
  EXPECT_EQ(TextToNumber("\xA3\xAD\xA3\xB3"), -3);
  EXPECT_EQ(TextToNumber(""), 0);
}

}  // namespace
