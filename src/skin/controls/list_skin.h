#pragma once
// List-like controls (list boxes, the list of a simple combo box, list views, tree
// views, IP-address boxes and date-time pickers): a thin themed frame over the border,
// the control's own painting composed over a washed copy of the window background
// when translucent controls are on, and the edit skin's scroll-bar overlays kept in
// step. A paint that nothing changed copies the control's last picture back from
// windowImage.

#include <windows.h>

#include <optional>

namespace skin {

void installListSkins(int windowIndex, HWND parent);
LRESULT CALLBACK listSkinProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam);
// Repaints the frame over the control's border; a state not given comes from the record.
void paintListFrame(int windowIndex, int recordIndex, std::optional<bool> hot = std::nullopt,
                    std::optional<bool> focused = std::nullopt);
// A canvas of the control's client area showing the window background under the
// theme's white veil; 0 when the control has no skinned owner. Freed with releaseCanvas.
HDC washedClientBackground(HWND control);

}  // namespace skin
