#include "skin/controls/static_skin.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "draw/drawing.h"
#include "draw/gdi_handles.h"
#include "skin/controls/control_framework.h"
#include "skin/controls/control_installs.h"
#include "skin/core/canvas.h"
#include "skin/core/control_geometry.h"
#include "skin/core/drawing_primitives.h"
#include "skin/core/window_helpers.h"

namespace skin {
namespace {

SkinnedControl<StaticRecord> lookUpStatic(HWND handle) {
  return lookUpControl(handle, &SkinnedWindowRecord::dialogStatics);
}

int pictureStaticPlacement(LONG_PTR style) {
  if (style & SS_CENTERIMAGE) return placeCentred;
  if (style & SS_REALSIZECONTROL) return placeStretched;
  if (style & SS_RIGHTJUST) return placeBottomRight;
  return placeTopLeft;
}

// A text static gets room on its right for the glow around its last letters.
void widenBy(HWND control, int extraWidth) {
  const RECT place = childRectInParent(control);
  SetWindowPos(control, nullptr, place.left, place.top, place.right - place.left + extraWidth,
               place.bottom - place.top, SWP_NOZORDER | SWP_NOOWNERZORDER);
}

HANDLE staticPicture(HWND control) {
  if (const LRESULT icon = SendMessageA(control, STM_GETICON, 0, 0)) return reinterpret_cast<HANDLE>(icon);
  return reinterpret_cast<HANDLE>(SendMessageA(control, STM_GETIMAGE, IMAGE_BITMAP, 0));
}

bool isBlank(const std::string& text) { return text.find_first_not_of(' ') == std::string::npos; }

// Whether the static has something of its own to draw; otherwise the platform paints it.
bool hasOwnContent(HWND control, const StaticRecord& record) {
  if (record.staticKind == textStatic) return !isBlank(windowText(control));
  return staticPicture(control) != nullptr;
}

// The glow text lays out whole lines only. The static was sized for the platform's own
// font, whose lines may be shorter than the glow font's (Noto Sans CJK's are 1.45 em):
// the layout is made tall enough for every line, and the canvas cuts off what is below.
float glowLayoutHeight(draw::DrawingSurface& surface, const std::string& text, const GlowTextOptions& options,
                       float layoutWidth, int clientHeight) {
  const draw::DrawingFontFamily family(options.family);
  const draw::DrawingFont font(family, options.size, options.style);
  draw::DrawingStringFormat format;
  format.create(0);
  const draw::RectF needed = surface.measureString(text, font, {0, 0, layoutWidth, 10000}, format);
  return std::max(static_cast<float>(clientHeight), std::ceil(needed.height));
}

void drawStaticText(draw::DrawingSurface& surface, HWND control, const StaticRecord& record, int width,
                    int height) {
  GlowTextOptions options;
  options.scale = 4;
  options.family = record.fontFamily;
  options.style = record.fontStyle;
  options.size = static_cast<float>(record.fontSize);
  const std::string text = windowText(control);
  // The layout ends at the static's right edge (the strokes start at -1): a line laid
  // out past it would lose its last words to the canvas's edge, since the glow font
  // need not break the lines where the platform's font did.
  const float layoutWidth = static_cast<float>(width + 2);
  drawGlowText(surface, text, -2, 0, layoutWidth, glowLayoutHeight(surface, text, options, layoutWidth, height),
               0x000000, 0xFFFFFF, options);
}

void drawStaticBitmap(draw::DrawingSurface& surface, HWND control, int placement, int width, int height) {
  HANDLE handle = reinterpret_cast<HANDLE>(SendMessageA(control, STM_GETIMAGE, IMAGE_BITMAP, 0));
  if (!handle) handle = reinterpret_cast<HANDLE>(SendMessageA(control, STM_GETICON, 0, 0));
  if (!handle) return;
  // The handle stays the control's; only the drawing layer's copy is ours.
  draw::DrawingBitmap picture;
  if (!picture.createFromHbitmap(static_cast<HBITMAP>(handle))) picture.createFromHicon(static_cast<HICON>(handle));
  if (!picture) return;
  const float w = static_cast<float>(width), h = static_cast<float>(height);
  const float iw = picture.width(), ih = picture.height();
  switch (placement) {
    case placeStretched: surface.drawImage(picture, 0, 0, w, h); break;
    case placeCentred: surface.drawImage(picture, (w - iw) / 2, (h - ih) / 2); break;
    case placeBottomRight: surface.drawImage(picture, w - iw, h - ih); break;
    default: surface.drawImage(picture, 0, 0); break;
  }
}

void drawStaticIcon(HDC canvas, HWND control, int placement, int width, int height) {
  const auto icon = reinterpret_cast<HICON>(SendMessageA(control, STM_GETICON, 0, 0));
  if (!icon) return;
  if (placement == placeStretched)
    DrawIconEx(canvas, 0, 0, icon, width, height, 0, nullptr, DI_NORMAL);
  else
    DrawIcon(canvas, 0, 0, icon);
}

// Nothing of its own to show: the platform paints the static into a canvas that
// already holds the dialog's background, so no grey box appears.
void paintThroughPlatform(HWND handle) {
  RECT client{};
  GetClientRect(handle, &client);
  ControlCanvas canvas(handle, client);
  if (!canvas) {
    forwardMessage(handle, WM_PAINT, 0, 0);
    return;
  }
  const draw::PaintDC paint = draw::PaintDC::begin(handle);
  forwardMessage(handle, WM_PAINT, reinterpret_cast<WPARAM>(canvas.dc()), 0);
  if (paint) canvas.copyTo(paint.get());
}

LRESULT onDestroy(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
  props::deleteColourObjects(handle);
  return forwardMessage(handle, message, wParam, lParam);
}

LRESULT onMove(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
  InvalidateRect(handle, nullptr, TRUE);
  return forwardMessage(handle, message, wParam, lParam);
}

// Paints the text the control still holds; the platform's repaint then shows the new one.
LRESULT onSetText(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
  const SkinnedControl<StaticRecord> control = lookUpStatic(handle);
  if (control) paintStatic(control.windowIndex, control.index);
  return forwardMessage(handle, message, wParam, lParam);
}

LRESULT onPaint(HWND handle, WPARAM wParam, LPARAM lParam) {
  const SkinnedControl<StaticRecord> control = lookUpStatic(handle);
  if (!control) return forwardMessage(handle, WM_PAINT, wParam, lParam);
  if (!hasOwnContent(handle, *control.record)) {
    paintThroughPlatform(handle);
  } else {
    const draw::PaintDC paint = draw::PaintDC::begin(handle);
    paintStatic(control.windowIndex, control.index);
  }
  return DefWindowProcA(handle, WM_PAINT, wParam, lParam);
}

// The dialog's background shows through: no fill, only the text colour.
LRESULT onEraseBackground(HWND handle, WPARAM wParam) {
  const auto dc = reinterpret_cast<HDC>(wParam);
  SetBkMode(dc, TRANSPARENT);
  return static_cast<LRESULT>(SetTextColor(dc, props::textColour(handle)));
}

LRESULT onPositionChanging(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
  notifyPositionChanging(handle);
  return forwardMessage(handle, message, wParam, lParam);
}

}  // namespace

StaticLook staticLookFromStyle(LONG_PTR style) {
  // The type is the low five bits; testing single bits would take SS_SIMPLE text (0xB)
  // or a black frame (0x7) for an icon.
  switch (style & SS_TYPEMASK) {
    case SS_ICON: return {iconStatic, pictureStaticPlacement(style)};
    case SS_BITMAP: return {bitmapStatic, pictureStaticPlacement(style)};
    default: return {textStatic, placeTopLeft};
  }
}

void skinDialogStatics(int windowIndex, HWND container, int extraWidth, int /*flag*/) {
  installControls(
      windowIndex, container, "Static", &SkinnedWindowRecord::dialogStatics, staticSkinProc,
      [](HWND) { return true; },
      [extraWidth](StaticRecord& record, HWND child) {
        const ControlFont font = controlFont(child);
        record.fontFamily = font.family;
        record.fontSize = font.size;
        record.fontStyle = font.style;
        const StaticLook look = staticLookFromStyle(GetWindowLongPtrA(child, GWL_STYLE));
        record.staticKind = look.staticKind;
        record.placement = look.placement;
        if (record.staticKind == textStatic) widenBy(child, extraWidth);
      });
}

LRESULT CALLBACK staticSkinProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_DESTROY: return onDestroy(handle, message, wParam, lParam);
    case WM_MOVE: return onMove(handle, message, wParam, lParam);
    case WM_SETTEXT: return onSetText(handle, message, wParam, lParam);
    case WM_PAINT: return onPaint(handle, wParam, lParam);
    case WM_ERASEBKGND: return onEraseBackground(handle, wParam);
    case WM_WINDOWPOSCHANGING: return onPositionChanging(handle, message, wParam, lParam);
    default: return forwardMessage(handle, message, wParam, lParam);
  }
}

void paintStatic(int windowIndex, int recordIndex) {
  SkinnedWindowRecord* window = skinnedWindowAt(windowIndex);
  const StaticRecord* record = window ? window->dialogStatics.at(recordIndex) : nullptr;
  if (!record || !record->window) return;
  const HWND control = record->window;
  RECT client{};
  GetClientRect(control, &client);
  ControlCanvas canvas(control, client);
  if (!canvas) return;

  const int width = client.right, height = client.bottom;
  switch (record->staticKind) {
    case textStatic: drawStaticText(canvas.surface(), control, *record, width, height); break;
    case bitmapStatic: drawStaticBitmap(canvas.surface(), control, record->placement, width, height); break;
    case iconStatic: drawStaticIcon(canvas.dc(), control, record->placement, width, height); break;
  }
  canvas.finishDrawing();

  const draw::WindowDC target = getClippedDC(control);
  if (target) canvas.copyTo(target.get());
}

}  // namespace skin
