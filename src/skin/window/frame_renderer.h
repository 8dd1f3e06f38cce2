#pragma once
// Renders a skinned window's client area off screen: background, picture, caption
// band, outline, icon and title, title buttons and status bar; and repaints one part.

#include <windows.h>

#include <optional>
#include <string>

#include "draw/drawing.h"
#include "skin/window/skinned_window_record.h"

namespace skin {

// Renders every off-screen image of the window. With a target (nullptr standing for the
// window's own clipped device context) it re-applies the window region first and
// presents the result; without one only the off-screen images change.
void renderWindowFrame(int windowIndex, std::optional<HDC> target = std::nullopt);
// Clips the window to its rounded outline.
void applyWindowRegion(HWND window);
// Copies backgroundImage to dc, or to the window's clipped device context.
void presentFrame(int windowIndex, HDC dc = nullptr);
// Icon and title; without a surface it draws into backgroundImage and copies the strip.
void paintCaptionTitle(int windowIndex, draw::DrawingSurface* surface = nullptr,
                       std::optional<std::string> title = std::nullopt);
// One title button (1-based), normal at `opacity` 0..255 of its hover look, or pressed.
void paintTitleButton(int windowIndex, int button, draw::DrawingSurface* surface = nullptr, bool pressed = false,
                      int opacity = 0);
// Copies a rectangle of the caption cache back into backgroundImage.
void restoreBackgroundRect(int windowIndex, const RECT& rect);

// One status-bar part (1-based); without a surface it draws into backgroundImage and
// copies the part to the window.
void paintStatusBarPart(int windowIndex, int part, draw::DrawingSurface* surface = nullptr);
// Drops the background and the repaints kept for the window, so that the next render
// decodes and places the picture and draws everything again.
void discardKeptPicture(int windowIndex);

// Where a picture of pw x ph goes in a client area of cw x ch by placement mode.
draw::RectF pictureDestination(int mode, int pictureWidth, int pictureHeight, int clientWidth, int clientHeight);
// The area (left, top, right, bottom) a repaint of title button `button` (1-based)
// restores, draws and copies to the window; empty for no such button.
RECT titleButtonRect(const SkinnedWindowRecord& record, int button);
// The area the icon and title are drawn in: up to the button strip, inside the caption.
RECT captionTitleRect(const SkinnedWindowRecord& record, int clientWidth);

}  // namespace skin
