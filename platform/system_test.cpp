#include "platform/system.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace {

class SystemFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    directory_ = std::filesystem::temp_directory_path() /
                 ("polvane-system-test-" + std::to_string(::getpid()));
    std::filesystem::create_directories(directory_);
  }
  void TearDown() override { std::filesystem::remove_all(directory_); }
  Path In(const std::string& name) const { return (directory_ / name).string(); }

  std::filesystem::path directory_;
};

TEST_F(SystemFiles, WriteAndReadWholeFiles) {
  const Path path = In("whole.bin");
  const Bytes first{'a', 0, 'b'};
  const Bytes empty;
  const Bytes second{0xFF};
  ASSERT_TRUE(WriteWholeFile(path, first, empty, second));
  EXPECT_EQ(ReadWholeFile(path), (Bytes{'a', 0, 'b', 0xFF}));
  ASSERT_TRUE(WriteWholeFile(path, second));
  EXPECT_EQ(ReadWholeFile(path), second);
  EXPECT_TRUE(FileExists(path));
}

TEST_F(SystemFiles, FailuresGiveFalseOrEmpty) {
  EXPECT_FALSE(WriteWholeFile(Path(), Bytes{1}));
  EXPECT_FALSE(WriteWholeFile(In("missing/dir/file"), Bytes{1}));
  EXPECT_FALSE(FileExists(In("missing")));
  EXPECT_TRUE(ReadWholeFile(In("missing")).empty());
  EXPECT_TRUE(ReadWholeFile(Path()).empty());
  EXPECT_TRUE(ReadWholeFile(directory_.string()).empty());
}

TEST_F(SystemFiles, NamesThatGbkCannotSpellStillWork) {
  const Path path = In("\xED\x95\x9C\xEA\xB8\x80.bin");  // Hangul in UTF-8
  ASSERT_TRUE(WriteWholeFile(path, Bytes{7}));
  EXPECT_EQ(ReadWholeFile(path), Bytes{7});
}

TEST_F(SystemFiles, TempFileNamesAreFreshAndDistinct) {
  ::setenv("TMPDIR", directory_.c_str(), 1);
  const Path first = TempFileName();
  ASSERT_EQ(first.rfind(directory_.string() + "/", 0), 0u);
  EXPECT_EQ(first.substr(first.size() - 4), ".tmp");
  EXPECT_FALSE(FileExists(first));
  ASSERT_TRUE(WriteWholeFile(first, Bytes{1}));
  const Path second = TempFileName();
  EXPECT_NE(first, second);
  EXPECT_FALSE(FileExists(second));
  ::unsetenv("TMPDIR");
}

TEST_F(SystemFiles, DirectoriesHaveTheirForms) {
  const Path run = RunDirectory();
  EXPECT_TRUE(FileExists(run));
  EXPECT_NE(run.back(), '/');
  ::setenv("XDG_DATA_HOME", directory_.c_str(), 1);
  const Path system = SystemDirectory();
  EXPECT_EQ(system, directory_.string() + "/polvane/lib/");
  EXPECT_TRUE(FileExists(system));
  ::unsetenv("XDG_DATA_HOME");
}

TEST(Uptime, AdvancesWithTime) {
  int before = UptimeMs();
  ::usleep(20000);
  EXPECT_GE(static_cast<unsigned>(UptimeMs() - before), 15u);
}

}  // namespace
