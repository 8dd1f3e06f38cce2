#include "skin/controls/check_radio_skin.h"

#include <string>

#include "draw/drawing.h"
#include "skin/controls/button_skin.h"
#include "skin/core/canvas.h"
#include "skin/controls/control_framework.h"
#include "skin/controls/control_installs.h"
#include "skin/core/drawing_primitives.h"
#include "skin/core/engine_state.h"
#include "skin/core/paint_helpers.h"
#include "skin/core/skin_theme.h"
#include "skin/core/window_helpers.h"

namespace skin {
namespace {


// Everything the picture of a check box or radio button depends on. The check state
// is asked of the control at every paint, never kept.
struct IndicatorLook {
  int kind;
  int w, h;
  bool disabled;
  bool hot;
  bool checked;
  COLORREF accent;
  std::string caption;
  std::string fontFamily;
  int fontSize;
  int fontStyle;
  COLORREF textColour;
  bool operator==(const IndicatorLook&) const = default;
};

// The client rectangle with its origin at (0, 0); c is the top of the 12-pixel indicator.
struct IndicatorArea {
  float x, y;
  int w, h;
  float c;
  explicit IndicatorArea(const IndicatorLook& look)
      : x(0), y(0), w(look.w), h(look.h), c(y + static_cast<float>(h - 12) / 2) {}
};

draw::DrawingPath rectanglePath(float x, float y, float w, float h) {
  draw::DrawingPath path;
  path.create();
  path.addRectangle(x, y, w, h);
  return path;
}

draw::DrawingPath ellipsePath(float x, float y, float w, float h) {
  draw::DrawingPath path;
  path.create();
  path.addEllipse(x, y, w, h);
  return path;
}

// A radial fill of the shape from an opaque centre colour out to transparent white.
void fillRadially(draw::DrawingSurface& g, const draw::DrawingPath& shape, draw::Argb centre, float focus) {
  draw::DrawingPathBrush brush;
  if (!brush.createFromPath(shape)) return;
  brush.setCentreColour(centre);
  const draw::Argb edge[] = {toArgb(white, 0)};
  brush.setSurroundColours(edge);
  brush.setFocusScales(focus, focus);
  g.fillPath(brush, shape);
}

// The halo around the indicator: the larger shape's radial fills clipped to the ring
// that lies outside the indicator (the two shapes combined by exclusive or).
void paintHalo(draw::DrawingSurface& g, const draw::DrawingPath& indicator, const draw::DrawingPath& halo,
               COLORREF accent) {
  g.setClipPath(indicator, Gdiplus::CombineModeReplace);
  g.setClipPath(halo, Gdiplus::CombineModeXor);
  fillRadially(g, halo, toArgb(white, 255), 0.4f);
  fillRadially(g, halo, toArgb(accent, 255), 0.3f);
}

void paintCheckBoxIndicator(draw::DrawingSurface& g, const IndicatorArea& a, const IndicatorLook& look) {
  const draw::DrawingPath body = rectanglePath(a.x + 3, a.c + 1, 11, 11);
  g.fillPath(draw::DrawingSolidBrush(toArgb(white, 255)), body);
  fillWithGradient(g, body, {a.x, a.c}, {a.x, a.c + 12}, toArgb(black, 70), toArgb(white, 255));

  const draw::DrawingPath box = rectanglePath(a.x + 2, a.c, 12, 12);
  if (look.hot) {
    paintHalo(g, box, roundedRectPath(a.x - 1, a.c - 3, 18, 18, 6), look.accent);
    g.resetClip();
    const float top = a.y + static_cast<float>(a.h - 11) / 2;
    fillWithGradient(g, box, {a.x, top}, {a.x, top + 12}, toArgb(look.accent, 90), toArgb(white, 30));
  }
  outline(g, box, toArgb(black, 150));
  outline(g, rectanglePath(a.x + 4, a.c + 1, 9, 10), toArgb(white, 255));

  if (!look.checked) return;
  const LayerPicture tinted = tintedCheckMark();
  const draw::DrawingBitmap mark = libraryBitmapOf(tinted);
  if (!mark) return;
  const auto markWidth = static_cast<float>(mark.width());
  const auto markHeight = static_cast<float>(mark.height());
  // Drawn twice: the second pass deepens the tint.
  g.drawImage(mark, a.x + 2, a.c, markWidth, markHeight);
  g.drawImage(mark, a.x + 2, a.c, markWidth, markHeight);
}

void paintRadioIndicator(draw::DrawingSurface& g, const IndicatorArea& a, const IndicatorLook& look) {
  g.setSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
  const draw::DrawingPath circle = ellipsePath(a.x + 2, a.c, 12, 12);
  g.fillPath(draw::DrawingSolidBrush(toArgb(white, 255)), circle);
  fillWithGradient(g, circle, {a.x + 3, a.c + 1}, {a.x + 10, a.c + 11}, toArgb(black, 100), toArgb(black, 0));

  if (look.hot) {
    paintHalo(g, circle, ellipsePath(a.x - 1, a.c - 3, 18, 18), look.accent);
    // Filled while the clip still leaves out the circle, so this tint stays outside it.
    fillWithGradient(g, circle, {a.x + 3, a.c + 1}, {a.x + 11, a.c + 12}, toArgb(look.accent, 100),
                     toArgb(black, 0));
    g.resetClip();
  }
  outline(g, circle, toArgb(black, 200));
  outline(g, ellipsePath(a.x + 3, a.y + static_cast<float>(a.h - 11) / 2 + 1, 9, 9), toArgb(white, 255));

  if (!look.checked) return;
  const draw::DrawingPath dot = ellipsePath(a.x + 5, a.c + 3, 6, 6);
  outline(g, dot, toArgb(black, 150));
  outline(g, dot, toArgb(look.accent, 150));
  draw::DrawingPathBrush glass;
  if (!glass.createFromPath(dot)) return;
  glass.setCentreColour(toArgb(white, 80));
  const draw::Argb edge[] = {toArgb(look.accent, 255)};
  glass.setSurroundColours(edge);
  g.fillPath(glass, dot);
}

void paintCaption(draw::DrawingSurface& g, const IndicatorLook& look, float left, float width) {
  if (look.caption.empty()) return;
  const draw::DrawingSolidBrush ink(toArgb(look.textColour, 255));
  const draw::DrawingFontFamily family = fontFamilyOrFallback(look.fontFamily);
  const draw::DrawingFont font(family, static_cast<float>(look.fontSize), look.fontStyle, Gdiplus::UnitPixel);
  draw::DrawingStringFormat format;
  format.create();
  format.setAlignment(Gdiplus::StringAlignmentNear);
  format.setLineAlignment(Gdiplus::StringAlignmentCenter);
  g.drawString(look.caption, font, ink, {left, 2, width, static_cast<float>(look.h)}, format);
}

void paintIndicatorLook(draw::DrawingSurface& g, const IndicatorLook& look) {
  const IndicatorArea a(look);
  if (look.disabled) {
    // No indicator: a silver block with a faint rounded outline, the caption from x + 2.
    g.fillRectangle(draw::DrawingSolidBrush(toArgb(silver, 255)), a.x, a.y, static_cast<float>(a.w),
                    static_cast<float>(a.h));
    outline(g, roundedRectPath(a.x, a.y, static_cast<float>(a.w - 1), static_cast<float>(a.h - 1), 5),
            toArgb(black, 80));
    paintCaption(g, look, a.x + 2, static_cast<float>(a.w - 6));
    return;
  }
  if (look.kind == checkBoxKind) paintCheckBoxIndicator(g, a, look);
  else paintRadioIndicator(g, a, look);
  paintCaption(g, look, a.x + 15, static_cast<float>(a.w - 19));
}

void paintIndicatorButton(HWND button, UINT state, int kind) {
  const ButtonRecord* record = lookUpControl(button, &SkinnedWindowRecord::buttons).record;
  // A hidden button shows nothing, and must not show in the window's picture either.
  if (!record || record->buttonKind != kind || !IsWindowVisible(button)) return;
  RECT client{};
  GetClientRect(button, &client);
  ControlCanvas canvas(button, client);
  if (!canvas) return;
  // The platform's own state stands in for what a caller cannot know: a disabled
  // button paints disabled whichever message asked for the paint.
  const bool disabled = (state & buttonDisabledState) || !IsWindowEnabled(button);
  const bool checked = SendMessageA(button, BM_GETCHECK, 0, 0) == BST_CHECKED;
  const IndicatorLook look{kind,
                           client.right - client.left,
                           client.bottom - client.top,
                           disabled,
                           (state & buttonHotState) != 0,
                           checked,
                           theme().themeColour,
                           record->caption,
                           record->fontFamily,
                           record->fontSize,
                           record->fontStyle,
                           props::textColour(button)};
  LayerMemo<IndicatorLook>& looks = enginePart<LayerMemo<IndicatorLook>>();
  layOver(canvas.dc(),
          looks.picture(look, look.w, look.h, [&](draw::DrawingSurface& g) { paintIndicatorLook(g, look); }));
  paintNow(button, [&](HDC dc) { canvas.commit(dc); });
}

void fillIndicatorRecord(ButtonRecord& record, HWND button) {
  record.caption = windowText(button);
  record.buttonKind = checkOrRadioKind(GetWindowLongA(button, GWL_STYLE)).value_or(checkBoxKind);
  ControlFont font = controlFont(button);
  record.fontFamily = std::move(font.family);
  record.fontSize = font.size;
  record.fontStyle = font.style;
}

}  // namespace

std::optional<ButtonKind> checkOrRadioKind(LONG style) {
  if ((style & BS_OWNERDRAW) == BS_OWNERDRAW) return std::nullopt;
  if ((style & 0x2) && !(style & 0x4)) return checkBoxKind;
  if (!(style & 0x2) && (style & 0x9) == 0x9 && !(style & 0x4)) return radioButtonKind;
  return std::nullopt;
}

void skinCheckAndRadioButtons(int windowIndex, HWND container) {
  installControls(
      windowIndex, container, "BUTTON", &SkinnedWindowRecord::buttons, buttonSkinProc,
      [](HWND child) { return checkOrRadioKind(GetWindowLongA(child, GWL_STYLE)).has_value(); }, fillIndicatorRecord);
}

void paintCheckBox(HWND button, UINT state) { paintIndicatorButton(button, state, checkBoxKind); }
void paintRadioButton(HWND button, UINT state) { paintIndicatorButton(button, state, radioButtonKind); }

}  // namespace skin
