#include "fetch/fetch_worker.h"

#include <curl/curl.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <exception>
#include <thread>
#include <vector>

#include "text/huge_pages.h"
#include "fetch/request_headers.h"
#include "fetch/request_plan.h"
#include "text/bytes.h"
#include "text/text_search.h"

namespace {

// The process-wide client state: the library's global set-up and the cookie
// store every request may share, locked because workers are threads. Made on
// first use and never destroyed, since a worker given up on may still be
// running while the process ends.
class ClientState {
 public:
  static ClientState& Get() {
    static ClientState* const state = new ClientState();
    return *state;
  }

  bool ready() const { return share_ != nullptr; }
  CURLSH* share() const { return share_; }

 private:
  ClientState() {
    if (curl_global_init(CURL_GLOBAL_DEFAULT) != CURLE_OK) return;
    CURLSH* share = curl_share_init();
    if (share == nullptr) return;
    curl_share_setopt(share, CURLSHOPT_LOCKFUNC, &ClientState::Lock);
    curl_share_setopt(share, CURLSHOPT_UNLOCKFUNC, &ClientState::Unlock);
    curl_share_setopt(share, CURLSHOPT_USERDATA, this);
    if (curl_share_setopt(share, CURLSHOPT_SHARE, CURL_LOCK_DATA_COOKIE) != CURLSHE_OK) {
      curl_share_cleanup(share);
      return;
    }
    share_ = share;
  }

  static void Lock(CURL*, curl_lock_data data, curl_lock_access, void* user) {
    static_cast<ClientState*>(user)->locks_[Index(data)].lock();
  }
  static void Unlock(CURL*, curl_lock_data data, void* user) {
    static_cast<ClientState*>(user)->locks_[Index(data)].unlock();
  }
  static std::size_t Index(curl_lock_data data) {
    const auto index = static_cast<std::size_t>(data);
    return index < kLocks ? index : 0;
  }

