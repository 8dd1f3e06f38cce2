#include "skin/controls/combo_skin.h"

#include <string>
#include <vector>

#include "draw/drawing.h"
#include "draw/gdi_handles.h"
#include "skin/controls/control_framework.h"
#include "skin/controls/child_messages.h"
#include "skin/controls/edit_skin.h"
#include "skin/controls/frame_ring.h"
#include "skin/core/canvas.h"
#include "skin/core/control_geometry.h"
#include "skin/core/drawing_primitives.h"
#include "skin/core/engine_state.h"
#include "skin/core/paint_helpers.h"
#include "skin/core/resource_pictures.h"
#include "skin/core/skin_theme.h"
#include "skin/core/window_helpers.h"

namespace skin {
namespace {

// The areas of the combo box's child windows: never shown, so that what the children
// painted stays.
constexpr COLORREF keyColour = 0xFF00FF;
constexpr HoverRule comboHoverRule{.needsOwnIndex = true};
// A simple combo box's list keeps its area less this ring, which the body covers.
constexpr int listRing = 2;

bool translucent() { return theme().translucentControls; }

ComboRecord* comboRecordOf(HWND combo) { return lookUpControl(combo, &SkinnedWindowRecord::combos).record; }

HWND editFieldOf(HWND combo) { return FindWindowExA(combo, nullptr, "Edit", nullptr); }

void fillComboRecord(ComboRecord& record, HWND combo) {
  record.focused = false;
  // The selected item's text becomes the window text once; a drop-down list shows it.
  const auto selected = SendMessageA(combo, CB_GETCURSEL, 0, 0);
  if (selected < 0) return;
  const auto length = SendMessageA(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(selected), 0);
  if (length < 0) return;
  std::vector<char> text(static_cast<size_t>(length) + 1, '\0');
  SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(selected), reinterpret_cast<LPARAM>(text.data()));
  SendMessageA(combo, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.data()));
}

// --- The combo painter ------------------------------------------------------------

// The areas left to the child windows, in the combo box's window coordinates: every
// child of a simple combo box or drop-down list (a list less its ring), the edit field
// alone of a drop-down combo box.
std::vector<RECT> childAreas(HWND combo, LONG style) {
  std::vector<RECT> areas;
  const bool everyChild = (style & 0x1) != 0;
  for (HWND child = FindWindowExA(combo, nullptr, nullptr, nullptr); child;
       child = FindWindowExA(combo, child, nullptr, nullptr)) {
    RECT area = childRectInParent(child, ParentOrigin::window);
    if (everyChild && isWindowOfClass(child, "ComboLBox")) InflateRect(&area, -listRing, -listRing);
    areas.push_back(area);
    if (!everyChild) break;
  }
  return areas;
}

// Everything the drop button's picture depends on.
struct DropButtonLook {
  int w, h;
  bool hot;
  COLORREF accent;
  bool operator==(const DropButtonLook&) const = default;
};

void paintDropButton(draw::DrawingSurface& g, const DropButtonLook& look) {
  const float w = static_cast<float>(look.w);
  const float h = static_cast<float>(look.h);
  outline(g, roundedRectPath(0, 0, w - 1, h - 1, 4), look.hot ? toArgb(look.accent, 200) : toArgb(black, 80));
  const draw::Argb top = look.hot ? toArgb(white, 100) : toArgb(look.accent, 30);
  const draw::Argb bottom = look.hot ? toArgb(look.accent, 150) : toArgb(look.accent, 100);
  fillWithGradient(g, roundedRectPath(1, 1, w - 2, h - 2, 1), {1, 0}, {1, h - 2}, top, bottom);
  const LayerPicture& arrow = arrowPicture(ArrowGlyph::scrollDown);
  const draw::DrawingBitmap picture = libraryBitmapOf(arrow);
  if (!picture) return;
  g.drawImage(picture, (w - static_cast<float>(arrow.width)) / 2, (h - static_cast<float>(arrow.height)) / 2);
}

