#include "analysis/fake_service.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

FakeService::FakeService() {
  listener_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (listener_ < 0) return;
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof address;
  if (::bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
      ::listen(listener_, 16) != 0 ||
      ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
    ::close(listener_);
    listener_ = -1;
    return;
  }
  port_ = ntohs(address.sin_port);
  thread_ = std::thread([this] { Serve(); });
}

FakeService::~FakeService() {
  stopping_ = true;
  if (thread_.joinable()) thread_.join();
  for (std::thread& answering : answering_) answering.join();
  for (int connection : heldConnections_) ::close(connection);
  if (listener_ >= 0) ::close(listener_);
}

std::string FakeService::base() const { return "http://127.0.0.1:" + std::to_string(port_); }

std::string FakeService::queryPrefix() const { return base() + "/parse.php?flag=&format=&kw="; }

void FakeService::SetPage(std::string body) {
  std::lock_guard<std::mutex> lock(mutex_);
  page_ = std::move(body);
}

std::vector<std::string> FakeService::targets() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return targets_;
}

void FakeService::SetDelay(std::string marker, int delayMs) {
  std::lock_guard<std::mutex> lock(mutex_);
  delayMarker_ = std::move(marker);
  delayMs_ = delayMs;
}

void FakeService::Serve() {
  while (!stopping_) {
    pollfd waiting{listener_, POLLIN, 0};
    if (::poll(&waiting, 1, 50) <= 0) continue;
    int connection = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
    if (connection >= 0) answering_.emplace_back([this, connection] { Answer(connection); });
  }
}

void FakeService::Answer(int connection) {
  std::string request;
  char buffer[4096];
  while (request.find("\r\n\r\n") == std::string::npos) {
    pollfd waiting{connection, POLLIN, 0};
    if (::poll(&waiting, 1, 2000) <= 0) break;
    ssize_t got = ::recv(connection, buffer, sizeof buffer, 0);
    if (got <= 0) break;
    request.append(buffer, static_cast<std::size_t>(got));
  }
  const std::size_t firstSpace = request.find(' ');
  const std::size_t secondSpace = request.find(' ', firstSpace + 1);
  std::string body;
  int delayMs = 0;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    std::string target;
    if (firstSpace != std::string::npos && secondSpace != std::string::npos) {
      target = request.substr(firstSpace + 1, secondSpace - firstSpace - 1);
      targets_.push_back(target);
    }
    body = page_;
    if (!delayMarker_.empty() && target.find(delayMarker_) != std::string::npos) delayMs = delayMs_;
    if (silent_) {
      heldConnections_.push_back(connection);
      return;
    }
  }
  for (int waited = 0; waited < delayMs && !stopping_; waited += 10) ::usleep(10000);
  std::string answer = "HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nConnection: close\r\nContent-Length: " +
                       std::to_string(body.size()) + "\r\n\r\n" + body;
  for (std::size_t sent = 0; sent < answer.size();) {
    ssize_t put = ::send(connection, answer.data() + sent, answer.size() - sent, MSG_NOSIGNAL);
    if (put <= 0) break;
    sent += static_cast<std::size_t>(put);
  }
  ::close(connection);
}
