// What the merge window tells the user about a merge, in GBK.
#pragma once

#include "merge/merge_files.h"
#include "text/text.h"

// "已经合并视频到运行目录下，名称为【合并后的视频】", shown after a merge succeeded.
Text MergedMessage();

// For a failed merge: which file could not be read or written, and why, as in
// "无法读取文件“/a/b.mp4”：文件不存在". The path is shown in GBK, with "?" for
// characters GBK lacks. Empty for a merge that succeeded or was cancelled.
Text MergeFailureMessage(const MergeResult& result);

// The reason an errno value stands for, in GBK; unknown values are named by
// their symbol, as "系统错误 EBADMSG".
Text ErrorReason(int error);
