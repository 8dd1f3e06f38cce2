#pragma once
// The process-wide theme every skinned window and control is painted from.

#include <windows.h>

#include <cstdint>
#include <optional>
#include <vector>

namespace skin {

// Placement of the background picture of width pw, height ph in a client area cw x ch.
enum PictureMode : int {
  pictureAtOriginFadedRight = 0,  // natural size at (0, 0); right and bottom edges faded
  pictureAtTopRightFadedLeft = 1, // natural size against the top right corner; left and bottom faded
  pictureCentred = 2,             // natural size, centred
  pictureStretched = 3,           // stretched to the client area
  pictureAtOrigin = 4,            // natural size at (0, 0), unprocessed
};

struct SkinTheme {
  bool skinControls = true;          // off: control skins leave controls alone
  COLORREF themeColour = 0xDDCA22;   // accent of borders, highlights and frames (0x00BBGGRR)
  bool translucentControls = false;  // edit-like controls show the picture through a white veil
  int controlAlpha = 160;            // opacity of that veil
  int trackBarOption = 1;
  int listFocusFrame = 1;
  std::vector<std::uint8_t> backgroundPicture;  // encoded picture behind every skinned window
  COLORREF baseColour = 0;           // fills the client area under the picture
  int pictureMode = pictureAtOriginFadedRight;
  HICON programIcon = nullptr;       // drawn in every skinned title bar
};

// The one theme of the process; painters read it directly.
SkinTheme& theme();

// Puts every field back to its initial value (start-up writes the defaults this way).
void resetTheme();

// Control skins on or off; a given opacity also switches translucent controls on.
// Nothing is refreshed: call it before installing skins.
void setSkinSwitches(int skinControls, std::optional<int> opacity = std::nullopt,
                     std::optional<int> trackBarOption = std::nullopt);

}  // namespace skin
