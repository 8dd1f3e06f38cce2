#include "skin/controls/button_skin.h"

#include <string>

#include "draw/drawing.h"
#include "draw/gdi_handles.h"
#include "skin/controls/control_framework.h"
#include "skin/controls/control_installs.h"
#include "skin/core/canvas.h"
#include "skin/core/drawing_primitives.h"
#include "skin/core/engine_state.h"
#include "skin/core/paint_helpers.h"
#include "skin/core/skin_theme.h"
#include "skin/core/window_helpers.h"

namespace skin {
namespace {

// The focus glow keeps its own colour whatever the theme.
constexpr COLORREF focusGlowColour = 0xDDCA22;
constexpr int cornerSize = 5;

const ButtonRecord* buttonRecordOf(HWND button) {
  return lookUpControl(button, &SkinnedWindowRecord::buttons).record;
}

void fillButtonRecord(ButtonRecord& record, HWND button) {
  record.buttonKind = pushButtonKind;
  record.caption = windowText(button);
  // From now on the platform asks the parent to paint it (WM_DRAWITEM).
  SetWindowLongPtrA(button, GWL_STYLE, GetWindowLongPtrA(button, GWL_STYLE) | BS_OWNERDRAW);
  ControlFont font = controlFont(button);
  record.fontFamily = std::move(font.family);
  record.fontSize = font.size;
  record.fontStyle = font.style;
}

// --- The push-button painter, step by step ----------------------------------------

// Everything a push button's picture depends on.
struct ButtonLook {
  int x, y, w, h;
  UINT state;  // the owner-draw states the painter reads
  COLORREF accent;
  std::string caption;
  std::string fontFamily;
  int fontSize;
  int fontStyle;
  COLORREF textColour;
  bool operator==(const ButtonLook&) const = default;
};

struct ButtonArea {
  float x, y;
  int w, h;
  draw::DrawingPath body() const {
    return roundedRectPath(x, y, static_cast<float>(w - 1), static_cast<float>(h - 1), cornerSize);
  }
};

void paintDisabledLook(draw::DrawingSurface& g, const ButtonArea& a) {
  g.fillRectangle(draw::DrawingSolidBrush(toArgb(silver, 255)), a.x, a.y, static_cast<float>(a.w),
                  static_cast<float>(a.h));
  outline(g, a.body(), toArgb(black, 80));
}

void paintShadingAndGloss(draw::DrawingSurface& g, const ButtonArea& a) {
  const float bottom = a.y + static_cast<float>(a.h - 1);
  fillWithGradient(g, a.body(), {a.x, a.y}, {a.x, bottom}, toArgb(white, 0), toArgb(grey, 60));

  draw::DrawingPath gloss;
  gloss.create();
  const int x = static_cast<int>(a.x);
  const int y = static_cast<int>(a.y);
  addTopRoundedOutline(gloss, x, y, a.w - 1, static_cast<int>(a.h * 0.5), cornerSize);
  fillWithGradient(g, gloss, {a.x, a.y}, {a.x, a.y + static_cast<float>(a.h) * 0.5f}, toArgb(white, 50),
                   toArgb(white, 10));
}

void paintBorder(draw::DrawingSurface& g, const ButtonArea& a, UINT state, COLORREF accent) {
  const draw::DrawingPath shape = a.body();
  if (state & buttonHotState) {
    const draw::PointF top{a.x, a.y};
    const draw::PointF bottom{a.x, a.y + static_cast<float>(a.h - 1)};
    fillWithGradient(g, shape, top, bottom, toArgb(accent, 60), toArgb(white, 80));
    fillWithGradient(g, shape, top, bottom, toArgb(white, 100), toArgb(accent, 30));
    outline(g, shape, toArgb(black, 150));
    outline(g, shape, toArgb(accent, 100));
  } else if (state & buttonFocusState) {
    // Clipped to the body, the glow falls inside the button only.
    g.setClipPath(shape);
    drawGlowPath(g, shape, 3, focusGlowColour, 120);
    g.resetClip();
    outline(g, shape, toArgb(black, 80));
  } else {
    outline(g, shape, toArgb(black, 120));
  }
}

void paintPressedInset(draw::DrawingSurface& g, const ButtonArea& a, COLORREF accent) {
  const draw::DrawingPath inset =
      roundedRectPath(a.x + 2, a.y + 2, static_cast<float>(a.w - 3), static_cast<float>(a.h - 3), cornerSize);
  fillWithGradient(g, inset, {2, 2}, {2, static_cast<float>(a.h - 2)}, toArgb(accent, 60), toArgb(white, 100));
}

void paintCaption(draw::DrawingSurface& g, const ButtonLook& look, const ButtonArea& a) {
  if (look.caption.empty()) return;
  const draw::DrawingSolidBrush ink(toArgb(look.textColour, 255));
  const draw::DrawingFontFamily family = fontFamilyOrFallback(look.fontFamily);
  const draw::DrawingFont font(family, static_cast<float>(look.fontSize), look.fontStyle);
  draw::DrawingStringFormat format;
  format.create();
  format.setAlignment(Gdiplus::StringAlignmentCenter);
  format.setLineAlignment(Gdiplus::StringAlignmentCenter);
  // Centred, two pixels below the middle.
  g.drawString(look.caption, font, ink, {0, 2, static_cast<float>(a.w), static_cast<float>(a.h)}, format);
}

void paintButtonLook(draw::DrawingSurface& g, const ButtonLook& look) {
  const ButtonArea area{static_cast<float>(look.x), static_cast<float>(look.y), look.w, look.h};
  g.fillPath(draw::DrawingSolidBrush(toArgb(white, 120)), area.body());
  if (look.state & buttonDisabledState) {
    paintDisabledLook(g, area);
  } else {
    paintShadingAndGloss(g, area);
    paintBorder(g, area, look.state, look.accent);
    if (look.state & buttonPressedState) paintPressedInset(g, area, look.accent);
  }
  paintCaption(g, look, area);
}

// A push button as the painter shows it; the same look is drawn once and its picture
// laid over the background at each paint.
void paintPushButtonOf(const ButtonRecord& record, HWND button, HDC dc, UINT state, const RECT& rect) {
  ControlCanvas canvas(button, rect);
  if (!canvas) return;
  const ButtonLook look{rect.left,
                        rect.top,
                        rect.right - rect.left,
                        rect.bottom - rect.top,
                        state & (buttonPressedState | buttonDisabledState | buttonFocusState | buttonHotState),
                        theme().themeColour,
                        record.caption,
                        record.fontFamily,
                        record.fontSize,
                        record.fontStyle,
                        props::textColour(button)};
  LayerMemo<ButtonLook>& looks = enginePart<LayerMemo<ButtonLook>>();
  layOver(canvas.dc(), looks.picture(look, look.w, look.h, [&](draw::DrawingSurface& g) { paintButtonLook(g, look); }));
  canvas.commit(dc);
}

// --- buttonSkinProc's handlers -----------------------------------------------------

struct ButtonMessage {
  HWND button;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
  ButtonRecord& record;
};

LRESULT forward(const ButtonMessage& m) { return forwardMessage(m.button, m.message, m.wParam, m.lParam); }

// The look a button keeps while the left button is held on it, even off it.
UINT pressedBit(const ButtonRecord& record) { return record.pressed ? buttonPressedState : 0; }

LRESULT onMove(const ButtonMessage& m) {
  InvalidateRect(m.button, nullptr, TRUE);
  return forward(m);
}

bool paintsItself(const ButtonRecord& record) { return record.buttonKind != pushButtonKind; }

// Check boxes and radio buttons paint themselves with the skin after a message that
// may have changed what they show.
void repaintIndicator(const ButtonMessage& m) {
  if (m.record.buttonKind == radioButtonKind) paintRadioButton(m.button, 1);
  else if (m.record.buttonKind == checkBoxKind) paintCheckBox(m.button, 0);
}

// The platform draws a check box or radio button straight onto the screen, not through
// WM_PAINT, when its focus, enabled state, text or pushed state changes: the skin
// paints over that at once.
LRESULT forwardThenRepaint(const ButtonMessage& m) {
  const LRESULT result = forward(m);
  repaintIndicator(m);
  return result;
}

LRESULT onFocus(const ButtonMessage& m) {
  trackFocus(m.message, m.record.focused);
  return paintsItself(m.record) ? forwardThenRepaint(m) : forward(m);
}

LRESULT onSetText(const ButtonMessage& m) {
  const auto* text = reinterpret_cast<const char*>(m.lParam);
  m.record.caption = text ? text : "";
  return paintsItself(m.record) ? forwardThenRepaint(m) : forward(m);
}

LRESULT onEnable(const ButtonMessage& m) { return paintsItself(m.record) ? forwardThenRepaint(m) : forward(m); }

LRESULT onPaint(const ButtonMessage& m) {
  if (!paintsItself(m.record)) return forward(m);  // the platform raises WM_DRAWITEM
  {
    const draw::PaintDC paint = draw::PaintDC::begin(m.button);
    if (m.record.buttonKind == checkBoxKind) paintCheckBox(m.button, 0);
    else paintRadioButton(m.button, 0);
  }
  return DefWindowProcA(m.button, m.message, m.wParam, m.lParam);
}

LRESULT onEraseBackground(const ButtonMessage& m) {
  const HDC dc = reinterpret_cast<HDC>(m.wParam);
  SetBkMode(dc, TRANSPARENT);
  return static_cast<LRESULT>(SetTextColor(dc, props::textColour(m.button)));
}

// A message that may change the check state: check boxes and radio buttons repaint
// after the platform has handled it.
LRESULT onCheckChange(const ButtonMessage& m) {
  if (!paintsItself(m.record)) return forward(m);
  forward(m);
  repaintIndicator(m);
  return DefWindowProcA(m.button, m.message, m.wParam, m.lParam);
}

LRESULT onSetState(const ButtonMessage& m) {
  // Held down and dragged off, the button keeps its pressed look until release.
  if (m.wParam == 0 && m.record.pressed) return 0;
  return paintsItself(m.record) ? forwardThenRepaint(m) : forward(m);
}

LRESULT onKeyDown(const ButtonMessage& m) {
  if (m.wParam == VK_SPACE) return onCheckChange(m);
  return forward(m);
}

LRESULT onMouseMove(const ButtonMessage& m) {
  hoverStart(m.button, buttonHotKind, [&] { repaintButtonNow(m.button, pressedBit(m.record), true); });
  return forward(m);
}

LRESULT onLeftDown(const ButtonMessage& m) {
  trackPress(m.button, m.message, m.record.pressed);
  return onCheckChange(m);
}

LRESULT onLeftUp(const ButtonMessage& m) {
  trackPress(m.button, m.message, m.record.pressed);
  return forward(m);
}

LRESULT onMouseLeave(const ButtonMessage& m) {
  hoverEnd(m.button, [&] {
    repaintButtonNow(m.button, (m.record.focused ? buttonFocusState : 0) | pressedBit(m.record), false);
  });
  return forward(m);
}

// A dialog makes a push button its default one with BM_SETSTYLE, which would give
// the button back its platform type and drawing: a skinned push button stays owner-drawn.
LRESULT onSetStyle(const ButtonMessage& m) {
  if (m.record.buttonKind != pushButtonKind) return forward(m);
  const WPARAM ownerDrawn = (m.wParam & ~static_cast<WPARAM>(BS_TYPEMASK)) | BS_OWNERDRAW;
  return forwardMessage(m.button, m.message, ownerDrawn, m.lParam);
}

// Capture taken away before the release (a window popping up, focus moving away):
// no WM_LBUTTONUP will come, so the press ends here and the platform may lift the button.
LRESULT onCaptureChanged(const ButtonMessage& m) {
  m.record.pressed = false;
  return forward(m);
}

}  // namespace

bool isSkinnablePushButton(LONG style) {
  if ((style & BS_OWNERDRAW) == BS_OWNERDRAW) return false;
  if (style & 0x2) return false;
  if ((style & 0x9) == 0x9) return false;
  return (style & 0x4) == 0;
}

void skinPushButtons(int windowIndex, HWND container) {
  installControls(
      windowIndex, container, "BUTTON", &SkinnedWindowRecord::buttons, buttonSkinProc,
      [](HWND child) { return isSkinnablePushButton(GetWindowLongA(child, GWL_STYLE)); }, fillButtonRecord);
}

LRESULT CALLBACK buttonSkinProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam) {
  const SkinnedControl<ButtonRecord> control = lookUpControl(button, &SkinnedWindowRecord::buttons);
  if (!control) return forwardMessage(button, message, wParam, lParam);
  const ButtonMessage m{button, message, wParam, lParam, *control.record};
  switch (message) {
    case WM_MOVE: return onMove(m);
    case WM_SETFOCUS:
    case WM_KILLFOCUS: return onFocus(m);
    case WM_SETTEXT: return onSetText(m);
    case WM_ENABLE: return onEnable(m);
    case WM_PAINT: return onPaint(m);
    case WM_ERASEBKGND: return onEraseBackground(m);
    case WM_WINDOWPOSCHANGING: notifyPositionChanging(button); return forward(m);
    case WM_NCPAINT: return 1;
    case BM_SETCHECK: return onCheckChange(m);
    case BM_SETSTATE: return onSetState(m);
    case BM_SETSTYLE: return onSetStyle(m);
    case WM_KEYDOWN: return onKeyDown(m);
    case WM_MOUSEMOVE: return onMouseMove(m);
    case WM_LBUTTONDOWN: return onLeftDown(m);
    case WM_LBUTTONUP: return onLeftUp(m);
    case WM_LBUTTONDBLCLK: return 0;  // the second press of a fast double click is ignored
    case WM_MOUSELEAVE: return onMouseLeave(m);
    case WM_CAPTURECHANGED: return onCaptureChanged(m);
    default: return forward(m);
  }
}

