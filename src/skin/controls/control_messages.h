#pragma once
// What a skinned parent answers for its skinned controls, in one place for every
// parent that does: the skinned window procedure, the combo box procedure (for its edit
// field) and the container procedure. The colour answers keep the objects they return
// in the control's "Kj_dxjb" and "Kj_wtjb" properties and replace, never pile up, the
// previous ones.

#include <windows.h>

namespace skin {

// Text colour "Kj_Ztys", transparent background mode, and a pattern brush of the
// window's picture under the theme's white veil, as makeTranslucentBackground shows it.
LRESULT answerWithTranslucentBrush(HDC dc, HWND control);
// Text colour "Kj_Ztys", transparent background mode, and the stock null brush.
LRESULT answerWithNullBrush(HDC dc, HWND control);

// With translucent controls, what a control's notification (WM_COMMAND's high word)
// leaves to repaint: an edit's changed, updated or scrolled text with its background,
// and the thumbs of its visible scroll-bar overlays; a list box's or combo box's
// selection.
void repaintAfterNotification(HWND control, WORD code);

}  // namespace skin
