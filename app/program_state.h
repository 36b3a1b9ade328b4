// The program-wide state: created at start-up, touched only by the
// user-interface thread, released at the end.
#pragma once

#include <string>
#include <vector>

#include "text/text.h"
#include "text/text_array.h"

struct ProgramState {
  bool rippleOn = false;
  Text pageText;        // the answer page of the latest analysis
  TextArray linkList;   // every link fragment of that page
  int linkIndex = 0;    // 1-based index of the link examined last
  int newRowIndex = 0;  // 0-based index of the row added last
  std::string rippleImagePath;  // the temporary picture file, in the system's encoding
};

// The one state of the program.
ProgramState& State();

// Frees everything the state holds; deletes no file.
void ReleaseState();
