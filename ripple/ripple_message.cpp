#include "ripple/ripple_message.h"

#include <QMessageBox>
#include <QString>

#include "text/code_page.h"

namespace {

RippleMessageSink installedSink = nullptr;

QString FromGbk(std::string_view gbk) { return QString::fromStdU16String(DecodeText(gbk, kGbkCodePage)); }

}  // namespace

void SetRippleMessageSink(RippleMessageSink sink) { installedSink = sink; }

void ShowRippleMessage(QWidget* owner, std::string_view gbkMessage, std::string_view gbkCaption) {
  if (installedSink != nullptr) {
    installedSink(owner, gbkMessage, gbkCaption);
    return;
  }
  QMessageBox box(QMessageBox::Critical, FromGbk(gbkCaption), FromGbk(gbkMessage), QMessageBox::Ok, owner);
  box.exec();
}
