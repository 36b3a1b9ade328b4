#include "text/bytes.h"

#include <gtest/gtest.h>

namespace {

Bytes Of(std::string_view s) { return TextToBytes(s); }

TEST(Bytes, CrossToAndFromText) {
  EXPECT_TRUE(TextToBytes("").empty());
  EXPECT_EQ(BytesToText(Bytes{0x61, 0x00, 0x62}), "a");
  EXPECT_EQ(BytesToText(Of("abc")), "abc");
  EXPECT_EQ(BytesToText(Bytes{}), "");
}

TEST(Bytes, CutJoinAndCompare) {
  EXPECT_EQ(LeftBytes(Of("abc"), 2), Of("ab"));
  EXPECT_EQ(LeftBytes(Of("abc"), 9), Of("abc"));
  EXPECT_TRUE(LeftBytes(Of("abc"), -1).empty());
  EXPECT_EQ(JoinBytes(Of("a"), Bytes{0}, Of("b")), (Bytes{'a', 0, 'b'}));
  EXPECT_EQ(BlankBytes(3), (Bytes{0, 0, 0}));
  EXPECT_TRUE(BlankBytes(0).empty());
  EXPECT_TRUE(BytesEquals(Bytes{1, 0}, Bytes{1, 0}));
  EXPECT_FALSE(BytesEquals(Bytes{1, 0}, Bytes{1}));
  EXPECT_EQ(BytesLength(Bytes{0, 0}), 2);
}

}  // namespace
