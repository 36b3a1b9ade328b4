// Placing a top-level window by its outer rectangle, frame included.
#pragma once

#include <QEvent>
#include <QObject>
#include <QRect>
#include <QWidget>

// Puts `window` at `outer`, frame included. The frame is known only once the
// window manager has put one around the window, so the size is corrected once,
// at the first show or move that knows it; without a frame nothing changes.
// The keeper belongs to the window.
class OuterGeometryKeeper : public QObject {
 public:
  static void Keep(QWidget* window, QRect outer) {
    window->move(outer.topLeft());
    window->resize(outer.size());
    window->installEventFilter(new OuterGeometryKeeper(window, outer));
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Show || event->type() == QEvent::Move) Fit();
    return QObject::eventFilter(watched, event);
  }

 private:
  OuterGeometryKeeper(QWidget* window, QRect outer) : QObject(window), window_(window), outer_(outer) {}

  void Fit() {
    const QSize frame = window_->frameGeometry().size() - window_->size();
    if (fitted_ || frame.isEmpty()) return;
    fitted_ = true;
    window_->resize(outer_.width() - frame.width(), outer_.height() - frame.height());
    window_->move(outer_.topLeft());
  }

  QWidget* window_;
  QRect outer_;
  bool fitted_ = false;
};
