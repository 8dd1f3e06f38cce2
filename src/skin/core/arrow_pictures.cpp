#include "skin/core/arrow_pictures.h"

#include <cstddef>

#include "draw/embedded_resources.h"

namespace skin {
namespace {

LayerPicture decodeArrow(const char* resource) {
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

const LayerPicture& arrowPicture(Arrow arrow) {
  static LayerPicture pictures[4];
  static const char* const resources[4] = {"ARROW_UP_PNG", "ARROW_DOWN_PNG", "ARROW_LEFT_PNG", "ARROW_RIGHT_PNG"};
  const int which = static_cast<int>(arrow);
  // Kept only once decoded, so that a call before the drawing library starts tries again.
  if (pictures[which].argb.empty()) pictures[which] = decodeArrow(resources[which]);
  return pictures[which];
}

void drawArrow(draw::DrawingSurface& surface, Arrow arrow, float x, float y) {
  const LayerPicture& picture = arrowPicture(arrow);
  draw::DrawingBitmap bitmap;
  auto* pixels = const_cast<BYTE*>(reinterpret_cast<const BYTE*>(picture.argb.data()));
  if (picture.argb.empty() ||
      !bitmap.createFromScan0(picture.width, picture.height, picture.width * 4, draw::pixelFormat32bppArgb, pixels))
    return;
  surface.drawImage(bitmap, x, y);
}

}  // namespace skin
