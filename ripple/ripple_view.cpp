#include "ripple/ripple_view.h"

#include <QPainter>
#include <QTimerEvent>

#include "ripple/frame_image.h"
#include "ripple/ripple_tick.h"

RippleView::RippleView(QWidget* window, RippleSurface& surface)
    : QWidget(window),
      surface_(surface),
      pixels_(static_cast<std::size_t>(surface.Width) * static_cast<std::size_t>(surface.Height)),
      image_(reinterpret_cast<const uchar*>(pixels_.data()), surface.Width, surface.Height,
             static_cast<qsizetype>(surface.Width) * 4, QImage::Format_RGB32) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAttribute(Qt::WA_NoSystemBackground);
  setFocusPolicy(Qt::NoFocus);
  setGeometry(0, 0, surface.Width, surface.Height);
  show();
}

RippleView::~RippleView() {
  timer_.stop();
  if (surface_.FrameView == this) surface_.FrameView = nullptr;
}

void RippleView::StartTicks(int periodMs) { timer_.start(periodMs, this); }

void RippleView::ShowFrame() {
  FrameToRgb32(surface_, pixels_.data(), surface_.Width);
  ++framesShown_;
  update();
}

void RippleView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawImage(0, 0, image_);
}

void RippleView::timerEvent(QTimerEvent* event) {
  if (event->timerId() != timer_.timerId()) {
    QWidget::timerEvent(event);
    return;
  }
  RippleTick(surface_, ShowOnView);
}

void ShowOnView(RippleSurface& surface) {
  if (surface.FrameView != nullptr) static_cast<RippleView*>(surface.FrameView)->ShowFrame();
}
