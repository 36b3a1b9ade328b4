#include "text/simplified_chinese.h"

#include <unicode/utrans.h>

#include <array>
#include <mutex>

#include "text/code_page.h"

namespace {

// For each double-byte GBK code (lead << 8 | trail), the code of its simplified
// form, or 0 when the character stays as it is.
using SimplifiedTable = std::array<std::uint16_t, 0x10000>;

bool IsGbkTrail(int trail) { return trail >= 0x40 && trail <= 0xFE && trail != 0x7F; }

// Builds the table once from ICU's traditional-to-simplified transliterator.
// Every GBK character is transliterated alone (one per line, so that phrase
// rules cannot join neighbours); only one-for-one mappings within GBK are kept.
void BuildTable(SimplifiedTable& table) {
  table.fill(0);
  std::vector<std::uint16_t> codes;
  std::u16string line;
  for (int lead = 0x81; lead <= 0xFE; ++lead) {
    for (int trail = 0x40; trail <= 0xFE; ++trail) {
      if (!IsGbkTrail(trail)) continue;
      const char pair[2] = {static_cast<char>(lead), static_cast<char>(trail)};
      std::u16string wide = DecodeText(std::string_view(pair, 2), kGbkCodePage);
      if (wide.size() != 1 || wide[0] == u'\uFFFD' || wide[0] == u'\x1A') continue;
      codes.push_back(static_cast<std::uint16_t>(lead << 8 | trail));
      line.push_back(wide[0]);
      line.push_back(u'\n');
    }
  }
  UErrorCode status = U_ZERO_ERROR;
  UTransliterator* transliterator =
      utrans_openU(u"Traditional-Simplified", -1, UTRANS_FORWARD, nullptr, 0, nullptr, &status);
  if (U_FAILURE(status)) return;
  std::u16string mapped(line.size() * 4, u'\0');
  std::copy(line.begin(), line.end(), mapped.begin());
  int32_t length = static_cast<int32_t>(line.size());
  int32_t limit = length;
  utrans_transUChars(transliterator, reinterpret_cast<UChar*>(mapped.data()), &length,
                     static_cast<int32_t>(mapped.size()), 0, &limit, &status);
  utrans_close(transliterator);
  if (U_FAILURE(status)) return;
  mapped.resize(static_cast<std::size_t>(length));
  std::size_t index = 0;
  std::size_t from = 0;
  while (index < codes.size() && from < mapped.size()) {
    std::size_t to = mapped.find(u'\n', from);
    if (to == std::u16string::npos) break;
    std::u16string_view simplified(mapped.data() + from, to - from);
    if (simplified.size() == 1 && simplified[0] != line[2 * index]) {
      std::string gbk = EncodeText(simplified, kGbkCodePage);
      if (gbk.size() == 2 && gbk != "?") {
        table[codes[index]] = static_cast<std::uint16_t>(
            static_cast<unsigned char>(gbk[0]) << 8 | static_cast<unsigned char>(gbk[1]));
      }
    }
    ++index;
    from = to + 1;
  }
}

const SimplifiedTable& Table() {
  static SimplifiedTable table;
  static std::once_flag built;
  std::call_once(built, [] { BuildTable(table); });
  return table;
}

}  // namespace

Text ToSimplified(std::string_view text) {
  const SimplifiedTable& table = Table();
  Text result(text);
  for (std::size_t p = 0; p < result.size(); ++p) {
    if (!IsLeadByte(result[p])) continue;
    if (p + 1 >= result.size()) break;
    std::uint16_t code = static_cast<std::uint16_t>(static_cast<unsigned char>(result[p]) << 8 |
                                                    static_cast<unsigned char>(result[p + 1]));
    if (std::uint16_t simplified = table[code]; simplified != 0) {
      result[p] = static_cast<char>(simplified >> 8);
      result[p + 1] = static_cast<char>(simplified & 0xFF);
    }
    ++p;
  }
  return result;
}

Text Big5ToGbkSimplified(std::string_view text) { return ToSimplified(Big5ToGbk(text)); }
