#include "skin/window/title_bar_geometry.h"

#include <algorithm>
#include <numeric>

namespace skin {

int captionHeightFrom(std::optional<int> given) { return std::max(given.value_or(0), minimumCaptionHeight); }

int buttonStripWidth(std::span<const int> imageWidths) {
  const int sum = std::accumulate(imageWidths.begin(), imageWidths.end(), 0);
  return sum + (static_cast<int>(imageWidths.size()) - 1) + 3;
}

int buttonStripX(int clientRight, int stripWidth) { return clientRight - stripWidth + 1; }

FloatRect titleButtonHitRect(const PixelRect& strip, int position, int kind) {
  const int x0 = strip.x + 2;
  const int y0 = strip.y + 1;
  const int width = kind == closeKind ? 40 : 26;
  return FloatRect{static_cast<float>(x0 + (position - 1) * titleButtonPitch), static_cast<float>(y0),
                   static_cast<float>(width), static_cast<float>(titleButtonHeight)};
}

bool pointInButtonStrip(int x, int y, const PixelRect& strip) {
  return x >= strip.x - 2 && x <= strip.x + strip.width && y <= strip.height && y >= 0;
}

int hitTitleButton(int x, int y, const PixelRect& strip, std::span<const TitleButton> buttons) {
  if (x < strip.x || y < strip.y || y > strip.y + strip.height) return 0;
  const float px = static_cast<float>(x);
  const float py = static_cast<float>(y);
  for (size_t i = 0; i < buttons.size(); ++i) {
    const FloatRect& r = buttons[i].hitRect;
    if (px > r.x && px < r.x + r.width && py > r.y && py < r.y + r.height) return static_cast<int>(i) + 1;
  }
  return 0;
}

SizingZone sizingZoneAt(int x, int y, int width, int height, int margin) {
  const bool besideEdge = y >= 11 && y < height - 10;
  const bool alongEdge = x >= 11 && x < width - 10;
  if (x <= margin && besideEdge) return SizingZone::left;
  if (x >= width - margin && besideEdge) return SizingZone::right;
  if (y <= margin && alongEdge) return SizingZone::top;
  if (y >= height - margin && alongEdge) return SizingZone::bottom;
  if (x <= 10 && y <= 10) return SizingZone::topLeft;
  if (x >= width - 10 && y <= 10) return SizingZone::topRight;
  if (x <= 10 && y >= height - 10) return SizingZone::bottomLeft;
  if (x >= width - 10 && y >= height - 10) return SizingZone::bottomRight;
  return SizingZone::none;
}

LPCSTR sizingCursor(SizingZone zone) {
  switch (zone) {
    case SizingZone::left:
    case SizingZone::right:
      return IDC_SIZEWE;
    case SizingZone::top:
    case SizingZone::bottom:
      return IDC_SIZENS;
    case SizingZone::topLeft:
    case SizingZone::bottomRight:
      return IDC_SIZENWSE;
    case SizingZone::topRight:
    case SizingZone::bottomLeft:
      return IDC_SIZENESW;
    case SizingZone::none:
      break;
  }
  return nullptr;
}

WPARAM sizingCommand(SizingZone zone) {
  switch (zone) {
    case SizingZone::left: return 0xF001;
    case SizingZone::right: return 0xF002;
    case SizingZone::top: return 0xF003;
    case SizingZone::topLeft: return 0xF004;
    case SizingZone::topRight: return 0xF005;
    case SizingZone::bottom: return 0xF006;
    case SizingZone::bottomLeft: return 0xF007;
    case SizingZone::bottomRight: return 0xF008;
    case SizingZone::none: break;
  }
  return 0;
}

PressChoice choosePressAction(int x, int y, const TitleBarGeometry& g) {
  const PixelRect& strip = g.strip;
  if (x >= strip.x && x <= strip.x + strip.width && y >= 3 && y <= strip.height) return {};
  const bool inCaption = y <= g.captionHeight;
  if (inCaption && y >= 4 && x >= 4 && x < g.clientWidth - g.margin) return {PressAction::captionDrag};
  if (g.resizable) {
    const SizingZone zone = sizingZoneAt(x, y, g.clientWidth, g.clientHeight, g.margin);
    if (zone != SizingZone::none) return {PressAction::resize, zone};
  }
  if (inCaption) return {PressAction::captionDrag};
  return {};
}

SizingZone cursorZoneAt(int x, int y, const TitleBarGeometry& g) {
  if (!g.resizable) return SizingZone::none;
  return sizingZoneAt(x, y, g.clientWidth, g.clientHeight, g.margin);
}

SIZE workAreaFromMetrics(const ScreenMetrics& m) {
  const RECT& bar = m.taskbar;
  const int barWidth = bar.right - bar.left;
  const int barHeight = bar.bottom - bar.top;
  if (barWidth > barHeight) {
    const bool hiddenAtAnEdge = bar.top < 0 || bar.top >= m.screenHeight - 5;
    return SIZE{m.screenWidth, hiddenAtAnEdge ? m.screenHeight : m.screenHeight - barHeight};
  }
  return SIZE{m.taskbarVisible ? m.screenWidth - barWidth : m.screenWidth, m.screenHeight};
}

ScreenMetrics currentScreenMetrics() {
  ScreenMetrics metrics;
  const HWND taskbar = FindWindowA("Shell_TrayWnd", nullptr);
  if (taskbar) {
    GetWindowRect(taskbar, &metrics.taskbar);
    metrics.taskbarVisible = (GetWindowLongPtrA(taskbar, GWL_STYLE) & WS_VISIBLE) != 0;
  }
  metrics.screenWidth = GetSystemMetrics(SM_CXSCREEN);
  metrics.screenHeight = GetSystemMetrics(SM_CYSCREEN);
  return metrics;
}

}  // namespace skin
