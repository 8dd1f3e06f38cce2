#pragma once
// The window procedure of a skinned top-level window.

#include <windows.h>

#include "skin/core/skinned_window_record.h"

namespace skin {

LRESULT CALLBACK skinnedWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// True from start-up, or the engine's reset, until the first size message handled by
// any skinned window.
bool& firstSizePending();

// The title-bar helpers of the procedure. Points are client coordinates packed in an
// lParam as mouse messages carry them.
bool pointInButtonStrip(const SkinnedWindowRecord& record, LPARAM point);
int hitTitleButton(const SkinnedWindowRecord& record, int x, int y);
// Shows the resize cursor of the border zone under the point (resizable windows only).
void setSizingCursor(const SkinnedWindowRecord& record, LPARAM point, const RECT& client);
// A left press: starts a caption drag or a system size loop, or does nothing.
void beginDragOrSize(SkinnedWindowRecord& record, LPARAM point, const RECT& client);
// What clicking title button `button` (1-based) does: close, maximise or restore,
// minimise; the menu and help buttons do nothing.
void pressTitleButton(SkinnedWindowRecord& record, int button);
// The number of the maximise button, 0 when the window has none.
int maximiseButtonNumber(const SkinnedWindowRecord& record);
// The size a maximised window takes: the screen less a visible taskbar.
SIZE workAreaSize();

// The identifier of a window's hover-fade timer.
inline UINT_PTR fadeTimerId(HWND window) { return reinterpret_cast<UINT_PTR>(window); }
inline constexpr UINT fadeTimerPeriod = 20;

}  // namespace skin
