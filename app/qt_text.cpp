#include "app/qt_text.h"

#include "text/code_page.h"

QString FromGbk(std::string_view gbk) {
  const std::u16string wide = DecodeText(gbk, kGbkCodePage);
  return QString(reinterpret_cast<const QChar*>(wide.data()), static_cast<qsizetype>(wide.size()));
}

Text ToGbk(const QString& text) {
  const std::u16string_view wide(reinterpret_cast<const char16_t*>(text.utf16()),
                                 static_cast<std::size_t>(text.size()));
  std::string gbk = EncodeText(wide, kGbkCodePage);
  return Text(gbk.substr(0, gbk.find('\0')));
}
