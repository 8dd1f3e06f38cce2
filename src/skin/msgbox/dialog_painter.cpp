#include "skin/msgbox/dialog_painter.h"

#include <algorithm>

#include "skin/controls/control_framework.h"
#include "skin/core/control_geometry.h"
#include "skin/core/control_properties.h"
#include "skin/core/drawing_primitives.h"
#include "skin/core/paint_helpers.h"
#include "skin/core/skin_theme.h"
#include "skin/core/skinned_window_record.h"
#include "skin/core/window_helpers.h"

namespace skin {
namespace {


void fillRect(draw::DrawingSurface& surface, std::uint32_t argb, float x, float y, float w, float h) {
  const draw::DrawingSolidBrush brush(argb);
  surface.fillRectangle(brush, x, y, w, h);
}

// Every paint gives backgroundImage a fresh bitmap of the window's size; the
// properties name the context's first bitmap and the one the skin put in.
bool renewBackgroundImage(HWND dialog, SkinnedWindowRecord& record, int width, int height) {
  if (!record.backgroundImage.resize(width, height)) return false;
  SetPropA(dialog, props::originalBackgroundBitmapKey, record.backgroundImage.originalBitmap());
  SetPropA(dialog, props::dialogBackgroundBitmapKey, record.backgroundImage.bitmap());
  return true;
}

// The base colour, the theme picture at its natural size and the two washes over them.
void paintDialogBase(draw::DrawingSurface& surface, float width, float height) {
  surface.clear(toArgb(theme().baseColour, 255));
  if (!theme().backgroundPicture.empty()) {
    const draw::DrawingBitmap picture = draw::DrawingBitmap::fromBytes(theme().backgroundPicture);
    if (picture) surface.drawImage(picture, 0, 0);
  }
  fillRect(surface, toArgb(theme().baseColour, 150), 0, 0, width, height);
  fillRect(surface, toArgb(white, 100), 0, 0, width, height);
}

// The body brightens downwards; the button band at the bottom third fades out again,
// under an etched line.
void paintDialogBands(draw::DrawingSurface& surface, int width, int height) {
  const int band = static_cast<int>(0.32 * height);
  const float w = static_cast<float>(width);
  const float bandTop = static_cast<float>(height - band);

  const draw::DrawingLinearBrush body({0, 25}, {0, bandTop + 5}, toArgb(white, 120), toArgb(white, 200));
  surface.fillRectangle(body, 0, 25, w, bandTop - 25);
  const draw::DrawingLinearBrush buttons({0, bandTop}, {0, static_cast<float>(height)}, toArgb(white, 160),
                                         toArgb(white, 80));
  surface.fillRectangle(buttons, 0, bandTop, w, static_cast<float>(band));

  const draw::DrawingPen shadow(toArgb(black, 30), 1);
  surface.drawLine(shadow, 5, bandTop, w - 5, bandTop);
  const draw::DrawingPen light(toArgb(white, 30), 1);
  surface.drawLine(light, 5, bandTop - 1, w - 5, bandTop - 1);
}

void strokeRoundedRect(draw::DrawingSurface& surface, std::uint32_t argb, float x, float y, float w, float h,
                       int corner) {
  const draw::DrawingPen pen(argb, 1);
  surface.drawPath(pen, roundedRectPath(x, y, w, h, corner));
}

void drawDialogOutline(draw::DrawingSurface& surface, int width, int height) {
  const float w = static_cast<float>(width), h = static_cast<float>(height);
  strokeRoundedRect(surface, toArgb(black, 120), 0, 0, w - 1, h - 1, 5);
  strokeRoundedRect(surface, toArgb(white, 180), 1, 1, w - 3, h - 3, 3);
}

void drawHotCloseLook(draw::DrawingSurface& surface, int x, int y, int w, int h) {
  const auto f = [](int value) { return static_cast<float>(value); };
  const draw::DrawingPath outer = roundedRectPath(f(x + 6), f(y + 2), f(w - 12), f(h - 4), 5);
  const draw::DrawingLinearBrush glow({f(x + 3), f(y + 2)}, {f(x + 3), f(y + h - 2)}, toArgb(white, 10),
                                      toArgb(red, 200));
  surface.fillPath(glow, outer);
  const draw::DrawingPen edge(toArgb(black, 100), 1);
  surface.drawPath(edge, outer);
  strokeRoundedRect(surface, toArgb(white, 130), f(x + 7), f(y + 3), f(w - 14), f(h - 6), 3);
}

void buildTitlePath(draw::DrawingPath& path, std::string_view text, const GlowTitleOptions& options, float width,
                    float height, int scale) {
  draw::DrawingStringFormat format;
  format.create(0, 0);
  format.setAlignment(options.align);
  format.setLineAlignment(options.lineAlign);
  const draw::DrawingFontFamily family(options.family);
  path.create();
  path.addString(text, family, options.style, static_cast<float>(static_cast<int>(options.size)),
                 {0, scale / 2.0f, width, height}, format);
}

}  // namespace

void paintDialog(HWND dialog) {
  const int index = props::recordIndex(dialog);
  SkinnedWindowRecord* record = skinnedWindowAt(index);
  if (!record || record->window != dialog) return;
  const SIZE size = windowSize(dialog);
  if (size.cx <= 0 || size.cy <= 0 || !renewBackgroundImage(dialog, *record, size.cx, size.cy)) return;

  {
    draw::DrawingSurface surface = draw::DrawingSurface::fromHdc(record->backgroundImage.dc());
    paintDialogBase(surface, static_cast<float>(size.cx), static_cast<float>(size.cy));
    paintDialogBands(surface, size.cx, size.cy);
    drawDialogOutline(surface, size.cx, size.cy);
    GlowTitleOptions title;
    title.family = "黑体";
    title.size = 12;
    title.align = Gdiplus::StringAlignmentNear;
    title.lineAlign = Gdiplus::StringAlignmentCenter;
    drawGlowTitle(surface, windowText(dialog), 8, -3, static_cast<float>(size.cx), 30, black, white, 4, title);
    for (int button = 1; button <= static_cast<int>(record->titleButtons.size()); ++button)
      drawDialogCloseButton(index, button, &surface, false);
  }

  const draw::WindowDC target = getWindowDCExcludingChildren(dialog);
  if (target) BitBlt(target.get(), 0, 0, size.cx, size.cy, record->backgroundImage.dc(), 0, 0, SRCCOPY);
}

void drawGlowTitle(draw::DrawingSurface& surface, std::string_view text, float x, float y, float w, float h,
                   COLORREF fillColour, COLORREF glowColour, int scale, const GlowTitleOptions& options) {
  const int width = static_cast<int>(w), height = static_cast<int>(h);
  if (width <= 0 || height <= 0) return;
  scale = std::max(scale, 1);
  const int smallWidth = std::max(width / scale, 1), smallHeight = std::max(height / scale, 1);
  const float fw = static_cast<float>(width), fh = static_cast<float>(height);

  draw::DrawingBitmap title(width, height);
  draw::DrawingSurface titleSurface = draw::DrawingSurface::fromImage(title);
  titleSurface.setSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
  titleSurface.setCompositingQuality(Gdiplus::CompositingQualityHighQuality);
  titleSurface.setInterpolationMode(Gdiplus::InterpolationModeHighQualityBicubic);
  titleSurface.setPixelOffsetMode(Gdiplus::PixelOffsetModeNone);

  // The glyphs solid in the glow colour...
  {
    draw::DrawingPath path;
    buildTitlePath(path, text, options, fw, fh, scale);
    const draw::DrawingPen pen(toArgb(glowColour, 255), 1);
    titleSurface.drawPath(pen, path);
    const draw::DrawingSolidBrush brush(toArgb(glowColour, 255));
    titleSurface.fillPath(brush, path);
  }
  // ...shrunk and stretched back into a soft halo...
  {
    draw::DrawingBitmap reduced(smallWidth, smallHeight);
    {
      draw::DrawingSurface reducedSurface = draw::DrawingSurface::fromImage(reduced);
      reducedSurface.setPixelOffsetMode(Gdiplus::PixelOffsetModeNone);
      reducedSurface.setInterpolationMode(Gdiplus::InterpolationModeHighQualityBicubic);
      reducedSurface.drawImage(title, 0, 0, static_cast<float>(smallWidth), static_cast<float>(smallHeight));
    }
    titleSurface.clear(0);
    titleSurface.drawImage(reduced, 0, 0, fw, fh);
  }
  // ...with the glyphs on top; filling four times thickens their anti-aliased edges.
  {
    draw::DrawingPath path;
    buildTitlePath(path, text, options, fw, fh, scale);
    const draw::DrawingPen pen(toArgb(glowColour, 120), 2);
    titleSurface.drawPath(pen, path);
    const draw::DrawingSolidBrush ink(toArgb(fillColour, 255));
    for (int i = 0; i < 4; ++i) titleSurface.fillPath(ink, path);
  }
  titleSurface.destroy();
  surface.drawImage(title, x, y);
}

void drawDialogCloseButton(int windowIndex, int button, draw::DrawingSurface* surface, bool hot) {
  SkinnedWindowRecord* record = skinnedWindowAt(windowIndex);
  if (!record || button < 1 || button > static_cast<int>(record->titleButtons.size())) return;
  const TitleButton& title = record->titleButtons[button - 1];
  const int x = static_cast<int>(title.hitRect.x), y = static_cast<int>(title.hitRect.y);
  const int w = static_cast<int>(title.hitRect.width), h = static_cast<int>(title.hitRect.height);
  const draw::DrawingBitmap glyph = draw::DrawingBitmap::fromBytes(title.image);

  if (surface) {
    if (glyph) surface->drawImage(glyph, static_cast<float>(x), static_cast<float>(y + 3));
    return;
  }

  // A hover change redraws only the button: the paint has not made the image yet.
  OffscreenImage& image = record->backgroundImage;
  if (!image) return;
  {
    draw::DrawingSurface own = draw::DrawingSurface::fromHdc(image.dc());
    // The outline strokes along the top and right edges stay as they are.
    own.setClipRect(static_cast<float>(x), static_cast<float>(y + 2), static_cast<float>(w - 2),
                    static_cast<float>(h));
    if (hot)
      drawHotCloseLook(own, x, y, w, h);
    else
      paintDialogBase(own, static_cast<float>(image.width()), static_cast<float>(image.height()));
    if (glyph) own.drawImage(glyph, static_cast<float>(x), static_cast<float>(y + 3));
  }
  const draw::WindowDC target = getWindowDCExcludingChildren(record->window);
  if (target) BitBlt(target.get(), x, y, w, h, image.dc(), x, y, SRCCOPY);
}

}  // namespace skin
