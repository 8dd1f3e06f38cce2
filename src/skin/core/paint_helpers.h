#pragma once
// Small drawing helpers the control painters share.

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "draw/drawing.h"

namespace skin {

// A new path holding one addRoundedRect figure.
draw::DrawingPath roundedRectPath(float x, float y, float w, float h, int d);

// The installed family of that name, or the generic sans-serif family when it is
// missing, so that a caption is still drawn.
draw::DrawingFontFamily fontFamilyOrFallback(const std::string& name);

// Fills a shape with a linear gradient between two points.
void fillWithGradient(draw::DrawingSurface& surface, const draw::DrawingPath& shape, draw::PointF from,
                      draw::PointF to, draw::Argb fromColour, draw::Argb toColour);

// Strokes a shape with a 1-pixel pen.
void outline(draw::DrawingSurface& surface, const draw::DrawingPath& shape, draw::Argb colour);

// Lays colour at alpha (0..255) over a rectangle of a device context, ignoring its
// clip: the pixels of the drawing library's solid fill, written straight into the
// top-down 32-bit DIB section (createDibSection) selected in dc, at a small fraction
// of the library's cost. Other contexts are filled through the library.
void blendColour(HDC dc, const RECT& area, COLORREF colour, int alpha);
// blendColour with white over the first width x height pixels.
void veilWithWhite(HDC dc, int width, int height, int alpha);

// Paints the control's client area as makeTranslucentBackground shows it (the window
// background under the theme's white veil) into a bitmap of that size. False, with
// nothing painted, when the bitmap has another size or the control no skinned owner.
bool paintTranslucentBackground(HWND control, HBITMAP bitmap);

// A picture drawn once over transparency and laid over canvases at every paint, for
// the parts of a control whose look depends on a few values only. Plain memory: it
// costs no drawing object and outlives the drawing library.
struct LayerPicture {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> argb;  // 0xAARRGGBB, not premultiplied, top row first
};

// The picture of what `draw` draws on a surface over a transparent width x height
// area; empty when the library cannot draw.
LayerPicture drawLayer(int width, int height, const std::function<void(draw::DrawingSurface&)>& draw);
// A drawing-library bitmap over the picture's own pixels, for drawing it with the
// library; empty when the picture is. The library only reads them: drawing an image
// never writes into it. The picture must outlive the bitmap.
draw::DrawingBitmap libraryBitmapOf(const LayerPicture& picture);
// Lays the picture over the pixels of dc at (x, y), as the library draws an image;
// straight into the pixels as blendColour does.
void layOver(HDC dc, const LayerPicture& picture, int x = 0, int y = 0);
// Draws the picture at its own size with its top left corner at (x, y) through a
// surface, among the surface's other drawing; false when there is nothing to draw.
bool drawPicture(draw::DrawingSurface& surface, const LayerPicture& picture, float x, float y);

// The pictures of the last few looks of a control kind, found by everything a look
// depends on (Key compares with ==). Drawing the same look again would cost many
// times more than laying the kept picture over the background.
template <typename Key>
class LayerMemo {
 public:
  const LayerPicture& picture(const Key& key, int width, int height,
                              const std::function<void(draw::DrawingSurface&)>& draw) {
    for (const auto& [kept, picture] : entries_)
      if (kept == key) return picture;
    LayerPicture drawn = drawLayer(width, height, draw);
    if (drawn.argb.empty()) return none_;  // kept only once the library has drawn it
    if (entries_.size() == limit) entries_.erase(entries_.begin());
    entries_.emplace_back(key, std::move(drawn));
    return entries_.back().second;
  }

 private:
  static constexpr std::size_t limit = 32;
  std::vector<std::pair<Key, LayerPicture>> entries_;
  LayerPicture none_;
};

}  // namespace skin
