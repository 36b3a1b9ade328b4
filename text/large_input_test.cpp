// Whole pages that are huge, random or cut short must give the results the
// rules say, without crashing or running out of stack.
#include <gtest/gtest.h>

#include <random>

#include "text/all_between.h"
#include "text/delimiters.h"
#include "text/text_change.h"
#include "text/text_search.h"

namespace {

const std::string kLeft = "<a href=\"";
const std::string kRight = "\" target=\"_blank\"";

TEST(LargeInput, FiftyMegabytesOnOneLine) {
  std::string page;
  page.reserve(50u << 20);
  int links = 0;
  while (page.size() < (50u << 20)) {
    page += "<td>filler \xD6\xD0\xCE\xC4 text</td>";
    if (page.size() % 997 < 40) {
      page += kLeft + "http://h/" + std::to_string(links++) + kRight;
    }
  }
  TextArray results;
  ASSERT_EQ(AllBetween(page, kLeft, kRight, results), links);
  EXPECT_EQ(results.At(links), "http://h/" + std::to_string(links - 1));
  EXPECT_EQ(TextBetween(page, kLeft, kRight), "http://h/0");
  std::size_t fillers = 0;
  for (std::size_t at = page.find("filler"); at != std::string::npos; at = page.find("filler", at + 1)) {
    ++fillers;
  }
  EXPECT_EQ(ReplaceText(page, "filler", "f").size(), page.size() - 5 * fillers);
}

TEST(LargeInput, OneLongFragmentSpanningTheWholeLine) {
  std::string page = kLeft + std::string(20u << 20, 'x') + kRight;
  TextArray results;
  ASSERT_EQ(AllBetween(page, kLeft, kRight, results), 1);
  EXPECT_EQ(results.At(1).size(), 20u << 20);
}

TEST(LargeInput, RandomBytesAndCutCharacters) {
  std::mt19937 random(7);
  for (int round = 0; round < 50; ++round) {
    std::string page(1 + random() % 5000, '\0');
    for (char& c : page) c = static_cast<char>(1 + random() % 255);
    if (round % 2 == 0) page += kLeft + "link" + kRight;
    page.push_back('\xB0');  // ends inside a double-byte character
    TextArray results;
    AllBetween(page, kLeft, kRight, results);
    for (int i = 1; i <= results.Count(); ++i) EXPECT_LE(results.At(i).size(), page.size());
    TextBetween(page, kLeft, kRight);
    EXPECT_LE(FindText(page, "\xB0"), static_cast<int>(page.size()));
    TrimText(page);
  }
}

}  // namespace
