#pragma once
// The skin set-up every program of the project shares: the engine's lists, its start-up
// and release, and the one look they all wear (the embedded picture stretched over the
// client area, the blue accent, translucent control skins).

#include <windows.h>

#include <cstdint>
#include <vector>

namespace skin {

// The accent colour of the programs' look (0x00BBGGRR: a light blue).
inline constexpr COLORREF programAccentColour = 0xFF8800;

// Empties the list of skinned windows and the canvas list (start-up, before
// initSkinModule).
void createSkinLists();
// Drops all the engine keeps for the process, at the program's end (the engine's one
// reset).
void releaseSkinLists();

// Starts the drawing layer, loads the program icon and writes the skin defaults.
void initSkinModule();

// The embedded background picture, as encoded bytes.
std::vector<std::uint8_t> programPictureBytes();

// The embedded picture stretched with the accent colour, then the control skins on with
// translucency. Call it before installing skins.
void applyProgramLook();

}  // namespace skin
