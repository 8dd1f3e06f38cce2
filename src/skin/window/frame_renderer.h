#pragma once
// Renders a skinned window's client area off screen: the kept background layers, then
// icon and title, title buttons and status bar (each in a file of its own), and
// presents the result. The painters take the record; the forms taking a window index
// look it up once for callers that hold only the index.

#include <windows.h>

#include <optional>

#include "skin/core/skinned_window_record.h"

namespace skin {

// Renders every off-screen image of the window. With a target (nullptr standing for the
// window's own clipped device context) it re-applies the window region first and
// presents the result; without one only the off-screen images change.
void renderWindowFrame(SkinnedWindowRecord& record, std::optional<HDC> target = std::nullopt);
void renderWindowFrame(int windowIndex, std::optional<HDC> target = std::nullopt);
// Clips the window to its rounded outline.
void applyWindowRegion(HWND window);
// Copies backgroundImage to dc, or to the window's clipped device context.
void presentFrame(const SkinnedWindowRecord& record, HDC dc = nullptr);
void presentFrame(int windowIndex, HDC dc = nullptr);
// Copies a rectangle of the caption cache back into backgroundImage.
void restoreBackgroundRect(const SkinnedWindowRecord& record, const RECT& rect);
void restoreBackgroundRect(int windowIndex, const RECT& rect);

}  // namespace skin
