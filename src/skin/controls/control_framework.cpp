#include "skin/controls/control_framework.h"

#include <vector>

#include "draw/drawing.h"
#include "draw/gdi_handles.h"

namespace skin {

namespace {

// The drawing library makes no font of a face it does not know by that name (a dialog's
// "MS Shell Dlg" is a mapping, not a family): the size and style then come from the
// platform font itself, so that text keeps the platform's size, and the family from its
// face name when the library knows it.
ControlFont fontFromLogicalFont(HDC dc, HFONT font) {
  ControlFont result;
  LOGFONTA logical{};
  TEXTMETRICA metrics{};
  if (!GetObjectA(font, sizeof logical, &logical) || !GetTextMetricsA(dc, &metrics)) return result;
  const int emHeight = metrics.tmHeight - metrics.tmInternalLeading;
  if (emHeight > 0) result.size = emHeight;
  result.style = (logical.lfWeight >= FW_SEMIBOLD ? 1 : 0) | (logical.lfItalic ? 2 : 0) |
                 (logical.lfUnderline ? 4 : 0) | (logical.lfStrikeOut ? 8 : 0);
  if (logical.lfFaceName[0] && draw::DrawingFontFamily(logical.lfFaceName)) result.family = logical.lfFaceName;
  return result;
}

}  // namespace

ControlFont controlFont(HWND control) {
  ControlFont result;
  const auto font = reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0));
  if (!font) return result;
  const draw::WindowDC dc = draw::WindowDC::client(control);
  if (!dc) return result;
  const draw::ScopedSelectObject selected(dc.get(), font);
  draw::DrawingFont drawingFont;
  if (!drawingFont.createFromHdc(dc.get())) return fontFromLogicalFont(dc.get(), font);
  // A size that truncates to 0 would draw nothing: the default size stands in.
  const int size = static_cast<int>(drawingFont.size());
  if (size != 0) result.size = size;
  result.style = drawingFont.style();
  std::string family = drawingFont.familyName();
  if (!family.empty()) result.family = std::move(family);
  return result;
}

std::string windowText(HWND window) {
  const int length = GetWindowTextLengthA(window);
  if (length <= 0) return {};
  std::vector<char> buffer(static_cast<size_t>(length) + 1);
  const int copied = GetWindowTextA(window, buffer.data(), length + 1);
  return std::string(buffer.data(), copied > 0 ? static_cast<size_t>(copied) : 0);
}

WNDPROC subclassControl(HWND control, WNDPROC procedure) {
  const auto previous = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure)));
  props::setPreviousProcedure(control, previous);
  return previous;
}

LRESULT forwardMessage(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
  const WNDPROC previous = props::previousProcedure(handle);
  if (!previous) return DefWindowProcA(handle, message, wParam, lParam);
  return CallWindowProcA(previous, handle, message, wParam, lParam);
}

bool hoverNeedsHotPaint(HWND control, int hotKind, HoverRule rule) {
  TRACKMOUSEEVENT track{};
  track.cbSize = sizeof track;
  track.dwFlags = TME_LEAVE;
  track.hwndTrack = control;
  track.dwHoverTime = 0;
  TrackMouseEvent(&track);

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

int owningWindowIndex(HWND window, bool useToolbarKeys) {
  const int index = useToolbarKeys ? static_cast<int>(props::integer(window, props::toolbarWindowIndexKey))
                                   : props::windowIndex(window);
  return index != 0 ? index : props::recordIndex(window);
}

ContainerRecord* findContainer(int windowIndex, HWND window) {
  SkinnedWindowRecord* owner = skinnedWindowAt(windowIndex);
  if (!owner || !window) return nullptr;
  return owner->containers.at(owner->containers.find(window));
}

ContainerRecord* findRegisteredContainer(HWND window, int* ownerIndex) {
  const int count = static_cast<int>(skinnedWindows().size());
  for (int index = 1; index <= count; ++index) {
    if (ContainerRecord* container = findContainer(index, window)) {
      if (ownerIndex) *ownerIndex = index;
      return container;
    }
  }
  return nullptr;
}

}  // namespace skin
