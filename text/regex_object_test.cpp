#include "text/regex_object.h"

#include <gtest/gtest.h>

#include "text/gbk_literal.h"

namespace {

TEST(RegexObject, CollectsEveryMatchIgnoringCaseByDefault) {
  RegexObject regex;
  ASSERT_TRUE(regex.Search("<a>(.*?)</a>", "<A>one</A> <a>two</a>\n<a>thr\nee</a>"));
  ASSERT_EQ(regex.MatchCount(), 2);
  EXPECT_EQ(regex.SubMatchText(1, 1), "one");
  EXPECT_EQ(regex.SubMatchText(2, 1), "two");
  EXPECT_EQ(regex.MatchText(1), "<A>one</A>");
  EXPECT_EQ(regex.SubMatchCount(), 1);
}

TEST(RegexObject, HonoursItsOptions) {
  RegexObject regex;
  ASSERT_TRUE(regex.Search("abc", "ABC abc", true));
  EXPECT_EQ(regex.MatchCount(), 1);
  ASSERT_TRUE(regex.Search("abc", "abc abc", false, true, false));
  EXPECT_EQ(regex.MatchCount(), 1);
  ASSERT_TRUE(regex.Search("^x", "x\nx"));
  EXPECT_EQ(regex.MatchCount(), 2);
  ASSERT_TRUE(regex.Search("^x", "x\nx", false, false));
  EXPECT_EQ(regex.MatchCount(), 1);
  ASSERT_TRUE(regex.Search("x$", "x\nx", false, false));
  EXPECT_EQ(regex.MatchCount(), 1);
  // "." takes a carriage return but never a line feed.
  ASSERT_TRUE(regex.Search("a.b", "a\rb a\nb"));
  EXPECT_EQ(regex.MatchCount(), 1);
  ASSERT_TRUE(regex.Search("\\u4e2d", Gbk("中文")));
  EXPECT_EQ(regex.MatchCount(), 1);
}

TEST(RegexObject, MalformedPatternFailsSilently) {
  RegexObject regex;
  EXPECT_FALSE(regex.Search("(abc", "abc"));
  EXPECT_EQ(regex.MatchCount(), 0);
  EXPECT_EQ(regex.MatchText(1), "");
  EXPECT_EQ(regex.SubMatchCount(), 0);
  EXPECT_EQ(regex.ReplaceMatches("x"), "");
  EXPECT_EQ(regex.PatternText(), "(abc");
}

TEST(RegexObject, ReadsOutsideTheRangesAreEmpty) {
  RegexObject regex;
  EXPECT_EQ(regex.PatternText(), "");
  EXPECT_EQ(regex.ReplaceMatches("x"), "");
  EXPECT_EQ(regex.MatchCount(), 0);
  ASSERT_TRUE(regex.Search("zz", "abc"));
  EXPECT_EQ(regex.MatchCount(), 0);
  EXPECT_EQ(regex.SubMatchCount(), 0);
  ASSERT_TRUE(regex.Search("(a)(x)?", "a a"));
  EXPECT_EQ(regex.SubMatchCount(), 2);
  EXPECT_EQ(regex.SubMatchText(3, 1), "");
  EXPECT_EQ(regex.SubMatchText(0, 1), "");
  EXPECT_EQ(regex.SubMatchText(1, 3), "");
  EXPECT_EQ(regex.SubMatchText(1, 2), "");
  EXPECT_EQ(regex.MatchText(3), "");
}

TEST(RegexObject, PositionsAreFoundAgainFromTheEnginesOffset) {
  RegexObject regex;
  int position = 0;
  ASSERT_TRUE(regex.Search("b", "ab ab"));
  EXPECT_EQ(regex.MatchText(2, &position), "b");
  EXPECT_EQ(position, 4);
  ASSERT_TRUE(regex.Search("x(y)", Gbk("中") + "xy"));
  EXPECT_EQ(regex.MatchText(1, &position), "xy");
  EXPECT_EQ(position, 2);
  EXPECT_EQ(regex.SubMatchText(1, 1, &position), "y");
  EXPECT_EQ(position, 3);
  // The engine counts a double-byte character once; the byte search that
  // starts from its offset may land inside a character and step past the match
  // to a later occurrence of the same text.
  ASSERT_TRUE(regex.Search("xy", Gbk("中文") + "xy" + Gbk("中") + "xy"));
  EXPECT_EQ(regex.MatchText(1, &position), "xy");
  EXPECT_EQ(position, 8);
  ASSERT_TRUE(regex.Search("q", "abc"));
  ASSERT_TRUE(regex.Search("c", "abc"));
  EXPECT_EQ(regex.MatchText(1, &position), "c");
  EXPECT_EQ(position, 2);
}

struct ReplaceCase {
  std::string pattern, subject, replacement;
  bool global;
  std::string expected;
};

TEST(RegexObject, ReplacesWithTheEngineSyntax) {
  const ReplaceCase cases[] = {
      {"(\\w+)@(\\w+)", "me@host you@there", "$2 at $1", true, "host at me there at you"},
      {"(\\w+)@(\\w+)", "me@host you@there", "$2 at $1", false, "host at me you@there"},
      {"b", "abc", "[$&]", true, "a[b]c"},
      {"b", "abc", "[$`|$']", true, "a[a|c]c"},
      {"b", "abc", "$$", true, "a$c"},
      {"b", "abc", "$1", true, "a$1c"},
      {"(b)", "abc", "$10", true, "ab0c"},
      {"(a)(b)(c)(d)(e)(f)(g)(h)(i)(j)", "abcdefghij", "$10-$1", true, "j-a"},
      {"(a)(x)?", "a", "[$2]", true, "[]"},
      {"x*", "ab", "-", true, "-a-b-"},
      {"b", "abc", "$", true, "a$c"},
      {Gbk("文"), Gbk("中文字"), Gbk("字"), true, Gbk("中字字")},
  };
  for (const ReplaceCase& c : cases) {
    RegexObject regex;
    ASSERT_TRUE(regex.Search(c.pattern, c.subject, false, true, c.global)) << c.pattern;
    EXPECT_EQ(regex.ReplaceMatches(c.replacement), c.expected)
        << "pattern " << c.pattern << " replacement " << c.replacement;
  }
}

TEST(RegexObject, CopiesShareMatchesAndKeepTheirSubject) {
  RegexObject regex;
  ASSERT_TRUE(regex.Search("(o)", "foo"));
  RegexObject copy(regex);
  regex.Search("z", "zzz");
  EXPECT_EQ(copy.MatchCount(), 2);
  EXPECT_EQ(copy.ReplaceMatches("0"), "f00");
  EXPECT_EQ(regex.MatchCount(), 3);
}

}  // namespace
