#pragma once
// Track bars ("msctls_trackbar32") drawn entirely by the skin: an optional panel, the
// channel, the selection, a line in the accent colour up to the thumb, and a round
// thumb that grows while the mouse is over the control. The state comes from the
// control's own messages at every paint.

#include <windows.h>

#include "draw/drawing.h"

namespace skin {

// TickPlacement of a track bar style: no ticks wins over top/left, which wins over both.
int tickPlacementOf(LONG style);

// Every value the track bar's picture is laid out from.
struct TrackBarState {
  bool vertical = false;
  bool selectionRange = false;
  bool hot = false;
  int tickPlacement = 1;
  int rangeMin = 0;
  int rangeMax = 0;
  int selectionStart = 0;
  int selectionEnd = 0;
  RECT channel{};  // along the track in left/right, across it in top/bottom
  RECT thumb{};    // as the control places it, in its own coordinates
};

// What the painter draws, in the control's window coordinates. A rectangle without
// width or height is not drawn.
struct TrackBarShapes {
  draw::RectF channel;       // filled, rounded
  draw::PointF channelFrom;  // its gradient runs across the track
  draw::PointF channelTo;
  draw::RectF selection;     // outlined
  draw::RectF positionLine;  // outlined in the accent colour
  draw::RectF thumb;         // the ellipse's bounds
};

TrackBarShapes trackBarShapes(const TrackBarState& state);

// TBM_GETCHANNELRECT of a vertical track bar as Windows answers it: along the track in
// left/right. A rectangle taller than wide is given the screen's way round and is
// turned; a horizontal track bar's stays as it is.
RECT channelAlongTrack(RECT reported, bool vertical);

void installTrackBarSkins(int windowIndex, HWND container);
LRESULT CALLBACK trackBarProc(HWND trackBar, UINT message, WPARAM wParam, LPARAM lParam);
// Paints the track bar of that record at once (GetWindowDC).
void paintTrackBar(int windowIndex, int recordIndex);

}  // namespace skin
