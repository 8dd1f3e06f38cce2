#pragma once
// Window texts and classes, child enumeration, device contexts that spare child
// windows, restores from a window's kept picture and child invalidation, shared by the
// window procedure, the painters and the control skins.

#include <windows.h>

#include <string>

#include "draw/gdi_handles.h"
#include "skin/core/control_properties.h"

namespace skin {

// The text of a window (GetWindowTextLengthA, GetWindowTextA).
std::string windowText(HWND window);
// The window's class name (at most 255 bytes); empty for no window.
std::string windowClassName(HWND window);
// Whether the window's class has this name, compared without case ("Edit", "EDIT").
bool isWindowOfClass(HWND window, const char* className);
bool isOwnerDrawnListBox(HWND window);

// Calls visit(child) for every direct child of window in z order, or only for those of
// windowClass (compared without case) when it is given.
template <typename Visit>
void forEachChild(HWND window, Visit&& visit, const char* windowClass = nullptr) {
  for (HWND child = FindWindowExA(window, nullptr, windowClass, nullptr); child;
       child = FindWindowExA(window, child, windowClass, nullptr))
    visit(child);
}

// The four ways a context spares the children of the window it draws on. Each returns
// dc; the ...DC forms fetch the context themselves and hand it over to an owner.
//
// Every visible, not WS_EX_TRANSPARENT child, cut to the size recorded for the window
// (the skinned window's or container's client size), on a client-area context.
HDC excludeOpaqueChildren(HWND window, HDC dc);
draw::WindowDC getClippedDC(HWND window);
// Every visible child that carries no "Hw_FuID", on a client-area context.
HDC excludeUnskinnedChildren(HWND window, HDC dc);
draw::WindowDC getDCExcludingUnskinnedChildren(HWND window);
// Every visible child, transparent ones too, on the window's GetWindowDC.
draw::WindowDC getWindowDCExcludingChildren(HWND window);
// Every visible, not WS_EX_TRANSPARENT child of control at its place in the skinned
// window, on the skinned window's windowImage.
HDC excludeChildrenFromImage(HWND control, HDC image);

void invalidateVisibleChildren(HWND window);
// Copies the window's last composed picture back from the windowImage of the skinned
// window its key family names. The target is dc clipped by excludeOpaqueChildren (or,
// without dc, getClippedDC), or, with excludeUnskinned, the window's own context from
// getDCExcludingUnskinnedChildren. A dc passed in stays the caller's to release.
void restoreFromWindowImage(HWND window, const props::KeyFamily& keys, bool excludeUnskinned, HDC dc = nullptr);
// Marks every kept control picture of a skinned window stale and invalidates its children.
void markWindowImagesStale(HWND window);

}  // namespace skin
