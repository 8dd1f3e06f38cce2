#include "skin/controls/arrow_glyphs.h"

#include <array>
#include <cstddef>
#include <cstdint>

#include "draw/embedded_resources.h"

namespace skin {
namespace {

LayerPicture decodeGlyph(const char* resource) {
  LayerPicture picture;
  const draw::DrawingBitmap decoded = draw::DrawingBitmap::fromBytes(draw::loadResourceBytes(resource));
  if (!decoded) return picture;
  picture.width = static_cast<int>(decoded.width());
  picture.height = static_cast<int>(decoded.height());
  picture.argb.reserve(static_cast<std::size_t>(picture.width) * picture.height);
  for (int y = 0; y < picture.height; ++y)
    for (int x = 0; x < picture.width; ++x) picture.argb.push_back(decoded.getPixel(x, y));
  return picture;
}

}  // namespace

const LayerPicture& arrowGlyph(ArrowGlyph which) {
  static constexpr std::array<const char*, 4> resources = {"TRIANGLE_UP_PNG", "TRIANGLE_DOWN_PNG",
                                                            "TRIANGLE_LEFT_PNG", "TRIANGLE_RIGHT_PNG"};
  static std::array<LayerPicture, 4> pictures;
  const auto slot = static_cast<std::size_t>(which);
  // Decoded again while empty: the drawing library may not have been running before.
  if (pictures[slot].argb.empty()) pictures[slot] = decodeGlyph(resources[slot]);
  return pictures[slot];
}

bool drawGlyph(draw::DrawingSurface& surface, const LayerPicture& picture, float x, float y) {
  if (picture.argb.empty()) return false;
  draw::DrawingBitmap bitmap;
  // The library only reads the pixels here.
  auto* pixels = const_cast<std::uint32_t*>(picture.argb.data());
  if (!bitmap.createFromScan0(picture.width, picture.height, picture.width * 4, draw::pixelFormat32bppArgb,
                              reinterpret_cast<BYTE*>(pixels)))
    return false;
  return surface.drawImage(bitmap, x, y);
}

}  // namespace skin
