#include "text/delimiters.h"

#include <gtest/gtest.h>

#include "text/gbk_literal.h"

namespace {

struct BetweenCase {
  std::string subject, left, right;
  int start;
  bool caseSensitive;
  std::string expected;
};

TEST(TextBetween, CutsBetweenTheFirstLeftAndTheNextRight) {
  const std::string quote = Gbk("#引号");
  const BetweenCase cases[] = {
      {"x<b>bold</b>y", "<b>", "</b>", 1, false, "bold"},
      {"x<B>bold</B>y", "<b>", "</b>", 1, false, "bold"},
      {"x<B>bold</B>y", "<b>", "</b>", 1, true, ""},
      {"</b>x<b>y", "<b>", "</b>", 1, false, ""},
      {"abc", "", "c", 1, false, "ab"},
      {"abc", "a", "", 1, false, ""},
      {"abc", "z", "c", 1, false, ""},
      {"href=\"link\" x", "href=" + quote, quote, 1, false, "link"},
      // The right delimiter is looked for from `start` counted behind the left.
      {"xxxL12R45R", "L", "R", 4, false, "12R45"},
      {"a1a2a3", "a", "a", 3, false, ""},
      // Bytes that stand only across two characters are no delimiter.
      {Gbk("啊啊") + "]z]", "\xA1\xB0", "]", 1, false, ""},
      {Gbk("标题：视频-尾"), Gbk("："), "-", 1, false, Gbk("视频")},
  };
  for (const BetweenCase& c : cases) {
    EXPECT_EQ(TextBetween(c.subject, c.left, c.right, c.start, c.caseSensitive), c.expected)
        << "subject '" << c.subject << "' left '" << c.left << "' right '" << c.right << "'";
  }
}

TEST(TextBetween, QuoteTokenLeavesTheSubjectAlone) {
  const std::string subject = "a" + Gbk("#引号") + "b\"c\"";
  EXPECT_EQ(TextBetween(subject, Gbk("#引号"), Gbk("#引号")), "c");
}

TEST(TextBefore, CutsInFrontOfTheDelimiter) {
  EXPECT_EQ(TextBefore("id=7; path=/", ";"), "id=7");
  EXPECT_EQ(TextBefore(";x", ";"), "");
  EXPECT_EQ(TextBefore("aXbxc", "x"), "aXb");
  EXPECT_EQ(TextBefore("aXbxc", "x", 1, true), "a");
  EXPECT_EQ(TextBefore("a;b;c", ";", 3), "a;b");
  EXPECT_EQ(TextBefore("a;b;c", ";", 0), "a");
  EXPECT_EQ(TextBefore("abc", ";"), "");
}

TEST(TextAfterLast, CutsBehindTheLastDelimiter) {
  EXPECT_EQ(TextAfterLast("clip.part1.mp4", "."), "mp4");
  EXPECT_EQ(TextAfterLast("noextension", "."), "");
  EXPECT_EQ(TextAfterLast("abc", ""), "abc");
  EXPECT_EQ(TextAfterLast("a.MP4", "mp4"), "");
  EXPECT_EQ(TextAfterLast("a.MP4.x", "mp4", true), ".x");
  EXPECT_EQ(TextAfterLast("ends.", "."), "");
}

}  // namespace
