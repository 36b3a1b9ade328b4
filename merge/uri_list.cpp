#include "merge/uri_list.h"

namespace {

constexpr std::string_view kFileScheme = "file:";
constexpr std::string_view kLocalHost = "localhost";

int HexValue(char digit) {
  if (digit >= '0' && digit <= '9') return digit - '0';
  if (digit >= 'a' && digit <= 'f') return digit - 'a' + 10;
  if (digit >= 'A' && digit <= 'F') return digit - 'A' + 10;
  return -1;
}

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
  if (text.size() < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    char c = text[i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != prefix[i]) return false;
  }
  return true;
}

std::string_view TrimLineEnd(std::string_view line) {
  while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t')) {
    line.remove_suffix(1);
  }
  return line;
}

// The decoded path of one line; empty when the line names no local file.
Path PathOfUri(std::string_view uri) {
  if (!StartsWithIgnoringCase(uri, kFileScheme)) return Path();
  uri.remove_prefix(kFileScheme.size());
  if (uri.starts_with("//")) {
    uri.remove_prefix(2);
    const std::size_t slash = uri.find('/');
    if (slash == std::string_view::npos) return Path();
    const std::string_view host = uri.substr(0, slash);
    const bool localHost = host.size() == kLocalHost.size() && StartsWithIgnoringCase(host, kLocalHost);
    if (!host.empty() && !localHost) return Path();
    uri.remove_prefix(slash);
  }
  if (!uri.starts_with('/')) return Path();
  uri = uri.substr(0, uri.find_first_of("?#"));

  Path path;
  path.reserve(uri.size());
  for (std::size_t i = 0; i < uri.size(); ++i) {
    if (uri[i] == '%' && i + 2 < uri.size() && HexValue(uri[i + 1]) >= 0 && HexValue(uri[i + 2]) >= 0) {
      const char byte = static_cast<char>(HexValue(uri[i + 1]) * 16 + HexValue(uri[i + 2]));
      if (byte == '\0') return Path();
      path.push_back(byte);
      i += 2;
    } else {
      path.push_back(uri[i]);
    }
  }
  return path;
}

}  // namespace

std::vector<Path> LocalPathsFromUriList(std::string_view uriList) {
  std::vector<Path> paths;
  while (!uriList.empty()) {
    const std::size_t end = uriList.find('\n');
    const std::string_view line = TrimLineEnd(uriList.substr(0, end));
    uriList.remove_prefix(end == std::string_view::npos ? uriList.size() : end + 1);
    if (line.empty() || line.front() == '#') continue;
    Path path = PathOfUri(line);
    if (!path.empty()) paths.push_back(std::move(path));
  }
  return paths;
}
