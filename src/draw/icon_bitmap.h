#pragma once
// An icon as a drawing-library picture that keeps the icon's own alpha.

#include <windows.h>

#include "draw/drawing.h"

namespace draw {

// The icon's colour bitmap with its alpha; an icon without alpha takes its mask (white
// transparent, black opaque). GDI+'s own conversion keeps only the icon's mask on
// Windows, which gives a soft-edged icon a dark fringe. Empty when the icon's bitmaps
// cannot be read.
DrawingBitmap iconBitmap(HICON icon);

}  // namespace draw
