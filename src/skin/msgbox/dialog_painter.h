#pragma once
// Painting of a skinned message box: the whole window rectangle is drawn off screen into
// the record's backgroundImage (washes, etched separator, double outline, glowing title,
// close button) and copied onto the window around its child controls.

#include <windows.h>

#include <string>
#include <string_view>

#include "draw/drawing.h"
#include "draw/gdi_handles.h"

namespace skin {

// Renders the dialog and copies it onto its whole window rectangle.
void paintDialog(HWND dialog);

struct GlowTitleOptions {
  std::string family = "宋体";
  int style = 0;
  float size = 13.0f;
  Gdiplus::StringAlignment align = Gdiplus::StringAlignmentNear;
  Gdiplus::StringAlignment lineAlign = Gdiplus::StringAlignmentNear;
};

// Text as a path, filled in fillColour over a halo of glowColour that is blurred by
// shrinking it `scale` times and stretching it back; drawn at (x, y) of the surface.
void drawGlowTitle(draw::DrawingSurface& surface, std::string_view text, float x, float y, float w, float h,
                   COLORREF fillColour, COLORREF glowColour, int scale, const GlowTitleOptions& options = {});

// Draws title button `button` (1-based) of the dialog at windowIndex, hot or normal.
// With a surface (the full paint) only its glyph is drawn onto it; without one the
// button's rectangle of backgroundImage is redrawn and copied to the screen.
void drawDialogCloseButton(int windowIndex, int button, draw::DrawingSurface* surface, bool hot);

}  // namespace skin
