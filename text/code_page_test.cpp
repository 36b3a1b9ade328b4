#include "text/code_page.h"

#include <gtest/gtest.h>
#include <unicode/ucnv.h>

#include <random>

#include "text/gbk_literal.h"
#include "text/simplified_chinese.h"

namespace {

// BIG5 bytes of 繁體中文.
const std::string kBig5Traditional = "\xC1\x63\xC5\xE9\xA4\xA4\xA4\xE5";

TEST(Utf8ToAnsi, ConvertsToGbk) {
  EXPECT_EQ(Utf8ToAnsi("\xE4\xB8\xAD\xE6\x96\x87"), "\xD6\xD0\xCE\xC4");  // 中文
  EXPECT_EQ(Utf8ToAnsi("plain ascii"), "plain ascii");
  EXPECT_EQ(Utf8ToAnsi(""), "");
  // A Hangul syllable has no GBK form and becomes "?".
  EXPECT_EQ(Utf8ToAnsi("a\xEA\xB0\x80" "b"), "a?b");
  // The input ends at its first zero byte.
  EXPECT_EQ(Utf8ToAnsi(std::string("ab\0cd", 5)), "ab");
}

TEST(Big5ToGbkSimplified, MakesSimplifiedGbk) {
  EXPECT_EQ(Big5ToGbkSimplified(kBig5Traditional), Gbk("繁体中文"));
  EXPECT_EQ(Big5ToGbk(kBig5Traditional), Gbk("繁體中文"));
  EXPECT_EQ(Big5ToGbkSimplified("ascii"), "ascii");
  EXPECT_EQ(Big5ToGbkSimplified(""), "");
}

TEST(Big5ToGbk, KeepsGoingPastACharacterGbkLacks) {
  // BIG5 0xA1 0x45 is the hyphenation point U+2027, which GBK lacks: it
  // becomes "?" and the rest of the text is kept.
  EXPECT_EQ(Big5ToGbk("\xA4\xA4\xA1\x45\xA4\xE5"), Gbk("中") + "?" + Gbk("文"));
  EXPECT_EQ(Big5ToGbkSimplified("\xC1\x63\xC5\xE9\xA1\x45\xA4\xA4"), Gbk("繁体") + "?" + Gbk("中"));
}

TEST(ToSimplified, KeepsLengthAndSimplifiedText) {
  const std::string traditional = Gbk("電腦視頻");
  const std::string simplified = ToSimplified(traditional);
  EXPECT_EQ(simplified, Gbk("电脑视频"));
  EXPECT_EQ(simplified.size(), traditional.size());
  EXPECT_EQ(ToSimplified(Gbk("简体abc")), Gbk("简体abc"));
  // A lone lead byte at the end stays as it is.
  EXPECT_EQ(ToSimplified("x\xB0"), "x\xB0");
}

TEST(Wide, RoundTripsWithTerminator) {
  Bytes wide = TextToWide("\xE4\xB8\xAD" "a");
  EXPECT_EQ(wide, (Bytes{0x2D, 0x4E, 'a', 0, 0, 0}));
  EXPECT_EQ(WideToText(wide, kGbkCodePage), "\xD6\xD0" "a");
  EXPECT_EQ(WideToText(wide), "\xD6\xD0" "a");
  EXPECT_EQ(TextToWide(""), (Bytes{0, 0}));
  EXPECT_EQ(WideToText(Bytes{'a', 0, 0, 0, 'b', 0}), "a");
  EXPECT_EQ(TextToWide(Gbk("中"), kGbkCodePage), (Bytes{0x2D, 0x4E, 0, 0}));
}

}  // namespace

namespace {

// The converter itself, as an oracle for the program's table-driven path.
std::u16string ConverterDecode(const std::string& text) {
  UErrorCode status = U_ZERO_ERROR;
  UConverter* converter = ucnv_open("windows-936-2000", &status);
  std::u16string wide(text.size() + 1, u'\0');
  int32_t length = ucnv_toUChars(converter, reinterpret_cast<UChar*>(wide.data()),
                                 static_cast<int32_t>(wide.size()), text.data(),
                                 static_cast<int32_t>(text.size()), &status);
  ucnv_close(converter);
  wide.resize(static_cast<std::size_t>(length));
  return wide;
}

TEST(DecodeText, GbkMatchesTheConverterOnAnyBytes) {
  std::mt19937 random(11);
  for (int round = 0; round < 300; ++round) {
    std::string text(1 + random() % 64, '\0');
    for (char& c : text) c = static_cast<char>(1 + random() % 255);
    EXPECT_EQ(DecodeText(text, kGbkCodePage), ConverterDecode(text)) << "round " << round;
  }
  std::string every;
  for (int lead = 0x81; lead <= 0xFE; ++lead) {
    for (int trail = 0x40; trail <= 0xFE; ++trail) {
      every.push_back(static_cast<char>(lead));
      every.push_back(static_cast<char>(trail));
    }
  }
  EXPECT_EQ(DecodeText(every, kGbkCodePage), ConverterDecode(every));
}

TEST(EncodeText, GbkRoundTripsAndMarksMissingCharacters) {
  const std::string text = Gbk("中文 abc ，。") + "\x80";
  EXPECT_EQ(EncodeText(DecodeText(text, kGbkCodePage), kGbkCodePage), text);
  EXPECT_EQ(EncodeText(u"a\uAC00b", kGbkCodePage), "a?b");
  EXPECT_EQ(EncodeText(u"a\U0001F600b", kGbkCodePage), "a?b");
  EXPECT_EQ(EncodeText(std::u16string(u"a\xD800" u"b"), kGbkCodePage), "a?b");
}

}  // namespace
