#pragma once
// Switching the skin on: once at start-up, and on the main window once it exists.

#include <windows.h>

namespace app {

// Creates the skin engine's empty lists (start-up, before initSkinModule).
void createSkinLists();
// Frees the skin's lists with everything their records own, and the stored picture.
void releaseSkinLists();

// Starts the drawing layer, loads the program icon and writes the skin defaults.
void initSkinModule();

// Theme picture and colour, control skins with translucency, the skin on the main
// window and its pulse-and-fade close.
void activateMainWindowSkin(HWND window);

}  // namespace app
