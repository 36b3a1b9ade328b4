// The download tests' start: the browser's set-up, then the QApplication,
// then the tests. Without a display they run on the offscreen platform.
#include <gtest/gtest.h>

#include <QApplication>

#include "app/download_browser.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  PrepareDownloadBrowser();
  int qtArgc = 1;
  char* qtArgv[] = {argv[0], nullptr};
  QApplication application(qtArgc, qtArgv);
  // In the program the main window is always there, so closing the last
  // download window never ends it; the tests have no main window.
  QApplication::setQuitOnLastWindowClosed(false);
  return RUN_ALL_TESTS();
}
