#include "fetch/test_http_server.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstring>

namespace {

constexpr std::string_view kPatternAlphabet =
    "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz-_";
constexpr std::size_t kChunk = std::size_t{1} << 20;  // a multiple of the alphabet's length

bool SendAll(int fd, const char* data, std::size_t size) {
  while (size > 0) {
    const ssize_t sent = ::send(fd, data, size, MSG_NOSIGNAL);
    if (sent <= 0) return false;
    data += sent;
    size -= static_cast<std::size_t>(sent);
  }
  return true;
}

bool SendPattern(int fd, std::uint64_t count) {
  static const std::string chunk = PatternBytes(kChunk);
  while (count > 0) {
    const std::size_t size = static_cast<std::size_t>(std::min<std::uint64_t>(count, chunk.size()));
    if (!SendAll(fd, chunk.data(), size)) return false;
    count -= size;
  }
  return true;
}

std::string Lower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return lower;
}

// The value of the Content-Length line of a request head, or 0.
std::size_t ContentLength(std::string_view head) {
  const std::string lower = Lower(head);
  const std::size_t at = lower.find("\r\ncontent-length:");
  if (at == std::string::npos) return 0;
  return static_cast<std::size_t>(std::strtoull(lower.c_str() + at + 17, nullptr, 10));
}

// Reads one request; false when the client sent nothing that looks like one
// (what it sent is still in raw).
bool ReadRequest(int fd, TestHttpServer::Request& request) {
  char buffer[65536];
  std::size_t headEnd = std::string::npos;
  while (headEnd == std::string::npos) {
    const ssize_t got = ::recv(fd, buffer, sizeof buffer, 0);
    if (got <= 0) return false;
    request.raw.append(buffer, static_cast<std::size_t>(got));
    if (!std::isupper(static_cast<unsigned char>(request.raw[0]))) return false;
    headEnd = request.raw.find("\r\n\r\n");
  }
  const std::string_view head = std::string_view(request.raw).substr(0, headEnd + 2);
  const std::size_t space = head.find(' ');
  const std::size_t space2 = head.find(' ', space + 1);
  request.method = std::string(head.substr(0, space));
  if (space != std::string_view::npos && space2 != std::string_view::npos) {
    request.target = std::string(head.substr(space + 1, space2 - space - 1));
  }
  const std::size_t bodyStart = headEnd + 4;
  const std::size_t length = ContentLength(head);
  while (request.raw.size() < bodyStart + length) {
    const ssize_t got = ::recv(fd, buffer, sizeof buffer, 0);
    if (got <= 0) break;
    request.raw.append(buffer, static_cast<std::size_t>(got));
  }
  request.body = request.raw.substr(bodyStart);
  return true;
}

}  // namespace

TestHttpServer::TestHttpServer(Handler handler) : handler_(std::move(handler)) {
  listener_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (listener_ < 0 || ::pipe(stopPipe_) != 0) return;
  const int on = 1;
  ::setsockopt(listener_, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t size = sizeof address;
  if (::bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
      ::listen(listener_, 64) != 0 ||
      ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &size) != 0) {
    return;
  }
  port_ = ntohs(address.sin_port);
  accepting_ = std::thread(&TestHttpServer::Accept, this);
}

TestHttpServer::~TestHttpServer() {
  stopping_ = true;
  if (accepting_.joinable()) {
    const char stop = 1;
    (void)!::write(stopPipe_[1], &stop, 1);
    accepting_.join();
  }
  {
    std::lock_guard<std::mutex> lock(mutex_);
    for (int connection : connections_) ::shutdown(connection, SHUT_RDWR);
  }
  for (std::thread& thread : serving_) thread.join();
  for (int fd : {listener_, stopPipe_[0], stopPipe_[1]}) {
    if (fd >= 0) ::close(fd);
  }
}

std::string TestHttpServer::base() const { return "http://127.0.0.1:" + std::to_string(port_); }

std::vector<TestHttpServer::Request> TestHttpServer::requests() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return requests_;
}

bool TestHttpServer::WaitForRequests(int count, int timeoutMs) {
  std::unique_lock<std::mutex> lock(mutex_);
  return changed_.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                           [&] { return static_cast<int>(requests_.size()) >= count; });
}

