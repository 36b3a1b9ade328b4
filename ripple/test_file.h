// Test helper: a file in the temporary directory, deleted at the end.
#pragma once

#include <cstdio>
#include <span>
#include <string>
#include <string_view>

#include "platform/system.h"

class TempFile {
 public:
  explicit TempFile(std::string_view content) : path_(TempFileName()) {
    WriteWholeFileParts(path_, std::span<const std::string_view>(&content, 1));
  }
  ~TempFile() { std::remove(path_.c_str()); }
  TempFile(const TempFile&) = delete;
  TempFile& operator=(const TempFile&) = delete;

  const char* path() const { return path_.c_str(); }

 private:
  Path path_;
};
