#pragma once
// A window that holds controls of its own, such as a toolbar with a combo box on it:
// its children are skinned like those of a skinned window, and its replacement
// procedure answers their colour, owner-draw and command messages the way the skinned
// window procedure answers them for its own children.

#include <windows.h>

#include <optional>

namespace skin {

// Registers container with the skinned window it belongs to (the "Hw_" keys), skins
// its direct children with every control install, and sub-classes it with
// containerProc. Nothing when it has no skinned owner or is registered already.
// Omitted values: paintsOwnBackground 1, pageColour 0, pageOpacity 255, drawBorder 0.
void registerContainer(HWND container, std::optional<int> paintsOwnBackground = std::nullopt,
                       std::optional<COLORREF> pageColour = std::nullopt,
                       std::optional<int> pageOpacity = std::nullopt, std::optional<int> drawBorder = std::nullopt);

LRESULT CALLBACK containerProc(HWND container, UINT message, WPARAM wParam, LPARAM lParam);

// Puts the container's previous procedure back and removes its record; the containers
// after it move up one place and their "Hw_lbID" follows.
void unregisterContainer(int windowIndex, int containerIndex);

}  // namespace skin