  static constexpr std::size_t kLocks = CURL_LOCK_DATA_LAST;
  std::mutex locks_[kLocks];
  CURLSH* share_ = nullptr;
};

struct EasyDeleter {
  void operator()(CURL* easy) const { curl_easy_cleanup(easy); }
};
struct MultiDeleter {
  void operator()(CURLM* multi) const { curl_multi_cleanup(multi); }
};
struct ListDeleter {
  void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};
using EasyHandle = std::unique_ptr<CURL, EasyDeleter>;
using MultiHandle = std::unique_ptr<CURLM, MultiDeleter>;
using HeaderList = std::unique_ptr<curl_slist, ListDeleter>;

// A body larger than this is not reserved in advance on the word of its
// Content-Length; it grows as it arrives.
constexpr curl_off_t kLargestReserve = curl_off_t{1} << 30;

// What one transfer has received so far. Only the last response counts: the
// header block and body of a redirect or an interim answer are dropped when
// the next status line arrives.
struct Reception {
  FetchJob* job = nullptr;
  CURL* easy = nullptr;
  Bytes body;
  std::string headers;
  bool headersEnded = false;
  bool bodyReserved = false;
};

// Appends to the body, growing it geometrically (amortised constant time per
// byte); false when memory runs out.
bool Append(Bytes& bytes, const char* data, std::size_t size) {
  try {
    if (bytes.capacity() - bytes.size() < size) {
      bytes.reserve(std::max(bytes.capacity() * 2, bytes.size() + size));
      AdviseHugePages(bytes);
    }
    const auto* begin = reinterpret_cast<const std::uint8_t*>(data);
    bytes.insert(bytes.end(), begin, begin + size);
    return true;
  } catch (...) {  // out of memory: the transfer ends with what it has
    return false;
  }
}

std::size_t OnHeader(char* data, std::size_t size, std::size_t count, void* user) {
  auto& reception = *static_cast<Reception*>(user);
  const std::size_t length = size * count;
  std::string_view line(data, length);
  if (line.starts_with("HTTP/")) {
    reception.headers.clear();
    Bytes().swap(reception.body);
    reception.headersEnded = false;
    reception.bodyReserved = false;
  } else if (reception.headersEnded) {
    return length;  // trailers after a body are not part of the header block
  }
  while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.remove_suffix(1);
  reception.headers.append(line);
  reception.headers.append("\r\n");
  if (line.empty()) reception.headersEnded = true;
  return length;
}

std::size_t OnBody(char* data, std::size_t size, std::size_t count, void* user) {
  auto& reception = *static_cast<Reception*>(user);
  const std::size_t length = size * count;
  if (reception.job->Abandoned()) return 0;
  if (!reception.bodyReserved) {
    reception.bodyReserved = true;
    curl_off_t expected = -1;
    if (curl_easy_getinfo(reception.easy, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &expected) == CURLE_OK &&
        expected > 0 && expected <= kLargestReserve) {
      try {
        reception.body.reserve(static_cast<std::size_t>(expected));
        AdviseHugePages(reception.body);
      } catch (...) {  // no room in advance: grow as it comes
      }
    }
  }
  return Append(reception.body, data, length) ? length : 0;
}

int OnProgress(void* user, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
  return static_cast<FetchJob*>(user)->Abandoned() ? 1 : 0;
}

// True when some line of the header block starts with `name` and a colon.
bool HasHeaderLine(const std::vector<std::string>& lines, std::string_view name) {
  return std::any_of(lines.begin(), lines.end(), [name](const std::string& line) {
    return line.size() > name.size() && line[name.size()] == ':' &&
           FragmentAt(line, 0, name, true);
  });
}

// The header text as the client's list of lines. Lines end at "\n" with one
// "\r" before it dropped, and empty lines are left out. A line with nothing
// but blanks after its colon is passed so that it is sent empty rather than
// taken as a request to drop the header. Defaults of the client's own that the
// text does not ask for (Accept, the form Content-Type, Expect) are switched off.
HeaderList HeaderLines(std::string_view text, bool post) {
  std::vector<std::string> lines;
  while (!text.empty()) {
    std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty()) continue;
    std::string entry(line);
    const std::size_t colon = entry.find(':');
    if (colon != std::string::npos &&
        entry.find_first_not_of(' ', colon + 1) == std::string::npos) {
      entry.resize(colon);
      entry += ';';
    }
    lines.push_back(std::move(entry));
  }
  const bool accept = HasHeaderLine(lines, "Accept");
  const bool contentType = HasHeaderLine(lines, "Content-Type");
  if (!accept) lines.emplace_back("Accept:");
  if (post && !contentType) lines.emplace_back("Content-Type:");
  lines.emplace_back("Expect:");

  curl_slist* list = nullptr;
  for (const std::string& line : lines) {
    curl_slist* longer = curl_slist_append(list, line.c_str());
    if (longer == nullptr) {
      curl_slist_free_all(list);
      return nullptr;
    }
    list = longer;
  }
  return HeaderList(list);
}

// Puts the cookies a transfer's own cookie store collected into the shared one.
void ShareCookies(CURL* easy, CURLSH* share) {
  curl_slist* cookies = nullptr;
  if (curl_easy_getinfo(easy, CURLINFO_COOKIELIST, &cookies) != CURLE_OK || cookies == nullptr) return;
  HeaderList owned(cookies);
  EasyHandle store(curl_easy_init());
  if (!store || curl_easy_setopt(store.get(), CURLOPT_SHARE, share) != CURLE_OK) return;
  for (curl_slist* cookie = cookies; cookie != nullptr; cookie = cookie->next) {
    curl_easy_setopt(store.get(), CURLOPT_COOKIELIST, cookie->data);
  }
}

