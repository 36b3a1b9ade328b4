// libwave.so itself, loaded by path as the program loads it, on a real widget.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QEventLoop>
#include <QMessageBox>
#include <QTimer>
#include <functional>

#include "ripple/test_bmp.h"
#include "ripple/test_file.h"
#include "ripple/test_picture_box.h"
#include "ripple/wait_for_events.h"
#include "ripple/wave_api.h"

namespace {

// The library's entry points, looked up by name.
struct WaveLibrary {
  WaveLibrary() {
    handle = dlopen(POLVANE_WAVE_LIBRARY, RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) return;
    init = reinterpret_cast<WaveInitEntry>(dlsym(handle, "E_WaveInit"));
    dropStone = reinterpret_cast<WaveDropStoneEntry>(dlsym(handle, "E_WaveDropStone"));
    autoEffects = reinterpret_cast<AutoEffectsEntry>(dlsym(handle, "E_AutoEffects"));
    free = reinterpret_cast<WaveFreeEntry>(dlsym(handle, "E_WaveFree"));
  }
  bool complete() const { return init && dropStone && autoEffects && free; }

  void* handle = nullptr;
  WaveInitEntry init = nullptr;
  WaveDropStoneEntry dropStone = nullptr;
  AutoEffectsEntry autoEffects = nullptr;
  WaveFreeEntry free = nullptr;
};

TEST(WaveLibrary, ExportsTheFourEntryPoints) {
  WaveLibrary library;
  ASSERT_NE(library.handle, nullptr) << dlerror();
  EXPECT_TRUE(library.complete());
  // The water's own routines stay inside.
  for (const char* hidden : {"_Z9DropStoneR13RippleSurfaceiiji", "_Z9StepWavesR13RippleSurface",
                             "_Z8WaveInitR13RippleSurfaceP7QWidgetPKc"}) {
    EXPECT_EQ(dlsym(library.handle, hidden), nullptr) << hidden;
  }
}

TEST(WaveLibrary, StonesAndEffectsBeforeInitDoNothing) {
  WaveLibrary library;
  ASSERT_TRUE(library.complete());
  library.dropStone(10, 10, 0, 15);
  library.autoEffects(3, 5, 3, 60);
  library.free();
  library.free();
  auto window = PictureBox();
  TempFile picture(TestBmp(174, 193));
  ASSERT_EQ(library.init(window.get(), picture.path()), 1);
  EXPECT_TRUE(ShowsThePicture(*window));
  library.free();
  EXPECT_TRUE(window->findChildren<QWidget*>().isEmpty());
}

TEST(WaveLibrary, MouseStoneRipplesThePictureAndComesToRest) {
  WaveLibrary library;
  ASSERT_TRUE(library.complete());
  auto window = PictureBox();
  TempFile picture(TestBmp(174, 193));
  ASSERT_EQ(library.init(window.get(), picture.path()), 1);
  EXPECT_TRUE(ShowsThePicture(*window));
  library.dropStone(87, 96, 5, 15);
  EXPECT_TRUE(WaitFor([&] { return !ShowsThePicture(*window); }));
  EXPECT_TRUE(WaitFor([&] { return ShowsThePicture(*window); }));
  library.free();
}

TEST(WaveLibrary, RainKeepsThePictureMoving) {
  WaveLibrary library;
  ASSERT_TRUE(library.complete());
  auto window = PictureBox();
  TempFile picture(TestBmp(174, 193));
  ASSERT_EQ(library.init(window.get(), picture.path()), 1);
  library.autoEffects(2, 0, 0, 0);
  library.autoEffects(1, 0, 3, 5);
  EXPECT_TRUE(WaitFor([&] { return !ShowsThePicture(*window); }));
  library.autoEffects(0, 0, 0, 0);
  EXPECT_TRUE(WaitFor([&] { return ShowsThePicture(*window); }));
  library.free();
}

TEST(WaveLibrary, FailureShowsTheErrorBoxOwnedByTheWindow) {
  WaveLibrary library;
  ASSERT_TRUE(library.complete());
  auto window = PictureBox();
  QString text, title;
  QWidget* owner = nullptr;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  // Closes the box as soon as it is up, noting what it said.
  QTimer closer;
  QObject::connect(&closer, &QTimer::timeout, [&] {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      auto* box = qobject_cast<QMessageBox*>(widget);
      if (box == nullptr || !box->isVisible()) continue;
      text = box->text();
      title = box->windowTitle();
      icon = box->icon();
      owner = box->parentWidget();
      box->done(QMessageBox::Ok);
    }
  });
  closer.start(5);
  EXPECT_EQ(library.init(window.get(), (TempDirectory() + "no-such-picture.bmp").c_str()), 0);
  EXPECT_EQ(text, QString::fromUtf8("初始化水波对象错误!"));
  EXPECT_EQ(title, QStringLiteral("Error"));
  EXPECT_EQ(icon, QMessageBox::Critical);
  EXPECT_EQ(owner, window.get());
  EXPECT_TRUE(window->findChildren<QWidget*>().isEmpty());
}

}  // namespace
