// Finding the program's window that should own a message box.
#pragma once

#include <cstdint>
#include <vector>

#include "app/program_state.h"

// Fills `records`, replacing what it held, with one record per visible
// top-level window that the window list reports, the highest in the stacking
// order first, and returns their number. Captions are cut to 255 bytes and
// class names to 49. The records are collected in the program's
// windowRecords, which are empty again when it returns.
int GatherWindows(std::vector<WindowRecord>& records);

// The visible top-level window of the process that stands highest in the
// stacking order; 0 when the process has none.
WindowHandle FindProcessWindow(std::int32_t processId);
