#include "skin/core/control_geometry.h"

#include "skin/core/skinned_window_record.h"

namespace skin {
namespace {

constexpr int assumedScrollBarSize = 17;

RECT offsetBy(RECT rect, int dx, int dy) {
  OffsetRect(&rect, dx, dy);
  return rect;
}

// Thickness of the control's scroll bar in that direction while it shows, else 0.
int visibleScrollBarSize(HWND control, LONG objectId) {
  SCROLLBARINFO info{};
  info.cbSize = sizeof info;
  if (!GetScrollBarInfo(control, objectId, &info)) return 0;
  if (info.rgstate[0] & (STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_OFFSCREEN)) return 0;
  return objectId == OBJID_VSCROLL ? info.rcScrollBar.right - info.rcScrollBar.left
                                   : info.rcScrollBar.bottom - info.rcScrollBar.top;
}

}  // namespace

RECT windowRect(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return rect;
}

SIZE windowSize(HWND window) {
  const RECT rect = windowRect(window);
  return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

int findSkinnedWindowIndex(HWND window) {
  if (const int own = skinnedWindowIndex(window)) return own;
  if (!window) return 0;
  const HWND root = GetAncestor(window, GA_ROOTOWNER);
  for (HWND ancestor = GetParent(window); ancestor; ancestor = GetParent(ancestor)) {
    if (const int index = skinnedWindowIndex(ancestor)) return index;
    if (ancestor == root) return 0;
  }
  return 0;
}

RECT rectInSkinnedWindow(HWND control) {
  const SkinnedWindowRecord* owner = skinnedWindowAt(findSkinnedWindowIndex(control));
  if (!owner) return {};
  const RECT frame = windowRect(owner->window);
  return offsetBy(windowRect(control), -frame.left, -frame.top);
}

RECT clientRectInSkinnedWindow(HWND control) {
  const RECT outer = rectInSkinnedWindow(control);
  RECT client{};
  GetClientRect(control, &client);
  const LONG style = GetWindowLongA(control, GWL_STYLE);
  const int vertical = (style & WS_VSCROLL) ? visibleScrollBarSize(control, OBJID_VSCROLL) : 0;
  const int horizontal = (style & WS_HSCROLL) ? visibleScrollBarSize(control, OBJID_HSCROLL) : 0;
  const int dx = (outer.right - outer.left - vertical - client.right) / 2;
  const int dy = (outer.bottom - outer.top - horizontal - client.bottom) / 2;
  // The client area proper: the scroll bars beside it are not part of it.
  const LONG left = outer.left + dx;
  const LONG top = outer.top + dy;
  return {left, top, left + client.right, top + client.bottom};
}

RECT clientRectInWindow(HWND control) {
  const RECT outer = windowRect(control);
  RECT client{};
  GetClientRect(control, &client);
  const LONG style = GetWindowLongA(control, GWL_STYLE);
  const int vertical = (style & WS_VSCROLL) ? assumedScrollBarSize : 0;
  const int horizontal = (style & WS_HSCROLL) ? assumedScrollBarSize : 0;
  const LONG left = (outer.right - outer.left - client.right - vertical) / 2;
  const LONG top = (outer.bottom - outer.top - client.bottom - horizontal) / 2;
  return {left, top, left + client.right, top + client.bottom};
}

RECT childRectInParent(HWND window, ParentOrigin origin) {
  if (skinnedWindowIndex(window)) return {};
  const HWND parent = GetAncestor(window, GA_PARENT);
  POINT from{0, 0};
  if (origin == ParentOrigin::client) {
    ClientToScreen(parent, &from);
  } else {
    const RECT parentRect = windowRect(parent);
    from = {parentRect.left, parentRect.top};
  }
  return offsetBy(windowRect(window), -from.x, -from.y);
}

int borderKind(HWND control) {
  if (GetWindowLongA(control, GWL_STYLE) & WS_BORDER) return 1;
  if (GetWindowLongA(control, GWL_EXSTYLE) & (WS_EX_WINDOWEDGE | WS_EX_CLIENTEDGE | WS_EX_DLGMODALFRAME)) return 2;
  return 0;
}

}  // namespace skin
