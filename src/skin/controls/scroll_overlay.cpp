#include "skin/controls/scroll_overlay.h"

#include <windowsx.h>

#include <cstdint>
#include <vector>

#include "draw/drawing.h"
#include "draw/gdi_handles.h"
#include "skin/controls/control_framework.h"
#include "skin/core/canvas.h"
#include "skin/core/control_geometry.h"
#include "skin/core/drawing_primitives.h"
#include "skin/core/engine_state.h"
#include "skin/core/paint_helpers.h"
#include "skin/core/resource_pictures.h"
#include "skin/core/skin_theme.h"
#include "skin/core/window_helpers.h"

namespace skin {
namespace {

constexpr int arrowLength = 17;  // along the bar, from the end to the arrow button's inner edge

LONG objectIdOf(ScrollDirection direction) {
  return direction == ScrollDirection::vertical ? OBJID_VSCROLL : OBJID_HSCROLL;
}

DWORD scrollStyleOf(ScrollDirection direction) {
  return direction == ScrollDirection::vertical ? WS_VSCROLL : WS_HSCROLL;
}

// An empty structure when the platform cannot tell: the overlay is then placed and
// painted from zeros.
SCROLLBARINFO scrollBarInfo(HWND control, ScrollDirection direction) {
  SCROLLBARINFO info{};
  info.cbSize = sizeof info;
  if (!GetScrollBarInfo(control, objectIdOf(direction), &info)) {
    info = {};
    info.cbSize = sizeof info;
  }
  return info;
}

// The native bar's rectangle in the parent's client coordinates, where the overlay goes.
RECT barRectInParent(HWND control, ScrollDirection direction) {
  RECT bar = scrollBarInfo(control, direction).rcScrollBar;
  MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&bar), 2);
  return bar;
}

void moveOverTheBar(HWND overlay, const RECT& bar) {
  SetWindowPos(overlay, HWND_TOP, bar.left, bar.top, bar.right - bar.left, bar.bottom - bar.top, SWP_NOACTIVATE);
}

// Whether the overlay already covers the bar, above its control. Moving a window costs
// the display a round trip, and the placing is asked for at every full paint of a list.
bool alreadyOverTheBar(HWND overlay, HWND control, const RECT& bar) {
  RECT place = windowRect(overlay);
  MapWindowPoints(nullptr, GetParent(overlay), reinterpret_cast<POINT*>(&place), 2);
  if (!EqualRect(&place, &bar)) return false;
  for (HWND below = GetWindow(overlay, GW_HWNDNEXT); below; below = GetWindow(below, GW_HWNDNEXT))
    if (below == control) return true;
  return false;
}

WNDPROC overlayProcOf(ScrollDirection direction) {
  return direction == ScrollDirection::vertical ? verticalOverlayProc : horizontalOverlayProc;
}

bool nativeBarVisible(HWND control, LONG bar) {
  SCROLLBARINFO info{};
  info.cbSize = sizeof info;
  return GetScrollBarInfo(control, bar, &info) && !(info.rgstate[0] & STATE_SYSTEM_INVISIBLE);
}

ArrowGlyph scrollArrow(ScrollDirection direction, bool first) {
  if (direction == ScrollDirection::vertical) return first ? ArrowGlyph::scrollUp : ArrowGlyph::scrollDown;
  return first ? ArrowGlyph::scrollLeft : ArrowGlyph::scrollRight;
}

// The painter is written once, across and along the bar: for a vertical bar "across"
// is x and "along" is y, for a horizontal one the other way round.
struct BarSpace {
  bool vertical;
  draw::PointF point(float across, float along) const {
    return vertical ? draw::PointF{across, along} : draw::PointF{along, across};
  }
  draw::DrawingPath roundedRect(float across, float along, float acrossSize, float alongSize, int d) const {
    return vertical ? roundedRectPath(across, along, acrossSize, alongSize, d)
                    : roundedRectPath(along, across, alongSize, acrossSize, d);
  }
  RECT rect(int acrossFrom, int alongFrom, int acrossTo, int alongTo) const {
    return vertical ? RECT{acrossFrom, alongFrom, acrossTo, alongTo} : RECT{alongFrom, acrossFrom, alongTo, acrossTo};
  }
};

