#include "ripple/wave_surface.h"

#include <cstring>

#include "platform/system.h"
#include "ripple/bmp_picture.h"
#include "ripple/render_frame.h"
#include "ripple/ripple_message.h"
#include "ripple/ripple_view.h"
#include "ripple/surface_buffers.h"

namespace {

std::int32_t Fail(QWidget* window) {
  ShowRippleMessage(window, kWaveInitFailedMessage, kWaveErrorCaption);
  return 0;
}

bool FitsTheSurface(const QImage& picture) { return !picture.isNull() && picture.height() > 3 && picture.width() > 3; }

}  // namespace

std::int32_t WaveInit(RippleSurface& surface, QWidget* window, const char* picturePath) {
  const QImage picture = LoadBmpPicture(picturePath);
  WaveFree(surface);
  surface.Window = window;
  surface.RandomState = static_cast<std::uint32_t>(UptimeMs());
  if (!FitsTheSurface(picture)) return Fail(window);
  if (window == nullptr) {
    surface = RippleSurface();
    return Fail(window);
  }

  SetSurfaceSize(surface, picture.width(), picture.height());
  RippleView* view = new RippleView(window, surface);
  surface.FrameView = view;
  if (!AllocateSurfaceBuffers(surface)) {
    WaveFree(surface);
    return Fail(window);
  }
  ReadPictureRows(picture, surface.SourcePixels, surface.PixelStride);
  std::memcpy(surface.FramePixels, surface.SourcePixels,
              static_cast<std::size_t>(surface.PixelStride) * static_cast<std::size_t>(surface.Height));
  PrepareBlend(surface);

  view->StartTicks(kRippleTickMs);
  // Flat water: this renders the picture unchanged and clears Moving.
  surface.Flags = Moving | FrameDirty;
  RenderFrame(surface);
  view->ShowFrame();
  surface.Flags &= ~static_cast<std::uint32_t>(FrameDirty);
  return 1;
}

void WaveFree(RippleSurface& surface) {
  delete static_cast<RippleView*>(surface.FrameView);
  surface.FrameView = nullptr;
  ReleaseSurfaceBuffers(surface);
  surface = RippleSurface();
}
