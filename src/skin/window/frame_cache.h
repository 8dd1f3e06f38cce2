#pragma once
// What a skinned window keeps between renders so that a render need not decode its
// pictures again: the background picture placed at the client size, and the decoded
// title-button glyphs and caption icon. Decoding and stretching the background is
// by far the dearest step of a render, and a fade step repaints a glyph 8 times.

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <vector>

#include "draw/drawing.h"
#include "skin/window/offscreen_image.h"

namespace skin {

// What the placed picture was made from; a render whose key differs makes it again.
struct PlacedPictureKey {
  int width = 0;
  int height = 0;
  int mode = 0;
  COLORREF baseColour = 0;
  std::size_t pictureSize = 0;
  std::uint64_t pictureHash = 0;

  bool operator==(const PlacedPictureKey&) const = default;
};

// A picture decoded once, with the bytes it came from so that a change shows.
struct DecodedPicture {
  std::vector<std::uint8_t> bytes;
  draw::DrawingBitmap bitmap;
};

struct FrameCache {
  OffscreenImage placedPicture;  // the base colour with the picture placed over it
  PlacedPictureKey placedKey;
  bool placedValid = false;
  std::vector<DecodedPicture> glyphs;
  HICON icon = nullptr;          // the icon iconBitmap was made from
  draw::DrawingBitmap iconBitmap;
};

}  // namespace skin
