#include "text/text_build.h"

#include <gtest/gtest.h>

#include "text/gbk_literal.h"

namespace {

TEST(CutText, CountsPlainBytes) {
  EXPECT_EQ(LeftText("abc", 5), "abc");
  EXPECT_EQ(LeftText("abc", 0), "");
  EXPECT_EQ(LeftText("abc", -1), "");
  EXPECT_EQ(RightText("abc", 2), "bc");
  EXPECT_EQ(RightText("abc", 9), "abc");
  EXPECT_EQ(RightText("abc", 0), "");
  EXPECT_EQ(MidText("abcdef", 3, 2), "cd");
  EXPECT_EQ(MidText("abcdef", 5, 10), "ef");
  EXPECT_EQ(MidText("abc", 4, 1), "");
  EXPECT_EQ(MidText("abc", 0, 1), "");
  EXPECT_EQ(MidText("abc", 1, 0), "");
  // Cutting may split a double-byte character.
  EXPECT_EQ(LeftText(Gbk("中"), 1), "\xD6");
}

TEST(BuildText, MakesTheDocumentedForms) {
  EXPECT_EQ(JoinText(std::string("a"), std::string(), std::string_view("b"), "c"), "abc");
  EXPECT_EQ(BlankText(3), "   ");
  EXPECT_EQ(BlankText(0), "");
  EXPECT_EQ(CharText(0x41), "A");
  EXPECT_EQ(CharText(0), "");
  EXPECT_EQ(HexText(0), "0");
  EXPECT_EQ(HexText(10), "A");
  EXPECT_EQ(HexText(200), "C8");
  EXPECT_EQ(HexText(255), "FF");
  EXPECT_EQ(HexText(-1), "FFFFFFFF");
  EXPECT_EQ(NumberText(-42), "-42");
  EXPECT_EQ(NumberText(0), "0");
  EXPECT_EQ(FlagText(true), Gbk("真"));
  EXPECT_EQ(FlagText(false), Gbk("假"));
}

}  // namespace
