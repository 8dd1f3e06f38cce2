#pragma once
// The title buttons of a skinned window: normal, hover at an opacity, pressed.

#include <windows.h>

#include "draw/drawing.h"
#include "skin/core/skinned_window_record.h"

namespace skin {

// One title button (1-based), normal at `opacity` 0..255 of its hover look, or pressed.
void paintTitleButton(SkinnedWindowRecord& record, int button, draw::DrawingSurface* surface = nullptr,
                      bool pressed = false, int opacity = 0);
void paintTitleButton(int windowIndex, int button, draw::DrawingSurface* surface = nullptr, bool pressed = false,
                      int opacity = 0);
// The area (left, top, right, bottom) a repaint of title button `button` (1-based)
// restores, draws and copies to the window; empty for no such button.
RECT titleButtonRect(const SkinnedWindowRecord& record, int button);

}  // namespace skin