// Sets up the transfer; false when the client refuses a setting.
bool Configure(CURL* easy, const RequestPlan& plan, const Bytes& postData, curl_slist* headers,
               Reception& reception, FetchJob& job, CURLSH* share) {
  bool ok = true;
  auto set = [&ok, easy](CURLoption option, auto value) {
    ok = ok && curl_easy_setopt(easy, option, value) == CURLE_OK;
  };
  set(CURLOPT_URL, plan.url.c_str());
  set(CURLOPT_PROTOCOLS_STR, "http,https");
  set(CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
  // An empty proxy is a direct connection, whatever the environment says.
  set(CURLOPT_PROXY, plan.proxy.c_str());
  set(CURLOPT_NOPROXY, "");
  set(CURLOPT_HTTP_VERSION, static_cast<long>(CURL_HTTP_VERSION_1_1));
  set(CURLOPT_PATH_AS_IS, 1L);
  set(CURLOPT_NOSIGNAL, 1L);
  set(CURLOPT_USERAGENT, plan.userAgent.c_str());
  set(CURLOPT_HTTPHEADER, headers);
  set(CURLOPT_FOLLOWLOCATION, plan.followRedirects ? 1L : 0L);
  set(CURLOPT_MAXREDIRS, 30L);
  if (plan.post) {
    set(CURLOPT_POST, 1L);
    set(CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(postData.size()));
    set(CURLOPT_POSTFIELDS, postData.empty() ? "" : reinterpret_cast<const char*>(postData.data()));
  } else {
    set(CURLOPT_HTTPGET, 1L);
  }
  // The cookie engine runs for every request. With the shared store the
  // stored cookies go along and the response's land in it; without, the
  // transfer starts from an empty store of its own.
  set(CURLOPT_COOKIEFILE, "");
  if (plan.storedCookies) set(CURLOPT_SHARE, share);
  set(CURLOPT_HEADERFUNCTION, &OnHeader);
  set(CURLOPT_HEADERDATA, &reception);
  set(CURLOPT_WRITEFUNCTION, &OnBody);
  set(CURLOPT_WRITEDATA, &reception);
  set(CURLOPT_XFERINFOFUNCTION, &OnProgress);
  set(CURLOPT_XFERINFODATA, &job);
  set(CURLOPT_NOPROGRESS, 0L);
  set(CURLOPT_BUFFERSIZE, 256L * 1024L);
  return ok;
}

// Runs the transfer until it ends or the job is abandoned.
void Transfer(CURL* easy, FetchJob& job) {
  MultiHandle multi(curl_multi_init());
  if (!multi || curl_multi_add_handle(multi.get(), easy) != CURLM_OK) return;
  CURLM* waiting = multi.get();
  job.SetInterrupt([waiting] { curl_multi_wakeup(waiting); });
  int active = 1;
  while (active > 0 && !job.Abandoned()) {
    if (curl_multi_perform(waiting, &active) != CURLM_OK) break;
    if (active > 0 && curl_multi_poll(waiting, nullptr, 0, 1000, nullptr) != CURLM_OK) break;
  }
  job.SetInterrupt({});
  curl_multi_remove_handle(waiting, easy);
}

// What a request brought back: the body and the raw headers of the last
// response. Both empty when no response arrived.
struct Results {
  Bytes body;
  Text headers;
};

Results Execute(const FetchRecord& record, FetchJob& job) {
  const RequestPlan plan = PlanRequest(record);
  if (!plan.send) return {};
  ClientState& client = ClientState::Get();
  if (!client.ready()) return {};
  EasyHandle easy(curl_easy_init());
  if (!easy) return {};
  HeaderList headers = HeaderLines(plan.headers, plan.post);
  if (!headers) return {};
  Reception reception;
  reception.job = &job;
  reception.easy = easy.get();
  if (!Configure(easy.get(), plan, record[kPostDataSlot], headers.get(), reception, job, client.share())) {
    return {};
  }
  Transfer(easy.get(), job);
  if (job.Abandoned()) return {};
  if (!plan.storedCookies) ShareCookies(easy.get(), client.share());
  return {std::move(reception.body), std::move(reception.headers)};
}

}  // namespace

