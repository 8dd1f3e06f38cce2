#pragma once
// Header controls ("SysHeader32"), alone and inside list views, drawn by the skin:
// each item on a translucent ground with a themed gradient, hot and pressed looks for
// button headers, a gradient divider, the item's icon and its text.

#include <windows.h>

#include <span>
#include <string>
#include <string_view>

namespace skin {

// 1-based index of the first item whose rectangle holds x at least 5 pixels inside
// both of its ends; 0 when x lies on no item or on a 5-pixel band at an item's end.
int headerItemAt(std::span<const RECT> items, int x);

// Where an item's icon and text start in an item w wide: left-aligned text at the
// margin; right-aligned and centred text moved right, but never before the margin.
int headerTextStart(int format, int w, int iconWidth, int textWidth, int margin);

// The width of text in that font as the drawing layer measures it, rounded down, plus 1.
int measureTextWidth(std::string_view text, const std::string& family, int size, int style);

void installHeaderSkins(int windowIndex, HWND container);
LRESULT CALLBACK headerProc(HWND header, UINT message, WPARAM wParam, LPARAM lParam);
// The item under mousePos (client coordinates, as in WM_MOUSEMOVE), as headerItemAt.
int headerHitItem(int windowIndex, int recordIndex, LPARAM mousePos);
// Paints every item of that record's header onto dc, or onto its GetDC; indices that
// name no record paint nothing.
void paintHeader(int windowIndex, int recordIndex, HDC dc = nullptr);

}  // namespace skin
