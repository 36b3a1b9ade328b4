#include "text/text_number.h"

#include <cstdlib>

namespace {

// The ASCII form of the text: 0xA3 b (b in 0xA1..0xFE) becomes b - 0x80,
// 0xA1 0xA1 a space, 0xA1 0xAB a tilde, 0xA1 0xEE and 0xA1 0xEF an asterisk.
Text HalfWidth(std::string_view text) {
  Text ascii;
  ascii.reserve(text.size());
  for (std::size_t p = 0; p < text.size(); ++p) {
    unsigned char lead = static_cast<unsigned char>(text[p]);
    if (lead < 0x80 || p + 1 >= text.size()) {
      ascii.push_back(text[p]);
      continue;
    }
    unsigned char trail = static_cast<unsigned char>(text[p + 1]);
    if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE) {
      ascii.push_back(static_cast<char>(trail - 0x80));
    } else if (lead == 0xA1 && trail == 0xA1) {
      ascii.push_back(' ');
    } else if (lead == 0xA1 && trail == 0xAB) {
      ascii.push_back('~');
    } else if (lead == 0xA1 && (trail == 0xEE || trail == 0xEF)) {
      ascii.push_back('*');
    } else {
      ascii.push_back(text[p]);
      ascii.push_back(text[p + 1]);
    }
    ++p;
  }
  return ascii;
}

}  // namespace

double TextToNumber(std::string_view text) {
  Text ascii = HalfWidth(text);
  return std::atof(ascii.c_str());
}
