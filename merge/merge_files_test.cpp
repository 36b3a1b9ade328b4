#include "merge/merge_files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "merge/faulty_disk.h"
#include "merge/merge_test_folder.h"

namespace {

struct Outcome {
  MergeResult result;
  std::vector<std::string> names;  // what the folder holds afterwards
};

class MergeFilesTest : public ::testing::Test {
 protected:
  MergeResult Merge(const std::vector<Path>& inputs, MergeDisk& disk = SystemDisk()) {
    MergeProgress progress;
    return MergeFiles(inputs, output_, progress, disk);
  }

  TestFolder folder_;
  const Path output_ = folder_.In("out.mp4");
};

TEST_F(MergeFilesTest, JoinsTheInputsInOrderByteForByte) {
  const std::string zeros("\0\0\x01\xff", 4);
  const struct {
    std::vector<std::string> contents;
    std::string expected;
  } cases[] = {
      {{}, ""},
      {{"abc"}, "abc"},
      {{"abc", "defgh"}, "abcdefgh"},
      {{"1", "", zeros + "2"}, "1" + zeros + "2"},
      {{"same", "same", "same"}, "samesamesame"},
  };
  MergeDisk* disks[] = {&SystemDisk(), &SystemDiskWithNamedOutputs()};
  for (MergeDisk* disk : disks) {
    for (const auto& c : cases) {
      std::vector<Path> inputs;
      for (std::size_t i = 0; i < c.contents.size(); ++i) {
        inputs.push_back(folder_.Put("in" + std::to_string(i), c.contents[i]));
      }
      const MergeResult result = Merge(inputs, *disk);
      EXPECT_EQ(result.status, MergeStatus::kMerged) << c.expected;
      EXPECT_EQ(result.file, output_);
      EXPECT_EQ(result.bytes, static_cast<std::int64_t>(c.expected.size()));
      EXPECT_EQ(Content(output_), c.expected);
      // Nothing but the inputs and the output is left in the folder.
      EXPECT_EQ(folder_.Names().size(), c.contents.size() + 1) << c.expected;
      std::filesystem::remove_all(folder_.path());
      std::filesystem::create_directory(folder_.path());
    }
  }
}

TEST_F(MergeFilesTest, ReplacesAnEarlierOutputAndMayReadIt) {
  folder_.Put("out.mp4", "old");
  const Path tail = folder_.Put("tail", "+new");
  ASSERT_EQ(Merge({output_, tail}).status, MergeStatus::kMerged);
  EXPECT_EQ(Content(output_), "old+new");
  ASSERT_EQ(Merge({output_, output_}).status, MergeStatus::kMerged);
  EXPECT_EQ(Content(output_), "old+newold+new");
  ASSERT_EQ(Merge({tail}, SystemDiskWithNamedOutputs()).status, MergeStatus::kMerged);
  EXPECT_EQ(Content(output_), "+new");
  EXPECT_EQ(folder_.Names(), (std::vector<std::string>{"out.mp4", "tail"}));
}

TEST_F(MergeFilesTest, KeepsANameOutsideGbk) {
  // "한국어" and a byte that is no UTF-8 at all: file names pass through as bytes.
  const Path korean = folder_.Put("\xED\x95\x9C\xEA\xB5\xAD\xEC\x96\xB4.ts", "k");
  const Path raw = folder_.Put("\xFF\xFE.ts", "r");
  MergeProgress progress;
  const Path output = folder_.In("\xED\x95\x9C.ts");
  ASSERT_EQ(MergeFiles(std::vector<Path>{korean, raw}, output, progress).status, MergeStatus::kMerged);
  EXPECT_EQ(Content(output), "kr");
}

TEST_F(MergeFilesTest, UnreadableInputEndsTheMergeAndNamesTheFile) {
  folder_.Put("out.mp4", "earlier");
  const Path good = folder_.Put("good", "g");
  std::filesystem::create_directory(folder_.In("folder"));
  const struct {
    Path input;
    int error;
  } cases[] = {
      {folder_.In("missing.mp4"), ENOENT},
      {folder_.In("folder"), EISDIR},
      {folder_.In("good/below"), ENOTDIR},
  };
  for (const auto& c : cases) {
    const MergeResult result = Merge({good, c.input});
    EXPECT_EQ(result.status, MergeStatus::kReadFailed) << c.input;
    EXPECT_EQ(result.file, c.input);
    EXPECT_EQ(result.error, c.error) << c.input;
    EXPECT_EQ(Content(output_), "earlier") << c.input;
  }
  EXPECT_EQ(folder_.Names(), (std::vector<std::string>{"folder", "good", "out.mp4"}));
}

TEST_F(MergeFilesTest, UnwritableDirectoryEndsTheMergeAndNamesTheOutput) {
  const Path input = folder_.Put("in", "data");
  const struct {
    Path output;
    int error;
  } cases[] = {
      {folder_.In("missing/out.mp4"), ENOENT},
      {folder_.In("in/out.mp4"), ENOTDIR},
  };
  for (const auto& c : cases) {
    MergeProgress progress;
    const MergeResult result = MergeFiles(std::vector<Path>{input}, c.output, progress);
    EXPECT_EQ(result.status, MergeStatus::kWriteFailed) << c.output;
    EXPECT_EQ(result.file, c.output);
    EXPECT_EQ(result.error, c.error) << c.output;
  }
  EXPECT_EQ(folder_.Names(), (std::vector<std::string>{"in"}));
}

TEST_F(MergeFilesTest, DirectoryWithoutWritePermission) {
  if (::geteuid() == 0) GTEST_SKIP() << "permissions do not bind the superuser";
  const Path input = folder_.Put("in", "data");
  folder_.Put("out.mp4", "earlier");
  ::chmod(folder_.path().c_str(), 0555);
  const MergeResult result = Merge({input});
  ::chmod(folder_.path().c_str(), 0755);
  EXPECT_EQ(result.status, MergeStatus::kWriteFailed);
  EXPECT_EQ(result.error, EACCES);
  EXPECT_EQ(Content(output_), "earlier");
}

TEST_F(MergeFilesTest, FailuresLeaveNoFileAndTheEarlierOutputUnharmed) {
  const std::string big(3 << 20, 'x');
  const struct {
    const char* name;
    std::function<void(FaultyDisk&)> arrange;
    MergeStatus status;
    int error;
    bool namesOutput;
  } cases[] = {
      {"disk full while writing",
       [](FaultyDisk& d) { d.copyRangeError = -EXDEV; d.writeFailsAfter = 1 << 20; },
       MergeStatus::kWriteFailed, ENOSPC, true},
      {"disk full in the kernel copy, confirmed by the plain copy",
       [](FaultyDisk& d) { d.copyRangeError = -ENOSPC; d.writeFailsAfter = 0; },
       MergeStatus::kWriteFailed, ENOSPC, true},
      {"read error half way",
       [](FaultyDisk& d) { d.copyRangeError = -EXDEV; d.readFailsAfter = (1 << 20) + 5; },
       MergeStatus::kReadFailed, EIO, false},
      {"no permission to create", [](FaultyDisk& d) { d.createError = -EACCES; },
       MergeStatus::kWriteFailed, EACCES, true},
      {"naming fails", [](FaultyDisk& d) { d.finishError = -EROFS; }, MergeStatus::kWriteFailed, EROFS, true},
  };
  const Path first = folder_.Put("first", big);
  const Path second = folder_.Put("second", "tail");
  for (const auto& c : cases) {
    folder_.Put("out.mp4", "earlier");
    FaultyDisk disk;
    c.arrange(disk);
    const MergeResult result = Merge({first, second}, disk);
    EXPECT_EQ(result.status, c.status) << c.name;
    EXPECT_EQ(result.error, c.error) << c.name;
    EXPECT_EQ(result.file, c.namesOutput ? output_ : first) << c.name;
    EXPECT_EQ(Content(output_), "earlier") << c.name;
    EXPECT_EQ(folder_.Names(), (std::vector<std::string>{"first", "out.mp4", "second"})) << c.name;
  }
}

TEST_F(MergeFilesTest, PlainCopyWhereTheKernelCopyIsRefused) {
  std::string content;
  for (int i = 0; i < (5 << 20) / 7; ++i) content += "0123456";
  const Path first = folder_.Put("first", content);
  const Path second = folder_.Put("second", "!");
  for (int refusal : {-EXDEV, -EINVAL, -EOPNOTSUPP, -ENOSYS}) {
    FaultyDisk disk;
    disk.copyRangeError = refusal;
    ASSERT_EQ(Merge({first, second}, disk).status, MergeStatus::kMerged) << refusal;
    EXPECT_EQ(Content(output_), content + "!") << refusal;
  }
}

TEST_F(MergeFilesTest, CancelledMergeLeavesNoFileAndTheEarlierOutputUnharmed) {
  const Path first = folder_.Put("first", std::string(40 << 20, 'a'));
  const Path second = folder_.Put("second", "b");
  for (MergeDisk* real : {&SystemDisk(), &SystemDiskWithNamedOutputs()}) {
    for (bool earlier : {false, true}) {
      if (earlier) folder_.Put("out.mp4", "earlier");
      FaultyDisk disk(*real);
      MergeProgress progress;
      int pieces = 0;
      // Cancelled while the first piece is on its way.
      disk.beforePiece = [&] {
        if (++pieces == 2) progress.cancel.store(true);
      };
      const MergeResult result = MergeFiles(std::vector<Path>{first, second}, output_, progress, disk);
      EXPECT_EQ(result.status, MergeStatus::kCancelled);
      EXPECT_GT(progress.done.load(), 0);
      EXPECT_EQ(progress.total.load(), (40 << 20) + 1);
      if (earlier) {
        EXPECT_EQ(Content(output_), "earlier");
        EXPECT_EQ(folder_.Names(), (std::vector<std::string>{"first", "out.mp4", "second"}));
      } else {
        EXPECT_EQ(folder_.Names(), (std::vector<std::string>{"first", "second"}));
      }
    }
    std::filesystem::remove(output_);
  }
}

TEST_F(MergeFilesTest, CancelBeforeTheStartWritesNothing) {
  const Path input = folder_.Put("in", "data");
  MergeProgress progress;
  progress.cancel.store(true);
  EXPECT_EQ(MergeFiles(std::vector<Path>{input}, output_, progress).status, MergeStatus::kCancelled);
  MergeProgress emptyProgress;
  emptyProgress.cancel.store(true);
  EXPECT_EQ(MergeFiles(std::vector<Path>{}, output_, emptyProgress).status, MergeStatus::kCancelled);
  EXPECT_EQ(folder_.Names(), (std::vector<std::string>{"in"}));
}

TEST_F(MergeFilesTest, CountsProgress) {
  const Path first = folder_.Put("first", std::string(100, 'a'));
  const Path second = folder_.Put("second", std::string(23, 'b'));
  MergeProgress progress;
  ASSERT_EQ(MergeFiles(std::vector<Path>{first, second}, output_, progress).status, MergeStatus::kMerged);
  EXPECT_EQ(progress.total.load(), 123);
  EXPECT_EQ(progress.done.load(), 123);
}

}  // namespace
