#pragma once
// The toolbar skin ("ToolbarWindow32"): every button is painted over the window
// background on one canvas, with a face for the hot, checked and pressed states,
// rounded outlines, etched separators, drop-down dividers and arrows, the icon in
// colour or greyed, and the text. The toolbar's own procedure keeps all behaviour; the
// skin notes when the picture went stale and otherwise copies the last one back.
// Toolbars use the "Kj_" key family; one with child windows is also a container.

#include <windows.h>

namespace skin {

// TBBUTTON's style byte, compared as a whole.
enum ToolbarButtonStyle : BYTE {
  plainButtonStyle = 0x00,
  separatorStyle = 0x01,
  checkStyle = 0x02,
  checkGroupStyle = 0x06,
  dropDownStyle = 0x08,
  wholeDropDownStyle = 0x80,
};

enum class ButtonFace { none, pressed, checked, hot };

// The face of a button: pressed before checked before hot.
ButtonFace buttonFace(BYTE state, bool hot);
// Hot, pressed or checked buttons are outlined; separators never.
bool hasButtonOutline(BYTE state, BYTE style, bool hot);
bool hasDropDownArrow(BYTE style);
// Only the plain, check, check-group, drop-down and whole drop-down styles show an icon.
bool drawsButtonIcon(BYTE style);
// Greyed when indeterminate or disabled; a whole drop-down only when its state holds
// nothing but the indeterminate flag.
bool buttonIconGreyed(BYTE style, BYTE state);
bool buttonTextGreyed(BYTE state);
// The icon's top-left corner in the button's item rectangle: beside the text with
// TBSTYLE_LIST, above it otherwise, a drop-down's coloured icon clear of its arrow.
POINT buttonIconPosition(const RECT& item, int iconWidth, int iconHeight, bool listStyle, BYTE style, bool greyed);
// A separator that begins a wrapped row is drawn as a horizontal rule across the toolbar.
bool separatorIsRowRule(int left, int index);
// The grey of one icon pixel (0x00BBGGRR); 0 for black and neutral pixels, which then
// vanish. Indeterminate buttons tint it red, kept within 255.
COLORREF greyedIconPixel(COLORREF colour, BYTE state);

// Skins every direct "ToolbarWindow32" child of container, whatever skinControls says
// (painting consults it). The window index is not used: each toolbar finds its owner.
void installToolbarSkins(int windowIndex, HWND container);
// Registers and sub-classes one toolbar; one with child windows becomes a container.
void registerToolbar(HWND toolbar);
LRESULT CALLBACK toolbarProc(HWND toolbar, UINT message, WPARAM wParam, LPARAM lParam);

// Paints the whole toolbar on one canvas, commits it into the window image, puts it on
// the screen with one copy and clears stale.
void paintToolbar(HWND toolbar);
// Paints button index (0-based) onto dc, whose origin is the toolbar's client origin.
void paintToolbarButton(HWND toolbar, int index, HDC dc, bool isHot);
// The grey version of icon with its top-left corner at (x, y).
void drawGreyedIcon(HDC dc, int x, int y, HICON icon, BYTE state);

// How many times paintToolbar drew a toolbar, for the tests of the copy-back path.
int toolbarPaintCount();

}  // namespace skin
