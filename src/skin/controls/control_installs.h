#pragma once
// The install operation of each control kind, and the fixed order in which a skinned
// window (and a skinned message box) runs them over its direct children.

#include <windows.h>

namespace skin {

void skinPushButtons(int windowIndex, HWND container);
void skinCheckAndRadioButtons(int windowIndex, HWND container);
void skinEditAndComboBoxes(int windowIndex, HWND container);
void installToolbarSkins(int windowIndex, HWND container);
void skinDialogStatics(int windowIndex, HWND container, int extraWidth, int flag);

// Push buttons, check and radio buttons, edits and combo boxes, track bars, progress
// bars, list-like controls, up-down controls, headers, toolbars.
void skinChildControls(int windowIndex, HWND container);
// The same sequence with the dialog statics (widened by 6) before the toolbars.
void skinDialogControls(int windowIndex, HWND dialog);

// WM_DRAWITEM of a skinned window: paints the skinned push buttons.
void dispatchOwnerDraw(int windowIndex, const DRAWITEMSTRUCT& item);

}  // namespace skin
