#include "skin/window/skinned_window_proc.h"

#include <windowsx.h>
#include <commctrl.h>

#include <optional>
#include <string>
#include <utility>

#include "draw/drawing.h"
#include "draw/gdi_handles.h"
#include "skin/controls/child_messages.h"
#include "skin/controls/control_installs.h"
#include "skin/controls/scroll_overlay.h"
#include "skin/core/control_properties.h"
#include "skin/core/drawing_primitives.h"
#include "skin/core/engine_state.h"
#include "skin/core/paint_helpers.h"
#include "skin/core/skin_theme.h"
#include "skin/core/skinned_window_record.h"
#include "skin/core/window_helpers.h"
#include "skin/window/caption_title.h"
#include "skin/window/close_effect.h"
#include "skin/window/frame_renderer.h"
#include "skin/window/memory_trim.h"
#include "skin/window/skin_installation.h"
#include "skin/window/title_bar_geometry.h"
#include "skin/window/title_button_fade.h"
#include "skin/window/title_button_painter.h"

namespace skin {
namespace {

// One message as the handlers see it. `previous` is read on entry, so that a message
// that ends in the window's destruction can still be passed on.
struct WindowMessage {
  HWND window;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
  WNDPROC previous;
  int index;
  SkinnedWindowRecord& record;
};

LRESULT passOn(const WindowMessage& m) {
  if (m.previous) return CallWindowProcA(m.previous, m.window, m.message, m.wParam, m.lParam);
  return DefWindowProcA(m.window, m.message, m.wParam, m.lParam);
}

POINT pointOf(LPARAM lParam) { return POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }

RECT clientRectOf(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  return client;
}

bool contains(const PixelRect& r, POINT p) {
  return p.x >= r.x && p.x < r.x + r.width && p.y >= r.y && p.y < r.y + r.height;
}

TitleBarGeometry geometryOf(const SkinnedWindowRecord& record, const RECT& client) {
  return TitleBarGeometry{client.right - client.left, client.bottom - client.top, record.buttonStrip,
                          record.captionHeight, record.resizable, frameMargin};
}

// Carries out what a hover step says: the repaints, then the timer.
void applyHoverStep(SkinnedWindowRecord& record, const HoverStep& step) {
  for (const ButtonPaint& paint : step.paints) paintTitleButton(record, paint.button, nullptr, false, paint.opacity);
  if (step.timer == FadeTimer::start) SetTimer(record.window, fadeTimerId(record.window), fadeTimerPeriod, nullptr);
  if (step.timer == FadeTimer::stop) KillTimer(record.window, fadeTimerId(record.window));
}

void setTipText(SkinnedWindowRecord& record, int button, const char* text) {
  record.titleButtons[button - 1].tipText = text;
  if (record.tooltip) record.tooltip->setToolText(button, text);
}

void invalidateVisibleListViews(SkinnedWindowRecord& record) {
  for (const ListSkinRecord& list : record.lists)
    if (list.window && IsWindowVisible(list.window) && isWindowOfClass(list.window, "SysListView32"))
      InvalidateRect(list.window, nullptr, TRUE);
}

// --- Handlers, one per message ---------------------------------------------------

LRESULT onQuit(const WindowMessage& m) {
  draw::stopGdiPlus();
  return passOn(m);
}

LRESULT onClose(const WindowMessage& m) {
  const int effect = m.record.closeEffect;
  if (effect == shrinkAndFade || effect == pulseAndFade) playCloseEffect(m.window, effect);
  return passOn(m);
}

LRESULT onNcDestroy(const WindowMessage& m) {
  uninstallSkin(m.window);  // the record is gone from here on
  KillTimer(m.window, fadeTimerId(m.window));
  return passOn(m);
}

LRESULT onSizingOrMoving(const WindowMessage& m) {
  (m.message == WM_SIZING ? m.record.sizing : m.record.moving) = true;
  return passOn(m);
}

LRESULT onExitSizeMove(const WindowMessage& m) {
  m.record.moving = false;
  m.record.sizing = false;
  return passOn(m);
}

LRESULT onShowWindow(const WindowMessage& m) {
  SkinnedWindowRecord& r = m.record;
  if (m.wParam == TRUE && !r.hidden) {
    {
      const draw::PaintDC paint = draw::PaintDC::begin(m.window);
      renderWindowFrame(r, std::optional<HDC>(nullptr));
    }
    r.shown = true;
    r.frameDirty = false;
  } else {
    r.hidden = true;
    r.shown = false;
  }
  return passOn(m);
}

LRESULT onEraseBackground(const WindowMessage& m) {
  SkinnedWindowRecord& r = m.record;
  const HDC dc = reinterpret_cast<HDC>(m.wParam);
  SetBkMode(dc, TRANSPARENT);
  // While a render is due, the last picture stands in rather than a blank client area.
  if (r.frameDirty && !r.sizing && r.windowImage && !r.shown && !r.erased) {
    restoreFromWindowImage(m.window, props::controlKeys, true, dc);
    r.erased = true;
  }
  return 1;
}

LRESULT onPaint(const WindowMessage& m) {
  SkinnedWindowRecord& r = m.record;
  draw::PaintDC paint = draw::PaintDC::begin(m.window);
  if (r.minimised) {
    r.frameDirty = false;
  } else if (r.frameDirty) {
    renderWindowFrame(r, std::optional<HDC>(nullptr));
    if (r.restoring) {
      r.restoring = false;
      invalidateVisibleListViews(r);
    }
    r.erased = false;
    r.shown = false;
  } else {
    presentFrame(r, paint.get());
    r.frameDirty = false;
  }
  paint.reset();
  return DefWindowProcA(m.window, m.message, m.wParam, m.lParam);
}

LRESULT onMouseMove(const WindowMessage& m) {
  SkinnedWindowRecord& r = m.record;
  if (!r.mouseTracking) {
    TRACKMOUSEEVENT track{sizeof track, TME_HOVER | TME_LEAVE, m.window, 1};
    TrackMouseEvent(&track);
  }
  if (r.titleBar) {
    const POINT p = pointOf(m.lParam);
    const int hit = hitTitleButton(r, p.x, p.y);
    r.pressedButton = hit;
    applyHoverStep(r, hoverMovedTo(r.hover, hit, pointInButtonStrip(r, m.lParam)));
    if (!r.maximised) setSizingCursor(r, m.lParam, clientRectOf(m.window));
  }
  return passOn(m);
}

LRESULT onMouseHover(const WindowMessage& m) {
  m.record.mouseTracking = true;
  return passOn(m);
}

LRESULT onMouseLeave(const WindowMessage& m) {
  SkinnedWindowRecord& r = m.record;
  r.mouseTracking = false;
  if (r.titleBar) applyHoverStep(r, hoverLeft(r.hover));
  return passOn(m);
}

LRESULT onTimer(const WindowMessage& m) {
  SkinnedWindowRecord& r = m.record;
  if (m.wParam == fadeTimerId(m.window)) applyHoverStep(r, advanceFades(r.hover, r.mouseTracking));
  return passOn(m);
}

LRESULT onGetMinMaxInfo(const WindowMessage& m) {
  const SkinnedWindowRecord& r = m.record;
  if (auto* info = reinterpret_cast<MINMAXINFO*>(m.lParam)) {
    info->ptMinTrackSize = POINT{r.minTrackWidth, r.minTrackHeight};
    const SIZE largest = r.maximised ? workAreaSize() : SIZE{r.screenWidth, r.screenHeight};
    info->ptMaxTrackSize = POINT{largest.cx, largest.cy};
  }
  return passOn(m);
}

// A borderless window maximised by the platform covers the whole screen; the skin
// keeps the taskbar free.
void fitMaximisedWindowToWorkArea(SkinnedWindowRecord& r) {
  const RECT client = clientRectOf(r.window);
  if (client.right != GetSystemMetrics(SM_CXSCREEN) || client.bottom != GetSystemMetrics(SM_CYSCREEN)) return;
  r.maximised = true;
  const SIZE area = workAreaSize();
  RECT now{};
  GetWindowRect(r.window, &now);
  // Moving to where it already is would come back here for ever when the work area
  // is the whole screen.
  if (now.left == 0 && now.top == 0 && now.right == area.cx && now.bottom == area.cy) return;
  SetWindowPos(r.window, nullptr, 0, 0, area.cx, area.cy, SWP_NOZORDER | SWP_NOOWNERZORDER);
}

LRESULT onWindowPosChanged(const WindowMessage& m) {
  if (m.record.maximiseButton) fitMaximisedWindowToWorkArea(m.record);
  layoutTitleButtons(m.record);
  if (m.record.statusBarHeight > 0) layoutStatusBar(m.record);
  return passOn(m);
}

LRESULT onSize(const WindowMessage& m) {
  SkinnedWindowRecord& r = m.record;
  if (!r.minimised) markWindowImagesStale(m.window);
  r.hover.hoveredButton = 0;
  if (firstSizePending()) {
    r.frameDirty = false;
    firstSizePending() = false;
  } else {
    r.frameDirty = true;
  }
  return passOn(m);
}

LRESULT onLeftButtonDown(const WindowMessage& m) {
  m.record.hover.fadeIn.button = 0;
  if (m.record.titleBar) {
    if (!m.record.maximised && !m.record.minimised) beginDragOrSize(m.record, m.lParam, clientRectOf(m.window));
    // A drag or size loop has run in between: find the window again.
    SkinnedWindowRecord* record = findSkinnedWindow(m.window);
    if (!record) return passOn(m);
    const POINT p = pointOf(m.lParam);
    const int hit = hitTitleButton(*record, p.x, p.y);
    record->pressedButton = hit;
    record->titleButtonDown = hit;
    if (hit > 0) paintTitleButton(*record, hit, nullptr, true);
  }
  return passOn(m);
}

// A title button acts when the left button goes down and comes up on that same button,
// as a push button does: not when it comes up on another one, or was pressed elsewhere.
LRESULT onLeftButtonUp(const WindowMessage& m) {
  const int button = m.record.pressedButton;
  const int pressedDown = std::exchange(m.record.titleButtonDown, 0);
  if (button > 0 && button == pressedDown && button <= static_cast<int>(m.record.titleButtons.size()) &&
      m.record.titleBar) {
    pressTitleButton(m.record, button);
    if (!IsWindow(m.window)) return 0;  // closed by the button
  }
  return passOn(m);
}

LRESULT onLeftButtonDoubleClick(const WindowMessage& m) {
  const SkinnedWindowRecord& r = m.record;
  const POINT p = pointOf(m.lParam);
  bool onStatusPart = false;
  for (const PixelRect& part : r.statusPartRects) onStatusPart = onStatusPart || contains(part, p);
  if (!onStatusPart && p.y <= r.captionHeight && r.resizable) {
    const int button = maximiseButtonNumber(r);
    if (button > 0) pressTitleButton(m.record, button);
  }
  return passOn(m);
}

LRESULT onSysCommand(const WindowMessage& m) {
  SkinnedWindowRecord& r = m.record;
  switch (m.wParam & 0xFFF0) {
    case SC_MAXIMIZE:
      r.maximised = true;
      r.frameDirty = true;
      break;
    case SC_RESTORE:
      r.frameDirty = true;
      r.minimised = false;
      break;
    case SC_MINIMIZE:
      r.frameDirty = true;
      r.minimised = true;
      break;
  }
  return passOn(m);
}

LRESULT onQueryOpen(const WindowMessage& m) {
  m.record.minimised = false;
  m.record.restoring = true;
  return passOn(m);
}

LRESULT onActivate(const WindowMessage& m) {
  // The high word says whether the window is minimised, not whether it is active.
  m.record.active = LOWORD(m.wParam) != WA_INACTIVE;
  return passOn(m);
}

LRESULT onActivateApp(const WindowMessage& m) {
  if (m.wParam == 0) {
    m.record.active = false;
    trimMemory();
  } else {
    m.record.active = true;
  }
  return passOn(m);
}

LRESULT onSetText(const WindowMessage& m) {
  if (m.record.showTitle && m.record.titleBar) {
    const char* text = reinterpret_cast<const char*>(m.lParam);
    paintCaptionTitle(m.record, nullptr, std::string(text ? text : ""));
  }
  return passOn(m);
}

LRESULT onNotify(const WindowMessage& m) {
  onChildNotify(m.lParam);
  return passOn(m);
}

LRESULT onCommand(const WindowMessage& m) {
  onChildCommand(m.wParam, m.lParam);
  return passOn(m);
}

LRESULT onControlColour(const WindowMessage& m) {
  if (const std::optional<LRESULT> answer = answerChildColour(m.message, m.wParam, m.lParam)) return *answer;
  return passOn(m);
}

LRESULT onDrawItem(const WindowMessage& m) {
  if (const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(m.lParam)) dispatchOwnerDraw(m.index, *item);
  return passOn(m);
}

}  // namespace

LRESULT CALLBACK skinnedWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const WNDPROC previous = props::previousProcedure(window);
  const int index = props::recordIndex(window);
  SkinnedWindowRecord* record = skinnedWindowAt(index);
  if (!record || record->window != window) {
    return previous ? CallWindowProcA(previous, window, message, wParam, lParam)
                    : DefWindowProcA(window, message, wParam, lParam);
  }
  const WindowMessage m{window, message, wParam, lParam, previous, index, *record};
  switch (message) {
    case WM_QUIT: return onQuit(m);
    case WM_CLOSE: return onClose(m);
    case WM_NCDESTROY: return onNcDestroy(m);
    case WM_SIZING:
    case WM_MOVING: return onSizingOrMoving(m);
    case WM_EXITSIZEMOVE: return onExitSizeMove(m);
    case WM_SHOWWINDOW: return onShowWindow(m);
    case WM_ERASEBKGND: return onEraseBackground(m);
    case WM_PAINT: return onPaint(m);
    case WM_MOUSEMOVE: return onMouseMove(m);
    case WM_MOUSEHOVER: return onMouseHover(m);
    case WM_MOUSELEAVE: return onMouseLeave(m);
    case WM_TIMER: return onTimer(m);
    case WM_GETMINMAXINFO: return onGetMinMaxInfo(m);
    case WM_WINDOWPOSCHANGED: return onWindowPosChanged(m);
    case WM_SIZE: return onSize(m);
    case WM_LBUTTONDOWN: return onLeftButtonDown(m);
    case WM_LBUTTONUP: return onLeftButtonUp(m);
    case WM_LBUTTONDBLCLK: return onLeftButtonDoubleClick(m);
    case WM_SYSCOMMAND: return onSysCommand(m);
    case WM_QUERYOPEN: return onQueryOpen(m);
    case WM_ACTIVATE: return onActivate(m);
    case WM_ACTIVATEAPP: return onActivateApp(m);
    case WM_SETTEXT: return onSetText(m);
    case WM_DRAWITEM: return onDrawItem(m);
    case WM_NOTIFY: return onNotify(m);
    case WM_COMMAND: return onCommand(m);
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC: return onControlColour(m);
    default: return passOn(m);
  }
}

