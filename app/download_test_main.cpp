// The download tests' start: the QApplication, the browser's set-up, then the
// tests. Without a display they run on the offscreen platform.
#include <gtest/gtest.h>

#include <QApplication>

#include "app/download_module.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  int qtArgc = 1;
  char* qtArgv[] = {argv[0], nullptr};
  QApplication application(qtArgc, qtArgv);
  // In the program the main window is always there, so closing the last
  // download window never ends it; the tests have no main window.
  QApplication::setQuitOnLastWindowClosed(false);
#ifndef POLVANE_DOWNLOAD_MODULE
  // The browser's library is linked in here; the program's loading of the
  // module, which does this itself, is tested where it is not.
  PrepareBrowserEngine();
#endif
  return RUN_ALL_TESTS();
}
