#pragma once
// The small pictures of arrows the control skins draw, decoded once from the
// program's resources into plain pixels: decoding at every paint would cost more than
// the rest of the paint, and plain memory outlives the drawing library.

#include "draw/drawing.h"
#include "skin/core/paint_helpers.h"

namespace skin {

// Black filled triangles, 7 x 4 (up, down) and 4 x 7 (left, right).
enum class ArrowGlyph { triangleUp, triangleDown, triangleLeft, triangleRight };

// The decoded picture; empty when the resource is missing or does not decode.
const LayerPicture& arrowGlyph(ArrowGlyph which);

// Draws the picture at its own size with its top left corner at (x, y); false when
// there is nothing to draw.
bool drawGlyph(draw::DrawingSurface& surface, const LayerPicture& picture, float x, float y);

}  // namespace skin
