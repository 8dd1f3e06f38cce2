#pragma once
// What a skinned parent does with the messages its skinned children send it: the
// answers to their colour messages (a translucent pattern brush or the hollow brush)
// and the repaints their command and notification codes call for. The skinned window
// procedure, the container procedure and the combo procedure all call these.

#include <windows.h>

#include <optional>

namespace skin {

// The window's picture under a white veil, as a pattern brush kept in the control's
// "Kj_dxjb" and "Kj_wtjb" (the previous ones are deleted). Text colour "Kj_Ztys",
// transparent background mode.
LRESULT translucentBrushAnswer(HDC dc, HWND control);
// The stock hollow brush, kept in "Kj_dxjb" in place of an owned one. Text colour
// "Kj_Ztys", transparent background mode.
LRESULT hollowBrushAnswer(HDC dc, HWND control);

// WM_CTLCOLOREDIT, WM_CTLCOLORSTATIC, WM_CTLCOLORLISTBOX, WM_CTLCOLORBTN while control
// skins and translucent controls are on: the brush answer for the child in lParam.
// Nullopt when the message goes on to the parent's previous procedure: both switches
// are not on, the edit field lies in a combo box (the combo skin answers it), or the
// list-box colour comes from something other than a plain list box.
std::optional<LRESULT> answerChildColour(UINT message, WPARAM wParam, LPARAM lParam);

// WM_COMMAND while control skins and translucent controls are on: an edit box is
// repainted after EN_CHANGE, EN_UPDATE, EN_HSCROLL and EN_VSCROLL (EN_CHANGE also
// repaints its visible scroll-bar overlays), a list box after LBN_SELCHANGE and
// LBN_SELCANCEL, a combo box after CBN_SELCHANGE and CBN_KILLFOCUS.
void onChildCommand(WPARAM wParam, LPARAM lParam);

// WM_NOTIFY: a tree view is repainted when an item expands (TVN_ITEMEXPANDING,
// TVN_ITEMEXPANDED).
void onChildNotify(LPARAM lParam);

}  // namespace skin
