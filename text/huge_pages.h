// Advice to the system about large buffers.
#pragma once

#include "text/text.h"

// Asks the system to back the reserved storage of `bytes` with huge pages, so
// that filling a large body the first time costs far fewer page faults. Does
// nothing for small buffers or where the system offers no such advice.
void AdviseHugePages(const Bytes& bytes);
