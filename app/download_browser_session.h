// The download module's session: one browser profile and its saver for the
// whole run, and the download windows opened in it.
#pragma once

#include <QPointer>
#include <vector>

#include "app/download_saver.h"
#include "app/download_session.h"

class DownloadWindow;

class BrowserDownloadSession : public DownloadSession {
 public:
  // Starts the browser's engine (slow the first time in a process) with a
  // profile that keeps nothing on disk.
  explicit BrowserDownloadSession(DownloadHost host);
  // Closes the download windows still open, then the saver ends the
  // downloads and their progress windows.
  ~BrowserDownloadSession() override;

  QWidget* OpenWindow(std::string_view gbkAddress) override;

  DownloadSaver* saver() { return &saver_; }

 private:
  DownloadHost host_;
  DownloadSaver saver_;
  std::vector<QPointer<DownloadWindow>> windows_;
};
