#pragma once
// Colour conversion, path builders and the effect painters every skin shares.

#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "draw/drawing.h"
#include "draw/gdi_handles.h"

namespace skin {

// Colours the painters name, 0x00BBGGRR.
inline constexpr COLORREF white = 0xFFFFFF;
inline constexpr COLORREF black = 0x000000;
inline constexpr COLORREF silver = 0xC0C0C0;
inline constexpr COLORREF grey = 0x808080;
inline constexpr COLORREF red = 0x0000FF;

// A 0x00BBGGRR colour with an opacity as the drawing layer's 0xAARRGGBB; the alpha is
// 255 unless useAlpha. toArgb(0xDDCA22, 120) == 0x7822CADD.
std::uint32_t toArgb(COLORREF colour, int alpha, bool useAlpha = true);

// One closed figure of four corner arcs; d (clamped to 1..100) is each arc's square.
void addRoundedRect(draw::DrawingPath& path, float x, float y, float w, float h, int d);
// An open figure rounded at the two top corners; filling closes it along the bottom.
void addTopRoundedOutline(draw::DrawingPath& path, int x, int y, int w, int h, int d);

// A soft outline: `count` translucent strokes of growing width.
void drawGlowPath(draw::DrawingSurface& graphics, const draw::DrawingPath& path, int count, COLORREF colour,
                  int alpha);

struct GlowTextOptions {
  int scale = 4;  // downscale factor of the blur
  std::string family = "宋体";
  int style = 0;
  float size = 12.0f;
  Gdiplus::StringAlignment align = Gdiplus::StringAlignmentNear;
  Gdiplus::StringAlignment lineAlign = Gdiplus::StringAlignmentNear;
  bool noWrap = false;
  bool keepWrap = false;
  bool ellipsis = false;
};

// Text with a blurred glow around it.
void drawGlowText(draw::DrawingSurface& graphics, std::string_view text, float x, float y, float w, float h,
                  COLORREF textColour, COLORREF glowColour, const GlowTextOptions& options = {});

// The built-in check mark recoloured with the theme colour, as PNG bytes.
std::vector<std::uint8_t> tintGlyph();

// The control's client area as it looks behind its text with translucent controls:
// the window background under a white veil of the theme's controlAlpha.
draw::OwnedBitmap makeTranslucentBackground(HWND control);

}  // namespace skin
