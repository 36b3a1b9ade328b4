// Where a merge writes its result.
#pragma once

#include <span>

#include "platform/system.h"

// runDirectory + "/合并后的视频." + what follows the last "." of the path in the
// row with index 1 (the second row): nothing when there are fewer than two rows
// or that path has no dot, so the name then ends with the dot. The rows' bytes
// are taken as they are; the fixed part is spelt in the file system's encoding
// (UTF-8).
Path MergedFilePath(const Path& runDirectory, std::span<const Path> rows);
