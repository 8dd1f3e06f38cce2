#pragma once
// The edit box skin: the platform keeps the editing, the skin draws a one-pixel frame
// over the non-client edge (black, the theme colour with focus, doubled on hover for
// the edge styles), a translucent client background when translucent controls are on,
// and scroll-bar overlays over the native bars. skinEditAndComboBoxes (declared with
// the other installs) runs skinEditBoxes and then the combo box half.

#include <windows.h>

#include <optional>

#include "draw/drawing.h"
#include "skin/core/skinned_window_record.h"

namespace skin {

// Whether a registered edit box gets scroll-bar overlays: the edit field inside a
// combo box has none.
enum class EditOverlays { none, forScrollStyles };

// Registers one edit box of the window (registerControl, with the edit skin's
// procedure): overlays for the scroll styles it has when asked, and "Kj_Ztys" 0
// (black text). Returns the record's index, as registerControl does.
int registerEdit(SkinnedWindowRecord& window, HWND edit, EditOverlays overlays);

// registerEdit with overlays for every "Edit" child of container; nothing when control
// skins are off.
void skinEditBoxes(int windowIndex, HWND container);
// The combo boxes of container, and the edit inside each; from the combo box skin.
void skinComboBoxes(int windowIndex, HWND container);

LRESULT CALLBACK editSkinProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam);

// Paints the frame ring (the window rectangle less the client area) onto the edit's
// window and into windowImage. A value not given is taken from the record.
void paintEditFrame(HWND edit, std::optional<bool> focused = std::nullopt, std::optional<bool> hot = std::nullopt);

// The translucent client background: onto dc at (0, 0) when toGivenDc, else onto the
// edit's window device context at the client area's place.
void paintEditBackground(HWND edit, HDC dc, bool toGivenDc);

}  // namespace skin
