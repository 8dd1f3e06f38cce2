#pragma once
// Up-down controls ("msctls_updown32") drawn entirely by the skin: two rounded halves
// with a small black triangle each; the half under the mouse is lit in the accent
// colour, and its gradient turns round while the left button holds it.

#include <windows.h>

#include <optional>

namespace skin {

// Which half of a w x h up-down control a point of its client area lies in: 1 for the
// second (lower or right) half, beyond the middle, else 0.
int upDownHalfAt(int w, int h, bool horizontal, int x, int y);

void installUpDownSkins(int windowIndex, HWND container);
LRESULT CALLBACK upDownProc(HWND upDown, UINT message, WPARAM wParam, LPARAM lParam);
// The half of that record's control under mousePos (client coordinates, as in WM_MOUSEMOVE).
int upDownHitPart(int windowIndex, int recordIndex, LPARAM mousePos);
// Paints the control of that record at once; what is not given comes from its record.
void paintUpDown(int windowIndex, int recordIndex, std::optional<bool> hot = std::nullopt,
                 std::optional<bool> pressed = std::nullopt, std::optional<LPARAM> mousePos = std::nullopt);

}  // namespace skin
