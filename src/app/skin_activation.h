#pragma once
// Switching the skin on: once at start-up, and on the main window once it exists.

#include <windows.h>

#include "skin/window/program_skin.h"

namespace app {

// The engine's lists, start-up and release are shared with the project's other programs.
using skin::createSkinLists;
using skin::initSkinModule;
using skin::releaseSkinLists;

// Theme picture and colour, control skins with translucency, the skin on the main
// window and its pulse-and-fade close.
void activateMainWindowSkin(HWND window);

}  // namespace app
