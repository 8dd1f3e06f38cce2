#pragma once
// Small window helpers of the message-box skin that the close effects and the further
// control skins use as well.

#include <windows.h>

#include <string>

namespace skin {

// Adds WS_EX_LAYERED, and with clickThrough also WS_EX_TRANSPARENT, to the extended
// style; a style that already has them is not written again.
void setLayeredStyle(HWND window, bool clickThrough = false);

// The window's class name (at most 255 bytes); empty for no window.
std::string windowClassName(HWND window);

}  // namespace skin
