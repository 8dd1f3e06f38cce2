#include "skin/controls/control_framework.h"

#include "draw/gdi_handles.h"

namespace skin {

WNDPROC subclassControl(HWND control, WNDPROC procedure, const props::KeyFamily& keys) {
  const auto previous = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure)));
  props::setPreviousProcedure(control, previous, keys);
  return previous;
}

LRESULT forwardMessage(HWND handle, UINT message, WPARAM wParam, LPARAM lParam, const props::KeyFamily& keys) {
  const WNDPROC previous = props::previousProcedure(handle, keys);
  if (!previous) return DefWindowProcA(handle, message, wParam, lParam);
  return CallWindowProcA(previous, handle, message, wParam, lParam);
}

bool hoverNeedsHotPaint(HWND control, int hotKind, HoverRule rule) {
  if (rule.trackFlags) {
    TRACKMOUSEEVENT track{};
    track.cbSize = sizeof track;
    track.dwFlags = rule.trackFlags;
    track.hwndTrack = control;
    track.dwHoverTime = 0;
    TrackMouseEvent(&track);
  }

  SkinnedWindowRecord* window = recordOfControl(control);
  if (!window) return false;
  const int own = props::recordIndex(control);
  window->hotIndex = own;
  const bool otherIndex = window->lastHotIndex != window->hotIndex && (!rule.needsOwnIndex || own >= 1);
  const bool otherKind = window->lastHotKind != hotKind;
  const bool otherParent = rule.compareParent && window->lastHotParent != GetParent(control);
  return otherIndex || otherKind || otherParent;
}

void markHotPainted(HWND control, int hotKind, HoverRule rule) {
  SkinnedWindowRecord* window = recordOfControl(control);
  if (!window) return;
  window->lastHotIndex = window->hotIndex;
  window->lastHotKind = hotKind;
  if (rule.compareParent) window->lastHotParent = GetParent(control);
}

void clearLastHot(HWND control) {
  if (SkinnedWindowRecord* window = recordOfControl(control)) window->lastHotIndex = 0;
}

bool trackFocus(UINT message, bool& focused) {
  if (message == WM_SETFOCUS) focused = true;
  else if (message == WM_KILLFOCUS) focused = false;
  else return false;
  return true;
}

bool trackPress(HWND control, UINT message, bool& pressed, bool clearHotOnRelease) {
  if (message == WM_LBUTTONDOWN) {
    pressed = true;
  } else if (message == WM_LBUTTONUP) {
    pressed = false;
    if (clearHotOnRelease) clearLastHot(control);
  } else {
    return false;
  }
  return true;
}

void notifyPositionChanging(HWND control) {
  const HWND parent = GetParent(control);
  if (!parent) return;
  if (ContainerRecord* container = findContainer(props::windowIndex(parent), parent))
    container->backgroundStale = true;
}

}  // namespace skin
