#include "app/merge_command.h"

#include "app/bring_to_front.h"

MergeCommand::MergeCommand(Path outputDirectory) : outputDirectory_(std::move(outputDirectory)) {}

MergeCommand::~MergeCommand() { delete window_.data(); }

void MergeCommand::Open() {
  if (window_ != nullptr) {
    BringToFront(window_);
    return;
  }
  window_ = new MergeWindow(outputDirectory_);
  window_->setAttribute(Qt::WA_DeleteOnClose);
  window_->show();
}
