// Joining three files of 1 GB in all, beside `cat a b c > out`, with the
// page cache warm: wall time and peak memory of each, measured on a process
// of its own. Each run starts from written-back pages and writes a fresh file.
//
//   merge_bench [DIRECTORY] [ROUNDS]
//
// DIRECTORY (default: the temporary directory) receives about 4 GB of files
// for the run and is cleaned afterwards. ROUNDS defaults to 5; the median and
// the best run of each are reported, the ratios from the best runs.
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "merge/merge_files.h"

namespace {

constexpr std::int64_t kMiB = 1 << 20;
// Three inputs of unequal sizes, 1024 MiB together.
constexpr std::int64_t kInputSizes[] = {300 * kMiB, 400 * kMiB, 324 * kMiB};

// The real disk with the kernel copy refused, as between two file systems.
class PlainCopyDisk : public MergeDisk {
 public:
  std::int64_t InputSize(const Path& path) override { return real_.InputSize(path); }
  int OpenInput(const Path& path) override { return real_.OpenInput(path); }
  void CloseInput(int input) override { real_.CloseInput(input); }
  int CreateOutput(const Path& finalPath) override { return real_.CreateOutput(finalPath); }
  std::int64_t CopyRange(int, int, std::int64_t) override { return -EXDEV; }
  std::int64_t Read(int input, std::uint8_t* buffer, std::size_t size) override {
    return real_.Read(input, buffer, size);
  }
  std::int64_t Write(int output, const std::uint8_t* buffer, std::size_t size) override {
    return real_.Write(output, buffer, size);
  }
  int FinishOutput(int output, const Path& finalPath) override { return real_.FinishOutput(output, finalPath); }
  void DiscardOutput(int output) override { real_.DiscardOutput(output); }

 private:
  MergeDisk& real_ = SystemDisk();
};

struct Run {
  double seconds = 0;
  double cpuSeconds = 0;  // user and system time of the process
  long peakKiB = 0;
  bool ok = false;
};

// Runs the command in a process of its own, standard output to `output`
// when given; its wall time and peak resident memory.
Run Measure(const std::vector<std::string>& command, const std::string& output = std::string()) {
  std::vector<char*> argv;
  for (const std::string& part : command) argv.push_back(const_cast<char*>(part.c_str()));
  argv.push_back(nullptr);
  const auto start = std::chrono::steady_clock::now();
  const pid_t child = ::fork();
  if (child == 0) {
    if (!output.empty()) {
      const int fd = ::open(output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
      if (fd < 0 || ::dup2(fd, 1) < 0) ::_exit(127);
    }
    ::execv(argv[0], argv.data());
    ::_exit(127);
  }
  int status = 0;
  struct rusage usage {};
  ::wait4(child, &status, 0, &usage);
  const auto end = std::chrono::steady_clock::now();
  const auto cpu = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
  return Run{std::chrono::duration<double>(end - start).count(), cpu(usage.ru_utime) + cpu(usage.ru_stime),
             usage.ru_maxrss, WIFEXITED(status) && WEXITSTATUS(status) == 0};
}

bool WriteInput(const std::string& path, std::int64_t size, unsigned seed) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (fd < 0) return false;
  std::vector<std::uint32_t> block(kMiB / 4);
  std::uint32_t state = seed;
  bool ok = true;
  for (std::int64_t written = 0; ok && written < size; written += kMiB) {
    for (std::uint32_t& word : block) word = state = state * 1664525u + 1013904223u;
    ok = ::write(fd, block.data(), kMiB) == kMiB;
  }
  return ::close(fd) == 0 && ok;
}

// Reads the file through, so that its pages are in the cache.
void Warm(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY);
  std::vector<char> buffer(4 * kMiB);
  while (fd >= 0 && ::read(fd, buffer.data(), buffer.size()) > 0) {
  }
  if (fd >= 0) ::close(fd);
}

