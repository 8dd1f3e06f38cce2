#pragma once
// Scroll-bar overlays: disabled "Static" windows laid over a control's native scroll
// bars and painted by the skin (a tinted track, a glassy thumb, rounded arrow buttons).
// They take no input: hit testing passes through them, so the real scroll bar beneath
// keeps working. Edit boxes and list boxes share them; the code here knows a control
// only through a ScrolledControl, which each skin fills from its own record.

#include <windows.h>

#include <optional>
#include <vector>

#include "skin/core/control_records.h"

namespace skin {

enum class ScrollDirection { vertical, horizontal };

// Part codes of hover painting and hit testing.
enum ScrollPart : int { noScrollPart = 0, thumbPart = 1, firstArrowPart = 3, secondArrowPart = 4 };

// One bar of a control: the overlay over it (null when there is none) and where the
// part rectangles of its last paint are kept.
struct OverlayBar {
  HWND overlay = nullptr;
  ScrollBarParts* parts = nullptr;
};

struct ScrolledControl {
  HWND control = nullptr;
  OverlayBar vertical;
  OverlayBar horizontal;

  const OverlayBar& bar(ScrollDirection direction) const {
    return direction == ScrollDirection::vertical ? vertical : horizontal;
  }
  explicit operator bool() const { return control != nullptr; }
};

// The view of any record that carries the two overlays and their part lists.
template <typename Record>
ScrolledControl scrolledControlOf(Record& record) {
  return {record.window, {record.verticalOverlay, &record.verticalParts},
          {record.horizontalOverlay, &record.horizontalParts}};
}

// The overlays of a skinned edit box (class "Edit") or list-like control, found through
// its "Hw_FuID" and "Hw_lbID"; empty when it is neither.
ScrolledControl findScrolledControl(HWND control);

// A new overlay over the control's scroll bar of that direction, a child of the
// control's parent above its siblings; at (0, 0, 10, 10) and hidden when not visible.
HWND createScrollOverlay(HWND control, ScrollDirection direction, bool visible);

// Shows, hides and moves the control's overlays after the control moved, changed size
// or style, or was shown or hidden.
void placeScrollOverlays(HWND control);

// The places of the control's visible overlays in its window coordinates: they lie over
// the scroll bars in the frame ring, which the frame painters leave alone there.
std::vector<RECT> overlayAreasInWindow(const ScrolledControl& control);

// Hides the control's overlays and closes them: they live with the parent, and once
// their control is gone they would only cover the parent with a stale picture.
void retireScrollOverlays(const ScrolledControl& control);

LRESULT CALLBACK verticalOverlayProc(HWND overlay, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK horizontalOverlayProc(HWND overlay, UINT message, WPARAM wParam, LPARAM lParam);

// Paints the overlay of that bar from the control's scroll-bar state, with `hotPart`
// drawn hot, and keeps the part rectangles; nothing when the bar has no overlay.
void paintScrollBar(const ScrolledControl& control, ScrollDirection direction, int hotPart);

// Which of a control's overlays a repaint covers: every one it has, those whose scroll
// style the control still has, or those whose native bar shows.
enum class OverlayCheck { anyOverlay, withScrollStyle, withVisibleBar };

// Repaints the control's overlays that pass the check, with no part hot: both
// directions (vertical first), or only the one given.
void repaintScrollOverlays(HWND control, OverlayCheck check, std::optional<ScrollDirection> only = std::nullopt);

// The part of the bar under a point in screen coordinates packed as a non-client mouse
// message carries it, from the rectangles of the last paint.
int hitTestScrollBar(const ScrolledControl& control, ScrollDirection direction, LPARAM screenPoint);

// The part rectangle under (x, y) in overlay coordinates, edges included.
int scrollPartAt(const ScrollBarParts& parts, POINT point);

}  // namespace skin
