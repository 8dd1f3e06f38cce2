#include "skin/controls/track_bar_skin.h"

#include <commctrl.h>

#include <utility>

#include "draw/gdi_handles.h"
#include "skin/controls/control_framework.h"
#include "skin/core/canvas.h"
#include "skin/core/control_geometry.h"
#include "skin/core/drawing_primitives.h"
#include "skin/core/engine_state.h"
#include "skin/core/paint_helpers.h"
#include "skin/core/skin_theme.h"

namespace skin {
namespace {

constexpr float restingThumbSize = 6;
constexpr float hotThumbSize = 11;
constexpr float narrowChannel = 4;  // the channel's thickness when it shows a selection

void fillTrackBarRecord(TrackBarRecord& record, HWND trackBar) {
  const LONG style = GetWindowLongA(trackBar, GWL_STYLE);
  record.vertical = (style & TBS_VERT) != 0;
  record.tickPlacement = tickPlacementOf(style);
  record.selectionRange = (style & TBS_ENABLESELRANGE) != 0;
}

TrackBarState readTrackBarState(const TrackBarRecord& record) {
  const HWND trackBar = record.window;
  TrackBarState state;
  state.vertical = record.vertical;
  state.selectionRange = record.selectionRange;
  state.hot = record.hot;
  state.tickPlacement = record.tickPlacement;
  state.rangeMin = static_cast<int>(SendMessageA(trackBar, TBM_GETRANGEMIN, 0, 0));
  state.rangeMax = static_cast<int>(SendMessageA(trackBar, TBM_GETRANGEMAX, 0, 0));
  if (record.selectionRange) {
    state.selectionStart = static_cast<int>(SendMessageA(trackBar, TBM_GETSELSTART, 0, 0));
    state.selectionEnd = static_cast<int>(SendMessageA(trackBar, TBM_GETSELEND, 0, 0));
  }
  RECT channel{};
  SendMessageA(trackBar, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&channel));
  state.channel = channelAlongTrack(channel, record.vertical);
  SendMessageA(trackBar, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&state.thumb));
  return state;
}

struct PanelLook {
  int w, h;
  bool vertical;
  bool operator==(const PanelLook&) const = default;
};

bool hasArea(const draw::RectF& r) { return r.width > 0 && r.height > 0; }

void paintThumb(draw::DrawingSurface& g, const draw::RectF& thumb) {
  g.fillEllipse(draw::DrawingSolidBrush(toArgb(white, 255)), thumb.x, thumb.y, thumb.width, thumb.height);
  draw::DrawingPath ellipse;
  ellipse.create();
  ellipse.addEllipse(thumb.x, thumb.y, thumb.width, thumb.height);
  draw::DrawingPathBrush shade;
  if (shade.createFromPath(ellipse)) {
    const draw::Argb surround[] = {toArgb(black, 60)};
    shade.setCentreColour(toArgb(white, 32));
    shade.setSurroundColours(surround);
    g.fillPath(shade, ellipse);
  }
  g.drawEllipse(draw::DrawingPen(toArgb(black, 60), 1), thumb.x, thumb.y, thumb.width, thumb.height);
}

