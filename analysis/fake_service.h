// A stand-in for the parsing service in tests: an HTTP server on 127.0.0.1
// that answers every request with the page it was given and records what it
// was asked.
#pragma once

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class FakeService {
 public:
  // Listens on a free port of 127.0.0.1; port() is 0 when that failed.
  FakeService();
  // Stops listening and waits for the server's threads.
  ~FakeService();

  int port() const { return port_; }
  // "http://127.0.0.1:PORT"
  std::string base() const;
  // The query prefix of a service at this address.
  std::string queryPrefix() const;

  // The body of every later answer (any bytes, zero bytes included).
  void SetPage(std::string body);
  // When set, requests are read but never answered.
  void SetSilent(bool silent) { silent_ = silent; }
  // Requests whose target contains `marker` are answered after `delayMs`.
  void SetDelay(std::string marker, int delayMs);
  // The request targets received so far ("/parse.php?...").
  std::vector<std::string> targets() const;

 private:
  void Serve();
  void Answer(int connection);

  int listener_ = -1;
  int port_ = 0;
  std::atomic<bool> stopping_{false};
  std::atomic<bool> silent_{false};
  mutable std::mutex mutex_;
  std::string page_;
  std::string delayMarker_;
  int delayMs_ = 0;
  std::vector<std::string> targets_;
  std::vector<int> heldConnections_;
  std::vector<std::thread> answering_;  // one thread per connection
  std::thread thread_;
};
