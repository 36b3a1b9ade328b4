// Asking the parsing service about a typed page address.
#pragma once

#include <optional>

#include "analysis/address_rows.h"

// Sends the typed address (GBK), every byte percent-encoded, to the service
// behind `queryPrefix` and returns its answer page up to the first zero byte.
// A failed request gives the empty text; no answer within `timeLimitSeconds`
// (default 60) gives the fetch's time-out message. The window's events run
// while it waits.
Text FetchAnswerPage(std::string_view typedAddress, std::string_view queryPrefix = kServiceQueryPrefix,
                     std::optional<int> timeLimitSeconds = std::nullopt);
