#include "skin/window/title_button_painter.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "skin/core/drawing_primitives.h"
#include "skin/core/frame_memo.h"
#include "skin/core/skin_theme.h"
#include "skin/window/frame_painting.h"
#include "skin/window/frame_renderer.h"

namespace skin {
namespace {

using namespace frame;

constexpr int closeCorner = 5;     // the close button's rounded top-right corner
constexpr int buttonCorner = 5;    // the other buttons' rounded top corners

// A rectangle with only its top-right corner rounded: the close button's shape.
void addTopRightRoundedRect(draw::DrawingPath& path, int x, int y, int w, int h, int d) {
  path.addLine(f(x), f(y + h), f(x), f(y));
  path.addLine(f(x), f(y), f(x + w - d), f(y));
  path.addArc(f(x + w - d), f(y), f(d), f(d), 270, 90);
  path.addLine(f(x + w), f(y + d), f(x + w), f(y + h));
  path.closeFigure();
}

draw::DrawingPath hoverShape(int kind, int x, int y, int w, int h) {
  draw::DrawingPath path;
  path.create();
  if (kind == closeKind)
    addTopRightRoundedRect(path, x, y, w, h, closeCorner);
  else
    addTopRoundedOutline(path, x, y, w, h, buttonCorner);
  return path;
}

const std::vector<std::uint8_t>& glyphBytes(const SkinnedWindowRecord& record, const TitleButton& button) {
  if (button.kind == maximiseKind && record.maximised && !button.altImage.empty()) return button.altImage;
  return button.image;
}

void paintPressedButton(draw::DrawingSurface& surface, SkinnedWindowRecord& record, const TitleButton& button,
                        int x, int y) {
  const int w = button.width;
  const int h = button.height;
  draw::DrawingPath shape;
  shape.create();
  if (button.kind == closeKind)
    addTopRightRoundedRect(shape, x, y, w, h, closeCorner);
  else
    shape.addRectangle(f(x), f(y), f(w), f(h));
  const draw::DrawingLinearBrush fill =
      button.kind == closeKind ? verticalGradient(f(y), f(y + h), toArgb(red, 255), toArgb(white, 30))
                               : verticalGradient(f(y), f(y + h), toArgb(black, 80), toArgb(white, 5));
  surface.fillPath(fill, shape);
  if (const draw::DrawingBitmap* glyph = decodedPicture(record.frameCache, glyphBytes(record, button)))
    surface.drawImage(*glyph, f(x), f(y), f(w - 1), f(h));
}

void paintButtonHover(draw::DrawingSurface& surface, const TitleButton& button, int x, int y, int opacity) {
  const int w = button.width;
  const int h = button.height;
  const COLORREF colour = button.kind == closeKind ? red : theme().themeColour;
  const draw::DrawingPath shape = hoverShape(button.kind, x, y, w, h);
  surface.fillPath(verticalGradient(f(y), f(y + h + 1), toArgb(black, opacity / 5), toArgb(black, 0)), shape);
  surface.fillPath(verticalGradient(f(y), f(y + h), toArgb(colour, opacity), toArgb(white, 0)), shape);
  const int highlightHeight = h * 8 / 10;
  const draw::DrawingPath highlight = hoverShape(button.kind, x, y, w - 1, highlightHeight);
  draw::DrawingPen pen;
  pen.createFromBrush(verticalGradient(f(y), f(y + highlightHeight), toArgb(white, opacity * 8 / 10),
                                       toArgb(white, 0)),
                      1);
  surface.drawPath(pen, highlight);
}

void paintNormalButton(draw::DrawingSurface& surface, SkinnedWindowRecord& record, const TitleButton& button,
                       int x, int y, int opacity) {
  const int w = button.width;
  const int h = button.height;
  // At opacity 0 every stroke of the hover layer is transparent: nothing to draw.
  if (opacity > 0) paintButtonHover(surface, button, x, y, opacity);
  surface.fillRectangle(verticalGradient(f(y), f(y + h - 1), toArgb(white, 50), toArgb(black, 0)), f(x - 1), f(y),
                        f(w + 1), f(h - 1));
  if (const draw::DrawingBitmap* glyph = decodedPicture(record.frameCache, glyphBytes(record, button)))
    surface.drawImage(*glyph, f(x), f(y), f(w), f(h));
}

std::string buttonMemoKey(const SkinnedWindowRecord& record, const TitleButton& button, const RECT& area,
                          bool pressed, int opacity) {
  const FrameCache& cache = record.frameCache;
  if (!cache.backgroundValid) return {};
  const std::vector<std::uint8_t>& glyph = glyphBytes(record, button);
  return memoKeyOver(cache, "button", area)
      .add(button.kind)
      .add(button.width)
      .add(button.height)
      .add(static_cast<std::int64_t>(glyph.size()))
      .add(static_cast<std::int64_t>(pictureHash(glyph)))
      .add(pressed)
      .add(opacity)
      .add(button.kind == closeKind ? 0 : theme().themeColour)
      .take();
}

}  // namespace

RECT titleButtonRect(const SkinnedWindowRecord& record, int button) {
  if (button < 1 || button > static_cast<int>(record.titleButtons.size())) return RECT{};
  const TitleButton& b = record.titleButtons[button - 1];
  const int x = static_cast<int>(b.hitRect.x) - 1;
  const int y = record.buttonStrip.y + 1;
  // The gloss reaches one pixel left of the button and the hover layer one past its
  // right and bottom edges; restoring less would let them pile up over repeated fades.
  // Neighbours are one pixel apart, so the area stops where the next button's begins:
  // each button draws only in its own area, and repainting one never eats into another.
  RECT area{x - 1, y, x + b.width + 2, y + b.height + 1};
  if (button < static_cast<int>(record.titleButtons.size()))
    area.right = std::min<LONG>(area.right, static_cast<int>(record.titleButtons[button].hitRect.x) - 2);
  return area;
}

void paintTitleButton(SkinnedWindowRecord& record, int button, draw::DrawingSurface* surface, bool pressed, int opacity) {
  if (!record.backgroundImage) return;
  const RECT area = titleButtonRect(record, button);
  const RECT visible = intersection(area, boundsOf(record.backgroundImage));
  if (IsRectEmpty(&visible)) return;
  const TitleButton& b = record.titleButtons[button - 1];
  const int x = area.left + 1;
  const int y = area.top;
  opacity = pressed ? 0 : std::clamp(opacity, 0, 255);

  std::string key = buttonMemoKey(record, b, visible, pressed, opacity);
  if (surface) surface->flush(Gdiplus::FlushIntentionSync);
  if (const PaintMemo* memo = findMemo(record.frameCache, key)) {
    putBack(record.backgroundImage, *memo);
    if (!surface) copyToWindow(record, visible);
    return;
  }

  // The clean caption goes back first, so that translucent layers never pile up.
  restoreBackgroundRect(record, area);
  std::optional<PixelSurface> own;
  if (!surface) {
    own.emplace(record.backgroundImage);
    if (!*own) return;
    surface = &own->get();
  }
  const unsigned state = surface->save();
  clipToArea(*surface, area);
  surface->setSmoothingMode(pressed ? Gdiplus::SmoothingModeNone : Gdiplus::SmoothingModeAntiAlias);
  if (pressed)
    paintPressedButton(*surface, record, b, x, y);
  else
    paintNormalButton(*surface, record, b, x, y, opacity);
  surface->restore(state);

  finishPart(own, *surface);
  keepMemo(record.frameCache, std::move(key), record.backgroundImage, visible);
  if (own) copyToWindow(record, visible);
}

void paintTitleButton(int windowIndex, int button, draw::DrawingSurface* surface, bool pressed, int opacity) {
  if (SkinnedWindowRecord* record = skinnedWindowAt(windowIndex)) paintTitleButton(*record, button, surface, pressed, opacity);
}


}  // namespace skin