bool TestHttpServer::WaitForClientCloses(int count, int timeoutMs) {
  std::unique_lock<std::mutex> lock(mutex_);
  return changed_.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                           [&] { return clientCloses_ >= count; });
}

void TestHttpServer::Accept() {
  for (;;) {
    pollfd watched[2] = {{listener_, POLLIN, 0}, {stopPipe_[0], POLLIN, 0}};
    if (::poll(watched, 2, -1) < 0) continue;
    if (watched[1].revents != 0 || stopping_) return;
    const int connection = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
    if (connection < 0) continue;
    std::lock_guard<std::mutex> lock(mutex_);
    connections_.push_back(connection);
    serving_.emplace_back(&TestHttpServer::Serve, this, connection);
  }
}

void TestHttpServer::Serve(int connection) {
  Request request;
  const bool isHttp = ReadRequest(connection, request);
  {
    std::lock_guard<std::mutex> lock(mutex_);
    requests_.push_back(request);
  }
  changed_.notify_all();

  Reply reply;
  if (isHttp) reply = handler_(request);
  bool open = SendAll(connection, reply.bytes.data(), reply.bytes.size()) &&
              SendPattern(connection, reply.patternBytes);
  if (open && reply.end == Reply::End::kReset) {
    const linger reset{1, 0};
    ::setsockopt(connection, SOL_SOCKET, SO_LINGER, &reset, sizeof reset);
    open = false;
  }
  if (open && (reply.end == Reply::End::kClose || !isHttp)) ::shutdown(connection, SHUT_WR);
  if (open) {
    // Whatever else the client sends is read and dropped until it closes.
    char buffer[4096];
    while (::recv(connection, buffer, sizeof buffer, 0) > 0) {
    }
  }
  std::lock_guard<std::mutex> lock(mutex_);
  if (open && !stopping_) ++clientCloses_;
  connections_.erase(std::find(connections_.begin(), connections_.end(), connection));
  ::close(connection);
  changed_.notify_all();
}

std::string HttpAnswer(int status, std::string_view reason, std::string_view headers,
                       std::string_view body) {
  std::string answer = "HTTP/1.1 " + std::to_string(status) + " " + std::string(reason) + "\r\n";
  answer += headers;
  answer += "Content-Length: " + std::to_string(body.size()) + "\r\nConnection: close\r\n\r\n";
  answer += body;
  return answer;
}

std::string PatternBytes(std::size_t count) {
  std::string bytes(count, '\0');
  for (std::size_t i = 0; i < count; ++i) bytes[i] = kPatternAlphabet[i % kPatternAlphabet.size()];
  return bytes;
}

TestHttpServer::Reply ForwardRequest(const TestHttpServer::Request& request) {
  TestHttpServer::Reply failed{HttpAnswer(502, "Bad Gateway", "", "")};
  constexpr std::string_view kScheme = "http://";
  if (request.target.rfind(kScheme, 0) != 0) return failed;
  const std::string authority = request.target.substr(kScheme.size(), request.target.find('/', kScheme.size()) - kScheme.size());
  const std::string path = request.target.substr(kScheme.size() + authority.size());
  const std::size_t colon = authority.find(':');
  const std::string host = authority.substr(0, colon);
  const int port = colon == std::string::npos ? 80 : std::atoi(authority.c_str() + colon + 1);

  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(static_cast<std::uint16_t>(port));
  if (::inet_pton(AF_INET, host.c_str(), &address.sin_addr) != 1) return failed;
  const int upstream = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (upstream < 0) return failed;
  if (::connect(upstream, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
    ::close(upstream);
    return failed;
  }
  std::string forwarded = request.raw;
  forwarded.replace(request.method.size() + 1, request.target.size(), path.empty() ? "/" : path);
  TestHttpServer::Reply reply;
  if (SendAll(upstream, forwarded.data(), forwarded.size())) {
    char buffer[65536];
    ssize_t got;
    while ((got = ::recv(upstream, buffer, sizeof buffer, 0)) > 0) {
      reply.bytes.append(buffer, static_cast<std::size_t>(got));
    }
  }
  ::close(upstream);
  return reply.bytes.empty() ? failed : reply;
}
