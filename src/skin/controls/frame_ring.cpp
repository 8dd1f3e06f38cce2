#include "skin/controls/frame_ring.h"

#include <array>
#include <vector>

#include "draw/gdi_handles.h"
#include "skin/core/canvas.h"
#include "skin/core/control_geometry.h"
#include "skin/core/control_lookup.h"
#include "skin/core/drawing_primitives.h"
#include "skin/core/paint_helpers.h"

namespace skin {
namespace {

// The window rectangle less the client area, as four strips that do not overlap.
std::array<RECT, 4> ringStrips(SIZE window, const RECT& client) {
  return {RECT{0, 0, window.cx, client.top}, RECT{0, client.bottom, window.cx, window.cy},
          RECT{0, client.top, client.left, client.bottom}, RECT{client.right, client.top, window.cx, client.bottom}};
}

// A rectangle outline as four bars that do not overlap: the pixels of a 1-pixel pen.
std::array<RECT, 4> strokeBars(SIZE window, int inset) {
  const LONG left = inset;
  const LONG top = inset;
  const LONG right = window.cx - inset;
  const LONG bottom = window.cy - inset;
  return {RECT{left, top, right, top + 1}, RECT{left, bottom - 1, right, bottom},
          RECT{left, top + 1, left + 1, bottom - 1}, RECT{right - 1, top + 1, right, bottom - 1}};
}

void excludeAreas(HDC dc, const std::vector<RECT>& areas, POINT offset = {}) {
  for (const RECT& area : areas)
    ExcludeClipRect(dc, area.left + offset.x, area.top + offset.y, area.right + offset.x, area.bottom + offset.y);
}

// Only the frame ring goes into windowImage. Clipping the rest out does what a
// key-coloured client part and a colour-keyed copy would, at a fraction of the cost.
void commitRing(HWND control, ControlCanvas& canvas, const std::vector<RECT>& besideTheFrame) {
  SkinnedWindowRecord* owner = skinnedWindowAt(owningWindowIndex(control));
  if (!owner || !owner->windowImage) return;
  const RECT place = rectInSkinnedWindow(control);
  excludeAreas(owner->windowImage.dc(), besideTheFrame, {place.left, place.top});
  canvas.commit(nullptr, props::controlKeys, true);  // resets the clip when done
}

}  // namespace

void paintFrameRing(HWND control, std::span<const FrameStroke> strokes, int veilAlpha, std::span<const RECT> spared) {
  const SIZE size = windowSize(control);
  const RECT client = clientRectInWindow(control);
  ControlCanvas canvas(control, RECT{0, 0, size.cx, size.cy});
  if (!canvas) return;

  // A ring a few pixels wide and one-pixel strokes: blended straight into the canvas
  // pixels, which the drawing library would do for many times the cost.
  const HDC pixels = canvas.dc();
  for (const RECT& strip : ringStrips(size, client)) blendColour(pixels, strip, white, veilAlpha);
  for (const FrameStroke& stroke : strokes)
    for (const RECT& bar : strokeBars(size, stroke.inset)) blendColour(pixels, bar, stroke.colour, stroke.alpha);

  std::vector<RECT> besideTheFrame{client};
  besideTheFrame.insert(besideTheFrame.end(), spared.begin(), spared.end());
  {
    const draw::WindowDC dc = draw::WindowDC::whole(control);
    if (dc) {
      excludeAreas(dc.get(), besideTheFrame);
      canvas.copyTo(dc.get());
    }
  }
  commitRing(control, canvas, besideTheFrame);
}

}  // namespace skin
