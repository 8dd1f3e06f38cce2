#pragma once
// Skinned message boxes. installMessageBoxHook, called just before the platform message
// box, catches the box's dialog as it is about to be activated and skins it: a record in
// skinnedWindows with a 25-pixel caption and one close button, a rounded outline, its
// controls skinned, painted off screen and faded in on a worker thread. The hook goes
// away at the dialog's first activation; the skin goes away when the dialog is destroyed.

#include <windows.h>

#include <span>

namespace skin {

// Installs the thread's CBT hook that skins the next message box. A hook left over from
// a box that never appeared is removed first.
void installMessageBoxHook();
// Removes the hook when it is installed.
void removeMessageBoxHook();
bool messageBoxHookInstalled();
LRESULT CALLBACK messageBoxHookProc(int code, WPARAM wParam, LPARAM lParam);

// Skins a dialog window of class "#32770"; a dialog already skinned or sub-classed is
// left alone.
void skinDialog(HWND dialog);
// Puts the close button at the right end of the caption.
void layoutDialogCloseButton(int windowIndex);
LRESULT CALLBACK dialogSkinProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// HTCLOSE, HTCAPTION or HTCLIENT for a point in screen coordinates (lParam of
// WM_NCHITTEST); never a border code, so the dialog cannot be resized.
int dialogHitTest(HWND dialog, LPARAM point);
// The same for a dialog at windowRect whose button strip starts at stripX.
int dialogHitCode(const RECT& windowRect, int stripX, int x, int y);

// The command Windows' own close gives a message box with these visible buttons: Cancel
// when there is one, else the only button (a Help button does not count); 0 when the
// box cannot be closed that way (Yes/No, Abort/Retry/Ignore).
int closeCommandFor(std::span<const int> buttonIds);

// Whether the dialog's fade-in has been started (at its first paint).
bool dialogFadeStarted(HWND dialog);

}  // namespace skin
