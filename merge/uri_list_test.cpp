#include "merge/uri_list.h"

#include <gtest/gtest.h>

namespace {

TEST(LocalPathsFromUriList, DecodesEachLocalFile) {
  const struct {
    std::string list;
    std::vector<Path> paths;
  } cases[] = {
      {"file:///home/u/a.mp4\r\n", {"/home/u/a.mp4"}},
      {"file:///a\r\nfile:///b\r\nfile:///c\r\n", {"/a", "/b", "/c"}},
      {"file:///a\nfile:///b", {"/a", "/b"}},
      {"file:///my%20video.flv\r\n", {"/my video.flv"}},
      // "视频" in UTF-8, and bytes that are no UTF-8 at all, come through as bytes.
      {"file:///%E8%A7%86%E9%A2%91.mp4\r\n", {"/\xE8\xA7\x86\xE9\xA2\x91.mp4"}},
      {"file:///%ff%FE\r\n", {"/\xFF\xFE"}},
      {"file://localhost/a\r\nFILE://LocalHost/b\r\nfile:/c\r\n", {"/a", "/b", "/c"}},
      {"# a comment\r\nfile:///a\r\n\r\n", {"/a"}},
      {"http://host/a\r\nfile://otherhost/b\r\nfile:relative\r\n", {}},
      {"file:///a%00b\r\nfile:///c\r\n", {"/c"}},
      {"file:///100%\r\nfile:///x%4\r\n", {"/100%", "/x%4"}},
      {"file:///a?query#fragment\r\n", {"/a"}},
      {"", {}},
  };
  for (const auto& c : cases) EXPECT_EQ(LocalPathsFromUriList(c.list), c.paths) << c.list;
}

}  // namespace
