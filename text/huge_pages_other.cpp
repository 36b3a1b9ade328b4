#include "text/huge_pages.h"

void AdviseHugePages(const Bytes&) {}
