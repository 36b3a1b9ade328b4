// The command of the list menu's "下载视频": opens DownloadWindow on the
// address of MainWindow's selected row, one window at a time. The browser's
// engine is heavy, so nothing of it is made before the first opening.
#pragma once

#include <QPointer>
#include <functional>
#include <memory>

#include "app/download_saver.h"
#include "text/text.h"

class DownloadWindow;
class MainWindow;

// The GBK text of column 2 (the address) of MainWindow's selected row; empty
// when no row is selected.
Text SelectedAddress(const MainWindow& window);

class DownloadCommand {
 public:
  // `selectedAddress` reads the address to load at each new opening;
  // `chooser` is asked where each download goes. Makes no browser yet.
  explicit DownloadCommand(std::function<Text()> selectedAddress, SavePathChooser chooser = AskSavePath);
  // Closes the download window and the progress windows still open; the
  // downloads still running end with them.
  ~DownloadCommand();

  DownloadCommand(const DownloadCommand&) = delete;
  DownloadCommand& operator=(const DownloadCommand&) = delete;

  // Opens DownloadWindow, modeless and without an owner, and sends its
  // browser to the selected address; a refused address only shows a message
  // and the window closes again. When the window is already open, only
  // brings it to the front (restored first if minimized); its address stays.
  void Open();

  // The open download window; null when none is open.
  DownloadWindow* window() const { return window_.data(); }
  // The browser's session; null until the first Open().
  DownloadSaver* saver() const { return saver_.get(); }

 private:
  std::function<Text()> selectedAddress_;
  SavePathChooser chooser_;
  std::unique_ptr<DownloadSaver> saver_;
  QPointer<DownloadWindow> window_;
};
