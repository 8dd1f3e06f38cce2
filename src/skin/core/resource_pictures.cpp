#include "skin/core/resource_pictures.h"

#include "draw/drawing.h"
#include "draw/embedded_resources.h"
#include "skin/core/engine_state.h"

namespace skin {
namespace {

LayerPicture decodeResource(const char* resource) {
  LayerPicture picture;
  const draw::DrawingBitmap decoded = draw::DrawingBitmap::fromBytes(draw::loadResourceBytes(resource));
  if (!decoded) return picture;
  picture.width = static_cast<int>(decoded.width());
  picture.height = static_cast<int>(decoded.height());
  picture.argb.reserve(static_cast<size_t>(picture.width) * picture.height);
  for (int y = 0; y < picture.height; ++y)
    for (int x = 0; x < picture.width; ++x) picture.argb.push_back(decoded.getPixel(x, y));
  return picture;
}

}  // namespace

const LayerPicture& ResourcePictureCache::picture(const char* resource) {
  static const LayerPicture none;
  if (const auto kept = pictures_.find(resource); kept != pictures_.end()) return kept->second;
  ++decodes_;
  LayerPicture decoded = decodeResource(resource);
  if (decoded.argb.empty()) return none;
  return pictures_.emplace(resource, std::move(decoded)).first->second;
}

const char* arrowResource(ArrowGlyph glyph) {
  switch (glyph) {
    case ArrowGlyph::scrollUp: return "ARROW_UP_PNG";
    case ArrowGlyph::scrollDown: return "ARROW_DOWN_PNG";
    case ArrowGlyph::scrollLeft: return "ARROW_LEFT_PNG";
    case ArrowGlyph::scrollRight: return "ARROW_RIGHT_PNG";
    case ArrowGlyph::triangleUp: return "TRIANGLE_UP_PNG";
    case ArrowGlyph::triangleDown: return "TRIANGLE_DOWN_PNG";
    case ArrowGlyph::triangleLeft: return "TRIANGLE_LEFT_PNG";
    case ArrowGlyph::triangleRight: return "TRIANGLE_RIGHT_PNG";
  }
  return "";
}

ResourcePictureCache& arrowPictures() {
  return enginePart<ResourcePictureCache, struct ArrowPictures>();
}

const LayerPicture& arrowPicture(ArrowGlyph glyph) { return arrowPictures().picture(arrowResource(glyph)); }

}  // namespace skin
