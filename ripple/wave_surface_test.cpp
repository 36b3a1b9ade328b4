#include "ripple/wave_surface.h"

#include <gtest/gtest.h>

#include <QEventLoop>
#include <QImage>
#include <QTimer>
#include <memory>
#include <string>
#include <vector>

#include "ripple/auto_effects.h"
#include "ripple/drop_stone.h"
#include "ripple/ripple_message.h"
#include "ripple/ripple_tick.h"
#include "ripple/ripple_view.h"
#include "ripple/test_bmp.h"
#include "ripple/test_file.h"
#include "ripple/test_picture_box.h"
#include "text/gbk_literal.h"

namespace {

struct Message {
  QWidget* owner;
  std::string text;
  std::string caption;
};

std::vector<Message> messages;

void RecordMessage(QWidget* owner, std::string_view gbkMessage, std::string_view gbkCaption) {
  messages.push_back({owner, std::string(gbkMessage), std::string(gbkCaption)});
}

// Messages go to `messages` for the test's lifetime.
class MessagesRecorded {
 public:
  MessagesRecorded() {
    messages.clear();
    SetRippleMessageSink(RecordMessage);
  }
  ~MessagesRecorded() { SetRippleMessageSink(nullptr); }
};

RippleView* ViewOf(const RippleSurface& surface) { return static_cast<RippleView*>(surface.FrameView); }

bool IsEmpty(const RippleSurface& s) {
  return s.Window == nullptr && s.Flags == 0 && s.FrameView == nullptr && s.SourcePixels == nullptr &&
         s.FramePixels == nullptr && s.CurrentHeights == nullptr && s.PreviousHeights == nullptr &&
         s.BlendedPixels == nullptr && s.RenderScratch == nullptr && s.Width == 0 && s.Height == 0 && s.PixelStride == 0 &&
         s.HeightStride == 0 && s.RandomState == 0 && s.EffectMode == 0 && s.EffectParam1 == 0 &&
         s.EffectParam2 == 0 && s.EffectParam3 == 0 && s.TrailX == 0 && s.TrailY == 0 && s.TrailStepX == 0 &&
         s.TrailStepY == 0 && s.TrailTicks == 0;
}

TEST(WaveInit, StartsOnTheWindowAndShowsThePictureOnce) {
  MessagesRecorded recorded;
  auto window = PictureBox();
  TempFile picture(TestBmp(174, 193));
  RippleSurface surface;
  ASSERT_EQ(WaveInit(surface, window.get(), picture.path()), 1);
  EXPECT_TRUE(messages.empty());
  EXPECT_EQ(surface.Window, window.get());
  EXPECT_EQ(surface.Width, 174);
  EXPECT_EQ(surface.Height, 193);
  EXPECT_EQ(surface.PixelStride, 524u);
  EXPECT_EQ(surface.HeightStride, 696u);
  EXPECT_EQ(surface.Flags, 0u);
  ASSERT_NE(ViewOf(surface), nullptr);
  EXPECT_TRUE(ViewOf(surface)->Ticking());
  EXPECT_EQ(ViewOf(surface)->FramesShown(), 1);
  for (int y = 0; y < 193; ++y) {
    for (int x = 0; x < 174; ++x) {
      for (int k = 0; k < 3; ++k) {
        ASSERT_EQ(surface.SourcePixels[y * 524 + 3 * x + k], PictureByte(x, y, k));
        ASSERT_EQ(surface.FramePixels[y * 524 + 3 * x + k], PictureByte(x, y, k));
      }
    }
  }
  EXPECT_TRUE(ShowsThePicture(*window));
  WaveFree(surface);
  EXPECT_TRUE(IsEmpty(surface));
  EXPECT_TRUE(window->findChildren<RippleView*>().isEmpty());
}

TEST(WaveInit, RefusesPicturesItCannotUse) {
  struct Case {
    const char* name;
    std::string content;
  };
  const Case cases[] = {
      {"not a picture", "not a picture"}, {"empty", ""},           {"3 across", TestBmp(3, 10)},
      {"3 down", TestBmp(10, 3)},         {"3 x 3", TestBmp(3, 3)},  {"1 x 1", TestBmp(1, 1)},
      {"header only", TestBmp(10, 10).substr(0, 54)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    MessagesRecorded recorded;
    auto window = PictureBox();
    TempFile picture(c.content);
    RippleSurface surface;
    EXPECT_EQ(WaveInit(surface, window.get(), picture.path()), 0);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].owner, window.get());
    EXPECT_EQ(messages[0].text, Gbk("初始化水波对象错误!"));
    EXPECT_EQ(messages[0].caption, "Error");
    // The record keeps its window and generator, nothing else.
    EXPECT_EQ(surface.Window, window.get());
    surface.Window = nullptr;
    surface.RandomState = 0;
    EXPECT_TRUE(IsEmpty(surface));
    EXPECT_TRUE(window->findChildren<RippleView*>().isEmpty());
    // Stones and effects on it change nothing.
    DropStone(surface, 5, 5, 0, 15);
    SetAutoEffect(surface, EffectRain, 0, 1, 1);
    EXPECT_EQ(surface.Flags & Moving, 0u);
  }
}