bool SameContent(const std::string& a, const std::string& b) {
  return Measure({"/usr/bin/cmp", "-s", a, b}).ok;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

double Least(const std::vector<double>& values) { return *std::min_element(values.begin(), values.end()); }

long Largest(const std::vector<long>& values) { return *std::max_element(values.begin(), values.end()); }

// The merge itself, in the process that Measure starts: merge_bench
// --merge-once kernel|plain OUTPUT INPUT...
int MergeOnce(int argc, char** argv) {
  PlainCopyDisk plain;
  MergeDisk& disk = std::strcmp(argv[2], "plain") == 0 ? static_cast<MergeDisk&>(plain) : SystemDisk();
  std::vector<Path> inputs(argv + 4, argv + argc);
  MergeProgress progress;
  const MergeResult result = MergeFiles(inputs, argv[3], progress, disk);
  return result.status == MergeStatus::kMerged ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc >= 4 && std::strcmp(argv[1], "--merge-once") == 0) return MergeOnce(argc, argv);

  std::string directory = argc > 1 ? argv[1] : TempDirectory();
  const int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
  std::string pattern = directory + "/merge-bench-XXXXXX";
  if (::mkdtemp(pattern.data()) == nullptr) {
    std::perror("merge_bench: cannot make its folder");
    return 1;
  }
  directory = pattern;
  std::vector<std::string> inputs;
  for (std::size_t i = 0; i < std::size(kInputSizes); ++i) {
    inputs.push_back(directory + "/input" + std::to_string(i) + ".ts");
    if (!WriteInput(inputs.back(), kInputSizes[i], static_cast<unsigned>(i + 1))) {
      std::perror("merge_bench: cannot write its inputs");
      return 1;
    }
  }
  char self[4096];
  const ssize_t selfLength = ::readlink("/proc/self/exe", self, sizeof self - 1);
  if (selfLength <= 0) return 1;
  self[selfLength] = '\0';

  const std::string catOutput = directory + "/cat.out";
  const std::string mergeOutput = directory + "/merge.out";
  const std::string plainOutput = directory + "/plain.out";
  std::vector<std::string> catCommand = {"/bin/cat"};
  catCommand.insert(catCommand.end(), inputs.begin(), inputs.end());
  std::vector<std::string> mergeCommand = {self, "--merge-once", "kernel", mergeOutput};
  mergeCommand.insert(mergeCommand.end(), inputs.begin(), inputs.end());
  std::vector<std::string> plainCommand = {self, "--merge-once", "plain", plainOutput};
  plainCommand.insert(plainCommand.end(), inputs.begin(), inputs.end());

  const std::string outputs[] = {catOutput, mergeOutput, plainOutput};
  struct Series {
    const char* name;
    std::vector<double> seconds;
    std::vector<double> cpuSeconds;
    std::vector<long> peaks;
  } series[] = {{"cat a b c > out", {}, {}, {}},
                {"merge (copy_file_range)", {}, {}, {}},
                {"merge (read/write)", {}, {}, {}}};
  bool ok = true;
  for (int round = 0; round < rounds && ok; ++round) {
    for (int which = 0; which < 3; ++which) {
      // The order changes from round to round, so no side always goes first.
      const int index = (which + round) % 3;
      // Each run writes a new file and starts with its inputs cached and
      // nothing waiting to be written back.
      ::unlink(outputs[index].c_str());
      ::sync();
      for (const std::string& input : inputs) Warm(input);
      const Run run = index == 0   ? Measure(catCommand, catOutput)
                      : index == 1 ? Measure(mergeCommand)
                                   : Measure(plainCommand);
      ok = run.ok;
      series[index].seconds.push_back(run.seconds);
      series[index].cpuSeconds.push_back(run.cpuSeconds);
      series[index].peaks.push_back(run.peakKiB);
    }
    if (round == 0) {
      ok = ok && SameContent(catOutput, mergeOutput);
      ::unlink(mergeOutput.c_str());
      Measure(mergeCommand);
      ok = ok && SameContent(catOutput, mergeOutput);
    }
  }
  ::unlink(catOutput.c_str());
  ::unlink(mergeOutput.c_str());
  ::unlink(plainOutput.c_str());
  for (const std::string& input : inputs) ::unlink(input.c_str());
  ::rmdir(directory.c_str());
  if (!ok) {
    std::fprintf(stderr, "merge_bench: a run failed or the outputs differ\n");
    return 1;
  }

  // On a shared machine the medians carry the others' load; the fastest run
  // of each is the fairer comparison.
  std::printf("%d rounds, 3 inputs, %lld MiB in all, page cache warm\n", rounds,
              static_cast<long long>((kInputSizes[0] + kInputSizes[1] + kInputSizes[2]) / kMiB));
  std::printf("%-24s %8s %8s %7s %6s %8s %6s %13s\n", "", "median s", "best s", "MiB/s", "x cat", "cpu s",
              "x cat", "peak RSS MiB");
  const double catBest = Least(series[0].seconds);
  const double catCpu = Least(series[0].cpuSeconds);
  for (const Series& s : series) {
    const double best = Least(s.seconds);
    const double cpu = Least(s.cpuSeconds);
    std::printf("%-24s %8.3f %8.3f %7.0f %6.2f %8.3f %6.2f %13.1f\n", s.name, Median(s.seconds), best,
                1024.0 / best, best / catBest, cpu, cpu / catCpu, Largest(s.peaks) / 1024.0);
  }
  return 0;
}
