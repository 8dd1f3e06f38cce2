#include "skin/controls/edit_skin.h"

#include <vector>

#include "draw/gdi_handles.h"
#include "skin/controls/combo_skin.h"
#include "skin/controls/control_framework.h"
#include "skin/controls/control_installs.h"
#include "skin/controls/frame_ring.h"
#include "skin/controls/scroll_overlay.h"
#include "skin/core/canvas.h"
#include "skin/core/control_geometry.h"
#include "skin/core/drawing_primitives.h"
#include "skin/core/paint_helpers.h"
#include "skin/core/skin_theme.h"
#include "skin/core/window_helpers.h"

namespace skin {
namespace {

constexpr DWORD scrollStyles = WS_VSCROLL | WS_HSCROLL;
constexpr HoverRule editHoverRule{.compareParent = true};

EditRecord* editRecordOf(HWND edit) { return lookUpControl(edit, &SkinnedWindowRecord::edits).record; }

LONG styleOf(HWND window) { return GetWindowLongA(window, GWL_STYLE); }
bool hasScrollStyle(HWND edit) { return (styleOf(edit) & scrollStyles) != 0; }
bool translucent() { return theme().translucentControls; }
void invalidateWhole(HWND edit) { InvalidateRect(edit, nullptr, TRUE); }

void fillEditRecord(EditRecord& record, HWND edit, EditOverlays overlays) {
  record.verticalParts = {};
  record.horizontalParts = {};
  if (overlays == EditOverlays::forScrollStyles) {
    const LONG style = styleOf(edit);
    const bool visible = (style & WS_VISIBLE) != 0;
    if (style & WS_VSCROLL) record.verticalOverlay = createScrollOverlay(edit, ScrollDirection::vertical, visible);
    if (style & WS_HSCROLL)
      record.horizontalOverlay = createScrollOverlay(edit, ScrollDirection::horizontal, visible);
  }
  props::setTextColour(edit, 0);
}

// The strokes of the frame, in drawing order. A plain WS_BORDER frame has no room for
// the double hot frame.
std::vector<FrameStroke> frameStrokes(HWND edit, bool focused, bool hot) {
  const COLORREF accent = theme().themeColour;
  if (hot && borderKind(edit) == 2) return {{white, 60, 0}, {accent, 90, 0}, {accent, 180, 1}};
  return {focused ? FrameStroke{accent, 180, 0} : FrameStroke{black, 80, 0}};
}

// --- editSkinProc's handlers -------------------------------------------------------

struct EditMessage {
  HWND edit;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
  EditRecord& record;
};

LRESULT forward(const EditMessage& m) { return forwardMessage(m.edit, m.message, m.wParam, m.lParam); }

LRESULT onDestroy(const EditMessage& m) {
  props::deleteColourObjects(m.edit);
  retireScrollOverlays(scrolledControlOf(m.record));
  return forward(m);
}

LRESULT onMove(const EditMessage& m) {
  if (translucent()) invalidateWhole(m.edit);
  placeScrollOverlays(m.edit);
  return forward(m);
}

LRESULT onSetFocus(const EditMessage& m) {
  m.record.focused = true;
  return forward(m);
}

LRESULT onKillFocus(const EditMessage& m) {
  m.record.focused = false;
  // The edit of a combo box is not repainted by an invalidation of its own.
  if (isWindowOfClass(GetParent(m.edit), "ComboBox")) paintEditFrame(m.edit, false, false);
  else invalidateWhole(m.edit);
  return forward(m);
}

// Overlays are repainted after the platform has handled the message, so that they show
// the scroll position it leaves behind and cover what the native bar drew meanwhile.
LRESULT forwardThenRepaintOverlays(const EditMessage& m) {
  const LRESULT result = forward(m);
  repaintScrollOverlays(m.edit, OverlayCheck::withScrollStyle);
  return result;
}

LRESULT onPaint(const EditMessage& m) {
  paintEditFrame(m.edit);
  return forward(m);
}

LRESULT onEraseBackground(const EditMessage& m) {
  if (!translucent()) return forward(m);
  const HDC dc = reinterpret_cast<HDC>(m.wParam);
  SetBkMode(dc, TRANSPARENT);
  paintEditBackground(m.edit, dc, true);
  return 1;
}

LRESULT onPlacementChange(const EditMessage& m) {
  placeScrollOverlays(m.edit);
  return forward(m);
}

// The skin draws the whole frame; the platform's default would draw its own edge and
// scroll bars over it, so it is not called.
LRESULT onNcPaint(const EditMessage& m) {
  paintEditFrame(m.edit);
  if (hasScrollStyle(m.edit)) repaintScrollOverlays(m.edit, OverlayCheck::withScrollStyle);
  return 0;
}

LRESULT onNcMouseMove(const EditMessage& m) {
  const ScrolledControl scrolled = findScrolledControl(m.edit);
  for (const ScrollDirection direction : {ScrollDirection::vertical, ScrollDirection::horizontal})
    if (scrolled.bar(direction).overlay)
      paintScrollBar(scrolled, direction, hitTestScrollBar(scrolled, direction, m.lParam));
  return forward(m);
}

LRESULT onKeyDown(const EditMessage& m) {
  if (translucent() && !hasScrollStyle(m.edit)) invalidateWhole(m.edit);
  return forwardThenRepaintOverlays(m);
}

LRESULT onScroll(const EditMessage& m) {
  if (translucent()) invalidateWhole(m.edit);
  const LRESULT result = forward(m);
  repaintScrollOverlays(m.edit, OverlayCheck::anyOverlay,
                        m.message == WM_VSCROLL ? ScrollDirection::vertical : ScrollDirection::horizontal);
  return result;
}

LRESULT onMouseMove(const EditMessage& m) {
  hoverStart(m.edit, editHotKind, [&] { paintEditFrame(m.edit, std::nullopt, true); }, editHoverRule);
  if (m.record.mouseDown) {
    // Selecting by dragging: the text moves under a transparent background.
    if (!hasScrollStyle(m.edit)) invalidateWhole(m.edit);
    repaintScrollOverlays(m.edit, OverlayCheck::withScrollStyle);
  }
  return forward(m);
}

LRESULT onLeftDown(const EditMessage& m) {
  m.record.mouseDown = true;
  if (translucent() && !hasScrollStyle(m.edit)) invalidateWhole(m.edit);
  return forward(m);
}

LRESULT onLeftUp(const EditMessage& m) {
  m.record.mouseDown = false;
  return forward(m);
}

LRESULT onMouseLeave(const EditMessage& m) {
  hoverEnd(m.edit, [&] { paintEditFrame(m.edit, m.record.focused, false); });
  return forward(m);
}

}  // namespace

int registerEdit(SkinnedWindowRecord& window, HWND edit, EditOverlays overlays) {
  return registerControl(window, &SkinnedWindowRecord::edits, edit, editSkinProc,
                         [overlays](EditRecord& record, HWND control) { fillEditRecord(record, control, overlays); });
}

void skinEditBoxes(int windowIndex, HWND container) {
  installControls(
      windowIndex, container, "Edit", &SkinnedWindowRecord::edits, editSkinProc, [](HWND) { return true; },
      [](EditRecord& record, HWND edit) { fillEditRecord(record, edit, EditOverlays::forScrollStyles); });
}

void skinEditAndComboBoxes(int windowIndex, HWND container) {
  skinEditBoxes(windowIndex, container);
  skinComboBoxes(windowIndex, container);
}

LRESULT CALLBACK editSkinProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
  EditRecord* record = editRecordOf(edit);
  if (!record) return forwardMessage(edit, message, wParam, lParam);
  const EditMessage m{edit, message, wParam, lParam, *record};
  switch (message) {
    case WM_DESTROY: return onDestroy(m);
    case WM_MOVE: return onMove(m);
    case WM_SETFOCUS: return onSetFocus(m);
    case WM_KILLFOCUS: return onKillFocus(m);
    case WM_SETTEXT: return forwardThenRepaintOverlays(m);
    case WM_PAINT: return onPaint(m);
    case WM_ERASEBKGND: return onEraseBackground(m);
    case WM_SHOWWINDOW:
    case WM_GETMINMAXINFO:
    case WM_WINDOWPOSCHANGED: return onPlacementChange(m);
    case WM_WINDOWPOSCHANGING: notifyPositionChanging(edit); return forward(m);
    case WM_NCPAINT: return onNcPaint(m);
    case WM_NCMOUSEMOVE: return onNcMouseMove(m);
    case WM_NCLBUTTONDOWN: return forwardThenRepaintOverlays(m);
    case WM_KEYDOWN: return onKeyDown(m);
    case WM_HSCROLL:
    case WM_VSCROLL: return onScroll(m);
    case WM_MOUSEMOVE: return onMouseMove(m);
    case WM_LBUTTONDOWN: return onLeftDown(m);
    case WM_LBUTTONUP: return onLeftUp(m);
    case WM_MOUSEWHEEL: return forwardThenRepaintOverlays(m);
    case WM_MOUSELEAVE: return onMouseLeave(m);
    default: return forward(m);
  }
}

void paintEditFrame(HWND edit, std::optional<bool> focusedValue, std::optional<bool> hotValue) {
  const EditRecord* record = editRecordOf(edit);
  if (!record) return;
  const bool focused = focusedValue.value_or(record->focused);
  const bool hot = hotValue.value_or(record->hot);
  const std::vector<FrameStroke> strokes =
      borderKind(edit) != 0 ? frameStrokes(edit, focused, hot) : std::vector<FrameStroke>{};
  paintFrameRing(edit, strokes, translucent() ? theme().controlAlpha : 255,
                 overlayAreasInWindow(findScrolledControl(edit)));
}

void paintEditBackground(HWND edit, HDC dc, bool toGivenDc) {
  const RECT area = clientRectInWindow(edit);
  ControlCanvas canvas(edit, area);
  if (!canvas) return;
  veilWithWhite(canvas.dc(), canvas.width(), canvas.height(), theme().controlAlpha);
  if (toGivenDc) {
    canvas.copyTo(dc);
    return;
  }
  const draw::WindowDC windowDc = draw::WindowDC::whole(edit);
  if (windowDc) canvas.copyTo(windowDc.get(), area.left, area.top);
}

}  // namespace skin
