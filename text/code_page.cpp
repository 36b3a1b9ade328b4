#include "text/code_page.h"

#include <unicode/ucnv.h>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include <array>
#include <map>
#include <memory>
#include <mutex>

namespace {

const char* ConverterName(int codePage) {
  switch (codePage) {
    case kAnsiCodePage:
    case kGbkCodePage: return "windows-936-2000";
    case kBig5CodePage: return "windows-950-2000";
    case kUtf8CodePage: return "UTF-8";
    default: return nullptr;
  }
}

struct ConverterCloser {
  void operator()(UConverter* converter) const { ucnv_close(converter); }
};
using ConverterHandle = std::unique_ptr<UConverter, ConverterCloser>;

// One converter per code page and thread: converters keep state and are not
// safe to share, and opening one per call is slow. Null when ICU lacks it.
UConverter* ConverterFor(int codePage) {
  thread_local std::map<int, ConverterHandle> converters;
  const char* name = ConverterName(codePage);
  if (name == nullptr) return nullptr;
  if (codePage == kAnsiCodePage) codePage = kGbkCodePage;
  auto found = converters.find(codePage);
  if (found != converters.end()) return found->second.get();
  UErrorCode status = U_ZERO_ERROR;
  ConverterHandle converter(ucnv_open(name, &status));
  if (U_FAILURE(status)) return nullptr;
  ucnv_setSubstChars(converter.get(), "?", 1, &status);
  return converters.emplace(codePage, std::move(converter)).first->second.get();
}

std::string_view UpToZero(std::string_view text) { return text.substr(0, text.find('\0')); }

std::u16string IcuDecode(std::string_view text, int codePage);
std::string IcuEncode(std::u16string_view wide, int codePage);

// ICU's own GBK mapping laid out as tables, for pages of hundreds of kilobytes
// that would otherwise go through the converter's general machinery. A zero
// entry means "ask ICU", which keeps invalid and unmapped input exactly as the
// converter treats it.
struct GbkTables {
  std::array<char16_t, 256> singles{};             // bytes 0x80..0xFF on their own
  std::array<char16_t, 0x10000> pairs{};           // lead << 8 | trail
  std::array<std::uint16_t, 0x10000> fromUnicode{};  // unit -> one byte, or lead << 8 | trail
};

const GbkTables& BuiltGbkTables() {
  static GbkTables tables;
  static std::once_flag built;
  std::call_once(built, [] {
    auto record = [](std::string_view bytes, std::uint16_t code, char16_t& slot) {
      std::u16string wide = IcuDecode(bytes, kGbkCodePage);
      if (wide.size() != 1 || wide[0] == u'\uFFFD' || wide[0] == u'\x1A') return;
      if (wide[0] >= 0xD800 && wide[0] <= 0xDFFF) return;
      if (IcuEncode(wide, kGbkCodePage) != bytes) return;  // keep only exact round trips
      slot = wide[0];
      tables.fromUnicode[wide[0]] = code;
    };
    for (int byte = 0x80; byte <= 0xFF; ++byte) {
      const char single = static_cast<char>(byte);
      record(std::string_view(&single, 1), static_cast<std::uint16_t>(byte), tables.singles[byte]);
    }
    for (int lead = 0x81; lead <= 0xFE; ++lead) {
      for (int trail = 0x40; trail <= 0xFE; ++trail) {
        const char pair[2] = {static_cast<char>(lead), static_cast<char>(trail)};
        const auto code = static_cast<std::uint16_t>(lead << 8 | trail);
        record(std::string_view(pair, 2), code, tables.pairs[code]);
      }
    }
  });
  return tables;
}

// Room that WidenAscii may write past the run it widens.
constexpr std::size_t kWidenSlack = 16;

// Widens the leading run of ASCII bytes of `bytes` (at most `size`) into
// `units`, which has kWidenSlack units of room beyond `size`; returns the
// run's length. Pages are mostly ASCII, so this goes sixteen bytes at a time
// where the processor allows.
inline std::size_t WidenAscii(const char* bytes, std::size_t size, char16_t* units) {
  std::size_t done = 0;
#if defined(__SSE2__)
  const __m128i zero = _mm_setzero_si128();
  while (size - done >= 16) {
    const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + done));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(units + done), _mm_unpacklo_epi8(chunk, zero));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(units + done + 8), _mm_unpackhi_epi8(chunk, zero));
    const int high = _mm_movemask_epi8(chunk);
    if (high != 0) return done + static_cast<std::size_t>(__builtin_ctz(static_cast<unsigned>(high)));
    done += 16;
  }
#endif
  while (done < size && static_cast<unsigned char>(bytes[done]) < 0x80) {
    units[done] = static_cast<unsigned char>(bytes[done]);
    ++done;
  }
  return done;
}

