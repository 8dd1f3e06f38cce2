#pragma once
// The small arrow pictures stored in the program (7 x 4 up and down, 4 x 7 left and
// right), decoded once and shared by every painter that draws one: the scroll-bar
// overlays and the combo box's drop button.

#include "draw/drawing.h"
#include "skin/core/paint_helpers.h"

namespace skin {

enum class Arrow { up, down, left, right };

// The decoded picture, as plain pixels; empty when it cannot be decoded. Decoding at
// every paint would cost more than the rest of the paint, and plain memory outlives
// the drawing library.
const LayerPicture& arrowPicture(Arrow arrow);

// Draws the picture at its own size with its top left corner at (x, y).
void drawArrow(draw::DrawingSurface& surface, Arrow arrow, float x, float y);

}  // namespace skin
