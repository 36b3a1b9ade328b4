// Test helper: a fresh folder in the temporary directory, removed afterwards.
#pragma once

#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/system.h"

class TestFolder {
 public:
  TestFolder() {
    std::string pattern = TempDirectory() + "polvane-merge-XXXXXX";
    if (::mkdtemp(pattern.data()) != nullptr) path_ = pattern;
  }
  ~TestFolder() {
    std::error_code ignored;
    if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
  }
  TestFolder(const TestFolder&) = delete;
  TestFolder& operator=(const TestFolder&) = delete;

  const Path& path() const { return path_; }
  Path In(const std::string& name) const { return path_ + "/" + name; }

  // Writes `content` to the file `name` in the folder; its path.
  Path Put(const std::string& name, const std::string& content) const {
    const Path file = In(name);
    WriteWholeFile(file, Bytes(content.begin(), content.end()));
    return file;
  }

  // The names in the folder, hidden ones included, sorted.
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(path_)) {
      names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }

 private:
  Path path_;
};

// The content of the file as text; empty when it cannot be read.
inline std::string Content(const Path& path) {
  const Bytes bytes = ReadWholeFile(path);
  return std::string(bytes.begin(), bytes.end());
}