FetchJob::FetchJob(std::function<void()> onFinished) : onFinished_(std::move(onFinished)) {}

void FetchJob::Abandon() {
  std::lock_guard<std::mutex> lock(mutex_);
  abandoned_.store(true, std::memory_order_release);
  if (interrupt_) interrupt_();
}

void FetchJob::SetInterrupt(std::function<void()> interrupt) {
  std::lock_guard<std::mutex> lock(mutex_);
  interrupt_ = std::move(interrupt);
}

void FetchJob::Finish() {
  std::lock_guard<std::mutex> lock(mutex_);
  finished_.store(true, std::memory_order_release);
  if (!abandoned_.load(std::memory_order_acquire) && onFinished_) onFinished_();
}

void FetchWorker(std::shared_ptr<FetchJob> job) {
  FetchRecord record;
  SeekToStart(job->buffer);
  if (!ReadRecord(job->buffer, record)) record.assign(kFetchSlots, Bytes());
  Results results = Execute(record, *job);
  if (!job->Abandoned()) {
    record[kBodySlot] = std::move(results.body);
    record[kResponseCookiesSlot] = TextToBytes(ResponseCookieText(results.headers));
    record[kResponseHeadersSlot] = TextToBytes(results.headers);
    // The request is no longer needed: the results replace it from the start.
    job->buffer = OpenMemoryFile();
    WriteRecord(job->buffer, record);
  }
  // Freed before the caller is told, so that the body is not held three times
  // while the caller reads it back.
  record.clear();
  job->Finish();
}

namespace {

// The threads StartFetchWorker has started and not yet joined. A thread whose
// run has ended is joined at the next start or count, so that none lingers and
// a count of 0 means every one has fully gone. Made on first use and never
// destroyed: a thread given up on may still be running while the process ends.
class WorkerThreads {
 public:
  static WorkerThreads& Get() {
    static WorkerThreads* const threads = new WorkerThreads();
    return *threads;
  }

  bool Start(std::shared_ptr<FetchJob> job) {
    std::lock_guard<std::mutex> lock(mutex_);
    JoinEnded();
    try {
      threads_.reserve(threads_.size() + 1);
      auto ended = std::make_shared<std::atomic<bool>>(false);
      std::thread thread([job = std::move(job), ended]() mutable {
        FetchWorker(std::move(job));
        ended->store(true, std::memory_order_release);
      });
      threads_.push_back(Worker{std::move(thread), std::move(ended)});
    } catch (const std::exception&) {  // no thread, or no memory to keep it
      return false;
    }
    return true;
  }

  int Running() {
    std::lock_guard<std::mutex> lock(mutex_);
    JoinEnded();
    return static_cast<int>(threads_.size());
  }

 private:
  struct Worker {
    std::thread thread;
    std::shared_ptr<std::atomic<bool>> ended;
  };

  void JoinEnded() {
    auto ended = std::partition(threads_.begin(), threads_.end(), [](const Worker& worker) {
      return !worker.ended->load(std::memory_order_acquire);
    });
    for (auto worker = ended; worker != threads_.end(); ++worker) worker->thread.join();
    threads_.erase(ended, threads_.end());
  }

  std::mutex mutex_;
  std::vector<Worker> threads_;
};

}  // namespace

bool StartFetchWorker(std::shared_ptr<FetchJob> job) { return WorkerThreads::Get().Start(std::move(job)); }

void ClearFetchCookies() {
  ClientState& client = ClientState::Get();
  if (!client.ready()) return;
  EasyHandle easy(curl_easy_init());
  if (!easy || curl_easy_setopt(easy.get(), CURLOPT_SHARE, client.share()) != CURLE_OK) return;
  curl_easy_setopt(easy.get(), CURLOPT_COOKIELIST, "ALL");
}

int RunningFetchWorkers() { return WorkerThreads::Get().Running(); }
