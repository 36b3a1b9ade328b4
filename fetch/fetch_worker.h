// FetchWorker: runs one HTTP request on a worker thread, reading a FetchRecord
// from a shared buffer and writing the results back into it.
#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>

#include "fetch/fetch_record.h"
#include "text/memory_file.h"

// One request handed from a caller to a worker thread. Both hold it through a
// shared_ptr, so a worker the caller has given up on still owns its buffer.
// The caller touches `buffer` before the worker starts and again only after
// Finished(); the worker touches it in between. Everything else is thread-safe.
class FetchJob {
 public:
  // `onFinished` (may be empty) is called on the worker thread when the
  // results are in the buffer, unless the caller has given up by then.
  explicit FetchJob(std::function<void()> onFinished = {});

  MemoryFile buffer;

  // True once the worker has written its results back (acquire).
  bool Finished() const { return finished_.load(std::memory_order_acquire); }

  // The caller gives up on the worker: the worker stops as soon as it can
  // (an ongoing transfer is broken off within a fraction of a second) and
  // writes nothing back; `onFinished` is not called after this returns.
  void Abandon();
  bool Abandoned() const { return abandoned_.load(std::memory_order_acquire); }

  // Worker side. `interrupt` (may be empty) breaks the worker's current wait;
  // Abandon calls it. Replacing it waits for a call in progress to return.
  void SetInterrupt(std::function<void()> interrupt);
  // Marks the results as written and calls `onFinished` unless abandoned.
  void Finish();

 private:
  std::mutex mutex_;
  std::function<void()> onFinished_;
  std::function<void()> interrupt_;
  std::atomic<bool> finished_{false};
  std::atomic<bool> abandoned_{false};
};

// Runs the request held in job->buffer and writes the whole record back from
// the buffer's start: slot 1 the body as received (zero bytes kept; whatever
// arrived before a broken connection), slot 2 the cookie text the response
// set, slot 6 the final response's raw headers (status line and header lines,
// each ended by "\r\n", then the empty line), kept whole. When no response
// arrives (no connection, a method other than "GET" or "POST", a client
// failure) slots 1, 2 and 6 come back empty. A buffer that holds no record
// counts as a record of empty slots. Cookies the response sets also go into
// the process-wide cookie store. Meant as a thread's entry; the job's
// Finish() is called at the end, and nothing is written back once abandoned.
void FetchWorker(std::shared_ptr<FetchJob> job);

// Starts FetchWorker(job) on a new thread of its own, which is joined once
// its run has ended (at a later start or count); false when no thread could
// be started.
bool StartFetchWorker(std::shared_ptr<FetchJob> job);

// Empties the process-wide cookie store.
void ClearFetchCookies();

// How many threads started by StartFetchWorker have not yet ended; those that
// have are joined first, so 0 means every one has fully gone.
int RunningFetchWorkers();