struct BarState {
  int thickness;  // the overlay's size across the bar
  int length;     // and along it
  int arrow;      // the arrow buttons' size
  int thumbFrom;
  int thumbTo;
  bool unavailable;
};

void paintArrowButton(draw::DrawingSurface& g, const BarSpace& space, const BarState& bar, bool first, bool hot,
                      COLORREF accent, ScrollDirection direction) {
  const float d = static_cast<float>(bar.arrow);
  const float start = first ? 1.0f : static_cast<float>(bar.length - arrowLength);
  const draw::DrawingPath shape = space.roundedRect(1, start, d - 3, 15, 5);
  if (hot && !bar.unavailable) {
    const draw::DrawingLinearBrush sheen(space.point(1, start), space.point(d - 2, start), toArgb(white, 100),
                                         toArgb(accent, 150));
    g.fillPath(sheen, shape);
  }
  outline(g, shape, toArgb(black, 60));
  const float innerStart = first ? 2.0f : static_cast<float>(bar.length - 15);
  outline(g, space.roundedRect(2, innerStart, d - 5, 12, 3), toArgb(white, 150));

  const LayerPicture& arrow = arrowPicture(scrollArrow(direction, first));
  const draw::DrawingBitmap picture = libraryBitmapOf(arrow);
  if (!picture) return;
  const float pictureWidth = static_cast<float>(arrow.width);
  const float pictureHeight = static_cast<float>(arrow.height);
  const float pictureAcross = space.vertical ? pictureWidth : pictureHeight;
  const float pictureAlong = space.vertical ? pictureHeight : pictureWidth;
  const float across = static_cast<float>(static_cast<int>((d - pictureAcross) / 2));
  const float along = first ? static_cast<float>(static_cast<int>((15 - pictureAlong) / 2 + 2))
                            : static_cast<float>(static_cast<int>(bar.length - 15 + (15 - pictureAlong) / 2));
  const draw::PointF at = space.point(across, along);
  g.drawImage(picture, at.x, at.y);
}

void paintThumb(draw::DrawingSurface& g, const BarSpace& space, const BarState& bar, bool hot, COLORREF accent) {
  const float d = static_cast<float>(bar.arrow);
  const float from = static_cast<float>(bar.thumbFrom);
  const draw::DrawingPath shape = space.roundedRect(static_cast<float>(bar.thickness - bar.arrow) / 2 + 1, from,
                                                    d - 3, static_cast<float>(bar.thumbTo - bar.thumbFrom - 1), 5);
  if (hot) g.fillPath(draw::DrawingSolidBrush(toArgb(white, 180)), shape);
  const draw::PointF a = space.point(1, from);
  const draw::PointF b = space.point(d - 2, from);
  fillWithGradient(g, shape, a, b, toArgb(white, 150), toArgb(accent, 150));
  fillWithGradient(g, shape, a, b, toArgb(white, 0), toArgb(white, 150));
  outline(g, shape, toArgb(black, 100));
}

void paintBar(draw::DrawingSurface& g, const BarSpace& space, const BarState& bar, int hotPart, COLORREF accent,
              ScrollDirection direction) {
  const draw::DrawingLinearBrush track(space.point(0, 0), space.point(static_cast<float>(bar.thickness), 0),
                                       toArgb(accent, 40), toArgb(white, 255));
  const draw::PointF size = space.point(static_cast<float>(bar.thickness), static_cast<float>(bar.length));
  g.fillRectangle(track, 0, 0, size.x, size.y);
  if (!bar.unavailable) paintThumb(g, space, bar, hotPart == thumbPart, accent);
  paintArrowButton(g, space, bar, true, hotPart == firstArrowPart, accent, direction);
  paintArrowButton(g, space, bar, false, hotPart == secondArrowPart, accent, direction);
}

// Everything a bar's picture depends on.
struct BarLook {
  int width, height;
  bool vertical;
  int thumbFrom, thumbTo;
  bool unavailable;
  int hotPart;
  COLORREF accent;
  bool operator==(const BarLook&) const = default;
};

