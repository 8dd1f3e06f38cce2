#pragma once
// Theme colours and background picture, the picture helpers, and the refresh of the
// skinned windows that are visible.

#include <windows.h>

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "draw/drawing.h"

namespace skin {

// The picture given to the helpers: a file path, else encoded bytes.
struct PictureSource {
  std::string path;
  std::vector<std::uint8_t> bytes;
};

struct ThemeSettings {
  std::string picturePath;
  std::vector<std::uint8_t> pictureBytes;
  std::optional<COLORREF> baseColour;
  std::optional<int> themeColour;   // -1 leaves the theme colour to the picture's average
  std::optional<int> pictureMode;
};

void setSkinTheme(const ThemeSettings& settings = {});
// Mean colour of `samples` pseudo-random pixels; the same picture gives the same colour
// all day.
COLORREF averageColour(const PictureSource& picture, int samples);
// A copy of the picture, two edges blended into colour, as PNG bytes. Right and bottom
// unless rightEdge is given as false (then left and bottom).
std::vector<std::uint8_t> fadePictureEdges(const PictureSource& picture, std::optional<int> fadeLength,
                                           COLORREF colour, std::optional<bool> rightEdge = std::nullopt);
void refreshSkinnedWindows();

// setSkinTheme decodes the picture it keeps as given bytes for the average colour; the
// first render that places those bytes takes the decoded pixels instead of decoding
// them again. Empty when other bytes, or none, wait; a take leaves nothing waiting.
draw::DrawingBitmap takeDecodedThemePicture(std::span<const std::uint8_t> bytes);
// Drops a decoded picture no render took (at exit, with the theme's picture).
void forgetDecodedThemePicture();

}  // namespace skin
