#pragma once
// The icon and title in a skinned window's caption.

#include <windows.h>

#include <optional>
#include <string>

#include "draw/drawing.h"
#include "skin/core/skinned_window_record.h"

namespace skin {

// Icon and title; without a surface it draws into backgroundImage and copies the strip.
void paintCaptionTitle(SkinnedWindowRecord& record, draw::DrawingSurface* surface = nullptr,
                       std::optional<std::string> title = std::nullopt);
void paintCaptionTitle(int windowIndex, draw::DrawingSurface* surface = nullptr,
                       std::optional<std::string> title = std::nullopt);
// The area the icon and title are drawn in: up to the button strip, inside the caption.
RECT captionTitleRect(const SkinnedWindowRecord& record, int clientWidth);

}  // namespace skin
