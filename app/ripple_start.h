// The main window's use of the ripple effect: starting it when the window is
// created, and a stone under the pointer on every mouse move.
#pragma once

#include "app/program_state.h"
#include "app/ripple_client.h"

class QWidget;

// Run once by the main window's creation handler, on the picture box
// 图片框1: installs the ripple library when WaveLibraryPath() names no file,
// writes the ripple picture to a fresh temporary file (state.rippleImagePath),
// starts the surface on `pictureBox`, selects the travelling stone and then
// rain with random parameters from the program's generator (seeded from the
// clock), and turns state.rippleOn over (false to true). Neither the writes
// nor the start are checked.
void StartRipple(ProgramState& state, QWidget* pictureBox, WaveCalls& wave = Wave());

// Handler of a mouse move over the picture box at (x, y), in its pixels:
// while state.rippleOn is set, a stone of random size 0 to 5 and height 15.
void DropMouseStone(const ProgramState& state, int x, int y, WaveCalls& wave = Wave());