TEST(WaveInit, MissingPictureFails) {
  MessagesRecorded recorded;
  auto window = PictureBox();
  RippleSurface surface;
  EXPECT_EQ(WaveInit(surface, window.get(), (TempDirectory() + "no-such-picture.bmp").c_str()), 0);
  EXPECT_EQ(messages.size(), 1u);
  EXPECT_EQ(surface.Width, 0);
}

TEST(WaveInit, FourByFourIsEnough) {
  MessagesRecorded recorded;
  auto window = PictureBox();
  TempFile picture(TestBmp(4, 4));
  RippleSurface surface;
  EXPECT_EQ(WaveInit(surface, window.get(), picture.path()), 1);
  EXPECT_TRUE(messages.empty());
  // Only the two middle cells can take a stone.
  DropStone(surface, 1, 1, 0, 15);
  DropStone(surface, 2, 2, 0, 15);
  DropStone(surface, 3, 2, 0, 15);
  EXPECT_EQ(surface.CurrentHeights[5], 15);
  EXPECT_EQ(surface.CurrentHeights[10], 15);
  EXPECT_EQ(surface.CurrentHeights[11], 0);
  WaveFree(surface);
}

TEST(WaveInit, WithoutAWindowFails) {
  MessagesRecorded recorded;
  TempFile picture(TestBmp(10, 10));
  RippleSurface surface;
  EXPECT_EQ(WaveInit(surface, nullptr, picture.path()), 0);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].owner, nullptr);
  EXPECT_TRUE(IsEmpty(surface));
}

TEST(WaveInit, AgainReplacesTheFormerSurface) {
  MessagesRecorded recorded;
  auto window = PictureBox();
  TempFile big(TestBmp(174, 193));
  TempFile small(TestBmp(20, 10));
  RippleSurface surface;
  ASSERT_EQ(WaveInit(surface, window.get(), big.path()), 1);
  SetAutoEffect(surface, EffectRain, 0, 1, 1);
  ASSERT_EQ(WaveInit(surface, window.get(), small.path()), 1);
  EXPECT_EQ(surface.Width, 20);
  EXPECT_EQ(surface.Flags, 0u);
  EXPECT_EQ(surface.EffectMode, 0u);
  EXPECT_EQ(window->findChildren<RippleView*>().size(), 1);
  WaveFree(surface);
}

TEST(WaveFree, SecondCallReleasesNothing) {
  MessagesRecorded recorded;
  auto window = PictureBox();
  TempFile picture(TestBmp(30, 30));
  RippleSurface surface;
  ASSERT_EQ(WaveInit(surface, window.get(), picture.path()), 1);
  WaveFree(surface);
  WaveFree(surface);
  EXPECT_TRUE(IsEmpty(surface));
  DropStone(surface, 10, 10, 0, 15);
  EXPECT_EQ(surface.Flags, 0u);
}

