#include "merge/merged_name.h"

#include "text/code_page.h"

namespace {

// "合并后的视频." in GBK.
constexpr std::string_view kMergedName = "\xBA\xCF\xB2\xA2\xBA\xF3\xB5\xC4\xCA\xD3\xC6\xB5\x2E";

// The name as the file system spells it: file names here are UTF-8.
Path MergedNameOnDisk() {
  static const Path name = EncodeText(DecodeText(kMergedName, kGbkCodePage), kUtf8CodePage);
  return name;
}

}  // namespace

Path MergedFilePath(const Path& runDirectory, std::span<const Path> rows) {
  Path path = runDirectory;
  if (path.empty() || path.back() != '/') path.push_back('/');
  path += MergedNameOnDisk();
  if (rows.size() >= 2) {
    // A plain byte search: the path is not GBK, so no double-byte stepping.
    const Path& second = rows[1];
    const std::size_t dot = second.rfind('.');
    if (dot != Path::npos) path.append(second, dot + 1);
  }
  return path;
}