LRESULT overlayProc(HWND overlay, UINT message, WPARAM wParam, LPARAM lParam, ScrollDirection direction) {
  if (message != WM_PAINT) return forwardMessage(overlay, message, wParam, lParam);
  {
    const draw::PaintDC paint = draw::PaintDC::begin(overlay);
    paintScrollBar(findScrolledControl(props::coveredControl(overlay)), direction, noScrollPart);
  }
  return DefWindowProcA(overlay, message, wParam, lParam);
}

}  // namespace

ScrolledControl findScrolledControl(HWND control) {
  if (!control || !IsWindow(control)) return {};
  if (isWindowOfClass(control, "Edit")) {
    if (EditRecord* edit = lookUpControl(control, &SkinnedWindowRecord::edits).record) return scrolledControlOf(*edit);
    return {};
  }
  if (ListSkinRecord* list = lookUpControl(control, &SkinnedWindowRecord::lists).record) return scrolledControlOf(*list);
  return {};
}

std::vector<RECT> overlayAreasInWindow(const ScrolledControl& control) {
  std::vector<RECT> areas;
  const RECT frame = windowRect(control.control);
  for (const HWND overlay : {control.vertical.overlay, control.horizontal.overlay}) {
    if (!overlay || !IsWindowVisible(overlay)) continue;
    RECT place = windowRect(overlay);
    OffsetRect(&place, -frame.left, -frame.top);
    areas.push_back(place);
  }
  return areas;
}

void retireScrollOverlays(const ScrolledControl& control) {
  for (const HWND overlay : {control.vertical.overlay, control.horizontal.overlay}) {
    if (!overlay || !IsWindow(overlay)) continue;
    ShowWindow(overlay, SW_HIDE);
    PostMessageA(overlay, WM_CLOSE, 0, 0);
  }
}

HWND createScrollOverlay(HWND control, ScrollDirection direction, bool visible) {
  const HWND parent = GetParent(control);
  RECT place{0, 0, 10, 10};
  DWORD style = WS_CHILD | WS_CLIPCHILDREN | WS_DISABLED;
  if (visible) {
    place = barRectInParent(control, direction);
    style |= WS_VISIBLE;
  }
  const HWND overlay = CreateWindowExA(0, "Static", "", style, place.left, place.top, place.right - place.left,
                                       place.bottom - place.top, parent, nullptr, GetModuleHandleA(nullptr), nullptr);
  if (!overlay) return nullptr;
  props::setCoveredControl(overlay, control);
  props::setWindowIndex(overlay, findSkinnedWindowIndex(overlay));
  subclassControl(overlay, overlayProcOf(direction));
  moveOverTheBar(overlay, place);
  return overlay;
}

void placeScrollOverlays(HWND control) {
  const ScrolledControl scrolled = findScrolledControl(control);
  if (!scrolled) return;
  const LONG style = GetWindowLongA(control, GWL_STYLE);
  const bool isEdit = isWindowOfClass(control, "Edit");
  const bool visible = IsWindowVisible(control) != FALSE;
  for (const ScrollDirection direction : {ScrollDirection::vertical, ScrollDirection::horizontal}) {
    const HWND overlay = scrolled.bar(direction).overlay;
    if (!overlay) continue;
    const bool hasBar = (style & scrollStyleOf(direction)) != 0;
    if (isEdit) {
      ShowWindow(overlay, hasBar && (style & WS_VISIBLE) ? SW_SHOWNA : SW_HIDE);
    } else if (hasBar) {
      ShowWindow(overlay, visible ? SW_SHOWNA : SW_HIDE);
    }
    // A hidden overlay covers nothing, wherever it is.
    if (!visible || !IsWindowVisible(overlay)) continue;
    const RECT bar = barRectInParent(control, direction);
    if (!alreadyOverTheBar(overlay, control, bar)) moveOverTheBar(overlay, bar);
  }
}

LRESULT CALLBACK verticalOverlayProc(HWND overlay, UINT message, WPARAM wParam, LPARAM lParam) {
  return overlayProc(overlay, message, wParam, lParam, ScrollDirection::vertical);
}

