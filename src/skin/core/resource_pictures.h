#pragma once
// Small pictures held in the program's resources, decoded once into plain pixels:
// decoding at every paint would cost more than the rest of the paint, and plain memory
// outlives the drawing library. The scroll-bar overlays, the combo drop button, the
// up-down control and the toolbar's drop-down arrow share one cache.

#include <map>
#include <string>

#include "skin/core/paint_helpers.h"

namespace skin {

class ResourcePictureCache {
 public:
  // The picture of the named resource, decoded at its first use. Empty when it does
  // not decode; that is not kept, so the next use tries again.
  const LayerPicture& picture(const char* resource);
  // How many times a resource was decoded.
  int decodes() const { return decodes_; }

 private:
  std::map<std::string, LayerPicture> pictures_;  // a node map: references stay valid
  int decodes_ = 0;
};

enum class ArrowGlyph {
  scrollUp,      // the scroll bars' dark chevrons, 7 x 4 and 4 x 7
  scrollDown,
  scrollLeft,
  scrollRight,
  triangleUp,    // black filled triangles, 7 x 4 and 4 x 7
  triangleDown,
  triangleLeft,
  triangleRight,
};

// The resource name of a glyph, such as "ARROW_UP_PNG".
const char* arrowResource(ArrowGlyph glyph);

// The process's one cache of arrow pictures.
ResourcePictureCache& arrowPictures();
// arrowPictures().picture(arrowResource(glyph)).
const LayerPicture& arrowPicture(ArrowGlyph glyph);

}  // namespace skin