// Everything a drop-down list's text depends on.
struct ListTextLook {
  int w, h;
  std::string text;
  COLORREF colour;
  bool operator==(const ListTextLook&) const = default;
};

// In 宋体 12, whatever the control's own font, with the library's default format.
void paintListText(draw::DrawingSurface& g, const ListTextLook& look) {
  const draw::DrawingSolidBrush ink(toArgb(look.colour, 255));
  const draw::DrawingFontFamily family = fontFamilyOrFallback("宋体");
  const draw::DrawingFont font(family, 12.0f, 0, Gdiplus::UnitWorld);
  draw::DrawingStringFormat format;
  format.create();
  const float w = static_cast<float>(look.w);
  const float h = static_cast<float>(look.h);
  g.drawString(look.text, font, ink, {2, (h - 12) / 2, w - 17, h - 4}, format);
}

// --- comboSkinProc's handlers ------------------------------------------------------

struct ComboMessage {
  HWND combo;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
  ComboRecord& record;
};

LRESULT forward(const ComboMessage& m) { return forwardMessage(m.combo, m.message, m.wParam, m.lParam); }

LRESULT onMove(const ComboMessage& m) {
  paintComboBox(m.combo, false);
  return forward(m);
}

LRESULT onSetFocus(const ComboMessage& m) {
  m.record.focused = true;
  paintComboBox(m.combo, false, true);
  return forward(m);
}

// The focus look stays until the next paint.
LRESULT onKillFocus(const ComboMessage& m) {
  m.record.focused = false;
  return forward(m);
}

// The platform draws a drop-down list's new text straight onto the screen, not
// through WM_PAINT: the skin paints over it at once.
LRESULT forwardThenRepaint(const ComboMessage& m) {
  const LRESULT result = forward(m);
  paintComboBox(m.combo, false);
  return result;
}

LRESULT onSetText(const ComboMessage& m) {
  if (const HWND field = editFieldOf(m.combo)) InvalidateRect(field, nullptr, TRUE);
  return forward(m);
}

// The previous procedure never paints the combo box: its children paint themselves.
LRESULT onPaint(const ComboMessage& m) {
  {
    const draw::PaintDC paint = draw::PaintDC::begin(m.combo);
    paintComboBox(m.combo, false);
  }
  return DefWindowProcA(m.combo, m.message, m.wParam, m.lParam);
}

LRESULT onEraseBackground(const ComboMessage& m) {
  SetBkMode(reinterpret_cast<HDC>(m.wParam), TRANSPARENT);
  return 1;
}

// The combo box has no frame of the platform's left to draw: the skin draws it all.
LRESULT onNcPaint(const ComboMessage& m) {
  paintComboBox(m.combo, false);
  return 0;
}

// The edit field sends its notifications to the combo box, its parent.
LRESULT onCommand(const ComboMessage& m) {
  const HWND control = reinterpret_cast<HWND>(m.lParam);
  if (control && isWindowOfClass(control, "Edit")) onChildCommand(m.wParam, m.lParam);
  return forward(m);
}

// And its colour message: behind the typed text the window's picture shows through.
LRESULT onEditColour(const ComboMessage& m) {
  if (!translucent()) return forward(m);
  return translucentBrushAnswer(reinterpret_cast<HDC>(m.wParam), reinterpret_cast<HWND>(m.lParam));
}

LRESULT onMouseMove(const ComboMessage& m) {
  hoverStart(m.combo, comboHotKind, [&] { paintComboBox(m.combo, true); }, comboHoverRule);
  return forward(m);
}

LRESULT onMouseLeave(const ComboMessage& m) {
  paintComboBox(m.combo, false);
  clearLastHot(m.combo);
  return forward(m);
}

}  // namespace

void skinComboBoxes(int windowIndex, HWND container) {
  installControls(
      windowIndex, container, "ComboBox", &SkinnedWindowRecord::combos, comboSkinProc, [](HWND) { return true; },
      fillComboRecord);
  SkinnedWindowRecord* window = skinnedWindowAt(windowIndex);
  if (!theme().skinControls || !translucent() || !window || !container) return;
  for (HWND combo = FindWindowExA(container, nullptr, "ComboBox", nullptr); combo;
       combo = FindWindowExA(container, combo, "ComboBox", nullptr))
    if (window->combos.find(combo)) registerEdit(*window, editFieldOf(combo), EditOverlays::none);
}

