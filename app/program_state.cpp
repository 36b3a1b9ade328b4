#include "app/program_state.h"

ProgramState& State() {
  static ProgramState state;
  return state;
}

void ReleaseState() { State() = ProgramState(); }
