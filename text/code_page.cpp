#include "text/code_page.h"

#include <unicode/ucnv.h>

#include <map>
#include <memory>

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

}  // namespace

std::u16string DecodeText(std::string_view text, int codePage) {
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

std::string EncodeText(std::u16string_view wide, int codePage) {
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
