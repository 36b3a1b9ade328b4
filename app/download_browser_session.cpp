#include "app/download_browser_session.h"

#include <algorithm>

#include "app/download_window.h"

BrowserDownloadSession::BrowserDownloadSession(DownloadHost host)
    : host_(std::move(host)), saver_(host_.choosePath) {}

BrowserDownloadSession::~BrowserDownloadSession() {
  for (const QPointer<DownloadWindow>& window : windows_) delete window.data();
}

QWidget* BrowserDownloadSession::OpenWindow(std::string_view gbkAddress) {
  std::erase_if(windows_, [](const QPointer<DownloadWindow>& window) { return window == nullptr; });
  auto* window = new DownloadWindow(&saver_, host_.showMessage);
  windows_.emplace_back(window);
  window->show();
  window->ShowDownloadAddress(gbkAddress);
  return window;
}
