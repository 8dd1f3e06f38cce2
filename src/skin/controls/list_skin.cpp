#include "skin/controls/list_skin.h"

#include <commctrl.h>

#include <vector>

#include "draw/gdi_handles.h"
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

constexpr COLORREF keyColour = 0xFF00FF;  // the see-through pixels of the tree view's picture
constexpr LONG skippedListViewStyle = 0x10;

bool translucent() { return theme().translucentControls; }
LONG styleOf(HWND window) { return GetWindowLongA(window, GWL_STYLE); }

// A canvas handed out by makeControlCanvas, released when it goes out of scope.
class CanvasHandle {
 public:
  explicit CanvasHandle(HDC canvas) : canvas_(canvas) {}
  ~CanvasHandle() { releaseCanvas(canvas_); }
  CanvasHandle(const CanvasHandle&) = delete;
  CanvasHandle& operator=(const CanvasHandle&) = delete;
  HDC get() const { return canvas_; }
  explicit operator bool() const { return canvas_ != nullptr; }

 private:
  HDC canvas_;
};

enum class Overlays { none, both };

void fillListRecord(ListSkinRecord& record, HWND control, Overlays overlays) {
  record.verticalParts = {};
  record.horizontalParts = {};
  record.dirty = true;
  if (overlays == Overlays::none) return;
  const LONG style = styleOf(control);
  const bool visible = (style & WS_VISIBLE) != 0;
  record.verticalOverlay = createScrollOverlay(control, ScrollDirection::vertical, visible && (style & WS_VSCROLL));
  record.horizontalOverlay =
      createScrollOverlay(control, ScrollDirection::horizontal, visible && (style & WS_HSCROLL));
}

void registerList(SkinnedWindowRecord& window, HWND control, Overlays overlays) {
  registerControl(window, &SkinnedWindowRecord::lists, control, listSkinProc,
                  [overlays](ListSkinRecord& record, HWND list) { fillListRecord(record, list, overlays); });
}

template <typename Visit>
void forEachChildOfClass(HWND parent, const char* windowClass, Visit&& visit) {
  for (HWND child = FindWindowExA(parent, nullptr, windowClass, nullptr); child;
       child = FindWindowExA(parent, child, windowClass, nullptr))
    visit(child);
}

void paintFrameOf(const ListSkinRecord& record, bool hot, bool focused) {
  const HWND control = record.window;
  // A combo box's list and a borderless control show no frame.
  if (isWindowOfClass(control, "ComboLBox") || borderKind(control) == 0) return;
  const COLORREF accent = theme().themeColour;
  std::vector<FrameStroke> strokes;
  if (hot && theme().listFocusFrame) strokes = {{accent, 200, 0}, {accent, 200, 1}};
  else if (hot || focused) strokes = {{accent, 200, 0}};
  else strokes = {{black, 90, 0}};
  paintFrameRing(control, strokes, translucent() ? theme().controlAlpha : 255,
                 overlayAreasInWindow(findScrolledControl(control)));
}

void repaintBothOverlays(HWND control) { repaintScrollOverlays(control, OverlayCheck::withScrollStyle); }

// --- listSkinProc's handlers --------------------------------------------------------

struct ListMessage {
  HWND control;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
  SkinnedControl<ListSkinRecord> skinned;
  ListSkinRecord& record() const { return *skinned.record; }
};

LRESULT forward(const ListMessage& m) { return forwardMessage(m.control, m.message, m.wParam, m.lParam); }
LRESULT forward(const ListMessage& m, WPARAM wParam) {
  return forwardMessage(m.control, m.message, wParam, m.lParam);
}

LRESULT onDestroy(const ListMessage& m) {
  retireScrollOverlays(scrolledControlOf(m.record()));
  return forward(m);
}

LRESULT onMove(const ListMessage& m) {
  if (translucent()) InvalidateRect(m.control, nullptr, TRUE);
  return forward(m);
}

