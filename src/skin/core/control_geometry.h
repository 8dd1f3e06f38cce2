#pragma once
// Where a control lies relative to its skinned window, its parent and itself.

#include <windows.h>

namespace skin {

// GetWindowRect, and the size of that rectangle.
RECT windowRect(HWND window);
SIZE windowSize(HWND window);

// Index in skinnedWindows of the window itself or of its first skinned ancestor; 0 when none.
int findSkinnedWindowIndex(HWND window);
// The control's window rectangle relative to the window rectangle of its skinned window.
RECT rectInSkinnedWindow(HWND control);
// The control's client area relative to the window rectangle of its skinned window.
RECT clientRectInSkinnedWindow(HWND control);
// The control's client area relative to its own window rectangle, with 17-pixel scroll bars.
RECT clientRectInWindow(HWND control);
// Where a child's rectangle is measured from: its parent's client area (for the
// parent's GetDC) or its parent's window rectangle (for the parent's GetWindowDC).
enum class ParentOrigin { client, window };
// The window's rectangle in its parent, measured from that origin; empty for a
// skinned window.
RECT childRectInParent(HWND window, ParentOrigin origin = ParentOrigin::client);
// 0 no border, 1 flat border (WS_BORDER), 2 sunken or raised edge.
int borderKind(HWND control);

}  // namespace skin
