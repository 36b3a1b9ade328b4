// The local file paths of a drop that arrives as a "text/uri-list".
#pragma once

#include <string_view>
#include <vector>

#include "platform/system.h"

// One path per "file:" URI of the list (one URI a line, lines starting with
// "#" skipped), in the list's order. The host must be empty or "localhost".
// Percent escapes are decoded to the path's own bytes, so a name in any
// encoding comes through unchanged. Other URIs, and paths that would hold a
// zero byte, are left out; an empty list gives no paths.
std::vector<Path> LocalPathsFromUriList(std::string_view uriList);
