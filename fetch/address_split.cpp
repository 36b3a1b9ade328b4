#include "fetch/address_split.h"

#include <cmath>
#include <cstdint>

#include "text/text_build.h"
#include "text/text_change.h"
#include "text/text_number.h"
#include "text/text_search.h"

Text HostOf(std::string_view address) {
  Text host = ReplaceText(address, "https://", "", 1, -1, true);
  host = ReplaceText(host, "http://", "", 1, -1, true);
  int slash = FindText(host, "/");
  if (slash > 0) host = LeftText(host, slash - 1);
  int colon = FindText(host, ":");
  if (colon > 0) host = LeftText(host, colon - 1);
  return LowerText(host);
}

Text PathOf(std::string_view address) {
  const Text host = HostOf(address);
  int hostAt = FindText(address, host, 1, true);
  int slash = FindText(address, "/", hostAt, true);
  if (slash < 0) return Text("/");
  return RightText(address, TextLength(address) - slash + 1);
}

int PortOf(std::string_view address) {
  Text hostAndPort;
  if (CompareText(LeftText(address, 7), "http://", false) == 0) {
    int slash = FindText(address, "/", 8);
    hostAndPort = slash > 0 ? MidText(address, 8, slash - 8) : ReplaceAt(address, 1, 7);
  } else {
    int slash = FindText(address, "/");
    hostAndPort = slash > 0 ? LeftText(address, slash - 1) : Text(address);
  }
  int colon = FindText(hostAndPort, ":");
  Text portText = colon > 0 ? RightText(hostAndPort, TextLength(hostAndPort) - colon) : Text("80");
  double port = std::trunc(TextToNumber(portText));
  // "nan" and out-of-range numbers are read too; they must not reach the cast.
  if (std::isnan(port)) return 0;
  if (port < INT32_MIN) return INT32_MIN;
  if (port > INT32_MAX) return INT32_MAX;
  return static_cast<int>(port);
}
