#pragma once
// The combo box skin: the skin paints the whole combo box (a white body, translucent
// with translucent controls, a one-pixel frame, a rounded drop button with a gradient
// and the down-arrow picture, and a drop-down list's current text) and leaves the
// combo's own children (its edit field, a simple combo box's list) to paint
// themselves. With translucent controls the edit field is skinned as an edit box
// without overlays, and the combo answers its colour message with a translucent brush.
// skinComboBoxes is the second half of skinEditAndComboBoxes.

#include <windows.h>

#include <optional>

namespace skin {

// Every "ComboBox" child of container: the selected item's text copied into the window
// text, registered and sub-classed; with translucent controls also the edit inside.
void skinComboBoxes(int windowIndex, HWND container);

LRESULT CALLBACK comboSkinProc(HWND combo, UINT message, WPARAM wParam, LPARAM lParam);

// Paints the whole combo box onto its window and into windowImage, leaving its child
// windows' areas to them. The focus look is the record's unless given.
void paintComboBox(HWND combo, bool hot, std::optional<bool> focused = std::nullopt);

}  // namespace skin
