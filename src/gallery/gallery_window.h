#pragma once
// The gallery's one window: every control kind the skin engine takes over, each with a
// caption, a two-part status bar naming the control under the mouse and the last
// result, a row of message boxes and a row of theme changes.

#include <windows.h>

#include <string>

namespace gallery {

enum class GallerySkin {
  installed,  // the program's look, as the tool wears it
  none,       // the platform's look: the baseline of the benchmarks
};

// Creates the window centred on the screen with all its controls filled, and installs
// the skin (after applying the program's look). Not shown yet; null on failure.
HWND createGalleryWindow(HINSTANCE instance, GallerySkin skin = GallerySkin::installed);

// The control of that identifier (the toolbar's combo box inside the toolbar); null
// when there is none.
HWND galleryControl(HWND gallery, int id);

// The accents of the theme row, in the order of its buttons (the first is the program's).
inline constexpr int accentCount = 3;
COLORREF accentColour(int accent);

// The text of status-bar part 1 (the control under the mouse) or 2 (the last result).
std::string statusText(HWND gallery, int part);

}  // namespace gallery