LRESULT onPlacementChange(const ListMessage& m, bool changesPixels) {
  placeScrollOverlays(m.control);
  if (changesPixels) m.record().dirty = true;
  return forward(m);
}

LRESULT onFocus(const ListMessage& m) {
  m.record().focused = m.message == WM_SETFOCUS;
  paintFrameOf(m.record(), m.record().hot, m.record().focused);
  return forward(m);
}

LRESULT markDirtyAndForward(const ListMessage& m) {
  m.record().dirty = true;
  return forward(m);
}

LRESULT onEraseBackground(const ListMessage& m) {
  if (!translucent()) return forward(m);
  const HDC dc = reinterpret_cast<HDC>(m.wParam);
  const HWND control = m.control;
  if (isWindowOfClass(control, WC_TREEVIEWA) || isWindowOfClass(control, WC_LISTVIEWA) ||
      (isWindowOfClass(control, "ListBox") && !isOwnerDrawnListBox(control))) {
    SetBkMode(dc, TRANSPARENT);
    return 1;
  }
  if (isWindowOfClass(control, "ListBox") || isWindowOfClass(control, "ComboLBox")) return forward(m);
  SetBkMode(dc, TRANSPARENT);
  return static_cast<LRESULT>(SetTextColor(dc, props::textColour(control)));
}

// The tree view draws itself on its key-coloured background into a canvas, which is
// then laid over the washed background.
LRESULT paintTreeView(const ListMessage& m) {
  RECT client{};
  GetClientRect(m.control, &client);
  const CanvasHandle tree(makeControlCanvas(m.control, client));
  forward(m, reinterpret_cast<WPARAM>(tree.get()));
  const CanvasHandle washed(washedClientBackground(m.control));
  if (tree && washed) {
    TransparentBlt(washed.get(), 0, 0, client.right, client.bottom, tree.get(), 0, 0, client.right, client.bottom,
                   keyColour);
    const draw::WindowDC target = getClippedDC(m.control);
    BitBlt(target.get(), 0, 0, client.right, client.bottom, washed.get(), 0, 0, SRCCOPY);
    commitToWindowImage(m.control, washed.get());
  }
  m.record().dirty = false;
  return DefWindowProcA(m.control, m.message, m.wParam, m.lParam);
}

// List views, list boxes and date-time pickers draw their items straight over the
// washed background.
LRESULT paintOverWashedBackground(const ListMessage& m) {
  if (isWindowOfClass(m.control, WC_LISTVIEWA) && m.skinned.window->restoring)
    return DefWindowProcA(m.control, m.message, m.wParam, m.lParam);
  RECT client{};
  GetClientRect(m.control, &client);
  {
    const CanvasHandle washed(washedClientBackground(m.control));
    const draw::PaintDC paint = draw::PaintDC::begin(m.control);
    if (washed) {
      forward(m, reinterpret_cast<WPARAM>(washed.get()));
      BitBlt(paint.get(), 0, 0, client.right, client.bottom, washed.get(), 0, 0, SRCCOPY);
      commitToWindowImage(m.control, washed.get());
    }
  }
  invalidateVisibleChildren(m.control);  // a list view's header repaints over the result
  m.record().dirty = false;
  return DefWindowProcA(m.control, m.message, 0, m.lParam);
}

LRESULT onPaint(const ListMessage& m) {
  ListSkinRecord& record = m.record();
  // Without an overlay, or while the mouse rests on it, the kept picture may be behind.
  if (!record.verticalOverlay || record.hoverTracked) record.dirty = true;
  // Nothing changed: the frame and the overlays are as they were (a move, a size change
  // or a non-client paint deals with those), and the picture comes back as it was.
  if (!record.dirty) {
    restoreFromWindowImage(m.control, props::controlKeys, false);
    return DefWindowProcA(m.control, m.message, m.wParam, m.lParam);
  }
  placeScrollOverlays(m.control);
  paintFrameOf(record, record.hot, record.focused);
  if (translucent()) {
    if (isWindowOfClass(m.control, WC_TREEVIEWA)) return paintTreeView(m);
    if (isWindowOfClass(m.control, WC_LISTVIEWA) || isWindowOfClass(m.control, "ListBox") ||
        isWindowOfClass(m.control, DATETIMEPICK_CLASSA))
      return paintOverWashedBackground(m);
  }
  return forward(m);
}

