#include "skin/controls/progress_skin.h"

#include <commctrl.h>

#include <algorithm>

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

void fillProgressRecord(ProgressRecord& record, HWND progressBar) {
  record.vertical = (GetWindowLongA(progressBar, GWL_STYLE) & PBS_VERTICAL) != 0;
}

struct GroundLook {
  int w, h;
  bool vertical;
  bool operator==(const GroundLook&) const = default;
};

void paintProgressBarOf(const ProgressRecord& record, HDC target) {
  const HWND progressBar = record.window;
  const SIZE size = windowSize(progressBar);
  ControlCanvas canvas(progressBar, RECT{0, 0, size.cx, size.cy});
  if (!canvas) return;
  const auto w = static_cast<float>(size.cx);
  const auto h = static_cast<float>(size.cy);
  // Frame and ground depend on the size only: drawn once, then laid over the background.
  LayerMemo<GroundLook>& grounds = enginePart<LayerMemo<GroundLook>>();
  const GroundLook look{size.cx, size.cy, record.vertical};
  layOver(canvas.dc(), grounds.picture(look, size.cx, size.cy, [&](draw::DrawingSurface& g) {
    outline(g, roundedRectPath(0, 0, w - 1, h - 1, 5), toArgb(black, 50));
    const draw::PointF groundEnd = record.vertical ? draw::PointF{w - 1, 0} : draw::PointF{0, h - 1};
    fillWithGradient(g, roundedRectPath(1, 1, w - 2, h - 2, 1), {0, 0}, groundEnd, toArgb(white, 160),
                     toArgb(black, 30));
  }));

  PBRANGE range{};
  SendMessageA(progressBar, PBM_GETRANGE, 0, reinterpret_cast<LPARAM>(&range));
  const int pos = static_cast<int>(SendMessageA(progressBar, PBM_GETPOS, 0, 0));
  const RECT bar = progressBarFill(size.cx, size.cy, record.vertical, range.iLow, range.iHigh, pos);
  const auto x = static_cast<float>(bar.left);
  const auto y = static_cast<float>(bar.top);
  const auto barWidth = static_cast<float>(bar.right - bar.left);
  const auto barHeight = static_cast<float>(bar.bottom - bar.top);
  // Too short a bar has no inside to show.
  if (barWidth > 3 && barHeight > 3) {
    draw::DrawingSurface& g = canvas.surface();
    const draw::DrawingPath shape = roundedRectPath(x + 1, y + 1, barWidth - 3, barHeight - 3, 3);
    const draw::PointF barEnd = record.vertical ? draw::PointF{w - 1, y} : draw::PointF{0, h - 1};
    fillWithGradient(g, shape, {0, y}, barEnd, toArgb(white, 90), toArgb(theme().themeColour, 255));
    outline(g, shape, toArgb(theme().themeColour, 150));
  }

  if (target) {
    canvas.commit(target, props::controlKeys, true);
  } else {
    const draw::WindowDC dc = draw::WindowDC::whole(progressBar);
    canvas.commit(dc.get(), props::controlKeys, true);
  }
}

struct ProgressMessage {
  HWND progressBar;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
  ProgressRecord& record;
};

LRESULT forward(const ProgressMessage& m) { return forwardMessage(m.progressBar, m.message, m.wParam, m.lParam); }

LRESULT onMove(const ProgressMessage& m) {
  paintProgressBarOf(m.record, nullptr);
  return forward(m);
}

LRESULT onPaint(const ProgressMessage& m) {
  {
    const draw::PaintDC paint = draw::PaintDC::begin(m.progressBar);
    paintProgressBarOf(m.record, nullptr);
  }
  return DefWindowProcA(m.progressBar, m.message, m.wParam, m.lParam);
}

LRESULT onEraseBackground(const ProgressMessage& m) {
  SetBkMode(reinterpret_cast<HDC>(m.wParam), TRANSPARENT);
  return 1;
}

LRESULT onNonClientPaint(const ProgressMessage& m) {
  paintProgressBarOf(m.record, nullptr);
  return 1;
}

}  // namespace

RECT progressBarFill(int w, int h, bool vertical, int low, int high, int pos) {
  if (high == low) return RECT{};
  const double share = std::clamp(static_cast<double>(pos - low) / (high - low), 0.0, 1.0);
  if (vertical) {
    const int top = static_cast<int>(h - h * share);
    return RECT{0, top, w, top + static_cast<int>(h * share)};
  }
  return RECT{0, 0, static_cast<int>(w * share), h};
}

void installProgressSkins(int windowIndex, HWND container) {
  installControls(
      windowIndex, container, PROGRESS_CLASSA, &SkinnedWindowRecord::progressBars, progressProc,
      [](HWND) { return true; }, fillProgressRecord);
}

LRESULT CALLBACK progressProc(HWND progressBar, UINT message, WPARAM wParam, LPARAM lParam) {
  const SkinnedControl<ProgressRecord> control = lookUpControl(progressBar, &SkinnedWindowRecord::progressBars);
  if (!control) return forwardMessage(progressBar, message, wParam, lParam);
  const ProgressMessage m{progressBar, message, wParam, lParam, *control.record};
  switch (message) {
    case WM_MOVE: return onMove(m);
    case WM_PAINT: return onPaint(m);
    case WM_ERASEBKGND: return onEraseBackground(m);
    case WM_NCPAINT: return onNonClientPaint(m);
    case WM_WINDOWPOSCHANGING: notifyPositionChanging(progressBar); return forward(m);
    default: return forward(m);
  }
}

void paintProgressBar(int windowIndex, int recordIndex, HDC dc) {
  SkinnedWindowRecord* window = skinnedWindowAt(windowIndex);
  const ProgressRecord* record = window ? window->progressBars.at(recordIndex) : nullptr;
  if (record && record->window) paintProgressBarOf(*record, dc);
}

}  // namespace skin
