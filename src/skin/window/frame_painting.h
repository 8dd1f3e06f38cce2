#pragma once
// What the painters of a skinned window's frame share: rectangle arithmetic over the
// off-screen images, a drawing surface straight over their pixels, the frame's
// gradients and the pictures decoded once per window.

#include <windows.h>

#include <cstdint>
#include <optional>
#include <vector>

#include "draw/drawing.h"
#include "skin/core/frame_cache.h"
#include "skin/core/offscreen_image.h"
#include "skin/core/skinned_window_record.h"

namespace skin::frame {

inline float f(int value) { return static_cast<float>(value); }

inline RECT rectOfSize(int x, int y, int width, int height) { return RECT{x, y, x + width, y + height}; }

RECT intersection(const RECT& a, const RECT& b);

inline RECT boundsOf(const OffscreenImage& image) { return RECT{0, 0, image.width(), image.height()}; }

// Copies rect of `from` to the same place in `to`, or with the source moved by origin.
void copyRect(HDC to, HDC from, const RECT& rect, POINT sourceOrigin = {0, 0});

bool ensureSize(OffscreenImage& image, int width, int height);

// A drawing surface straight over an off-screen image's pixels. Under Wine this is many
// times faster than a surface over the image's device context, which copies the
// bounding box of every shape out of the bitmap and back.
class PixelSurface {
 public:
  explicit PixelSurface(const OffscreenImage& image);
  PixelSurface(const PixelSurface&) = delete;
  PixelSurface& operator=(const PixelSurface&) = delete;

  draw::DrawingSurface& get() { return surface_; }
  explicit operator bool() const { return static_cast<bool>(surface_); }
  // Finishes drawing, so that GDI may read the pixels.
  void close() {
    surface_.destroy();
    bitmap_.destroy();
  }

 private:
  draw::DrawingBitmap bitmap_;    // declared first: the surface over it goes first
  draw::DrawingSurface surface_;
};

// Narrows the surface's clip to an area.
void clipToArea(draw::DrawingSurface& surface, const RECT& area);

// Ends a part's drawing so that GDI may read the pixels: a surface of the part's own is
// closed, the caller's surface is flushed.
void finishPart(std::optional<PixelSurface>& own, draw::DrawingSurface& surface);

// Mirrored beyond its ends: a tiled gradient would start over on the row where it
// ends, and a shape whose bottom edge lies there would get a line of the first colour.
draw::DrawingLinearBrush verticalGradient(float top, float bottom, draw::Argb from, draw::Argb to);

// The decoded picture of these bytes, decoded on first use; null when they do not decode.
const draw::DrawingBitmap* decodedPicture(FrameCache& cache, const std::vector<std::uint8_t>& bytes);

// Copies a rectangle of backgroundImage to the window, sparing its visible children.
void copyToWindow(const SkinnedWindowRecord& record, const RECT& rect);

}  // namespace skin::frame
