#pragma once
// The layered style of the message-box skin, which the close effects and the further
// control skins use as well.

#include <windows.h>

namespace skin {

// Adds WS_EX_LAYERED, and with clickThrough also WS_EX_TRANSPARENT, to the extended
// style; a style that already has them is not written again.
void setLayeredStyle(HWND window, bool clickThrough = false);

}  // namespace skin
