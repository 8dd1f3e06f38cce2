#pragma once
// The parts of a skinned window's status bar.

#include "draw/drawing.h"
#include "skin/core/skinned_window_record.h"

namespace skin {

// One status-bar part (1-based); without a surface it draws into backgroundImage and
// copies the part to the window.
void paintStatusBarPart(SkinnedWindowRecord& record, int part, draw::DrawingSurface* surface = nullptr);
void paintStatusBarPart(int windowIndex, int part, draw::DrawingSurface* surface = nullptr);

}  // namespace skin