LRESULT CALLBACK comboSkinProc(HWND combo, UINT message, WPARAM wParam, LPARAM lParam) {
  ComboRecord* record = comboRecordOf(combo);
  if (!record) return forwardMessage(combo, message, wParam, lParam);
  const ComboMessage m{combo, message, wParam, lParam, *record};
  switch (message) {
    case WM_MOVE: return onMove(m);
    case WM_SETFOCUS: return onSetFocus(m);
    case WM_KILLFOCUS: return onKillFocus(m);
    case WM_SETTEXT: return onSetText(m);
    case WM_PAINT: return onPaint(m);
    case WM_ERASEBKGND: return onEraseBackground(m);
    case WM_WINDOWPOSCHANGING: notifyPositionChanging(combo); return forward(m);
    case WM_NCPAINT: return onNcPaint(m);
    case WM_COMMAND: return onCommand(m);
    case WM_CTLCOLOREDIT: return onEditColour(m);
    case WM_MOUSEMOVE: return onMouseMove(m);
    case WM_MOUSELEAVE: return onMouseLeave(m);
    case CB_SETCURSEL:
    case CB_SELECTSTRING: return forwardThenRepaint(m);
    default: return forward(m);
  }
}

void paintComboBox(HWND combo, bool hot, std::optional<bool> focusedValue) {
  const ComboRecord* record = comboRecordOf(combo);
  // A hidden combo box shows nothing, and must not show in the window's picture either.
  if (!record || !IsWindowVisible(combo)) return;
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  SendMessageA(combo, CB_GETCOMBOBOXINFO, 0, reinterpret_cast<LPARAM>(&info));
  const RECT button = info.rcButton;
  const bool focused = focusedValue.value_or(record->focused);
  const LONG style = GetWindowLongA(combo, GWL_STYLE);
  const SIZE size = windowSize(combo);
  ControlCanvas canvas(combo, RECT{0, 0, size.cx, size.cy});
  if (!canvas) return;

  // The body, the child areas and the frame are flat fills and 1-pixel strokes, blended
  // straight into the canvas pixels; the drop button and the text are drawn once per
  // look by the drawing library and laid over.
  const HDC pixels = canvas.dc();
  blendColour(pixels, RECT{0, 0, size.cx, size.cy}, white, translucent() ? theme().controlAlpha : 255);
  for (const RECT& area : childAreas(combo, style)) blendColour(pixels, area, keyColour, 255);
  const COLORREF accent = theme().themeColour;
  const FrameStroke frame = hot || focused ? FrameStroke{accent, 200, 0} : FrameStroke{black, 80, 0};
  blendFrameStrokes(pixels, size, {&frame, 1});

  if (style & 0x2) {
    const DropButtonLook look{button.right - button.left, button.bottom - button.top, hot, accent};
    LayerMemo<DropButtonLook>& buttons = enginePart<LayerMemo<DropButtonLook>>();
    layOver(pixels, buttons.picture(look, look.w, look.h, [&](draw::DrawingSurface& g) { paintDropButton(g, look); }),
            button.left, button.top);
    if (style & 0x1) {
      const ListTextLook text{size.cx, size.cy, windowText(combo), props::textColour(combo)};
      LayerMemo<ListTextLook>& texts = enginePart<LayerMemo<ListTextLook>>();
      layOver(pixels, texts.picture(text, text.w, text.h, [&](draw::DrawingSurface& g) { paintListText(g, text); }));
    }
  }

  {
    const draw::WindowDC dc = draw::WindowDC::whole(combo);
    if (dc) TransparentBlt(dc.get(), 0, 0, size.cx, size.cy, pixels, 0, 0, size.cx, size.cy, keyColour);
  }
  canvas.commitFrame(keyColour);
}

}  // namespace skin
