#include "skin/window/frame_background.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "draw/step_timing.h"
#include "skin/core/drawing_primitives.h"
#include "skin/core/paint_helpers.h"
#include "skin/core/frame_memo.h"
#include "skin/core/skin_theme.h"
#include "skin/window/frame_painting.h"
#include "skin/window/theme_pictures.h"

namespace skin {
namespace {

using namespace frame;

struct BackgroundSource {
  const std::vector<std::uint8_t>& picture;
  int mode;
  COLORREF baseColour;
};

// A window's own picture wins over the theme's, and brings its own colour and mode.
BackgroundSource backgroundOf(const SkinnedWindowRecord& record) {
  if (!record.ownPicture.empty()) return {record.ownPicture, record.ownPictureMode, record.ownBaseColour};
  const SkinTheme& t = theme();
  return {t.backgroundPicture, t.pictureMode, t.baseColour};
}

void paintCaptionBand(draw::DrawingSurface& surface, const SkinnedWindowRecord& record, int width, int height) {
  const int colour = record.captionBandColour;
  const int alpha = record.captionBandAlpha;
  const int caption = record.captionHeight;
  if (colour >= 0) {
    const draw::DrawingSolidBrush tint(toArgb(static_cast<COLORREF>(colour), alpha));
    if (record.captionBand)
      surface.fillRectangle(tint, 0, f(caption), f(width), f(height - caption));
    else
      surface.fillRectangle(tint, 0, 0, f(width), f(height));
  }
  if (!record.captionBand) return;
  const draw::DrawingLinearBrush band =
      colour > 0 ? verticalGradient(0, f(caption), toArgb(static_cast<COLORREF>(colour), alpha / 5),
                                    toArgb(static_cast<COLORREF>(colour), alpha))
                 : verticalGradient(0, f(caption), toArgb(white, 150), toArgb(white, 0));
  surface.fillRectangle(band, 0, 0, f(width), f(caption));
}

void paintOutline(draw::DrawingSurface& surface, int width, int height) {
  surface.drawPath(draw::DrawingPen(toArgb(black, 180), 2), roundedRectPath(0, 0, f(width - 1), f(height - 1), 7));
  surface.drawPath(draw::DrawingPen(toArgb(white, 180), 1), roundedRectPath(1, 1, f(width - 3), f(height - 3), 6));
}

// Writing an opaque colour straight into the pixels leaves them as a clear through a
// drawing surface would, in a fraction of its time.
void fillOpaque(OffscreenImage& image, draw::Argb colour) {
  GdiFlush();
  if (auto* pixels = const_cast<std::uint32_t*>(image.pixels()))
    std::fill_n(pixels, static_cast<size_t>(image.width()) * image.height(), colour);
}

// Bytes a pixel takes in the picture formats without alpha that are copied as they are.
int opaqueBytesPerPixel(int pixelFormat) {
  if (pixelFormat == PixelFormat24bppRGB) return 3;
  if (pixelFormat == PixelFormat32bppRGB) return 4;
  return 0;
}

// An opaque picture placed at its own size covers its place with its own pixels, which
// drawing it would give too: its rows go straight into the image, in a fraction of the
// time. False, with nothing written, for any other picture or place.
bool copyUnscaledOpaquePicture(OffscreenImage& image, draw::DrawingBitmap& picture, const draw::RectF& place) {
  const int width = static_cast<int>(picture.width());
  const int height = static_cast<int>(picture.height());
  const int x = static_cast<int>(place.x);
  const int y = static_cast<int>(place.y);
  const int pixelBytes = opaqueBytesPerPixel(picture.pixelFormat());
  if (!pixelBytes || f(x) != place.x || f(y) != place.y || f(width) != place.width || f(height) != place.height ||
      x < 0 || y < 0 || x + width > image.width() || y + height > image.height())
    return false;
  Gdiplus::BitmapData data{};
  if (!picture.lockBits(nullptr, Gdiplus::ImageLockModeRead, picture.pixelFormat(), data)) return false;
  GdiFlush();
  auto* pixels = const_cast<std::uint32_t*>(image.pixels());
  for (int row = 0; row < height; ++row) {
    const auto* from = static_cast<const std::uint8_t*>(data.Scan0) + static_cast<std::ptrdiff_t>(row) * data.Stride;
    std::uint32_t* to = pixels + static_cast<size_t>(y + row) * image.width() + x;
    for (int column = 0; column < width; ++column, from += pixelBytes)
      to[column] = 0xFF000000u | (static_cast<std::uint32_t>(from[2]) << 16) | (from[1] << 8) | from[0];
  }
  picture.unlockBits(data);
  return true;
}

// Over the base colour the image already holds.
void placePicture(OffscreenImage& image, draw::DrawingBitmap& picture, int mode) {
  const draw::FirstRunTimer timer("picture placement");
  const draw::RectF place = pictureDestination(mode, static_cast<int>(picture.width()),
                                               static_cast<int>(picture.height()), image.width(), image.height());
  if (copyUnscaledOpaquePicture(image, picture, place)) return;
  PixelSurface surface(image);
  if (surface) surface.get().drawImage(picture, place.x, place.y, place.width, place.height);
}

}  // namespace

draw::RectF pictureDestination(int mode, int pictureWidth, int pictureHeight, int clientWidth, int clientHeight) {
  const float pw = f(pictureWidth);
  const float ph = f(pictureHeight);
  switch (mode) {
    case pictureAtTopRightFadedLeft:
      return {f(clientWidth - pictureWidth), 0, pw, ph};
    case pictureCentred:
      return {f((clientWidth - pictureWidth) / 2), f((clientHeight - pictureHeight) / 2), pw, ph};
    case pictureStretched:
      return {0, 0, f(clientWidth), f(clientHeight)};
    default:
      return {0, 0, pw, ph};
  }
}

const OffscreenImage* keptBackground(SkinnedWindowRecord& record, int width, int height) {
  FrameCache& cache = record.frameCache;
  const BackgroundSource source = backgroundOf(record);
  const BackgroundKey key{width,
                          height,
                          source.mode,
                          source.baseColour,
                          source.picture.size(),
                          pictureHash(source.picture),
                          record.captionHeight,
                          record.captionBand,
                          record.captionBandColour,
                          record.captionBandAlpha,
                          record.titleBar};
  if (cache.backgroundValid && cache.backgroundKey == key && cache.background) return &cache.background;

  cache.backgroundValid = false;
  cache.memos.clear();  // drawn over the background that goes now
  if (!cache.background.resize(width, height)) return nullptr;
  fillOpaque(cache.background, toArgb(source.baseColour, 255));
  if (!source.picture.empty()) {
    // The theme's picture comes decoded when setSkinTheme has just read its pixels.
    draw::DrawingBitmap picture = takeDecodedThemePicture(source.picture);
    if (!picture) picture = draw::DrawingBitmap::fromBytes(source.picture);
    if (picture) placePicture(cache.background, picture, source.mode);
  }
  PixelSurface surface(cache.background);
  if (!surface) return nullptr;
  surface.get().setSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
  paintCaptionBand(surface.get(), record, width, height);
  if (record.titleBar) paintOutline(surface.get(), width, height);
  surface.close();
  cache.backgroundKey = key;
  cache.backgroundValid = true;
  ++cache.backgroundGeneration;
  return &cache.background;
}

void discardKeptPicture(int windowIndex) {
  if (SkinnedWindowRecord* record = skinnedWindowAt(windowIndex)) {
    record->frameCache.backgroundValid = false;
    record->frameCache.background.clear();
    record->frameCache.memos.clear();
  }
}

}  // namespace skin
