// The window system's list of top-level windows: the small part of the
// platform that choosing the owner of a message box needs. One implementation
// per toolkit (window_list_qt.cpp).
#pragma once

#include <cstdint>
#include <functional>

#include "app/program_state.h"

// One top-level window as the window system reports it.
struct ListedWindow {
  WindowHandle window = 0;  // 0 for a window the system has not made yet
  bool visible = false;
  std::int32_t processId = 0;
  std::int32_t threadId = 0;
  Text title;      // the caption in GBK, whole
  Text className;  // the kind of window, whole
};

class WindowList {
 public:
  virtual ~WindowList() = default;

  // Calls `visit` for every top-level window the system lets this program
  // see, the highest in the stacking order first.
  virtual void ForEachWindow(const std::function<void(const ListedWindow&)>& visit) = 0;

  // The id of this process.
  virtual std::int32_t CurrentProcessId() = 0;
};

// The list in use: the toolkit's own until another is installed.
WindowList& Windows();

// Makes `list` (not owned; null restores the toolkit's) the one in use.
void InstallWindowList(WindowList* list);
