#include "app/ripple_client.h"

#include <gtest/gtest.h>

#include <QWidget>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "app/ripple_embedded.h"
#include "app/ripple_install.h"
#include "app/ripple_test_support.h"
#include "text/gbk_literal.h"

namespace {

// A client of the library at `path` whose failures are noted in `failures`.
std::unique_ptr<WaveClient> ClientOf(const Path& path, std::vector<Text>& failures, int* pathAsked = nullptr) {
  return std::make_unique<WaveClient>(
      [path, pathAsked] {
        if (pathAsked != nullptr) ++*pathAsked;
        return path;
      },
      [&failures](const Text& message) { failures.push_back(message); });
}

TEST(WaveClient, LoadsTheLibraryAtTheFirstCallOnly) {
  const Path path = InstallFreshLibrary("first-call");
  std::vector<Text> failures;
  int pathAsked = 0;
  auto client = ClientOf(path, failures, &pathAsked);
  EXPECT_EQ(pathAsked, 0);
  client->WaveDropStone(5, 5, 0, 15);
  client->AutoEffects(0, 0, 0, 0);
  client->WaveDropStone(6, 6, 0, 15);
  EXPECT_EQ(pathAsked, 1);
  EXPECT_TRUE(failures.empty());
}

TEST(WaveClient, StartsTheSurfaceOnAWidget) {
  const Path path = InstallFreshLibrary("on-a-widget");
  const Path picture = WriteRipplePicture();
  std::vector<Text> failures;
  auto client = ClientOf(path, failures);
  QWidget box;
  box.resize(172, 193);
  box.show();
  EXPECT_EQ(client->WaveInit(&box, picture.c_str()), 1);
  EXPECT_TRUE(ShowsRipplePicture(box));
  client->WaveDropStone(87, 96, 5, 15);
  EXPECT_TRUE(WaitFor([&] { return !ShowsRipplePicture(box); }));
  EXPECT_TRUE(failures.empty());
}

// One call through each entry point that a failed load must report.
struct EntryPointCall {
  const char* entry;
  std::function<void(WaveClient&)> call;
};
const EntryPointCall kEntryPointCalls[] = {
    {"E_WaveInit", [](WaveClient& c) { EXPECT_EQ(c.WaveInit(nullptr, "x.bmp"), 0); }},
    {"E_WaveDropStone", [](WaveClient& c) { c.WaveDropStone(1, 1, 0, 15); }},
    {"E_AutoEffects", [](WaveClient& c) { c.AutoEffects(1, 5, 1, 1); }},
};

TEST(WaveClient, MissingLibraryIsNamedInTheFailure) {
  for (const EntryPointCall& c : kEntryPointCalls) {
    SCOPED_TRACE(c.entry);
    const Path path = TempDirectory() + "no-such-folder/libwave.so";
    std::vector<Text> failures;
    auto client = ClientOf(path, failures);
    c.call(*client);
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_EQ(failures[0].rfind(Gbk("无法载入动态链接库：") + path, 0), 0u) << failures[0];
  }
}

TEST(WaveClient, MissingEntryPointIsNamedInTheFailure) {
  for (const EntryPointCall& c : kEntryPointCalls) {
    SCOPED_TRACE(c.entry);
    std::vector<Text> failures;
    auto client = ClientOf(POLVANE_OTHER_LIBRARY, failures);
    c.call(*client);
    ASSERT_EQ(failures.size(), 1u);
    const Text expected = Gbk("在动态链接库 ") + POLVANE_OTHER_LIBRARY + Gbk(" 中找不到函数：") + c.entry;
    EXPECT_EQ(failures[0].rfind(expected, 0), 0u) << failures[0];
  }
}

TEST(WaveClient, ExistingFileAtTheLibraryPathIsTheOneLoaded) {
  // A library directory of this test's own: once loaded, a path stays taken.
  const std::string data = std::getenv("XDG_DATA_HOME");
  ::setenv("XDG_DATA_HOME", (data + "/existing").c_str(), 1);
  const Path path = WaveLibraryPath();
  ::setenv("XDG_DATA_HOME", data.c_str(), 1);
  const Bytes other = ReadWholeFile(POLVANE_OTHER_LIBRARY);
  const std::string_view view(reinterpret_cast<const char*>(other.data()), other.size());
  ASSERT_TRUE(WriteWholeFileParts(path, std::span<const std::string_view>(&view, 1)));
  EXPECT_FALSE(InstallWaveLibrary(path, WaveLibraryBytes()));
  EXPECT_EQ(ReadWholeFile(path), other);
  std::vector<Text> failures;
  auto client = ClientOf(path, failures);
  client->AutoEffects(1, 5, 1, 1);
  ASSERT_EQ(failures.size(), 1u);
  EXPECT_NE(failures[0].find("E_AutoEffects"), Text::npos);
}

}  // namespace
