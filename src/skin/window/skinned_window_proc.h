#pragma once
// The window procedure of a skinned top-level window.

#include <windows.h>

namespace skin {

LRESULT CALLBACK skinnedWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// 1 from start-up until the first size message handled by any skinned window.
inline bool firstSizePending = true;
// The title button under the mouse at the last move or press in any skinned window.
inline int pressedButton = 0;

}  // namespace skin
