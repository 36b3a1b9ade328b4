#include "app/owner_message_box.h"

#include <QApplication>
#include <QMessageBox>
#include <QWidget>

#include "app/owner_window.h"
#include "app/qt_text.h"
#include "app/window_list.h"

namespace {

constexpr int kButtonMask = 0x0F;
constexpr int kIconMask = 0xF0;

OwnerBoxPresenter& Presenter() {
  static OwnerBoxPresenter presenter;
  return presenter;
}

QAbstractButton* ShowModally(QMessageBox& box) {
  box.exec();
  return box.clickedButton();
}

// The buttons of a style; none for a set this program does not know.
QMessageBox::StandardButtons ButtonsOf(int style) {
  switch (style & kButtonMask) {
    case 0: return QMessageBox::Ok;
    case 1: return QMessageBox::Ok | QMessageBox::Cancel;
    case 2: return QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore;
    case 3: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case 4: return QMessageBox::Yes | QMessageBox::No;
    case 5: return QMessageBox::Retry | QMessageBox::Cancel;
    default: return QMessageBox::NoButton;
  }
}

QMessageBox::Icon IconOf(int style) {
  switch (style & kIconMask) {
    case 0x10: return QMessageBox::Critical;
    case 0x20: return QMessageBox::Question;
    case 0x30: return QMessageBox::Warning;
    case 0x40: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
  }
}

// The result for a pressed button: the system's button code less one.
int ResultOf(QMessageBox::StandardButton button) {
  switch (button) {
    case QMessageBox::Ok: return 0;
    case QMessageBox::Cancel: return 1;
    case QMessageBox::Abort: return 2;
    case QMessageBox::Retry: return 3;
    case QMessageBox::Ignore: return 4;
    case QMessageBox::Yes: return 5;
    case QMessageBox::No: return 6;
    default: return -1;
  }
}

}  // namespace

int OwnerMessageBox(std::string_view gbkText, int style, std::string_view gbkTitle,
                    std::optional<WindowHandle> owner) {
  if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) return -1;
  const QMessageBox::StandardButtons buttons = ButtonsOf(style);
  if (buttons == QMessageBox::NoButton) return -1;
  const WindowHandle ownerHandle = owner.has_value() ? *owner : FindProcessWindow(Windows().CurrentProcessId());
  QWidget* ownerWidget = ownerHandle == 0 ? nullptr : QWidget::find(static_cast<WId>(ownerHandle));

  QMessageBox box(IconOf(style), FromGbk(gbkTitle), FromGbk(gbkText), buttons, ownerWidget);
  // An owned box blocks its owner only; one without owner the whole program.
  box.setWindowModality(ownerWidget != nullptr ? Qt::WindowModal : Qt::ApplicationModal);
  QAbstractButton* pressed = Presenter() ? Presenter()(box) : ShowModally(box);
  return pressed == nullptr ? -1 : ResultOf(box.standardButton(pressed));
}

void SetOwnerBoxPresenter(OwnerBoxPresenter presenter) { Presenter() = std::move(presenter); }