void repaintButtonNow(HWND button, UINT state, bool hot) {
  const ButtonRecord* record = buttonRecordOf(button);
  if (!record) return;
  if (hot) state |= buttonHotState;
  switch (record->buttonKind) {
    case pushButtonKind:
      paintNow(button, [&](HDC dc) {
        RECT client{};
        GetClientRect(button, &client);
        paintPushButtonOf(*record, button, dc, state, client);
      });
      break;
    case checkBoxKind: paintCheckBox(button, state); break;
    case radioButtonKind: paintRadioButton(button, state); break;
  }
}

void paintPushButton(HWND button, HDC dc, UINT state, const RECT& rect) {
  if (const ButtonRecord* record = buttonRecordOf(button)) paintPushButtonOf(*record, button, dc, state, rect);
}

void dispatchOwnerDraw(int windowIndex, const DRAWITEMSTRUCT& item) {
  if (item.CtlType != ODT_BUTTON) return;
  const int index = props::recordIndex(item.hwndItem);
  if (index < 1) return;
  SkinnedWindowRecord* window = skinnedWindowAt(windowIndex);
  const ButtonRecord* record = window ? window->buttons.at(index) : nullptr;
  // Check boxes and radio buttons paint themselves; a stale index names another button.
  if (!record || record->window != item.hwndItem || record->buttonKind != pushButtonKind) return;
  paintPushButtonOf(*record, item.hwndItem, item.hDC, item.itemState, item.rcItem);
}

}  // namespace skin