LRESULT CALLBACK horizontalOverlayProc(HWND overlay, UINT message, WPARAM wParam, LPARAM lParam) {
  return overlayProc(overlay, message, wParam, lParam, ScrollDirection::horizontal);
}

void paintScrollBar(const ScrolledControl& control, ScrollDirection direction, int hotPart) {
  const OverlayBar& target = control.bar(direction);
  // A hidden overlay shows nothing, and its picture must not go into windowImage.
  if (!control || !target.overlay || !IsWindowVisible(target.overlay)) return;
  const SCROLLBARINFO info = scrollBarInfo(control.control, direction);
  const RECT place = windowRect(target.overlay);
  const int w = place.right - place.left;
  const int h = place.bottom - place.top;
  const BarSpace space{direction == ScrollDirection::vertical};
  // The arrow buttons are squares as wide as the bar. (dxyLineButton is the thumb's
  // length, not the arrows' size.)
  const int thickness = space.vertical ? w : h;
  const BarState bar{thickness,
                     space.vertical ? h : w,
                     thickness,
                     info.xyThumbTop,
                     info.xyThumbBottom,
                     (info.rgstate[0] & STATE_SYSTEM_UNAVAILABLE) != 0};

  if (target.parts) {
    *target.parts = {space.rect(1, 1, bar.thickness - 2, arrowLength),
                     space.rect(1, bar.length - arrowLength, bar.thickness - 2, bar.length - 1),
                     space.rect(1, bar.thumbFrom, bar.arrow + 1, bar.thumbTo)};
  }

  ControlCanvas canvas(target.overlay, RECT{0, 0, w, h});
  if (!canvas) return;
  const BarLook look{w, h, space.vertical, bar.thumbFrom, bar.thumbTo, bar.unavailable, hotPart, theme().themeColour};
  LayerMemo<BarLook>& looks = enginePart<LayerMemo<BarLook>>();
  layOver(canvas.dc(), looks.picture(look, w, h, [&](draw::DrawingSurface& g) {
    paintBar(g, space, bar, hotPart, look.accent, direction);
  }));

  commitToWindowImage(target.overlay, canvas.dc());
  const draw::WindowDC dc = draw::WindowDC::client(target.overlay);
  if (dc) canvas.copyTo(dc.get());
}

int scrollPartAt(const ScrollBarParts& parts, POINT point) {
  const auto inside = [&](const RECT& r) {
    return point.x >= r.left && point.x <= r.right && point.y >= r.top && point.y <= r.bottom;
  };
  if (inside(parts[0])) return firstArrowPart;
  if (inside(parts[1])) return secondArrowPart;
  if (inside(parts[2])) return thumbPart;
  return noScrollPart;
}

void repaintScrollOverlays(HWND control, OverlayCheck check, std::optional<ScrollDirection> only) {
  const ScrolledControl scrolled = findScrolledControl(control);
  if (!scrolled) return;
  const LONG style = GetWindowLongA(control, GWL_STYLE);
  for (const ScrollDirection direction : {ScrollDirection::vertical, ScrollDirection::horizontal}) {
    if ((only && *only != direction) || !scrolled.bar(direction).overlay) continue;
    const bool vertical = direction == ScrollDirection::vertical;
    if (check == OverlayCheck::withScrollStyle && !(style & (vertical ? WS_VSCROLL : WS_HSCROLL))) continue;
    if (check == OverlayCheck::withVisibleBar && !nativeBarVisible(control, vertical ? OBJID_VSCROLL : OBJID_HSCROLL))
      continue;
    paintScrollBar(scrolled, direction, noScrollPart);
  }
}

int hitTestScrollBar(const ScrolledControl& control, ScrollDirection direction, LPARAM screenPoint) {
  const OverlayBar& target = control.bar(direction);
  if (!target.overlay || !target.parts) return noScrollPart;
  const RECT place = windowRect(target.overlay);
  const POINT point{GET_X_LPARAM(screenPoint) - place.left, GET_Y_LPARAM(screenPoint) - place.top};
  return scrollPartAt(*target.parts, point);
}

}  // namespace skin
