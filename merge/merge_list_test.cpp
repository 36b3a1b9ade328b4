#include "merge/merge_list.h"

#include <gtest/gtest.h>

namespace {

TEST(IsShortcutName, LooksAtTheLastFourBytesExactly) {
  const struct {
    std::string path;
    bool shortcut;
  } cases[] = {
      {"/home/u/Desktop/video.lnk", true},
      {".lnk", true},
      {"/home/u/video.LNK", false},
      {"/home/u/video.Lnk", false},
      {"/home/u/video.mp4", false},
      {"/home/u/video.lnk.mp4", false},
      {"/home/u/videolnk", false},
      {"lnk", false},
      {"", false},
      {"/home/u/a.lnk\r\n", false},
  };
  for (const auto& c : cases) EXPECT_EQ(IsShortcutName(c.path), c.shortcut) << c.path;
}

TEST(MergeList, OneDropOfOneFileAtATimeNumbersInDroppingOrder) {
  MergeList list;
  for (const char* path : {"/v/c.mp4", "/v/a.mp4", "/v/b.mp4"}) {
    const Path dropped[] = {path};
    EXPECT_EQ(list.AddDropped(dropped), 0);
  }
  EXPECT_EQ(list.Rows(), (std::vector<Path>{"/v/c.mp4", "/v/a.mp4", "/v/b.mp4"}));
  EXPECT_EQ(list.Count(), 3);
}

TEST(MergeList, SeveralFilesInOneDropMakeOneRowEach) {
  const struct {
    std::vector<std::vector<Path>> drops;
    std::vector<Path> rows;
    int shortcuts;
  } cases[] = {
      {{{"/a", "/b", "/c"}}, {"/a", "/b", "/c"}, 0},
      {{{"/a"}, {"/b", "/c"}, {"/d"}}, {"/a", "/b", "/c", "/d"}, 0},
      {{{"/a", "/s.lnk", "/b"}}, {"/a", "/b"}, 1},
      {{{"/s.lnk", "/t.lnk"}}, {}, 2},
      {{{"/s.LNK", "/t.lnk"}}, {"/s.LNK"}, 1},
      {{{}}, {}, 0},
  };
  for (const auto& c : cases) {
    MergeList list;
    int shortcuts = 0;
    for (const auto& drop : c.drops) shortcuts += list.AddDropped(drop);
    EXPECT_EQ(list.Rows(), c.rows);
    EXPECT_EQ(shortcuts, c.shortcuts);
  }
}

}  // namespace