// GBK to UTF-16 through the tables; false when some input needs ICU.
bool TableDecode(std::string_view text, std::u16string& wide) {
  const GbkTables& tables = BuiltGbkTables();
  wide.resize(text.size() + kWidenSlack);
  std::size_t out = 0;
  std::size_t p = 0;
  while (p < text.size()) {
    const auto byte = static_cast<unsigned char>(text[p]);
    if (byte < 0x80) {
      const std::size_t ascii = WidenAscii(text.data() + p, text.size() - p, wide.data() + out);
      p += ascii;
      out += ascii;
      continue;
    }
    if (p + 1 < text.size()) {
      const auto trail = static_cast<unsigned char>(text[p + 1]);
      if (char16_t unit = tables.pairs[byte << 8 | trail]; unit != 0) {
        wide[out++] = unit;
        p += 2;
        continue;
      }
    }
    if (tables.singles[byte] == 0) return false;
    wide[out++] = tables.singles[byte];
    ++p;
  }
  wide.resize(out);
  return true;
}

// UTF-16 to GBK through the tables; false when some unit needs ICU.
bool TableEncode(std::u16string_view wide, std::string& text) {
  const GbkTables& tables = BuiltGbkTables();
  text.resize(wide.size() * 2);
  std::size_t out = 0;
  for (char16_t unit : wide) {
    if (unit < 0x80) {
      text[out++] = static_cast<char>(unit);
      continue;
    }
    const std::uint16_t code = tables.fromUnicode[unit];
    if (code == 0) return false;
    if (code > 0xFF) text[out++] = static_cast<char>(code >> 8);
    text[out++] = static_cast<char>(code & 0xFF);
  }
  text.resize(out);
  return true;
}

bool IsGbk(int codePage) { return codePage == kGbkCodePage || codePage == kAnsiCodePage; }

}  // namespace

std::u16string DecodeText(std::string_view text, int codePage) {
  std::u16string wide;
  if (IsGbk(codePage) && TableDecode(text, wide)) return wide;
  return IcuDecode(text, codePage);
}

std::string EncodeText(std::u16string_view wide, int codePage) {
  std::string text;
  if (IsGbk(codePage) && TableEncode(wide, text)) return text;
  return IcuEncode(wide, codePage);
}

namespace {

std::u16string IcuDecode(std::string_view text, int codePage) {
  UConverter* converter = ConverterFor(codePage);
  if (converter == nullptr || text.empty()) return std::u16string();
  ucnv_resetToUnicode(converter);
  // Every code page here gives at most one UTF-16 unit per input byte.
  std::u16string wide(text.size() + 1, u'\0');
  UChar* target = reinterpret_cast<UChar*>(wide.data());
  UChar* const begin = target;
  const char* source = text.data();
  UErrorCode status = U_ZERO_ERROR;
  ucnv_toUnicode(converter, &target, begin + wide.size(), &source, text.data() + text.size(),
                 nullptr, true, &status);
  if (U_FAILURE(status)) return std::u16string();
  wide.resize(static_cast<std::size_t>(target - begin));
  return wide;
}

std::string IcuEncode(std::u16string_view wide, int codePage) {
  UConverter* converter = ConverterFor(codePage);
  if (converter == nullptr || wide.empty()) return std::string();
  ucnv_resetFromUnicode(converter);
  // At most three bytes per UTF-16 unit in every code page here.
  std::string text(wide.size() * 3 + 4, '\0');
  char* target = text.data();
  char* const begin = target;
  const UChar* source = reinterpret_cast<const UChar*>(wide.data());
  UErrorCode status = U_ZERO_ERROR;
  ucnv_fromUnicode(converter, &target, begin + text.size(), &source, source + wide.size(),
                   nullptr, true, &status);
  if (U_FAILURE(status)) return std::string();
  text.resize(static_cast<std::size_t>(target - begin));
  return text;
}

}  // namespace

Bytes TextToWide(std::string_view text, int codePage) {
  std::u16string wide = DecodeText(UpToZero(text), codePage);
  Bytes bytes((wide.size() + 1) * 2, 0);
  for (std::size_t i = 0; i < wide.size(); ++i) {
    bytes[2 * i] = static_cast<std::uint8_t>(wide[i] & 0xFF);
    bytes[2 * i + 1] = static_cast<std::uint8_t>(wide[i] >> 8);
  }
  return bytes;
}

Text WideToText(const Bytes& wide, int codePage) {
  std::u16string units;
  units.reserve(wide.size() / 2);
  for (std::size_t i = 0; i + 1 < wide.size(); i += 2) {
    char16_t unit = static_cast<char16_t>(wide[i] | (wide[i + 1] << 8));
    if (unit == 0) break;
    units.push_back(unit);
  }
  return Text(UpToZero(EncodeText(units, codePage)));
}

Text Utf8ToAnsi(std::string_view text) {
  return Text(UpToZero(EncodeText(DecodeText(UpToZero(text), kUtf8CodePage), kGbkCodePage)));
}

Text Big5ToGbk(std::string_view text) {
  return Text(UpToZero(EncodeText(DecodeText(UpToZero(text), kBig5CodePage), kGbkCodePage)));
}
