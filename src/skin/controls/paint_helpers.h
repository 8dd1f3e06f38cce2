#pragma once
// Small drawing helpers the control painters share.

#include <windows.h>

#include <string>

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

// Lays white at `alpha` (0..255) over the first width x height pixels of a device
// context: the pixels of a white fill at that opacity, at a fraction of the drawing
// library's cost over a control as large as an edit box.
void veilWithWhite(HDC dc, int width, int height, int alpha);

}  // namespace skin
