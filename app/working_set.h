// Giving memory that the program no longer uses back to the system.
#pragma once

// Returns the free memory of the process's heap to the system. Cheap when
// there is nothing to return.
void TrimWorkingSet();
