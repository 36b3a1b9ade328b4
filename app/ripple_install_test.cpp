#include "app/ripple_install.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdio>
#include <string>

#include "app/ripple_embedded.h"

namespace {

Bytes AsBytes(std::span<const std::uint8_t> bytes) { return Bytes(bytes.begin(), bytes.end()); }

Bytes AsBytes(const std::string& text) { return Bytes(text.begin(), text.end()); }

bool WriteText(const Path& path, const std::string& text) {
  const std::string_view view(text);
  return WriteWholeFileParts(path, std::span<const std::string_view>(&view, 1));
}

TEST(WaveLibraryBytes, AreTheBuiltLibraryByteForByte) {
  const Bytes built = ReadWholeFile(POLVANE_WAVE_LIBRARY);
  ASSERT_FALSE(built.empty());
  EXPECT_EQ(AsBytes(WaveLibraryBytes()), built);
  EXPECT_EQ(AsBytes(WaveLibraryBytes()).size(), built.size());
}

TEST(RipplePictureBytes, AreTheRipplePicture) {
  const Bytes picture = AsBytes(RipplePictureBytes());
  EXPECT_EQ(picture, ReadWholeFile(POLVANE_RIPPLE_PICTURE));
  ASSERT_EQ(picture.size(), 101186u);
  EXPECT_EQ(picture[0], 'B');
  EXPECT_EQ(picture[1], 'M');
  EXPECT_EQ(picture[18] | picture[19] << 8, 174);  // width
  EXPECT_EQ(picture[22] | picture[23] << 8, 193);  // height, rows bottom-up
  EXPECT_EQ(picture[28], 24);                      // bits a pixel
}

TEST(WaveLibraryPath, IsLibwaveInThePerUserLibraryDirectory) {
  const Path path = WaveLibraryPath();
  EXPECT_EQ(path, SystemDirectory() + "libwave.so");
  EXPECT_EQ(path.rfind(std::string(std::getenv("XDG_DATA_HOME")) + "/polvane/lib/libwave.so", 0), 0u);
}

TEST(InstallWaveLibrary, WritesAMissingFileByteForByte) {
  const Path path = TempDirectory() + "install-missing.so";
  std::remove(path.c_str());
  EXPECT_TRUE(InstallWaveLibrary(path, WaveLibraryBytes()));
  EXPECT_EQ(ReadWholeFile(path), AsBytes(WaveLibraryBytes()));
  std::remove(path.c_str());
}

TEST(InstallWaveLibrary, LeavesAnExistingFileUntouched) {
  const std::string contents[] = {"", "an older library", std::string(200000, '\x7F')};
  for (const std::string& content : contents) {
    SCOPED_TRACE(testing::Message() << content.size() << " bytes");
    const Path path = TempDirectory() + "install-existing.so";
    ASSERT_TRUE(WriteText(path, content));
    ::chmod(path.c_str(), 0600);
    struct stat before {};
    ASSERT_EQ(::stat(path.c_str(), &before), 0);
    EXPECT_FALSE(InstallWaveLibrary(path, WaveLibraryBytes()));
    struct stat after {};
    ASSERT_EQ(::stat(path.c_str(), &after), 0);
    EXPECT_EQ(ReadWholeFile(path), AsBytes(content));
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(after.st_mtim.tv_sec, before.st_mtim.tv_sec);
    EXPECT_EQ(after.st_mtim.tv_nsec, before.st_mtim.tv_nsec);
    EXPECT_EQ(after.st_mode & 0777, 0600u);
    std::remove(path.c_str());
  }
}

TEST(InstallWaveLibrary, UnwritablePlaceWritesNothing) {
  const Path path = TempDirectory() + "no-such-folder/libwave.so";
  EXPECT_FALSE(InstallWaveLibrary(path, WaveLibraryBytes()));
  EXPECT_FALSE(FileExists(path));
}

}  // namespace
