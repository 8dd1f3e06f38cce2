#include "skin/window/frame_background.h"

#include <algorithm>
#include <cstdint>
#include <vector>

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

void placePicture(draw::DrawingSurface& surface, const draw::DrawingImage& picture, int mode, int width, int height) {
  const draw::RectF place =
      pictureDestination(mode, static_cast<int>(picture.width()), static_cast<int>(picture.height()), width, height);
  surface.drawImage(picture, place.x, place.y, place.width, place.height);
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
  PixelSurface surface(cache.background);
  if (!surface) return nullptr;
  if (!source.picture.empty()) {
    // The theme's picture comes decoded when setSkinTheme has just read its pixels.
    if (const draw::DrawingBitmap decoded = takeDecodedThemePicture(source.picture))
      placePicture(surface.get(), decoded, source.mode, width, height);
    else if (const draw::DrawingImage picture = draw::DrawingImage::fromBytes(source.picture))
      placePicture(surface.get(), picture, source.mode, width, height);
  }
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