void paintTrackBarOf(const TrackBarRecord& record) {
  const HWND trackBar = record.window;
  const SIZE size = windowSize(trackBar);
  ControlCanvas canvas(trackBar, RECT{0, 0, size.cx, size.cy});
  if (!canvas) return;
  const TrackBarState state = readTrackBarState(record);
  const auto w = static_cast<float>(size.cx);
  const auto h = static_cast<float>(size.cy);
  if (theme().trackBarOption) {
    // The panel depends on the size only: drawn once, then laid over the background.
    LayerMemo<PanelLook>& panels = enginePart<LayerMemo<PanelLook>>();
    const PanelLook look{size.cx, size.cy, record.vertical};
    layOver(canvas.dc(), panels.picture(look, size.cx, size.cy, [&](draw::DrawingSurface& g) {
      outline(g, roundedRectPath(0, 0, w - 1, h - 1, 5), toArgb(black, 30));
      const draw::PointF end = record.vertical ? draw::PointF{w - 1, 0} : draw::PointF{0, h - 1};
      fillWithGradient(g, roundedRectPath(1, 1, w - 2, h - 2, 3), {0, 0}, end, toArgb(white, 160), toArgb(black, 30));
    }));
  }
  draw::DrawingSurface& g = canvas.surface();

  const TrackBarShapes shapes = trackBarShapes(state);
  if (hasArea(shapes.channel)) {
    const draw::RectF& c = shapes.channel;
    fillWithGradient(g, roundedRectPath(c.x, c.y, c.width, c.height, 1), shapes.channelFrom, shapes.channelTo,
                     toArgb(black, 50), toArgb(black, 40));
  }
  if (hasArea(shapes.selection)) {
    const draw::RectF& s = shapes.selection;
    g.drawRectangle(draw::DrawingPen(toArgb(white, 200), 1), s.x, s.y, s.width, s.height);
  }
  if (hasArea(shapes.positionLine)) {
    const draw::RectF& l = shapes.positionLine;
    g.drawRectangle(draw::DrawingPen(toArgb(theme().themeColour, 200), 1), l.x, l.y, l.width, l.height);
  }
  paintThumb(g, shapes.thumb);

  const draw::WindowDC dc = draw::WindowDC::whole(trackBar);
  // The canvas covers the whole window rectangle, so that is where it goes.
  canvas.commit(dc.get(), props::controlKeys, true);
}

// --- trackBarProc's handlers -------------------------------------------------------

struct TrackBarMessage {
  HWND trackBar;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
  TrackBarRecord& record;
};

LRESULT forward(const TrackBarMessage& m) { return forwardMessage(m.trackBar, m.message, m.wParam, m.lParam); }

LRESULT onMove(const TrackBarMessage& m) {
  paintTrackBarOf(m.record);
  return forward(m);
}

LRESULT onPaint(const TrackBarMessage& m) {
  {
    const draw::PaintDC paint = draw::PaintDC::begin(m.trackBar);
    paintTrackBarOf(m.record);
  }
  return DefWindowProcA(m.trackBar, m.message, m.wParam, m.lParam);
}

LRESULT onEraseBackground(const TrackBarMessage& m) {
  SetBkMode(reinterpret_cast<HDC>(m.wParam), TRANSPARENT);
  return 1;
}

LRESULT onNonClientPaint(const TrackBarMessage& m) {
  paintTrackBarOf(m.record);
  return 1;
}

LRESULT onMouseMove(const TrackBarMessage& m) {
  hoverStart(m.trackBar, trackBarHotKind, [&] {
    m.record.hot = true;
    paintTrackBarOf(m.record);
  });
  return forward(m);
}

LRESULT onMouseLeave(const TrackBarMessage& m) {
  hoverEnd(m.trackBar, [&] {
    m.record.hot = false;
    paintTrackBarOf(m.record);
  });
  return forward(m);
}

}  // namespace

int tickPlacementOf(LONG style) {
  if (style & TBS_NOTICKS) return noTicks;
  if (style & TBS_TOP) return ticksTopOrLeft;
  if (style & TBS_BOTH) return ticksBoth;
  return ticksBottomOrRight;
}

RECT channelAlongTrack(RECT reported, bool vertical) {
  const bool screenWayRound = reported.bottom - reported.top > reported.right - reported.left;
  if (!vertical || !screenWayRound) return reported;
  return RECT{reported.top, reported.left, reported.bottom, reported.right};
}

