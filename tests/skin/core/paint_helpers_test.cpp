#include "skin/core/paint_helpers.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <functional>
#include <vector>

#include "draw/drawing.h"
#include "draw/gdi_handles.h"
#include "skin/core/drawing_primitives.h"
#include "skin/core/offscreen_image.h"

namespace skin {
namespace {

constexpr int width = 40;
constexpr int height = 24;

// A canvas-like picture: a top-down 32-bit DIB section in a memory context, its pixels
// a pattern that differs in every channel.
class Picture {
 public:
  Picture() : dc_(draw::MemoryDC::createCompatible()), dib_(draw::createDibSection(width, height, &bits_)) {
    selected_ = draw::ScopedSelectObject(dc_.get(), dib_.get());
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x)
        pixels()[y * width + x] = static_cast<std::uint32_t>((x * 6) << 16 | (y * 10) << 8 | (255 - x * 6));
  }
  HDC dc() const { return dc_.get(); }
  std::uint32_t* pixels() const { return static_cast<std::uint32_t*>(bits_); }
  std::uint32_t rgb(int x, int y) const { return pixels()[y * width + x] & 0xFFFFFF; }

  // Draws through the library straight into the pixels, as a control canvas does.
  void drawWithTheLibrary(const std::function<void(draw::DrawingSurface&)>& draw) const {
    GdiFlush();
    draw::DrawingBitmap bitmap;
    ASSERT_TRUE(bitmap.createFromScan0(width, height, width * 4, PixelFormat32bppRGB, static_cast<BYTE*>(bits_)));
    draw::DrawingSurface surface = draw::DrawingSurface::fromImage(bitmap);
    draw(surface);
  }

 private:
  draw::MemoryDC dc_;
  void* bits_ = nullptr;
  draw::OwnedBitmap dib_;
  draw::ScopedSelectObject selected_;
};

int largestChannelDifference(std::uint32_t a, std::uint32_t b) {
  int largest = 0;
  for (int shift : {0, 8, 16})
    largest = std::max(largest, std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)));
  return largest;
}

TEST(BlendColour, GivesThePixelsOfTheLibrarysSolidFill) {
  const struct {
    COLORREF colour;
    int alpha;
    RECT area;
  } cases[] = {
      {0xFFFFFF, 100, {0, 0, width, height}},    // the translucent veil
      {0x0000FF, 180, {3, 2, 30, 9}},            // a focused frame stroke, inside
      {0x000000, 80, {-5, 20, width + 5, 30}},   // reaching past three edges
      {0x22CADD, 255, {10, 10, 11, height}},     // opaque: the colour itself
      {0x123456, 0, {0, 0, width, height}},      // nothing
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << std::hex << c.colour << " at " << std::dec << c.alpha);
    const Picture blended;
    const Picture filled;
    blendColour(blended.dc(), c.area, c.colour, c.alpha);
    filled.drawWithTheLibrary([&](draw::DrawingSurface& g) {
      g.fillRectangle(draw::DrawingSolidBrush(toArgb(c.colour, c.alpha)), static_cast<float>(c.area.left),
                      static_cast<float>(c.area.top), static_cast<float>(c.area.right - c.area.left),
                      static_cast<float>(c.area.bottom - c.area.top));
    });
    GdiFlush();
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x) ASSERT_EQ(blended.rgb(x, y), filled.rgb(x, y)) << x << ", " << y;
  }
}

TEST(LayOver, GivesWhatDrawingTheLayersInPlaceGives) {
  // Translucent layers over each other, then over the picture at an offset that puts
  // part of them outside it.
  const auto layers = [](draw::DrawingSurface& g, float x, float y) {
    g.fillRectangle(draw::DrawingSolidBrush(toArgb(0xFFFFFF, 120)), x, y, 30, 20);
    const draw::DrawingLinearBrush shading({x, y}, {x, y + 19}, toArgb(0x0000FF, 60), toArgb(0xFFFFFF, 100));
    g.fillRectangle(shading, x + 2, y + 2, 26, 16);
    g.fillRectangle(draw::DrawingSolidBrush(toArgb(0x808080, 255)), x + 20, y + 4, 4, 4);
  };
  const struct {
    int x, y;
  } offsets[] = {{0, 0}, {18, 9}, {-6, -5}};
  for (const auto& offset : offsets) {
    SCOPED_TRACE(testing::Message() << "at " << offset.x << ", " << offset.y);
    const LayerPicture layer = drawLayer(30, 20, [&](draw::DrawingSurface& g) { layers(g, 0, 0); });
    ASSERT_EQ(layer.argb.size(), 30u * 20u);
    const Picture laid;
    const Picture drawn;
    layOver(laid.dc(), layer, offset.x, offset.y);
    drawn.drawWithTheLibrary([&](draw::DrawingSurface& g) {
      layers(g, static_cast<float>(offset.x), static_cast<float>(offset.y));
    });
    GdiFlush();
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x)
        ASSERT_LE(largestChannelDifference(laid.rgb(x, y), drawn.rgb(x, y)), 1) << x << ", " << y;
  }
}

}  // namespace
}  // namespace skin
