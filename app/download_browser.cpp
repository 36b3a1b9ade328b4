#include "app/download_browser.h"

#include <unistd.h>

#include <QCoreApplication>

void PrepareDownloadBrowser() {
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
  // The browser reads this when its first profile is made, on first use.
  if (::geteuid() == 0) qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
}
