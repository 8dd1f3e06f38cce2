#pragma once
// Progress bars ("msctls_progress32") drawn entirely by the skin: a rounded frame over
// a light gradient, and the filled part as a glassy bar in the accent colour.

#include <windows.h>

namespace skin {

// The filled part of a w x h progress bar at pos in low..high, in its window
// coordinates: from the left (from the bottom when vertical). Empty when the range has
// equal ends; a position outside the range counts as its nearer end.
RECT progressBarFill(int w, int h, bool vertical, int low, int high, int pos);

void installProgressSkins(int windowIndex, HWND container);
LRESULT CALLBACK progressProc(HWND progressBar, UINT message, WPARAM wParam, LPARAM lParam);
// Paints the progress bar of that record at once onto dc, or onto its GetWindowDC.
void paintProgressBar(int windowIndex, int recordIndex, HDC dc = nullptr);

}  // namespace skin
