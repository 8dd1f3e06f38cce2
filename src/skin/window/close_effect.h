#pragma once
// The animation of a closing window, and the memory trim run on deactivation.

#include <windows.h>

namespace skin {

enum CloseEffect : int { noCloseEffect = 0, shrinkAndFade = 1, pulseAndFade = 2 };

// Animates the window away (effect 1 or 2); returns when the animation is over.
void playCloseEffect(HWND window, int effect);
// Writes "empty.exe" into the Windows directory when it is missing and runs it on this
// process, waiting for it to end.
void trimMemory();

}  // namespace skin
