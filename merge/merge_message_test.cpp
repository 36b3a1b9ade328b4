#include "merge/merge_message.h"

#include <gtest/gtest.h>

#include <cerrno>

#include "text/gbk_literal.h"

namespace {

TEST(MergedMessage, IsTheFixedText) {
  EXPECT_EQ(MergedMessage(), Gbk("已经合并视频到运行目录下，名称为【合并后的视频】"));
}

TEST(MergeFailureMessage, NamesTheFileAndTheReason) {
  const struct {
    MergeResult result;
    std::string expected;  // UTF-8
  } cases[] = {
      {{MergeStatus::kReadFailed, "/v/a.mp4", ENOENT, 0}, "无法读取文件“/v/a.mp4”：文件或文件夹不存在"},
      {{MergeStatus::kReadFailed, "/v/视频.mp4", EACCES, 0}, "无法读取文件“/v/视频.mp4”：没有访问权限"},
      {{MergeStatus::kWriteFailed, "/run/out.", ENOSPC, 7}, "无法写入文件“/run/out.”：磁盘空间不足"},
      {{MergeStatus::kWriteFailed, "/run/out.", EROFS, 0}, "无法写入文件“/run/out.”：磁盘是只读的"},
      {{MergeStatus::kWriteFailed, "/run/한.ts", EIO, 0}, "无法写入文件“/run/?.ts”：读写磁盘时出错"},
      {{MergeStatus::kReadFailed, "/x", EBADMSG, 0}, "无法读取文件“/x”：系统错误 EBADMSG"},
      {{MergeStatus::kMerged, "/run/out.", 0, 3}, ""},
      {{MergeStatus::kCancelled, "", 0, 3}, ""},
  };
  for (const auto& c : cases) EXPECT_EQ(MergeFailureMessage(c.result), Gbk(c.expected)) << c.expected;
}

TEST(ErrorReason, NamesUnknownValuesByNumber) {
  EXPECT_EQ(ErrorReason(EISDIR), Gbk("这是一个文件夹"));
  EXPECT_EQ(ErrorReason(99999), Gbk("系统错误 99999"));
}

}  // namespace
