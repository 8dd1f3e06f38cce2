#pragma once
// What a skinned window keeps between renders so that a render need not decode its
// pictures or draw the same shapes again: the background layers composed at the client
// size, the decoded title-button glyphs and caption icon, and the pixels of recent
// title and button repaints. Decoding and stretching the background is by far the
// dearest step of a render; text and translucent shapes come next.

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "draw/drawing.h"
#include "skin/core/offscreen_image.h"

namespace skin {

// What the kept background was made from; a render whose key differs makes it again.
struct BackgroundKey {
  int width = 0;
  int height = 0;
  int mode = 0;
  COLORREF baseColour = 0;
  std::size_t pictureSize = 0;
  std::uint64_t pictureHash = 0;
  int captionHeight = 0;
  bool captionBand = false;
  int captionBandColour = 0;
  int captionBandAlpha = 0;
  bool titleBar = false;

  bool operator==(const BackgroundKey&) const = default;
};

// A picture decoded once, with the bytes it came from so that a change shows.
struct DecodedPicture {
  std::vector<std::uint8_t> bytes;
  draw::DrawingBitmap bitmap;
};

// The pixels a repaint left in an area, with everything they were drawn from: the
// same repaint over the same background puts them back instead of drawing again.
// A title-button fade runs through the same few looks over and over.
struct PaintMemo {
  std::string key;
  RECT area{};
  std::vector<std::uint32_t> pixels;
};

struct FrameCache {
  // The layers under the caption's content: base colour, picture placed at the client
  // size, caption band and outline.
  OffscreenImage background;
  BackgroundKey backgroundKey;
  bool backgroundValid = false;
  unsigned backgroundGeneration = 0;  // counts the backgrounds composed, for the memos
  std::vector<PaintMemo> memos;
  std::vector<DecodedPicture> glyphs;
  HICON icon = nullptr;          // the icon iconBitmap was made from
  draw::DrawingBitmap iconBitmap;
};

}  // namespace skin
