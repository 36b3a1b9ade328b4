// Feeds arbitrary addresses to host, port and path splitting.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fetch/address_split.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string address(reinterpret_cast<const char*>(data), size);
  address = address.substr(0, address.find('\0'));
  Text host = HostOf(address);
  Text path = PathOf(address);
  PortOf(address);
  if (host.size() > address.size()) __builtin_trap();
  if (path.empty() || path[0] != '/') __builtin_trap();
  return 0;
}
