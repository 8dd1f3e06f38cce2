#include "skin/controls/up_down_skin.h"

#include <commctrl.h>
#include <windowsx.h>

#include "draw/gdi_handles.h"
#include "skin/controls/control_framework.h"
#include "skin/core/canvas.h"
#include "skin/core/control_geometry.h"
#include "skin/core/drawing_primitives.h"
#include "skin/core/paint_helpers.h"
#include "skin/core/resource_pictures.h"
#include "skin/core/skin_theme.h"

namespace skin {
namespace {

void fillUpDownRecord(UpDownRecord& record, HWND upDown) {
  record.horizontal = (GetWindowLongA(upDown, GWL_STYLE) & UDS_HORZ) != 0;
}

struct UpDownLook {
  bool hot;
  bool pressed;
  LPARAM mousePos;
};

// One half: its rounded shape, gradient and glyph, lit when it is the half the mouse is on.
struct Half {
  bool first;
  float x, y, w, h;  // the half's place and size
  draw::PointF from, to;
  ArrowGlyph glyph;
};

void paintHalf(draw::DrawingSurface& g, const Half& half, bool lit, bool pressed, bool softStart) {
  const COLORREF accent = theme().themeColour;
  const draw::DrawingPath shape = roundedRectPath(half.x, half.y, half.w - 1, half.h - 1, 3);
  if (lit) {
    if (pressed) fillWithGradient(g, shape, half.from, half.to, toArgb(accent, 100), toArgb(white, 150));
    else fillWithGradient(g, shape, half.from, half.to, toArgb(white, 100), toArgb(accent, 150));
  } else {
    fillWithGradient(g, shape, half.from, half.to, toArgb(white, softStart ? 60 : 20), toArgb(accent, 100));
  }
  const LayerPicture& glyph = arrowPicture(half.glyph);
  drawPicture(g, glyph, half.x + (half.w - static_cast<float>(glyph.width)) / 2,
            half.y + (half.h - static_cast<float>(glyph.height)) / 2);
  outline(g, shape, lit ? toArgb(accent, 200) : toArgb(black, 100));
}

void paintUpDownOf(const UpDownRecord& record, const UpDownLook& look) {
  const HWND upDown = record.window;
  const SIZE size = windowSize(upDown);
  ControlCanvas canvas(upDown, RECT{0, 0, size.cx, size.cy});
  if (!canvas) return;
  draw::DrawingSurface& g = canvas.surface();
  g.setSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
  g.setCompositingQuality(Gdiplus::CompositingQualityHighQuality);
  const auto w = static_cast<float>(size.cx);
  const auto h = static_cast<float>(size.cy);

  const int litHalf = look.hot ? upDownHalfAt(size.cx, size.cy, record.horizontal, GET_X_LPARAM(look.mousePos),
                                              GET_Y_LPARAM(look.mousePos))
                               : -1;
  g.fillPath(draw::DrawingSolidBrush(toArgb(white, 160)), roundedRectPath(0, 0, w - 1, h - 1, 3));

  Half halves[2];
  if (record.horizontal) {
    const auto hw = static_cast<float>(size.cx / 2);
    halves[0] = {true, 0, 0, hw, h, {0, 0}, {hw - 1, 0}, ArrowGlyph::triangleLeft};
    halves[1] = {false, hw, 0, hw, h, {hw - 1, 0}, {w, 0}, ArrowGlyph::triangleRight};
  } else {
    const auto hh = static_cast<float>(size.cy / 2);
    halves[0] = {true, 0, 0, w, hh, {0, 0}, {0, hh - 1}, ArrowGlyph::triangleUp};
    halves[1] = {false, 0, hh, w, hh, {0, hh}, {0, h}, ArrowGlyph::triangleDown};
  }
  for (int part = 0; part < 2; ++part) {
    const bool softStart = part == 0 && !record.horizontal;
    paintHalf(g, halves[part], litHalf == part, look.pressed, softStart);
  }

  const draw::WindowDC dc = draw::WindowDC::whole(upDown);
  canvas.commit(dc.get(), props::controlKeys, true);
}

UpDownLook lookOf(const UpDownRecord& record) { return {record.hot, record.pressed, record.lastMousePos}; }

// --- upDownProc's handlers ---------------------------------------------------------

struct UpDownMessage {
  HWND upDown;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
  UpDownRecord& record;
};

LRESULT forward(const UpDownMessage& m) { return forwardMessage(m.upDown, m.message, m.wParam, m.lParam); }

LRESULT onMove(const UpDownMessage& m) {
  paintUpDownOf(m.record, lookOf(m.record));
  return forward(m);
}

// DefWindowProcA's own BeginPaint and EndPaint validate the control afterwards.
LRESULT onPaint(const UpDownMessage& m) {
  paintUpDownOf(m.record, lookOf(m.record));
  return DefWindowProcA(m.upDown, m.message, m.wParam, m.lParam);
}

LRESULT onEraseBackground(const UpDownMessage& m) {
  SetBkMode(reinterpret_cast<HDC>(m.wParam), TRANSPARENT);
  return 1;
}

int halfUnder(const UpDownRecord& record, LPARAM mousePos) {
  const SIZE size = windowSize(record.window);
  return upDownHalfAt(size.cx, size.cy, record.horizontal, GET_X_LPARAM(mousePos), GET_Y_LPARAM(mousePos));
}

// Moving onto the control or onto its other half repaints; moving within a half does not.
LRESULT onMouseMove(const UpDownMessage& m) {
  const int part = halfUnder(m.record, m.lParam);
  const bool otherHalf = part != m.record.hotPart;
  if (hoverNeedsHotPaint(m.upDown, upDownHotKind) || otherHalf) {
    m.record.hot = true;
    paintUpDownOf(m.record, {true, m.record.pressed, m.lParam});
    markHotPainted(m.upDown, upDownHotKind);
  }
  m.record.hotPart = part;
  return forward(m);
}

LRESULT onMouseLeave(const UpDownMessage& m) {
  hoverEnd(m.upDown, [&] {
    m.record.hot = false;
    paintUpDownOf(m.record, {false, m.record.pressed, m.record.lastMousePos});
  });
  return forward(m);
}

LRESULT onButton(const UpDownMessage& m) {
  m.record.pressed = m.message == WM_LBUTTONDOWN;
  m.record.lastMousePos = m.lParam;
  return forward(m);
}

}  // namespace

int upDownHalfAt(int w, int h, bool horizontal, int x, int y) {
  return horizontal ? (w / 2 < x ? 1 : 0) : (h / 2 < y ? 1 : 0);
}

void installUpDownSkins(int windowIndex, HWND container) {
  installControls(
      windowIndex, container, UPDOWN_CLASSA, &SkinnedWindowRecord::upDowns, upDownProc, [](HWND) { return true; },
      fillUpDownRecord);
}

LRESULT CALLBACK upDownProc(HWND upDown, UINT message, WPARAM wParam, LPARAM lParam) {
  const SkinnedControl<UpDownRecord> control = lookUpControl(upDown, &SkinnedWindowRecord::upDowns);
  if (!control) return forwardMessage(upDown, message, wParam, lParam);
  const UpDownMessage m{upDown, message, wParam, lParam, *control.record};
  switch (message) {
    case WM_MOVE: return onMove(m);
    case WM_PAINT: return onPaint(m);
    case WM_ERASEBKGND: return onEraseBackground(m);
    case WM_NCPAINT: return 1;
    case WM_WINDOWPOSCHANGING: notifyPositionChanging(upDown); return forward(m);
    case WM_MOUSEMOVE: return onMouseMove(m);
    case WM_MOUSELEAVE: return onMouseLeave(m);
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP: return onButton(m);
    default: return forward(m);
  }
}

int upDownHitPart(int windowIndex, int recordIndex, LPARAM mousePos) {
  SkinnedWindowRecord* window = skinnedWindowAt(windowIndex);
  const UpDownRecord* record = window ? window->upDowns.at(recordIndex) : nullptr;
  return record && record->window ? halfUnder(*record, mousePos) : 0;
}

void paintUpDown(int windowIndex, int recordIndex, std::optional<bool> hot, std::optional<bool> pressed,
                 std::optional<LPARAM> mousePos) {
  SkinnedWindowRecord* window = skinnedWindowAt(windowIndex);
  const UpDownRecord* record = window ? window->upDowns.at(recordIndex) : nullptr;
  if (!record || !record->window) return;
  paintUpDownOf(*record, {hot.value_or(record->hot), pressed.value_or(record->pressed),
                          mousePos.value_or(record->lastMousePos)});
}

}  // namespace skin
