#include "fetch/request_plan.h"

#include <string>

#include "fetch/address_split.h"
#include "fetch/request_headers.h"
#include "text/bytes.h"
#include "text/text_build.h"
#include "text/text_change.h"
#include "text/text_search.h"

namespace {

// The path with the bytes the client cannot take raw (blanks, control bytes,
// DEL) percent-encoded; every other byte stays as it is.
Text EscapedPath(std::string_view path) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  Text escaped;
  escaped.reserve(path.size());
  for (char c : path) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte <= 0x20 || byte == 0x7F) {
      escaped += '%';
      escaped += kHex[byte >> 4];
      escaped += kHex[byte & 0x0F];
    } else {
      escaped += c;
    }
  }
  return escaped;
}

}  // namespace

int TlsPortOf(std::string_view address) {
  Text rest(address);
  const Text scheme = LowerText(LeftText(address, 8));
  if (TextEquals(scheme, "https://")) {
    rest = ReplaceAt(rest, 1, 8);
  } else if (TextEquals(LeftText(scheme, 7), "http://")) {
    rest = ReplaceAt(rest, 1, 7);
  }
  const int slash = FindText(rest, "/");
  const Text hostAndPort = slash > 0 ? LeftText(rest, slash - 1) : rest;
  if (FindText(hostAndPort, ":") < 0) return 443;
  return PortOf(hostAndPort);
}

RequestPlan PlanRequest(const FetchRecord& record) {
  auto slot = [&record](FetchSlot index) -> const Bytes& { return record[index]; };
  const Text address = BytesToText(slot(kAddressSlot));
  const Text method = BytesToText(slot(kMethodSlot));
  const Text headers = BytesToText(slot(kHeadersSlot));
  const Text cookies = BytesToText(slot(kCookiesSlot));
  const bool redirectsAllowed = TextEquals(BytesToText(slot(kRedirectsSlot)), FlagText(true));

  RequestPlan plan;
  plan.post = TextEquals(method, "POST");
  plan.send = plan.post || TextEquals(method, "GET");
  plan.tls = FindText(LowerText(address), "https://") > 0;
  plan.port = plan.tls ? TlsPortOf(address) : PortOf(address);
  plan.url = JoinText(plan.tls ? "https://" : "http://", HostOf(address), ":",
                      std::to_string(plan.port), EscapedPath(PathOf(address)));
  if (!plan.tls && !slot(kProxySlot).empty()) {
    plan.proxy = JoinText("http://", BytesToText(slot(kProxySlot)));
  }
  plan.userAgent = UserAgentOf(headers);
  plan.headers = CompleteRequestHeaders(headers, address, method, slot(kPostDataSlot).size(), cookies);
  plan.storedCookies = plan.tls || TrimText(cookies).empty();
  plan.followRedirects = plan.tls || redirectsAllowed;
  return plan;
}
