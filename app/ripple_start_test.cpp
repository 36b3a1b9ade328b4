#include "app/ripple_start.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPixmap>
#include <string>
#include <vector>

#include "app/ripple_install.h"
#include "app/ripple_test_support.h"

namespace {

// Notes every call in place of the library.
class RecordedCalls : public WaveCalls {
 public:
  struct Call {
    std::string entry;
    std::vector<std::int64_t> arguments;
    std::string picturePath;
    Bytes pictureBytes;  // the picture file's content at the time of the call
  };

  std::int32_t WaveInit(QWidget* window, const char* picturePath) override {
    calls.push_back({"E_WaveInit", {reinterpret_cast<std::intptr_t>(window)}, picturePath, ReadWholeFile(picturePath)});
    return 1;
  }
  void WaveDropStone(std::int32_t x, std::int32_t y, std::int32_t size, std::int32_t weight) override {
    calls.push_back({"E_WaveDropStone", {x, y, size, weight}, {}, {}});
  }
  void AutoEffects(std::int32_t mode, std::int32_t param1, std::int32_t param2, std::int32_t param3) override {
    calls.push_back({"E_AutoEffects", {mode, param1, param2, param3}, {}, {}});
  }

  std::vector<Call> calls;
};

TEST(StartRipple, CallsTheLibraryInOrder) {
  for (int run = 0; run < 50; ++run) {
    SCOPED_TRACE(testing::Message() << "run " << run);
    ProgramState state;
    state.rippleImagePath = "former";
    QWidget box;
    RecordedCalls wave;
    StartRipple(state, &box, wave);
    ASSERT_EQ(wave.calls.size(), 3u);
    EXPECT_EQ(wave.calls[0].entry, "E_WaveInit");
    EXPECT_EQ(wave.calls[0].arguments[0], reinterpret_cast<std::intptr_t>(&box));
    EXPECT_EQ(wave.calls[0].picturePath, state.rippleImagePath);
    EXPECT_EQ(wave.calls[0].pictureBytes, Bytes(RipplePictureBytes().begin(), RipplePictureBytes().end()));
    EXPECT_EQ(wave.calls[1].entry, "E_AutoEffects");
    EXPECT_EQ(wave.calls[1].arguments, (std::vector<std::int64_t>{2, 0, 0, 0}));
    EXPECT_EQ(wave.calls[2].entry, "E_AutoEffects");
    const std::vector<std::int64_t>& rain = wave.calls[2].arguments;
    EXPECT_EQ(rain[0], 1);
    EXPECT_GE(rain[1], 5);   // one drop in 5 to 20 ticks
    EXPECT_LE(rain[1], 20);
    EXPECT_GE(rain[2], 0);   // sizes 1 to 0..4
    EXPECT_LE(rain[2], 4);
    EXPECT_GE(rain[3], 1);   // weights 50 to 49 + 1..5
    EXPECT_LE(rain[3], 5);
    EXPECT_TRUE(state.rippleOn);
    std::remove(state.rippleImagePath.c_str());
  }
}

TEST(StartRipple, WritesTheRipplePictureToAFreshTemporaryFile) {
  ProgramState state;
  QWidget box;
  RecordedCalls wave;
  StartRipple(state, &box, wave);
  const Path first = state.rippleImagePath;
  EXPECT_EQ(first.rfind(TempDirectory(), 0), 0u);
  EXPECT_EQ(ReadWholeFile(first), Bytes(RipplePictureBytes().begin(), RipplePictureBytes().end()));
  // A later start writes another file and leaves the first one in place.
  state.rippleOn = false;
  StartRipple(state, &box, wave);
  EXPECT_NE(state.rippleImagePath, first);
  EXPECT_TRUE(FileExists(first));
  std::remove(first.c_str());
  std::remove(state.rippleImagePath.c_str());
}

TEST(StartRipple, TurnsRippleOnOver) {
  ProgramState state;
  QWidget box;
  RecordedCalls wave;
  StartRipple(state, &box, wave);
  EXPECT_TRUE(state.rippleOn);
  StartRipple(state, &box, wave);
  EXPECT_FALSE(state.rippleOn);
}

TEST(StartRipple, InstallsTheLibraryOnlyWhenMissing) {
  const Path path = WaveLibraryPath();
  std::remove(path.c_str());
  ProgramState state;
  QWidget box;
  RecordedCalls wave;
  StartRipple(state, &box, wave);
  EXPECT_EQ(ReadWholeFile(path), Bytes(WaveLibraryBytes().begin(), WaveLibraryBytes().end()));

  const std::string_view older = "an older library";
  ASSERT_TRUE(WriteWholeFileParts(path, std::span<const std::string_view>(&older, 1)));
  StartRipple(state, &box, wave);
  EXPECT_EQ(ReadWholeFile(path), Bytes(older.begin(), older.end()));
  std::remove(path.c_str());
}

TEST(StartRipple, RunsTheRealLibraryOnThePictureBox) {
  std::remove(WaveLibraryPath().c_str());
  ProgramState state;
  QLabel box;
  box.setGeometry(8, 8, 172, 193);
  box.setAlignment(Qt::AlignLeft | Qt::AlignTop);
  box.show();
  WaveClient wave(WaveLibraryPath, [](const Text& message) { ADD_FAILURE() << message; });
  StartRipple(state, &box, wave);
  EXPECT_TRUE(state.rippleOn);
  EXPECT_TRUE(FileExists(WaveLibraryPath()));
  EXPECT_TRUE(ShowsRipplePicture(box));
  DropMouseStone(state, 86, 96, wave);
  DropMouseStone(state, 90, 100, wave);
  EXPECT_TRUE(WaitFor([&] { return !ShowsRipplePicture(box); }));
  std::remove(state.rippleImagePath.c_str());
}

TEST(DropMouseStone, DropsUnderThePointerOnlyWhileRippleIsOn) {
  struct Case {
    bool rippleOn;
    int x, y;
  };
  const Case cases[] = {{true, 10, 20}, {true, 0, 0}, {true, -5, 300}, {false, 10, 20}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.rippleOn << " at " << c.x << ", " << c.y);
    ProgramState state;
    state.rippleOn = c.rippleOn;
    RecordedCalls wave;
    for (int move = 0; move < 100; ++move) DropMouseStone(state, c.x, c.y, wave);
    if (!c.rippleOn) {
      EXPECT_TRUE(wave.calls.empty());
      continue;
    }
    ASSERT_EQ(wave.calls.size(), 100u);
    bool sizeSeen[6] = {};
    for (const RecordedCalls::Call& call : wave.calls) {
      EXPECT_EQ(call.entry, "E_WaveDropStone");
      EXPECT_EQ(call.arguments[0], c.x);
      EXPECT_EQ(call.arguments[1], c.y);
      ASSERT_GE(call.arguments[2], 0);
      ASSERT_LE(call.arguments[2], 5);
      sizeSeen[call.arguments[2]] = true;
      EXPECT_EQ(call.arguments[3], 15);
    }
    EXPECT_TRUE(sizeSeen[0] || sizeSeen[1] || sizeSeen[2]);
  }
}

}  // namespace
