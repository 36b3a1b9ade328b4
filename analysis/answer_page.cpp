#include "analysis/answer_page.h"

#include "fetch/fetch_page.h"
#include "text/bytes.h"

Text FetchAnswerPage(std::string_view typedAddress, std::string_view queryPrefix,
                     std::optional<int> timeLimitSeconds) {
  Text query = QueryAddress(typedAddress, queryPrefix);
  FetchOptions options;
  options.timeLimit = timeLimitSeconds;
  return BytesToText(FetchPage(query, options));
}
