#include "merge/merged_name.h"

#include <gtest/gtest.h>

namespace {

// "合并后的视频." as the file system spells it (UTF-8).
const Path kName = "\xE5\x90\x88\xE5\xB9\xB6\xE5\x90\x8E\xE7\x9A\x84\xE8\xA7\x86\xE9\xA2\x91.";

TEST(MergedFilePath, TakesTheExtensionFromTheSecondRow) {
  const struct {
    std::vector<Path> rows;
    Path expected;
  } cases[] = {
      {{}, "/run/" + kName},
      {{"/v/one.mp4"}, "/run/" + kName},
      {{"/v/one.mp4", "/v/two.flv"}, "/run/" + kName + "flv"},
      {{"/v/one.mp4", "/v/two.flv", "/v/three.avi"}, "/run/" + kName + "flv"},
      {{"/v/one.mp4", "/v/clip.part1.MP4"}, "/run/" + kName + "MP4"},
      {{"/v/one.mp4", "/v/noextension"}, "/run/" + kName},
      {{"/v/one.mp4", "/v/ends.with.dot."}, "/run/" + kName},
      // The last dot of the whole path counts, as the rule is written.
      {{"/v/one.mp4", "/v.d/plain"}, "/run/" + kName + "d/plain"},
      // A UTF-8 name whose bytes could be misread as GBK pairs.
      {{"/a", "/\xE8\xA7\x86.ts"}, "/run/" + kName + "ts"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(MergedFilePath("/run", c.rows), c.expected) << c.rows.size();
  }
}

TEST(MergedFilePath, AddsNoSecondSlash) {
  EXPECT_EQ(MergedFilePath("/", std::vector<Path>{}), "/" + kName);
  EXPECT_EQ(MergedFilePath("/run/", std::vector<Path>{}), "/run/" + kName);
}

}  // namespace