TrackBarShapes trackBarShapes(const TrackBarState& state) {
  // Written once along and across the track: for a horizontal track bar along is x.
  const auto rect = [&](float along, float across, float alongSize, float acrossSize) {
    return state.vertical ? draw::RectF{across, along, acrossSize, alongSize}
                          : draw::RectF{along, across, alongSize, acrossSize};
  };
  const auto point = [&](float along, float across) {
    return state.vertical ? draw::PointF{across, along} : draw::PointF{along, across};
  };
  const RECT& c = state.channel;
  const auto alongFrom = static_cast<float>(c.left);
  const auto length = static_cast<float>(c.right - c.left);
  const auto acrossFrom = static_cast<float>(c.top);
  const auto thickness = static_cast<float>(c.bottom - c.top);
  const float narrowFrom = acrossFrom + (thickness - narrowChannel) / 2;

  TrackBarShapes shapes;
  const float across = state.selectionRange ? narrowFrom : acrossFrom;
  const float channelThickness = state.selectionRange ? narrowChannel : thickness;
  shapes.channel = rect(alongFrom, across, length, channelThickness);
  shapes.channelFrom = point(alongFrom, across);
  shapes.channelTo = point(alongFrom, across + channelThickness);

  // Positions become pixels of the channel; an empty range has no selection to show.
  const bool emptyRange = state.rangeMin == state.rangeMax;
  const float middle = narrowFrom + 1;
  const auto span = static_cast<float>(state.rangeMax - state.rangeMin);
  if (state.selectionRange && span > 0 && state.selectionEnd > state.selectionStart) {
    const float start = alongFrom + static_cast<float>(state.selectionStart - state.rangeMin) * length / span - 1;
    const float selected = static_cast<float>(state.selectionEnd - state.selectionStart) * length / span;
    shapes.selection = rect(start + 2, middle, selected - 3, 1);
  }

  const auto thumbAlong = static_cast<float>(state.vertical ? state.thumb.top : state.thumb.left);
  float lineLength = thumbAlong - alongFrom - 1;
  if (emptyRange) lineLength += 10;
  const float lineAt = state.selectionRange ? middle : acrossFrom + 1;
  shapes.positionLine = rect(alongFrom + 1, lineAt, lineLength - 1, 1);

  const float size = state.hot ? hotThumbSize : restingThumbSize;
  float thumbAcross = across - (size - 3) / 2;
  if (state.hot && state.tickPlacement == ticksTopOrLeft) thumbAcross += 2;
  if (state.hot && state.tickPlacement == ticksBoth) thumbAcross += 1;
  const float thumbStart = thumbAlong + (!state.hot && emptyRange ? 8.0f : 0.0f);
  shapes.thumb = rect(thumbStart, thumbAcross, size, size);
  return shapes;
}

void installTrackBarSkins(int windowIndex, HWND container) {
  installControls(
      windowIndex, container, TRACKBAR_CLASSA, &SkinnedWindowRecord::trackBars, trackBarProc,
      [](HWND) { return true; }, fillTrackBarRecord);
}

LRESULT CALLBACK trackBarProc(HWND trackBar, UINT message, WPARAM wParam, LPARAM lParam) {
  const SkinnedControl<TrackBarRecord> control = lookUpControl(trackBar, &SkinnedWindowRecord::trackBars);
  if (!control) return forwardMessage(trackBar, message, wParam, lParam);
  const TrackBarMessage m{trackBar, message, wParam, lParam, *control.record};
  switch (message) {
    case WM_MOVE: return onMove(m);
    case WM_PAINT: return onPaint(m);
    case WM_ERASEBKGND: return onEraseBackground(m);
    case WM_NCPAINT: return onNonClientPaint(m);
    case WM_WINDOWPOSCHANGING: notifyPositionChanging(trackBar); return forward(m);
    case WM_MOUSEMOVE: return onMouseMove(m);
    case WM_MOUSELEAVE: return onMouseLeave(m);
    default: return forward(m);
  }
}

void paintTrackBar(int windowIndex, int recordIndex) {
  SkinnedWindowRecord* window = skinnedWindowAt(windowIndex);
  const TrackBarRecord* record = window ? window->trackBars.at(recordIndex) : nullptr;
  if (record && record->window) paintTrackBarOf(*record);
}

}  // namespace skin
