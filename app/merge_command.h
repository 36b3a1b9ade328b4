// The command of the list menu's "合并视频": opens MergeWindow, one at a time.
#pragma once

#include <QPointer>

#include "app/merge_window.h"

class MergeCommand {
 public:
  // Merged files go into `outputDirectory`, the program's own by default.
  explicit MergeCommand(Path outputDirectory = RunDirectory());
  // Closes the merge window; a merge still running is cancelled.
  ~MergeCommand();

  MergeCommand(const MergeCommand&) = delete;
  MergeCommand& operator=(const MergeCommand&) = delete;

  // Opens MergeWindow, modeless and without an owner, with an empty list; the
  // main window stays usable. When it is already open, only brings it to the
  // front (restored first if minimized), list and merge unchanged.
  void Open();

  // The open merge window; null when none is open.
  MergeWindow* window() const { return window_.data(); }

 private:
  Path outputDirectory_;
  QPointer<MergeWindow> window_;
};
