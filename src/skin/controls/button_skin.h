#pragma once
// The button skin: push buttons become owner-drawn glass buttons painted by the skin;
// the same procedure serves the check boxes and radio buttons, which paint themselves.
// The install, skinPushButtons, and the owner-draw dispatch are declared with the other
// installs in control_installs.h.

#include <windows.h>

namespace skin {

// Owner-draw item states the painters read; other bits are ignored.
inline constexpr UINT buttonPressedState = ODS_SELECTED;   // 0x1
inline constexpr UINT buttonDisabledState = ODS_DISABLED;  // 0x4
inline constexpr UINT buttonFocusState = ODS_FOCUS;        // 0x10
inline constexpr UINT buttonHotState = ODS_HOTLIGHT;       // 0x40

// Whether skinPushButtons takes a button of this style: push, default push and user
// buttons that are not owner-drawn already.
bool isSkinnablePushButton(LONG style);

LRESULT CALLBACK buttonSkinProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam);

// Paints the button at once through its own device context, in `state` plus the hot
// look when `hot`, with the painter of its kind.
void repaintButtonNow(HWND button, UINT state, bool hot);

// Paints a skinned push button onto dc: rect is the button's client rectangle.
void paintPushButton(HWND button, HDC dc, UINT state, const RECT& rect);

// Painters of the check boxes and radio buttons, which fetch their own device context;
// they belong to the check box and radio button skin.
void paintCheckBox(HWND button, UINT state);
void paintRadioButton(HWND button, UINT state);

}  // namespace skin
