#include "app/download_command.h"

#include "app/download_window.h"
#include "app/main_window.h"

namespace {

// The results list's address column, "下载地址".
constexpr int kAddressColumn = 2;

}  // namespace

Text SelectedAddress(const MainWindow& window) {
  const int row = window.SelectedRow();
  return row < 0 ? Text() : window.CellText(row, kAddressColumn);
}

DownloadCommand::DownloadCommand(std::function<Text()> selectedAddress, SavePathChooser chooser)
    : selectedAddress_(std::move(selectedAddress)), chooser_(std::move(chooser)) {}

DownloadCommand::~DownloadCommand() {
  // Pages first: the profile they use goes with the saver.
  delete window_.data();
  saver_.reset();
}

void DownloadCommand::Open() {
  if (window_ != nullptr) {
    window_->setWindowState(window_->windowState() & ~Qt::WindowMinimized);
    window_->show();
    window_->raise();
    window_->activateWindow();
    return;
  }
  if (saver_ == nullptr) saver_ = std::make_unique<DownloadSaver>(chooser_);
  const Text address = selectedAddress_ ? selectedAddress_() : Text();
  window_ = new DownloadWindow(saver_.get());
  window_->show();
  window_->ShowDownloadAddress(address);
}
