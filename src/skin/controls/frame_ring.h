#pragma once
// The frame ring of an edit-like control (edit boxes, and the list and combo frames):
// the window rectangle less the client area, veiled white and outlined with 1-pixel
// strokes, painted onto the control's window and into the skinned window's windowImage.

#include <windows.h>

#include <span>

namespace skin {

// One 1-pixel rectangle outline of the frame, `inset` pixels in from the window's edge.
struct FrameStroke {
  COLORREF colour;
  int alpha;
  int inset;
};

// Paints the ring of control: white at veilAlpha over the ring, then the strokes in
// order. Neither the client area, which is the control's own, nor the areas in spared
// (window coordinates, such as scroll-bar overlays lying in the ring) are touched.
void paintFrameRing(HWND control, std::span<const FrameStroke> strokes, int veilAlpha,
                    std::span<const RECT> spared = {});

}  // namespace skin
