#pragma once
// Pure geometry of a skinned title bar: the button strip and its buttons, hit tests,
// the resize zones of the border, and the work area a maximised window fills. No
// window is needed, so each rule can be checked with a table.

#include <windows.h>

#include <optional>
#include <span>

#include "skin/core/skinned_window_record.h"

namespace skin {

inline constexpr int minimumCaptionHeight = 25;
inline constexpr int buttonStripHeight = 22;
inline constexpr int titleButtonPitch = 27;  // 26-pixel buttons, 1 pixel apart
inline constexpr int titleButtonHeight = 18;

// The given caption height, raised to 25 when smaller or not given.
int captionHeightFrom(std::optional<int> given);

// Sum of the image widths, one pixel between neighbours and 3 to spare.
int buttonStripWidth(std::span<const int> imageWidths);

// The strip against the client's right edge (right = client width).
int buttonStripX(int clientRight, int stripWidth);

// Button `position` (1-based, in display order) of a strip whose x is set.
FloatRect titleButtonHitRect(const PixelRect& strip, int position, int kind);

// Whether the point starts hover tracking of the strip (2 pixels of slack to the left).
bool pointInButtonStrip(int x, int y, const PixelRect& strip);

// 1-based number of the first button whose hit rectangle holds the point strictly
// inside, 0 for none.
int hitTitleButton(int x, int y, const PixelRect& strip, std::span<const TitleButton> buttons);

enum class SizingZone { none, left, right, top, bottom, topLeft, topRight, bottomLeft, bottomRight };

// The first border zone, in the order edges then corners, that holds the point of a
// client area width x height with a resize border of `margin`.
SizingZone sizingZoneAt(int x, int y, int width, int height, int margin);
// IDC_SIZEWE, IDC_SIZENS, ... for the zone; null for none.
LPCSTR sizingCursor(SizingZone zone);
// The SC_SIZE command (0xF001..0xF008) that sizes from the zone; 0 for none.
WPARAM sizingCommand(SizingZone zone);

struct TitleBarGeometry {
  int clientWidth = 0;
  int clientHeight = 0;
  PixelRect strip;
  int captionHeight = minimumCaptionHeight;
  bool resizable = true;
  int margin = 3;
};

enum class PressAction { nothing, captionDrag, resize };

struct PressChoice {
  PressAction action = PressAction::nothing;
  SizingZone zone = SizingZone::none;  // for resize
};

// What a left press at the point starts: nothing on the button strip, a caption drag
// inside the caption, a resize on a border zone of a resizable window.
PressChoice choosePressAction(int x, int y, const TitleBarGeometry& geometry);

// The zone whose cursor a mouse move shows; none when the window is not resizable.
SizingZone cursorZoneAt(int x, int y, const TitleBarGeometry& geometry);

struct ScreenMetrics {
  RECT taskbar{};  // window rectangle of "Shell_TrayWnd"; empty when there is none
  bool taskbarVisible = false;
  int screenWidth = 0;
  int screenHeight = 0;
};

// The size a maximised skinned window takes: the screen less a visible taskbar.
SIZE workAreaFromMetrics(const ScreenMetrics& metrics);
// The platform's taskbar and primary screen size now.
ScreenMetrics currentScreenMetrics();

}  // namespace skin
