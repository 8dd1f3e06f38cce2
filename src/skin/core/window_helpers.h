#pragma once
// Device contexts that spare child windows, restores from a window's kept picture and
// child invalidation, shared by the window procedure, the painters and the control skins.

#include <windows.h>

#include <string>

#include "skin/core/control_properties.h"

namespace skin {

// The text of a window (GetWindowTextLengthA, GetWindowTextA).
std::string windowText(HWND window);

// dc (or GetDC(window)) with every visible, not WS_EX_TRANSPARENT child excluded,
// cut to the size recorded for the window. The caller releases it.
HDC getClippedDC(HWND window, HDC dc = nullptr);
// dc (or GetDC(window)) with every visible child that carries no "Hw_FuID" excluded.
HDC getDCExcludingUnskinnedChildren(HWND window, HDC dc = nullptr);
// The window's rectangle in its parent's client coordinates; empty for a skinned window.
RECT childRectInParent(HWND window);
void invalidateVisibleChildren(HWND window);
// Copies the window's last composed picture back from the windowImage of the skinned
// window its key family names.
// The target is dc (or GetDC) clipped by getClippedDC, or, with excludeUnskinned, the
// window's own GetDC clipped by getDCExcludingUnskinnedChildren. A dc passed in stays
// the caller's to release; only a context fetched here is released here.
void restoreFromWindowImage(HWND window, const props::KeyFamily& keys, bool excludeUnskinned, HDC dc = nullptr);
// Marks every kept control picture of a skinned window stale and invalidates its children.
void markWindowImagesStale(HWND window);
bool isOwnerDrawnListBox(HWND window);
// Whether the window's class has this name, compared without case ("Edit", "EDIT").
bool isWindowOfClass(HWND window, const char* className);

}  // namespace skin
