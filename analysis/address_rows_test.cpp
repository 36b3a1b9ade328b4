#include "analysis/address_rows.h"

#include <gtest/gtest.h>

#include "text/gbk_literal.h"

namespace {

std::string Link(const std::string& address) {
  return "<a href=\"" + address + "\" target=\"_blank\">" + Gbk("下载") + "</a>\n";
}

std::string TitleLine(const std::string& title) {
  return "<script>document.title = \"" + title + "- FLVCD" + Gbk("硕鼠官网") + "|FLV" + Gbk("下载") +
         "\";</script>\n";
}

std::vector<std::vector<Text>> Cells(const PageRows& page) {
  std::vector<std::vector<Text>> cells;
  for (const AddressRow& row : page.rows) cells.push_back({row.id, row.title, row.address});
  return cells;
}

TEST(ExtractRows, NumbersKeptLinksAndDropsFilteredOnes) {
  const std::string title = Gbk("视频 ");
  const std::string page = TitleLine(title) + Link("http://a/1.flv") + Link("http://flvcd.example/x") +
                           Link("http://b/2.flv?from=taobao") + Link("http://FLVCD.example/3") +
                           Link("http://c/Taobao/4");
  const PageRows rows = ExtractRows(page);
  EXPECT_EQ(rows.links.Count(), 5);
  EXPECT_EQ(Cells(rows), (std::vector<std::vector<Text>>{
                             {"1", title, "http://a/1.flv"},
                             {"2", title, "http://FLVCD.example/3"},
                             {"3", title, "http://c/Taobao/4"},
                         }));
  EXPECT_EQ(rows.title, title);
}

TEST(ExtractRows, JoinsATitleWrittenInQuotedParts) {
  const PageRows rows = ExtractRows(TitleLine(Gbk("第一") + "\" + \"" + Gbk("第二") + " ") +
                                    Link("x"));
  EXPECT_EQ(rows.title, Gbk("第一第二") + " ");
  ASSERT_EQ(rows.rows.size(), 1u);
  EXPECT_EQ(rows.rows[0].title, rows.title);
}

TEST(ExtractRows, PagesWithoutTitleOrLinks) {
  const PageRows noTitle = ExtractRows(Link("http://a/1"));
  ASSERT_EQ(noTitle.rows.size(), 1u);
  EXPECT_EQ(noTitle.rows[0].title, "");

  const PageRows noLinks = ExtractRows(TitleLine("t"));
  EXPECT_TRUE(noLinks.rows.empty());
  EXPECT_EQ(noLinks.title, "t");

  const PageRows empty = ExtractRows("");
  EXPECT_TRUE(empty.rows.empty());
  EXPECT_EQ(empty.title, "");
}

TEST(ExtractRows, LinksAreKeptExactlyAsFound) {
  const PageRows rows = ExtractRows(Link("http://a/%E4%B8%AD?x=1&amp;y=2") + Link("http://a/dup") +
                                    Link("http://a/dup"));
  ASSERT_EQ(rows.rows.size(), 3u);
  EXPECT_EQ(rows.rows[0].address, "http://a/%E4%B8%AD?x=1&amp;y=2");
  EXPECT_EQ(rows.rows[2].address, "http://a/dup");
  EXPECT_EQ(rows.rows[2].id, "3");
}

TEST(QueryAddress, AppendsTheEncodedAddress) {
  EXPECT_EQ(QueryAddress("ab", "http://h/parse.php?kw="), "http://h/parse.php?kw=%61%62");
  EXPECT_EQ(QueryAddress("a").substr(0, 7), "http://");
  EXPECT_NE(QueryAddress("a").find("/parse.php?flag=&format=&kw=%61"), std::string::npos);
}

}  // namespace
