#include "skin/core/drawing_primitives.h"

#include <algorithm>

#include "draw/embedded_resources.h"
#include "skin/core/control_geometry.h"
#include "skin/core/engine_state.h"
#include "skin/core/offscreen_image.h"
#include "skin/core/paint_helpers.h"
#include "skin/core/resource_pictures.h"
#include "skin/core/skin_theme.h"

namespace skin {

std::uint32_t toArgb(COLORREF colour, int alpha, bool useAlpha) {
  const std::uint32_t red = GetRValue(colour);
  const std::uint32_t green = GetGValue(colour);
  const std::uint32_t blue = GetBValue(colour);
  const std::uint32_t a = useAlpha ? static_cast<std::uint32_t>(alpha) & 0xFF : 0xFF;
  return (a << 24) | (red << 16) | (green << 8) | blue;
}

void addRoundedRect(draw::DrawingPath& path, float x, float y, float w, float h, int d) {
  d = std::clamp(d, 1, 100);
  const float size = static_cast<float>(d);
  const float right = x + w;
  const float bottom = y + h;
  path.addArc(right - size, y, size, size, 270, 90);
  // The bottom-right arc is one pixel larger and one further in, as the skin has
  // always drawn it.
  path.addArc(right - size - 1, bottom - size - 1, size + 1, size + 1, 0, 90);
  path.addArc(x, bottom - size, size, size, 90, 90);
  path.addArc(x, y, size, size, 180, 90);
  path.closeFigure();
}

void addTopRoundedOutline(draw::DrawingPath& path, int x, int y, int w, int h, int d) {
  const auto f = [](int value) { return static_cast<float>(value); };
  path.addLine(f(x), f(y + h), f(x), f(y + d));
  path.addArc(f(x), f(y), f(d), f(d), 180, 90);
  path.addLine(f(x + d), f(y), f(x + w - d), f(y));
  path.addArc(f(x + w - d), f(y), f(d), f(d), 270, 90);
  path.addLine(f(x + w), f(y + d), f(x + w), f(y + h));
}

void drawGlowPath(draw::DrawingSurface& graphics, const draw::DrawingPath& path, int count, COLORREF colour,
                  int alpha) {
  draw::DrawingPen pen(toArgb(colour, alpha), 1.0f);
  for (int i = 1; i <= count; ++i) {
    pen.setWidth(static_cast<float>(i));
    graphics.drawPath(pen, path);
  }
}

void drawGlowText(draw::DrawingSurface& graphics, std::string_view text, float x, float y, float w, float h,
                  COLORREF textColour, COLORREF glowColour, const GlowTextOptions& options) {
  const int width = static_cast<int>(w);
  const int height = static_cast<int>(h);
  if (width <= 0 || height <= 0) return;
  const int scale = options.scale > 0 ? options.scale : 1;
  const int smallWidth = std::max(1, width / scale);
  const int smallHeight = std::max(1, height / scale);

  draw::DrawingStringFormat format;
  int flags = Gdiplus::StringFormatFlagsLineLimit;
  if (options.noWrap && !options.keepWrap) flags |= Gdiplus::StringFormatFlagsNoWrap;
  format.create(flags);
  if (options.ellipsis) format.setTrimming(Gdiplus::StringTrimmingEllipsisCharacter);
  format.setAlignment(options.align);
  format.setLineAlignment(options.lineAlign);
  const draw::DrawingFontFamily family(options.family);
  const draw::DrawingFont font(family, options.size, options.style);

  // The text in the glow colour, shrunk and stretched back: a cheap blur.
  draw::DrawingBitmap sharp(width, height);
  {
    draw::DrawingSurface surface = draw::DrawingSurface::fromImage(sharp);
    const draw::DrawingSolidBrush brush(toArgb(glowColour, 255));
    surface.drawString(text, font, brush, {0, 0, static_cast<float>(width), static_cast<float>(height)}, format);
  }
  draw::DrawingBitmap reduced(smallWidth, smallHeight);
  {
    draw::DrawingSurface surface = draw::DrawingSurface::fromImage(reduced);
    surface.setInterpolationMode(Gdiplus::InterpolationModeHighQualityBicubic);
    surface.setCompositingQuality(Gdiplus::CompositingQualityHighQuality);
    surface.setPixelOffsetMode(Gdiplus::PixelOffsetModeNone);
    surface.drawImage(sharp, 0, 0, static_cast<float>(width) / scale, static_cast<float>(height) / scale);
  }
  draw::DrawingBitmap glow(width, height);
  {
    draw::DrawingSurface surface = draw::DrawingSurface::fromImage(glow);
    surface.setCompositingQuality(Gdiplus::CompositingQualityGammaCorrected);
    surface.setInterpolationMode(Gdiplus::InterpolationModeHighQualityBicubic);
    surface.setSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
    surface.drawImage(reduced, 1, 1, static_cast<float>(width), static_cast<float>(height));
  }
  graphics.drawImage(glow, x, y);

  const float fw = static_cast<float>(width);
  const float fh = static_cast<float>(height);
  const draw::DrawingSolidBrush halo(toArgb(glowColour, 60));
  graphics.drawString(text, font, halo, {x, y + 1, fw, fh}, format);
  graphics.drawString(text, font, halo, {x + 2, y + 1, fw, fh}, format);
  graphics.drawString(text, font, halo, {x + 1, y, fw, fh}, format);
  graphics.drawString(text, font, halo, {x + 1, y + 2, fw, fh}, format);
  const draw::DrawingSolidBrush ink(toArgb(textColour, 255));
  graphics.drawString(text, font, ink, {x + 1, y + 1, fw, fh}, format);
}

LayerPicture tintedCheckMark() {
  // The glyph is decoded once; only the tint is made afresh.
  ResourcePictureCache& glyphs = enginePart<ResourcePictureCache, struct CheckMarkGlyphs>();
  LayerPicture mark = glyphs.picture("CHECK_MARK_PNG");
  const COLORREF tint = theme().themeColour & 0xFFFFFF;
  for (std::uint32_t& pixel : mark.argb) {
    const int a = static_cast<int>(pixel >> 24);
    const int r = static_cast<int>((pixel >> 16) & 0xFF);
    const int g = static_cast<int>((pixel >> 8) & 0xFF);
    const int b = static_cast<int>(pixel & 0xFF);
    // The white ground, and whatever is fully transparent, stays as it is.
    if (RGB(r, g, b) == 0xFFFFFF || a == 0) continue;
    // Ink coverage: black is the whole stroke, lighter pixels are its soft edge.
    const int gray = (r + g + b) / 3;
    const int coverage = (255 - gray) * a / 255;
    pixel = toArgb(tint, coverage);
  }
  return mark;
}

std::vector<std::uint8_t> tintGlyph() {
  const LayerPicture mark = tintedCheckMark();
  const draw::DrawingBitmap bitmap = libraryBitmapOf(mark);
  if (!bitmap) return {};
  return bitmap.saveToBytes(draw::pngFormat);
}

draw::OwnedBitmap makeTranslucentBackground(HWND control) {
  const RECT area = clientRectInWindow(control);
  draw::OwnedBitmap background = draw::createDibSection(area.right - area.left, area.bottom - area.top);
  if (!paintTranslucentBackground(control, background.get())) return {};
  return background;
}

}  // namespace skin
