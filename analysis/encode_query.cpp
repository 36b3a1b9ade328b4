#include "analysis/encode_query.h"

#include "platform/ui_services.h"
#include "text/text_build.h"

namespace {

bool IsSafe(unsigned char byte) {
  return (byte >= 0x2C && byte <= 0x39) || (byte >= 0x41 && byte <= 0x5A) ||
         (byte >= 0x61 && byte <= 0x7A);
}

}  // namespace

Text EncodeQuery(std::string_view text, bool keepSafe) {
  Text encoded;
  encoded.reserve(text.size() * 3);
  for (char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (keepSafe && IsSafe(byte)) {
      encoded += CharText(byte);
    } else {
      const Text hex = HexText(byte);
      encoded += '%';
      if (hex.size() == 1) encoded += '0';
      encoded += hex;
    }
    ProcessEvents();
  }
  return encoded;
}
