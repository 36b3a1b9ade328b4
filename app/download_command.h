// The command of the list menu's "下载视频": opens the download window on the
// address of MainWindow's selected row, one window at a time. The browser is
// heavy, so its module is loaded, and its engine started, only at the first
// opening.
#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>

#include "app/download_session.h"
#include "text/text.h"

class MainWindow;

// The GBK text of column 2 (the address) of MainWindow's selected row; empty
// when no row is selected.
Text SelectedAddress(const MainWindow& window);

// Starts the browser session; null when it cannot.
using DownloadSessionFactory = std::function<std::unique_ptr<DownloadSession>(const DownloadHost& host)>;

// The program's factory: loads the download module beside the program. When
// that fails, a message names the module and the reason, and the result is
// null.
std::unique_ptr<DownloadSession> LoadDownloadModule(const DownloadHost& host);

class DownloadCommand {
 public:
  // `selectedAddress` reads the address to load at each new opening;
  // `chooser` is asked where each download goes (empty: the save dialog);
  // `factory` starts the browser session at the first opening. Loads and
  // starts nothing yet.
  explicit DownloadCommand(std::function<Text()> selectedAddress, SavePathChooser chooser = {},
                           DownloadSessionFactory factory = LoadDownloadModule);
  // Closes the download window and the progress windows still open; the
  // downloads still running end with them.
  ~DownloadCommand();

  DownloadCommand(const DownloadCommand&) = delete;
  DownloadCommand& operator=(const DownloadCommand&) = delete;

  // Opens the download window, modeless and without an owner, and sends its
  // browser to the selected address; a refused address only shows a message
  // and the window closes again. When the window is already open, only
  // brings it to the front (restored first if minimized); its address stays.
  // When the browser session cannot start, nothing opens (the factory has
  // said why) and the next call tries again.
  void Open();

  // The open download window; null when none is open.
  QWidget* window() const { return window_.data(); }
  // The browser session; null until the first Open() has started it.
  DownloadSession* session() const { return session_.get(); }

 private:
  std::function<Text()> selectedAddress_;
  DownloadHost host_;
  DownloadSessionFactory factory_;
  std::unique_ptr<DownloadSession> session_;
  QPointer<QWidget> window_;
};
