#include "app/merge_command.h"

MergeCommand::MergeCommand(Path outputDirectory) : outputDirectory_(std::move(outputDirectory)) {}

MergeCommand::~MergeCommand() { delete window_.data(); }

void MergeCommand::Open() {
  if (window_ != nullptr) {
    window_->setWindowState(window_->windowState() & ~Qt::WindowMinimized);
    window_->show();
    window_->raise();
    window_->activateWindow();
    return;
  }
  window_ = new MergeWindow(outputDirectory_);
  window_->setAttribute(Qt::WA_DeleteOnClose);
  window_->show();
}