// The platform draws the border and the native bars; the frame and the overlays go over them.
LRESULT onNcPaint(const ListMessage& m) {
  DefWindowProcA(m.control, m.message, m.wParam, m.lParam);
  paintFrameOf(m.record(), m.record().hot, m.record().focused);
  if (styleOf(m.control) & (WS_VSCROLL | WS_HSCROLL)) repaintBothOverlays(m.control);
  return 0;
}

LRESULT onNcMouseMove(const ListMessage& m) {
  const ScrolledControl scrolled = findScrolledControl(m.control);
  if (m.wParam == HTVSCROLL && scrolled.vertical.overlay && (styleOf(m.control) & WS_VSCROLL))
    paintScrollBar(scrolled, ScrollDirection::vertical, hitTestScrollBar(scrolled, ScrollDirection::vertical, m.lParam));
  else if (m.wParam == HTHSCROLL && scrolled.horizontal.overlay && (styleOf(m.control) & WS_HSCROLL))
    paintScrollBar(scrolled, ScrollDirection::horizontal,
                   hitTestScrollBar(scrolled, ScrollDirection::horizontal, m.lParam));
  return forward(m);
}

LRESULT onNcLeftDown(const ListMessage& m) {
  if (m.wParam == HTVSCROLL) repaintScrollOverlays(m.control, OverlayCheck::withScrollStyle, ScrollDirection::vertical);
  else if (m.wParam == HTHSCROLL) repaintScrollOverlays(m.control, OverlayCheck::withScrollStyle, ScrollDirection::horizontal);
  return forward(m);
}

LRESULT onKeyDown(const ListMessage& m) {
  m.record().dirty = true;
  if (m.wParam >= VK_LEFT && m.wParam <= VK_DOWN) repaintBothOverlays(m.control);
  return forward(m);
}

// Scrolling moves every pixel: a full paint follows, and the overlays show the new position.
LRESULT onScroll(const ListMessage& m) {
  m.record().dirty = true;
  if (translucent()) InvalidateRect(m.control, nullptr, TRUE);
  const LRESULT result = forward(m);
  if (m.message == WM_HSCROLL) {
    repaintScrollOverlays(m.control, OverlayCheck::withScrollStyle, ScrollDirection::horizontal);
  } else if (m.message == WM_VSCROLL) {
    repaintScrollOverlays(m.control, OverlayCheck::withScrollStyle, ScrollDirection::vertical);
  } else {
    repaintBothOverlays(m.control);
  }
  return result;
}

LRESULT onMouseMove(const ListMessage& m) {
  ListSkinRecord& record = m.record();
  HoverRule rule{.needsOwnIndex = true};
  // Hover and leave are asked for once; the hover notification ends the hover request.
  rule.trackFlags = record.hoverTracked ? 0 : TME_HOVER | TME_LEAVE;
  if (hoverNeedsHotPaint(m.control, listHotKind, rule)) {
    record.hot = true;
    paintFrameOf(record, true, record.focused);
    markHotPainted(m.control, listHotKind, rule);
  }
  return forward(m);
}

LRESULT onMouseHover(const ListMessage& m) {
  m.record().hoverTracked = true;
  return forward(m);
}

LRESULT onMouseLeave(const ListMessage& m) {
  ListSkinRecord& record = m.record();
  record.hoverTracked = false;
  clearLastHot(m.control);
  record.hot = false;
  paintFrameOf(record, false, record.focused);
  return forward(m);
}

}  // namespace

