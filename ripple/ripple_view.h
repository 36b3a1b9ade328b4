// RippleView: the window side of a running surface. A child of the window at
// its top-left corner, as large as the picture (the window clips it), that
// paints the last frame shown and drives the surface's ticks with a timer on
// the window's thread. Mouse events pass through it to the window.
#pragma once

#include <QBasicTimer>
#include <QImage>
#include <QWidget>
#include <cstdint>
#include <vector>

#include "ripple/ripple_surface.h"

class RippleView : public QWidget {
 public:
  // Made on `window`'s thread, after the surface's size is set; shows itself.
  // The window owns it; the surface keeps it in FrameView.
  RippleView(QWidget* window, RippleSurface& surface);
  // Stops the ticks and clears the surface's FrameView if it still points here.
  ~RippleView() override;

  // Runs RippleTick on the surface every `periodMs` milliseconds.
  void StartTicks(int periodMs);
  bool Ticking() const { return timer_.isActive(); }

  // Hands FramePixels over to the view's own image and asks for a repaint.
  // The image is made once; nothing is allocated here.
  void ShowFrame();
  // How many frames ShowFrame has handed over.
  int FramesShown() const { return framesShown_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void timerEvent(QTimerEvent* event) override;

 private:
  RippleSurface& surface_;
  std::vector<std::uint32_t> pixels_;
  QImage image_;  // a view of pixels_
  QBasicTimer timer_;
  int framesShown_ = 0;
};

// The FrameShower of a surface running on a RippleView: ShowFrame on it.
void ShowOnView(RippleSurface& surface);
