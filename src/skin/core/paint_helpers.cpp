#include "skin/core/paint_helpers.h"

#include <algorithm>
#include <cstddef>

#include "draw/gdi_handles.h"
#include "skin/core/canvas.h"
#include "skin/core/control_geometry.h"
#include "skin/core/drawing_primitives.h"
#include "skin/core/skin_theme.h"

namespace skin {
namespace {

// The pixels of the 32-bit DIB section selected in a device context. The skin's own
// sections are top-down (createDibSection); the platform does not report which way a
// section runs.
struct DibPixels {
  std::uint8_t* bits = nullptr;
  int width = 0;
  int height = 0;
  int stride = 0;  // bytes from one row to the next
  std::uint32_t* row(int y) const {
    return reinterpret_cast<std::uint32_t*>(bits + static_cast<std::ptrdiff_t>(y) * stride);
  }
  explicit operator bool() const { return bits != nullptr; }
};

DibPixels dibPixelsOf(HDC dc) {
  DIBSECTION section{};
  const HGDIOBJ bitmap = dc ? GetCurrentObject(dc, OBJ_BITMAP) : nullptr;
  if (!bitmap || GetObjectA(bitmap, sizeof section, &section) != sizeof section || !section.dsBm.bmBits ||
      section.dsBm.bmBitsPixel != 32)
    return {};
  // Whatever GDI still has queued must be in the pixels before they are read.
  GdiFlush();
  return {static_cast<std::uint8_t*>(section.dsBm.bmBits), section.dsBm.bmWidth, section.dsBm.bmHeight,
          section.dsBm.bmWidthBytes};
}

// Source over, as the drawing library computes it: truncated, and the alpha byte of
// the result cleared.
inline std::uint32_t over(std::uint32_t ground, std::uint32_t colour, std::uint32_t alpha) {
  const std::uint32_t rest = 255 - alpha;
  const auto channel = [&](int shift) {
    return (((colour >> shift) & 0xFF) * alpha + ((ground >> shift) & 0xFF) * rest) / 255 << shift;
  };
  return channel(16) | channel(8) | channel(0);
}

void blendWithTheLibrary(HDC dc, const RECT& area, COLORREF colour, int alpha) {
  draw::DrawingSurface surface = draw::DrawingSurface::fromHdc(dc);
  const draw::DrawingSolidBrush brush(toArgb(colour, alpha));
  surface.fillRectangle(brush, static_cast<float>(area.left), static_cast<float>(area.top),
                        static_cast<float>(area.right - area.left), static_cast<float>(area.bottom - area.top));
}

}  // namespace

draw::DrawingPath roundedRectPath(float x, float y, float w, float h, int d) {
  draw::DrawingPath path;
  path.create();
  addRoundedRect(path, x, y, w, h, d);
  return path;
}

draw::DrawingFontFamily fontFamilyOrFallback(const std::string& name) {
  draw::DrawingFontFamily family(name);
  if (!family) family.createGenericSansSerif();
  return family;
}

void fillWithGradient(draw::DrawingSurface& surface, const draw::DrawingPath& shape, draw::PointF from,
                      draw::PointF to, draw::Argb fromColour, draw::Argb toColour) {
  const draw::DrawingLinearBrush brush(from, to, fromColour, toColour);
  surface.fillPath(brush, shape);
}

void outline(draw::DrawingSurface& surface, const draw::DrawingPath& shape, draw::Argb colour) {
  const draw::DrawingPen pen(colour, 1.0f);
  surface.drawPath(pen, shape);
}

void blendColour(HDC dc, const RECT& area, COLORREF colour, int alpha) {
  alpha = std::clamp(alpha, 0, 255);
  if (alpha == 0) return;
  const DibPixels pixels = dibPixelsOf(dc);
  if (!pixels) {
    blendWithTheLibrary(dc, area, colour, alpha);
    return;
  }
  const int left = std::max<int>(area.left, 0);
  const int right = std::min<int>(area.right, pixels.width);
  const int top = std::max<int>(area.top, 0);
  const int bottom = std::min<int>(area.bottom, pixels.height);
  const std::uint32_t rgb = toArgb(colour, 0);
  for (int y = top; y < bottom; ++y) {
    std::uint32_t* row = pixels.row(y);
    for (int x = left; x < right; ++x) row[x] = over(row[x], rgb, static_cast<std::uint32_t>(alpha));
  }
}

void veilWithWhite(HDC dc, int width, int height, int alpha) {
  blendColour(dc, RECT{0, 0, width, height}, 0xFFFFFF, alpha);
}

bool paintTranslucentBackground(HWND control, HBITMAP bitmap) {
  const RECT area = clientRectInWindow(control);
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;
  BITMAP info{};
  if (!bitmap || GetObjectA(bitmap, sizeof info, &info) != sizeof info || info.bmWidth != width ||
      info.bmHeight != height)
    return false;
  const draw::MemoryDC dc = draw::MemoryDC::createCompatible();
  if (!dc) return false;
  const draw::ScopedSelectObject selected(dc.get(), bitmap);
  if (!selected || !copyControlBackground(control, area, dc.get())) return false;
  veilWithWhite(dc.get(), width, height, theme().controlAlpha);
  return true;
}

LayerPicture drawLayer(int width, int height, const std::function<void(draw::DrawingSurface&)>& draw) {
  if (width <= 0 || height <= 0) return {};
  LayerPicture picture{width, height, std::vector<std::uint32_t>(static_cast<size_t>(width) * height, 0)};
  draw::DrawingBitmap bitmap;
  if (!bitmap.createFromScan0(width, height, width * 4, draw::pixelFormat32bppArgb,
                              reinterpret_cast<BYTE*>(picture.argb.data())))
    return {};
  draw::DrawingSurface surface = draw::DrawingSurface::fromImage(bitmap);
  if (!surface) return {};
  draw(surface);
  return picture;
}

draw::DrawingBitmap libraryBitmapOf(const LayerPicture& picture) {
  draw::DrawingBitmap bitmap;
  if (picture.argb.empty()) return bitmap;
  auto* argb = const_cast<BYTE*>(reinterpret_cast<const BYTE*>(picture.argb.data()));
  bitmap.createFromScan0(picture.width, picture.height, picture.width * 4, draw::pixelFormat32bppArgb, argb);
  return bitmap;
}

void layOver(HDC dc, const LayerPicture& picture, int x, int y) {
  if (picture.argb.empty()) return;
  const DibPixels pixels = dibPixelsOf(dc);
  if (!pixels) {
    draw::DrawingSurface surface = draw::DrawingSurface::fromHdc(dc);
    drawPicture(surface, picture, static_cast<float>(x), static_cast<float>(y));
    return;
  }
  const int fromX = std::max(0, -x);
  const int toX = std::min(picture.width, pixels.width - x);
  const int fromY = std::max(0, -y);
  const int toY = std::min(picture.height, pixels.height - y);
  for (int j = fromY; j < toY; ++j) {
    const std::uint32_t* source = picture.argb.data() + static_cast<size_t>(j) * picture.width;
    std::uint32_t* row = pixels.row(y + j) + x;
    for (int i = fromX; i < toX; ++i) {
      const std::uint32_t pixel = source[i];
      const std::uint32_t alpha = pixel >> 24;
      if (alpha == 255) row[i] = pixel & 0xFFFFFF;
      else if (alpha != 0) row[i] = over(row[i], pixel, alpha);
    }
  }
}

bool drawPicture(draw::DrawingSurface& surface, const LayerPicture& picture, float x, float y) {
  const draw::DrawingBitmap bitmap = libraryBitmapOf(picture);
  return bitmap && surface.drawImage(bitmap, x, y);
}

}  // namespace skin