bool pointInButtonStrip(const SkinnedWindowRecord& record, LPARAM point) {
  const POINT p = pointOf(point);
  return pointInButtonStrip(p.x, p.y, record.buttonStrip);
}

int hitTitleButton(const SkinnedWindowRecord& record, int x, int y) {
  return hitTitleButton(x, y, record.buttonStrip, record.titleButtons);
}

void setSizingCursor(const SkinnedWindowRecord& record, LPARAM point, const RECT& client) {
  const POINT p = pointOf(point);
  const SizingZone zone = cursorZoneAt(p.x, p.y, geometryOf(record, client));
  if (zone != SizingZone::none) SetCursor(LoadCursorA(nullptr, sizingCursor(zone)));
}

void beginDragOrSize(SkinnedWindowRecord& record, LPARAM point, const RECT& client) {
  POINT p = pointOf(point);
  const PressChoice choice = choosePressAction(p.x, p.y, geometryOf(record, client));
  if (choice.action == PressAction::nothing) return;
  const HWND window = record.window;
  ClientToScreen(window, &p);
  const LPARAM screenPoint = MAKELPARAM(p.x, p.y);
  if (choice.action == PressAction::captionDrag) {
    SendMessageA(window, WM_NCLBUTTONDOWN, HTCAPTION, screenPoint);
    return;
  }
  SetCursor(LoadCursorA(nullptr, sizingCursor(choice.zone)));
  record.frameDirty = true;
  SendMessageA(window, WM_SYSCOMMAND, sizingCommand(choice.zone), screenPoint);
}

