// The program-wide state: created at start-up, touched only by the
// user-interface thread, released at the end.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "text/text.h"
#include "text/text_array.h"

// A top-level window as the window system names it; 0 is no window.
using WindowHandle = std::uintptr_t;

// One visible top-level window, as one enumeration of the desktop found it.
struct WindowRecord {
  WindowHandle window = 0;
  std::int32_t processId = 0;  // the process that owns the window
  std::int32_t threadId = 0;   // the thread that created it
  Text title;                  // its caption, at most 255 bytes
  Text className;              // its kind, at most 49 bytes
};

struct ProgramState {
  bool rippleOn = false;
  Text pageText;        // the answer page of the latest analysis
  TextArray linkList;   // every link fragment of that page
  int linkIndex = 0;    // 1-based index of the link examined last
  int newRowIndex = 0;  // 0-based index of the row added last
  std::vector<WindowRecord> windowRecords;  // filled and emptied within one GatherWindows
  std::string rippleImagePath;  // the temporary picture file, in the system's encoding
};

// The one state of the program.
ProgramState& State();

// Frees everything the state holds; deletes no file.
void ReleaseState();
