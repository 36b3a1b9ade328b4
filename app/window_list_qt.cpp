// WindowList on Qt. Qt tells which windows the program has but not how they
// are stacked, and other programs' windows are out of its sight (and out of
// any client's sight on Wayland). So the program keeps the stacking order of
// its own windows itself: a window goes to the top when it is shown and when
// it becomes the active window, as window managers stack them. Only the
// program's own windows can own its message boxes, so that is all it lists.
#include <sys/types.h>
#include <unistd.h>

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QWidget>
#include <algorithm>
#include <vector>

#include "app/qt_text.h"
#include "app/window_list.h"

namespace {

// Menus and tool tips come and go with the mouse; they own nothing.
bool IsOwnerKind(const QWidget* widget) {
  const Qt::WindowType type = widget->windowType();
  return widget->isWindow() && type != Qt::Popup && type != Qt::ToolTip && type != Qt::Desktop;
}

class StackingOrder : public QObject {
 public:
  // The program's top-level windows, the highest first, windows the order has
  // not met yet at the end.
  std::vector<QWidget*> Windows() {
    std::vector<QWidget*> windows;
    for (const QPointer<QWidget>& widget : order_) {
      if (widget != nullptr && IsOwnerKind(widget)) windows.push_back(widget);
    }
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      if (IsOwnerKind(widget) && std::find(windows.begin(), windows.end(), widget) == windows.end()) {
        windows.push_back(widget);
      }
    }
    return windows;
  }

  std::int32_t threadId() const { return threadId_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    const QEvent::Type type = event->type();
    if ((type == QEvent::Show || type == QEvent::WindowActivate) && watched->isWidgetType()) {
      auto* widget = static_cast<QWidget*>(watched);
      if (IsOwnerKind(widget)) BringToTop(widget);
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  void BringToTop(QWidget* widget) {
    std::erase_if(order_, [widget](const QPointer<QWidget>& known) { return known == widget || known == nullptr; });
    order_.insert(order_.begin(), widget);
  }

  std::vector<QPointer<QWidget>> order_;
  const std::int32_t threadId_ = static_cast<std::int32_t>(::gettid());
};

StackingOrder* order = nullptr;

// Starts keeping the order as soon as the application exists, on its thread.
void StartStackingOrder() {
  order = new StackingOrder;
  order->setParent(QCoreApplication::instance());
  QCoreApplication::instance()->installEventFilter(order);
  QObject::connect(order, &QObject::destroyed, [] { order = nullptr; });
}
Q_COREAPP_STARTUP_FUNCTION(StartStackingOrder)

class QtWindowList : public WindowList {
 public:
  void ForEachWindow(const std::function<void(const ListedWindow&)>& visit) override {
    if (order == nullptr || qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) return;
    for (QWidget* widget : order->Windows()) {
      ListedWindow listed;
      listed.visible = widget->isVisible();
      listed.window = static_cast<WindowHandle>(widget->internalWinId());
      listed.processId = CurrentProcessId();
      listed.threadId = order->threadId();
      listed.title = ToGbk(widget->windowTitle());
      listed.className = widget->metaObject()->className();
      visit(listed);
    }
  }

  std::int32_t CurrentProcessId() override { return static_cast<std::int32_t>(::getpid()); }
};

WindowList* installed = nullptr;

}  // namespace

WindowList& Windows() {
  static QtWindowList qtList;
  return installed != nullptr ? *installed : qtList;
}

void InstallWindowList(WindowList* list) { installed = list; }
