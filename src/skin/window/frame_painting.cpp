#include "skin/window/frame_painting.h"

#include "draw/gdi_handles.h"
#include "skin/core/window_helpers.h"

namespace skin::frame {
namespace {

constexpr size_t keptGlyphLimit = 16;

}  // namespace

RECT intersection(const RECT& a, const RECT& b) {
  RECT result{};
  IntersectRect(&result, &a, &b);
  return result;
}

void copyRect(HDC to, HDC from, const RECT& rect, POINT sourceOrigin) {
  if (IsRectEmpty(&rect)) return;
  BitBlt(to, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, from,
         rect.left - sourceOrigin.x, rect.top - sourceOrigin.y, SRCCOPY);
}

bool ensureSize(OffscreenImage& image, int width, int height) {
  if (image && image.width() == width && image.height() == height) return true;
  return image.resize(width, height);
}

void clipToArea(draw::DrawingSurface& surface, const RECT& area) {
  surface.setClipRect(f(area.left), f(area.top), f(area.right - area.left), f(area.bottom - area.top),
                      Gdiplus::CombineModeIntersect);
}

void finishPart(std::optional<PixelSurface>& own, draw::DrawingSurface& surface) {
  if (own)
    own->close();
  else
    surface.flush(Gdiplus::FlushIntentionSync);
}

PixelSurface::PixelSurface(const OffscreenImage& image) {
  GdiFlush();  // GDI may still owe writes to these pixels
  if (!image.pixels() || image.width() <= 0 || image.height() <= 0) return;
  auto* pixels = reinterpret_cast<BYTE*>(const_cast<std::uint32_t*>(image.pixels()));
  if (bitmap_.createFromScan0(image.width(), image.height(), image.width() * 4, PixelFormat32bppPARGB, pixels))
    surface_ = draw::DrawingSurface::fromImage(bitmap_);
}

draw::DrawingLinearBrush verticalGradient(float top, float bottom, draw::Argb from, draw::Argb to) {
  draw::DrawingLinearBrush brush;
  brush.create(draw::PointF{0, top}, draw::PointF{0, bottom}, from, to, Gdiplus::WrapModeTileFlipXY);
  return brush;
}

const draw::DrawingBitmap* decodedPicture(FrameCache& cache, const std::vector<std::uint8_t>& bytes) {
  if (bytes.empty()) return nullptr;
  for (const DecodedPicture& kept : cache.glyphs)
    if (kept.bytes == bytes) return kept.bitmap ? &kept.bitmap : nullptr;
  if (cache.glyphs.size() >= keptGlyphLimit) cache.glyphs.clear();
  cache.glyphs.push_back(DecodedPicture{bytes, draw::DrawingBitmap::fromBytes(bytes)});
  const DecodedPicture& added = cache.glyphs.back();
  return added.bitmap ? &added.bitmap : nullptr;
}

void copyToWindow(const SkinnedWindowRecord& record, const RECT& rect) {
  const RECT visible = intersection(rect, boundsOf(record.backgroundImage));
  if (IsRectEmpty(&visible)) return;
  const draw::WindowDC dc = getClippedDC(record.window);
  if (dc) copyRect(dc.get(), record.backgroundImage.dc(), visible);
}

}  // namespace skin::frame