TEST(WaveFree, AfterTheWindowHasGone) {
  MessagesRecorded recorded;
  auto window = PictureBox();
  TempFile picture(TestBmp(30, 30));
  RippleSurface surface;
  ASSERT_EQ(WaveInit(surface, window.get(), picture.path()), 1);
  window.reset();
  EXPECT_EQ(surface.FrameView, nullptr);
  // The water still takes stones; nothing is drawn.
  DropStone(surface, 10, 10, 0, 15);
  RippleTick(surface, ShowOnView);
  WaveFree(surface);
  EXPECT_TRUE(IsEmpty(surface));
}

TEST(RippleView, ShowsAFrameOnlyWhenItChanged) {
  MessagesRecorded recorded;
  auto window = PictureBox();
  TempFile picture(TestBmp(174, 193));
  RippleSurface surface;
  ASSERT_EQ(WaveInit(surface, window.get(), picture.path()), 1);
  RippleView* view = ViewOf(surface);
  for (int tick = 0; tick < 5; ++tick) RippleTick(surface, ShowOnView);
  EXPECT_EQ(view->FramesShown(), 1);

  DropStone(surface, 87, 96, 0, 15);
  RippleTick(surface, ShowOnView);
  EXPECT_EQ(view->FramesShown(), 2);
  EXPECT_FALSE(ShowsThePicture(*window));
  int ticks = 1;
  while ((surface.Flags & Moving) != 0 && ticks < 1000) {
    RippleTick(surface, ShowOnView);
    ++ticks;
  }
  EXPECT_EQ(ticks, 13);
  EXPECT_EQ(view->FramesShown(), 14);
  EXPECT_TRUE(ShowsThePicture(*window));
  RippleTick(surface, ShowOnView);
  EXPECT_EQ(view->FramesShown(), 14);
  WaveFree(surface);
}

TEST(RippleView, WeightZeroStoneShowsTheSamePictureOnce) {
  MessagesRecorded recorded;
  auto window = PictureBox();
  TempFile picture(TestBmp(174, 193));
  RippleSurface surface;
  ASSERT_EQ(WaveInit(surface, window.get(), picture.path()), 1);
  DropStone(surface, 40, 40, 4, 0);
  RippleTick(surface, ShowOnView);
  RippleTick(surface, ShowOnView);
  EXPECT_EQ(ViewOf(surface)->FramesShown(), 2);
  EXPECT_TRUE(ShowsThePicture(*window));
  WaveFree(surface);
}

TEST(RippleView, FrameIsClippedNotScaled) {
  struct Case {
    int width, height;
  };
  const Case cases[] = {{172, 193}, {100, 50}, {174, 193}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.width << " x " << c.height);
    MessagesRecorded recorded;
    auto window = PictureBox(c.width, c.height);
    TempFile picture(TestBmp(174, 193));
    RippleSurface surface;
    ASSERT_EQ(WaveInit(surface, window.get(), picture.path()), 1);
    EXPECT_EQ(window->grab().size(), QSize(c.width, c.height));
    EXPECT_TRUE(ShowsThePicture(*window));
    EXPECT_EQ(ViewOf(surface)->geometry(), QRect(0, 0, 174, 193));
    WaveFree(surface);
  }
}

TEST(RippleView, MouseEventsReachTheWindow) {
  MessagesRecorded recorded;
  auto window = PictureBox();
  TempFile picture(TestBmp(174, 193));
  RippleSurface surface;
  ASSERT_EQ(WaveInit(surface, window.get(), picture.path()), 1);
  EXPECT_EQ(window->childAt(10, 10), nullptr);
  WaveFree(surface);
}

TEST(RippleView, TimerDrivesTheTicks) {
  MessagesRecorded recorded;
  auto window = PictureBox();
  TempFile picture(TestBmp(174, 193));
  RippleSurface surface;
  ASSERT_EQ(WaveInit(surface, window.get(), picture.path()), 1);
  SetAutoEffect(surface, EffectRain, 0, 3, 5);
  // Wait, dispatching events, until the rain has shown a few frames.
  QEventLoop loop;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
    if (ViewOf(surface)->FramesShown() >= 4) loop.quit();
  });
  poll.start(5);
  QTimer::singleShot(20000, &loop, &QEventLoop::quit);
  loop.exec();
  EXPECT_GE(ViewOf(surface)->FramesShown(), 4);
  EXPECT_FALSE(ShowsThePicture(*window));
  WaveFree(surface);
}

}  // namespace
