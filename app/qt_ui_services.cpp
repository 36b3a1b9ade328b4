#include "app/qt_ui_services.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QMessageBox>
#include <QThread>
#include <QTimer>

#include "app/qt_text.h"

namespace {

// Message box styles: the icon in bits 4-7, modality in bits 12-13.
constexpr int kIconMask = 0xF0;
constexpr int kIconError = 0x10;
constexpr int kIconQuestion = 0x20;
constexpr int kIconWarning = 0x30;
constexpr int kIconInformation = 0x40;

QMessageBox::Icon IconOf(int style) {
  switch (style & kIconMask) {
    case kIconError: return QMessageBox::Critical;
    case kIconQuestion: return QMessageBox::Question;
    case kIconWarning: return QMessageBox::Warning;
    case kIconInformation: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
  }
}

}  // namespace

QtUiServices::QtUiServices() : dispatcher_(QAbstractEventDispatcher::instance(QThread::currentThread())) {}

void QtUiServices::ProcessEvents() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

void QtUiServices::WaitForEvents(int timeoutMs) {
  if (woken_.exchange(false)) return;
  // A timer event ends the wait at the latest after `timeoutMs`.
  QTimer deadline;
  deadline.setSingleShot(true);
  deadline.start(std::max(0, timeoutMs));
  if (dispatcher_ != nullptr) {
    dispatcher_->processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
  }
  woken_.store(false);
}

void QtUiServices::Wake() {
  woken_.store(true);
  if (dispatcher_ != nullptr) dispatcher_->wakeUp();
}

bool QtUiServices::SetClipboardText(std::string_view gbkText) {
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (clipboard == nullptr) return false;
  clipboard->setText(FromGbk(gbkText));
  return true;
}

void QtUiServices::ShowMessage(std::string_view gbkMessage, int style, std::string_view gbkCaption) {
  const QString message = FromGbk(gbkMessage);
  const QString caption = FromGbk(gbkCaption);
  if (messageHook_) {
    messageHook_(message, caption, style);
    return;
  }
  QMessageBox box(IconOf(style), caption, message, QMessageBox::Ok);
  box.setWindowModality(Qt::ApplicationModal);
  box.exec();
}
