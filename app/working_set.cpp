#include "app/working_set.h"

#include <malloc.h>

void TrimWorkingSet() { malloc_trim(0); }