void installListSkins(int windowIndex, HWND parent) {
  SkinnedWindowRecord* window = skinnedWindowAt(windowIndex);
  if (!theme().skinControls || !window || !parent) return;
  SkinnedWindowRecord& owner = *window;
  forEachChildOfClass(parent, "ListBox", [&](HWND list) { registerList(owner, list, Overlays::both); });
  // Only a simple combo box keeps its list as its own child.
  forEachChildOfClass(parent, "ComboBox", [&](HWND combo) {
    const HWND list = FindWindowExA(combo, nullptr, "ComboLBox", nullptr);
    if (list && !(styleOf(list) & LBS_OWNERDRAWFIXED)) registerList(owner, list, Overlays::none);
  });
  forEachChildOfClass(parent, WC_LISTVIEWA, [&](HWND listView) {
    if (styleOf(listView) & skippedListViewStyle) return;
    if (translucent()) SendMessageA(listView, LVM_SETTEXTBKCOLOR, 0, static_cast<LPARAM>(CLR_NONE));
    registerList(owner, listView, Overlays::both);
  });
  forEachChildOfClass(parent, WC_TREEVIEWA, [&](HWND treeView) {
    if (translucent()) SendMessageA(treeView, TVM_SETBKCOLOR, 0, static_cast<LPARAM>(keyColour));
    registerList(owner, treeView, Overlays::both);
  });
  forEachChildOfClass(parent, WC_IPADDRESSA, [&](HWND box) { registerList(owner, box, Overlays::none); });
  forEachChildOfClass(parent, DATETIMEPICK_CLASSA, [&](HWND picker) { registerList(owner, picker, Overlays::none); });
}

LRESULT CALLBACK listSkinProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
  const SkinnedControl<ListSkinRecord> skinned = lookUpControl(control, &SkinnedWindowRecord::lists);
  if (!skinned) return forwardMessage(control, message, wParam, lParam);
  const ListMessage m{control, message, wParam, lParam, skinned};
  switch (message) {
    case WM_DESTROY: return onDestroy(m);
    case WM_MOVE: return onMove(m);
    case WM_SHOWWINDOW: return onPlacementChange(m, false);
    case WM_GETMINMAXINFO:
    case WM_WINDOWPOSCHANGED: return onPlacementChange(m, true);
    case WM_WINDOWPOSCHANGING: notifyPositionChanging(control); return forward(m);
    case WM_SETFOCUS:
    case WM_KILLFOCUS: return onFocus(m);
    case WM_SETTEXT:
    case WM_KEYUP: return markDirtyAndForward(m);
    case WM_ERASEBKGND: return onEraseBackground(m);
    case WM_PAINT: return onPaint(m);
    case WM_NCPAINT: return onNcPaint(m);
    case WM_NCMOUSEMOVE: return onNcMouseMove(m);
    case WM_NCLBUTTONDOWN: return onNcLeftDown(m);
    case WM_KEYDOWN: return onKeyDown(m);
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_MOUSEWHEEL: return onScroll(m);
    case WM_MOUSEMOVE: return onMouseMove(m);
    case WM_MOUSEHOVER: return onMouseHover(m);
    case WM_MOUSELEAVE: return onMouseLeave(m);
    default: return forward(m);
  }
}

void paintListFrame(int windowIndex, int recordIndex, std::optional<bool> hot, std::optional<bool> focused) {
  SkinnedWindowRecord* window = skinnedWindowAt(windowIndex);
  const ListSkinRecord* record = window ? window->lists.at(recordIndex) : nullptr;
  if (!record || !record->window) return;
  paintFrameOf(*record, hot.value_or(record->hot), focused.value_or(record->focused));
}

HDC washedClientBackground(HWND control) {
  const RECT area = clientRectInWindow(control);
  const HDC canvas = makeControlCanvas(control, area);
  if (canvas) veilWithWhite(canvas, area.right - area.left, area.bottom - area.top, theme().controlAlpha);
  return canvas;
}

}  // namespace skin