void pressTitleButton(SkinnedWindowRecord& r, int button) {
  if (button < 1 || button > static_cast<int>(r.titleButtons.size())) return;
  // Each command is sent last: closing destroys the record.
  switch (r.titleButtons[button - 1].kind) {
    case closeKind:
      SendMessageA(r.window, WM_SYSCOMMAND, SC_CLOSE, 0);
      break;
    case maximiseKind:
      r.frameDirty = true;
      r.minimised = false;
      if (r.maximised) {
        r.maximised = false;
        setTipText(r, button, "最大化");
        SendMessageA(r.window, WM_SYSCOMMAND, SC_RESTORE, 0);
      } else {
        r.maximised = true;
        setTipText(r, button, "还原");
        SendMessageA(r.window, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
      }
      break;
    case minimiseKind:
      r.minimised = true;
      SendMessageA(r.window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
      break;
    default:  // main menu and help have no action of their own
      break;
  }
}

int maximiseButtonNumber(const SkinnedWindowRecord& record) {
  for (size_t i = 0; i < record.titleButtons.size(); ++i)
    if (record.titleButtons[i].kind == maximiseKind) return static_cast<int>(i) + 1;
  return 0;
}

bool& firstSizePending() {
  struct FirstSize {
    bool pending = true;
  };
  return enginePart<FirstSize>().pending;
}

SIZE workAreaSize() { return workAreaFromMetrics(currentScreenMetrics()); }

}  // namespace skin
