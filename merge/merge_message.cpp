#include "merge/merge_message.h"

#include <cerrno>
#include <cstring>
#include <string_view>

#include "text/code_page.h"

namespace {

// "已经合并视频到运行目录下，名称为【合并后的视频】"
constexpr std::string_view kMerged =
    "\xD2\xD1\xBE\xAD\xBA\xCF\xB2\xA2\xCA\xD3\xC6\xB5\xB5\xBD\xD4\xCB\xD0\xD0\xC4\xBF\xC2\xBC\xCF\xC2\xA3\xAC\xC3\xFB\xB3\xC6\xCE\xAA\xA1\xBE\xBA\xCF\xB2\xA2\xBA\xF3\xB5\xC4\xCA\xD3\xC6\xB5\xA1\xBF";
// "无法读取文件“"
constexpr std::string_view kCannotRead = "\xCE\xDE\xB7\xA8\xB6\xC1\xC8\xA1\xCE\xC4\xBC\xFE\xA1\xB0";
// "无法写入文件“"
constexpr std::string_view kCannotWrite = "\xCE\xDE\xB7\xA8\xD0\xB4\xC8\xEB\xCE\xC4\xBC\xFE\xA1\xB0";
// "”："
constexpr std::string_view kReasonFollows = "\xA1\xB1\xA3\xBA";
// "系统错误 "
constexpr std::string_view kSystemError = "\xCF\xB5\xCD\xB3\xB4\xED\xCE\xF3 ";

struct Reason {
  int error;
  std::string_view text;  // GBK
};

constexpr Reason kReasons[] = {
    {ENOENT, "\xCE\xC4\xBC\xFE\xBB\xF2\xCE\xC4\xBC\xFE\xBC\xD0\xB2\xBB\xB4\xE6\xD4\xDA"},  // 文件或文件夹不存在
    {EACCES, "\xC3\xBB\xD3\xD0\xB7\xC3\xCE\xCA\xC8\xA8\xCF\xDE"},  // 没有访问权限
    {EPERM, "\xC3\xBB\xD3\xD0\xB7\xC3\xCE\xCA\xC8\xA8\xCF\xDE"},  // 没有访问权限
    {ENOSPC, "\xB4\xC5\xC5\xCC\xBF\xD5\xBC\xE4\xB2\xBB\xD7\xE3"},  // 磁盘空间不足
    {EDQUOT, "\xB3\xAC\xB3\xF6\xC1\xCB\xB4\xC5\xC5\xCC\xC5\xE4\xB6\xEE"},  // 超出了磁盘配额
    {EISDIR, "\xD5\xE2\xCA\xC7\xD2\xBB\xB8\xF6\xCE\xC4\xBC\xFE\xBC\xD0"},  // 这是一个文件夹
    {ENOTDIR, "\xC2\xB7\xBE\xB6\xD6\xD0\xD3\xD0\xD2\xBB\xB6\xCE\xB2\xBB\xCA\xC7\xCE\xC4\xBC\xFE\xBC\xD0"},  // 路径中有一段不是文件夹
    {EROFS, "\xB4\xC5\xC5\xCC\xCA\xC7\xD6\xBB\xB6\xC1\xB5\xC4"},  // 磁盘是只读的
    {EIO, "\xB6\xC1\xD0\xB4\xB4\xC5\xC5\xCC\xCA\xB1\xB3\xF6\xB4\xED"},  // 读写磁盘时出错
    {ENAMETOOLONG, "\xCE\xC4\xBC\xFE\xC3\xFB\xCC\xAB\xB3\xA4"},  // 文件名太长
    {EFBIG, "\xCE\xC4\xBC\xFE\xCC\xAB\xB4\xF3"},  // 文件太大
    {EMFILE, "\xB4\xF2\xBF\xAA\xB5\xC4\xCE\xC4\xBC\xFE\xCC\xAB\xB6\xE0"},  // 打开的文件太多
    {ENFILE, "\xB4\xF2\xBF\xAA\xB5\xC4\xCE\xC4\xBC\xFE\xCC\xAB\xB6\xE0"},  // 打开的文件太多
    {EBUSY, "\xCE\xC4\xBC\xFE\xD5\xFD\xB1\xBB\xCA\xB9\xD3\xC3"},  // 文件正被使用
    {ETXTBSY, "\xCE\xC4\xBC\xFE\xD5\xFD\xB1\xBB\xCA\xB9\xD3\xC3"},  // 文件正被使用
    {ENOMEM, "\xC4\xDA\xB4\xE6\xB2\xBB\xD7\xE3"},  // 内存不足
};

}  // namespace

Text MergedMessage() { return Text(kMerged); }

Text ErrorReason(int error) {
  for (const Reason& reason : kReasons) {
    if (reason.error == error) return Text(reason.text);
  }
  const char* symbol = ::strerrorname_np(error);
  return Text(kSystemError) + (symbol != nullptr ? Text(symbol) : std::to_string(error));
}

Text MergeFailureMessage(const MergeResult& result) {
  std::string_view opening;
  switch (result.status) {
    case MergeStatus::kReadFailed: opening = kCannotRead; break;
    case MergeStatus::kWriteFailed: opening = kCannotWrite; break;
    case MergeStatus::kMerged:
    case MergeStatus::kCancelled: return Text();
  }
  return Text(opening) + Utf8ToAnsi(result.file) + Text(kReasonFollows) + ErrorReason(result.error);
}
