#include "skin/controls/paint_helpers.h"

#include "draw/gdi_handles.h"
#include "skin/controls/drawing_primitives.h"

namespace skin {

draw::DrawingPath roundedRectPath(float x, float y, float w, float h, int d) {
  draw::DrawingPath path;
  path.create();
  addRoundedRect(path, x, y, w, h, d);
  return path;
}

draw::DrawingFontFamily fontFamilyOrFallback(const std::string& name) {
  draw::DrawingFontFamily family(name);
  if (!family) family.createGenericSansSerif();
  return family;
}

void fillWithGradient(draw::DrawingSurface& surface, const draw::DrawingPath& shape, draw::PointF from,
                      draw::PointF to, draw::Argb fromColour, draw::Argb toColour) {
  const draw::DrawingLinearBrush brush(from, to, fromColour, toColour);
  surface.fillPath(brush, shape);
}

void outline(draw::DrawingSurface& surface, const draw::DrawingPath& shape, draw::Argb colour) {
  const draw::DrawingPen pen(colour, 1.0f);
  surface.drawPath(pen, shape);
}

void veilWithWhite(HDC dc, int width, int height, int alpha) {
  draw::MemoryDC source = draw::MemoryDC::createCompatible(dc);
  const draw::OwnedBitmap white(CreateCompatibleBitmap(dc, 1, 1));
  if (!source || !white) return;
  const draw::ScopedSelectObject selected(source.get(), white.get());
  SetPixel(source.get(), 0, 0, RGB(255, 255, 255));
  const BLENDFUNCTION blend{AC_SRC_OVER, 0, static_cast<BYTE>(alpha), 0};
  AlphaBlend(dc, 0, 0, width, height, source.get(), 0, 0, 1, 1, blend);
}

}  // namespace skin
