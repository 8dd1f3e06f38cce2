#pragma once
// The layers under a skinned window's caption content: base colour, picture placed by
// its mode, caption band and outline, composed at the client size and kept.

#include "draw/drawing.h"
#include "skin/core/offscreen_image.h"
#include "skin/core/skinned_window_record.h"

namespace skin {

// Where a picture of pw x ph goes in a client area of cw x ch by placement mode.
draw::RectF pictureDestination(int mode, int pictureWidth, int pictureHeight, int clientWidth, int clientHeight);

// The kept layers at this client size, composed again only when one of them or the
// size changed; null when they cannot be made.
const OffscreenImage* keptBackground(SkinnedWindowRecord& record, int width, int height);

// Drops the background and the repaints kept for the window, so that the next render
// decodes and places the picture and draws everything again.
void discardKeptPicture(int windowIndex);

}  // namespace skin
