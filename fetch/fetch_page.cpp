#include "fetch/fetch_page.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <memory>

#include "fetch/fetch_record.h"
#include "fetch/fetch_worker.h"
#include "platform/system.h"
#include "platform/ui_services.h"
#include "text/bytes.h"
#include "text/code_page.h"
#include "text/simplified_chinese.h"
#include "text/text_build.h"
#include "text/text_change.h"
#include "text/text_search.h"

namespace {

constexpr std::int64_t kDefaultLimitMs = 60000;

// FetchPage calls of this thread now waiting, nested ones included.
thread_local int waitingFetches = 0;

FetchRecord RequestRecord(const Text& address, const FetchOptions& options) {
  FetchRecord record(kFetchSlots);
  record[kAddressSlot] = TextToBytes(address);
  record[kMethodSlot] = TextToBytes(options.method == 1 ? "POST" : "GET");
  record[kProxySlot] = TextToBytes(options.proxy);
  record[kHeadersSlot] = TextToBytes(options.headers);
  record[kPostDataSlot] = options.postData;
  record[kCookiesSlot] = TextToBytes(options.cookies);
  record[kRedirectsSlot] = TextToBytes(FlagText(options.allowRedirects.value_or(true)));
  return record;
}

Bytes Converted(Bytes body, int conversion) {
  switch (conversion) {
    case 1:
      return TextToBytes(Utf8ToAnsi(BytesToText(body)));
    case 2:
      return TextToBytes(Big5ToGbkSimplified(BytesToText(body)));
    default:
      return body;
  }
}

}  // namespace

Bytes FetchPage(Text& address, const FetchOptions& options) {
  if (TrimText(address).empty()) return Bytes();
  if (!TextEquals(LeftText(address, 7), "http://") && !TextEquals(LeftText(address, 8), "https://")) {
    address = JoinText("http://", address);
  }

  UiServices& ui = Ui();
  auto job = std::make_shared<FetchJob>([&ui] { ui.Wake(); });
  if (!WriteRecord(job->buffer, RequestRecord(address, options))) return Bytes();
  if (!StartFetchWorker(job)) return Bytes();

  // Every wait is given the whole limit; the limit of the call is kept by
  // looking at the time after each wake-up, and it wins over a worker that
  // has just ended.
  const auto start = static_cast<std::uint32_t>(UptimeMs());
  const std::int64_t limitMs =
      options.timeLimit ? static_cast<std::int64_t>(*options.timeLimit) * 1000 : kDefaultLimitMs;
  const int waitMs = static_cast<int>(std::clamp<std::int64_t>(limitMs, 0, INT_MAX));
  bool timedOut = false;
  ++waitingFetches;
  for (;;) {
    // A wake-up may be meant for another call; only the job's own flag counts.
    if (!job->Finished()) ui.WaitForEvents(waitMs);
    const bool finished = job->Finished();
    const std::int64_t elapsed = static_cast<std::uint32_t>(UptimeMs()) - start;
    timedOut = elapsed >= limitMs;
    ui.ProcessEvents();
    if (timedOut || finished) break;
  }
  --waitingFetches;
  job->Abandon();
  // This call may have taken the wake-up of an enclosing call's worker.
  if (waitingFetches > 0) ui.Wake();

  if (timedOut) return TextToBytes(kFetchTimeoutMessage);

  FetchRecord results;
  SeekToStart(job->buffer);
  if (!TakeRecord(job->buffer, results)) results.assign(kFetchSlots, Bytes());
  CloseFile(job->buffer);
  if (options.responseHeaders != nullptr) {
    *options.responseHeaders = BytesToText(results[kResponseHeadersSlot]);
  }
  if (options.responseCookies != nullptr) {
    *options.responseCookies = BytesToText(results[kResponseCookiesSlot]);
  }
  return Converted(std::move(results[kBodySlot]), options.conversion);
}
