#include "skin/controls/toolbar_skin.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "draw/gdi_handles.h"
#include "skin/controls/container_skin.h"
#include "skin/controls/control_framework.h"
#include "skin/controls/control_installs.h"
#include "skin/core/canvas.h"
#include "skin/core/engine_state.h"
#include "skin/core/control_geometry.h"
#include "skin/core/drawing_primitives.h"
#include "skin/core/paint_helpers.h"
#include "skin/core/resource_pictures.h"
#include "skin/core/skin_theme.h"
#include "skin/core/window_helpers.h"

namespace skin {
namespace {

constexpr BYTE checkedState = TBSTATE_CHECKED;
constexpr BYTE pressedState = TBSTATE_PRESSED;
constexpr BYTE enabledState = TBSTATE_ENABLED;
constexpr BYTE hiddenState = TBSTATE_HIDDEN;
constexpr BYTE indeterminateState = TBSTATE_INDETERMINATE;
constexpr COLORREF greyText = 0x808080;

int paintCount = 0;

// A button's image in the toolbar's image list, drawn straight from the list: taking
// it out as an icon first costs more than the rest of the button's paint.
class ButtonIcon {
 public:
  ButtonIcon(HIMAGELIST list, int image) {
    if (!list || image < 0 || image >= ImageList_GetImageCount(list)) return;
    if (ImageList_GetIconSize(list, &width_, &height_)) list_ = list, image_ = image;
  }

  explicit operator bool() const { return list_ != nullptr; }
  int width() const { return list_ ? width_ : 0; }
  int height() const { return list_ ? height_ : 0; }
  void draw(HDC dc, int x, int y) const { ImageList_Draw(list_, image_, dc, x, y, ILD_TRANSPARENT); }

 private:
  HIMAGELIST list_ = nullptr;
  int image_ = 0;
  int width_ = 0;
  int height_ = 0;
};

// Draws a picture of width x height into a memory context, turns every pixel into its
// grey and puts the result on dc with black as the key, so that the picture's
// transparent surroundings and its neutral pixels vanish.
template <typename DrawPicture>
void drawGreyed(HDC dc, int x, int y, int width, int height, BYTE state, DrawPicture&& drawPicture) {
  if (!dc || width <= 0 || height <= 0) return;
  void* bits = nullptr;
  const draw::OwnedBitmap pixels = draw::createDibSection(width, height, &bits);
  const draw::MemoryDC memory = draw::MemoryDC::createCompatible();
  if (!pixels || !memory || !bits) return;
  const draw::ScopedSelectObject selected(memory.get(), pixels.get());
  drawPicture(memory.get());
  GdiFlush();
  // Straight into the pixels: GetPixel and SetPixel per pixel would cost many times more.
  auto* p = static_cast<std::uint32_t*>(bits);
  for (int i = 0; i < width * height; ++i) {
    const COLORREF colour = RGB((p[i] >> 16) & 0xFF, (p[i] >> 8) & 0xFF, p[i] & 0xFF);
    const COLORREF grey = greyedIconPixel(colour, state);
    p[i] = (static_cast<std::uint32_t>(GetRValue(grey)) << 16) | (GetGValue(grey) << 8) | GetBValue(grey);
  }
  TransparentBlt(dc, x, y, width, height, memory.get(), 0, 0, width, height, 0);
}

SIZE iconSize(HICON icon) {
  ICONINFO info{};
  if (!icon || !GetIconInfo(icon, &info)) return {0, 0};
  const draw::OwnedBitmap colour(info.hbmColor);
  const draw::OwnedBitmap mask(info.hbmMask);
  BITMAP bitmap{};
  if (!GetObjectA(info.hbmMask, sizeof bitmap, &bitmap)) return {0, 0};
  // A monochrome icon keeps its image and mask one above the other in the mask.
  return {bitmap.bmWidth, info.hbmColor ? bitmap.bmHeight : bitmap.bmHeight / 2};
}

std::string buttonText(HWND toolbar, int command) {
  const LRESULT length = SendMessageA(toolbar, TB_GETBUTTONTEXTA, command, 0);
  if (length <= 0) return {};
  std::vector<char> text(static_cast<size_t>(length) + 1);
  const LRESULT copied = SendMessageA(toolbar, TB_GETBUTTONTEXTA, command, reinterpret_cast<LPARAM>(text.data()));
  return std::string(text.data(), static_cast<size_t>(std::clamp<LRESULT>(copied, 0, length)));
}

SkinnedControl<ToolbarRecord> lookUpToolbar(HWND toolbar) {
  return lookUpControl(toolbar, &SkinnedWindowRecord::toolbars, props::toolbarKeys);
}

// What one paint of a button reads from the toolbar.
struct ButtonToPaint {
  float x, y, w, h;
  RECT item;
  TBBUTTON button;
  bool listStyle;
  int clientRight;
  std::string text;
};

void paintFace(draw::DrawingSurface& g, const draw::DrawingPath& outer, const ButtonToPaint& b, ButtonFace face) {
  const COLORREF accent = theme().themeColour;
  const auto glow = [&](float shrinkY, draw::Argb centre, draw::Argb surround, int accentAlpha) {
    g.fillPath(draw::DrawingSolidBrush(toArgb(white, 100)), outer);
    g.fillPath(draw::DrawingSolidBrush(toArgb(accent, accentAlpha)), outer);
    draw::DrawingPathBrush gradient;
    gradient.createFromPath(outer);
    gradient.setCentreColour(centre);
    const draw::Argb surrounds[] = {surround};
    gradient.setSurroundColours(surrounds);
    gradient.setFocusScales((b.w - 4) / b.w, (b.h - shrinkY) / b.h);
    g.fillPath(gradient, outer);
  };
  switch (face) {
    case ButtonFace::pressed:
      fillWithGradient(g, outer, {b.x, b.y}, {b.x, b.y + b.h}, toArgb(black, 60), toArgb(white, 100));
      break;
    case ButtonFace::checked: glow(4, toArgb(white, 100), toArgb(accent, 80), 16); break;
    case ButtonFace::hot: glow(6, toArgb(white, 10), toArgb(accent, 60), 10); break;
    case ButtonFace::none: break;
  }
}

void drawLinePair(draw::DrawingSurface& g, float x1, float y1, float x2, float y2, float dx, float dy) {
  g.drawLine(draw::DrawingPen(toArgb(black, 100), 1), x1, y1, x2, y2);
  g.drawLine(draw::DrawingPen(toArgb(white, 150), 1), x1 + dx, y1 + dy, x2 + dx, y2 + dy);
}

void paintOutlineAndRules(draw::DrawingSurface& g, const draw::DrawingPath& outer, const ButtonToPaint& b, int index,
                          bool isHot) {
  const BYTE style = b.button.fsStyle;
  if (hasButtonOutline(b.button.fsState, style, isHot)) {
    outline(g, outer, toArgb(black, 100));
    outline(g, roundedRectPath(b.x + 1, b.y + 1, b.w - 2, b.h - 2, 5), toArgb(white, 60));
    if (hasDropDownArrow(style)) drawLinePair(g, b.x + b.w - 12, b.y + 3, b.x + b.w - 12, b.y + b.h - 3, 1, 0);
  }
  if (style != separatorStyle) return;
  if (separatorIsRowRule(b.item.left, index)) {
    const float right = b.x + static_cast<float>(b.clientRight) - 6;
    drawLinePair(g, b.x + 3, b.y + b.h - 5, right, b.y + b.h - 5, 0, 1);
  } else {
    const float c = b.x + (b.w - 2) / 2;
    drawLinePair(g, c, b.y + 3, c, b.y + b.h - 3, 1, 0);
  }
}

void paintIcon(HDC dc, const ButtonToPaint& b, const ButtonIcon& icon) {
  const BYTE style = b.button.fsStyle;
  if (!icon || !drawsButtonIcon(style)) return;
  const bool greyed = buttonIconGreyed(style, b.button.fsState);
  const POINT at = buttonIconPosition(b.item, icon.width(), icon.height(), b.listStyle, style, greyed);
  if (greyed)
    drawGreyed(dc, at.x, at.y, icon.width(), icon.height(), b.button.fsState,
               [&](HDC memory) { icon.draw(memory, 0, 0); });
  else
    icon.draw(dc, at.x, at.y);
}

// The font and format of the button texts, made once for all buttons of a paint.
struct TextTools {
  explicit TextTools(const ToolbarRecord& record)
      : family(fontFamilyOrFallback(record.fontFamily)),
        font(family, static_cast<float>(record.fontSize), record.fontStyle, Gdiplus::UnitWorld) {
    format.create(Gdiplus::StringFormatFlagsMeasureTrailingSpaces);
    format.setAlignment(Gdiplus::StringAlignmentCenter);
    format.setLineAlignment(Gdiplus::StringAlignmentCenter);
    format.setTrimming(Gdiplus::StringTrimmingEllipsisCharacter);
  }
  draw::DrawingFontFamily family;
  draw::DrawingFont font;
  draw::DrawingStringFormat format;
};

void paintArrowAndText(draw::DrawingSurface& g, const ButtonToPaint& b, const TextTools& tools, HWND toolbar,
                       int iconWidth, int iconHeight) {
  const BYTE style = b.button.fsStyle;
  if (drawsButtonIcon(style) && hasDropDownArrow(style))
    drawPicture(g, arrowPicture(ArrowGlyph::triangleDown), b.x + b.w - 8, b.y + (b.h - 4) / 2);
  if (b.text.empty()) return;
  const COLORREF colour = buttonTextGreyed(b.button.fsState) ? greyText : props::textColour(toolbar);
  const auto iw = static_cast<float>(iconWidth);
  const auto ih = static_cast<float>(iconHeight);
  draw::RectF layout =
      b.listStyle ? draw::RectF{b.x + iw, b.y + 2, b.w - iw, b.h} : draw::RectF{b.x, b.y + ih, b.w, b.h - ih};
  if (hasDropDownArrow(style)) layout.width -= 12;
  g.drawString(b.text, tools.font, draw::DrawingSolidBrush(toArgb(colour, 255, false)), layout, tools.format);
}

bool readButton(HWND toolbar, int index, ButtonToPaint& b) {
  b.item = {};
  b.button = {};
  if (!SendMessageA(toolbar, TB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&b.item))) return false;
  if (!SendMessageA(toolbar, TB_GETBUTTON, index, reinterpret_cast<LPARAM>(&b.button))) return false;
  b.x = static_cast<float>(b.item.left);
  b.y = static_cast<float>(b.item.top);
  b.w = static_cast<float>(b.item.right - b.item.left);
  b.h = static_cast<float>(b.item.bottom - b.item.top);
  b.listStyle = (SendMessageA(toolbar, TB_GETSTYLE, 0, 0) & TBSTYLE_LIST) != 0;
  RECT client{};
  GetClientRect(toolbar, &client);
  b.clientRight = client.right;
  b.text = buttonText(toolbar, b.button.idCommand);
  return true;
}

// --- toolbarProc's handlers ----------------------------------------------------------

struct ToolbarMessage {
  HWND toolbar;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
  SkinnedWindowRecord& window;
  ToolbarRecord& record;
};

LRESULT forward(const ToolbarMessage& m) {
  return forwardMessage(m.toolbar, m.message, m.wParam, m.lParam, props::toolbarKeys);
}

LRESULT onMouseMove(const ToolbarMessage& m) {
  m.record.stale = true;
  if (!m.record.tracking) {
    m.record.tracking = true;
    TRACKMOUSEEVENT request{sizeof request, TME_LEAVE, m.toolbar, 0};
    TrackMouseEvent(&request);
  }
  return forward(m);
}

LRESULT onMouseLeave(const ToolbarMessage& m) {
  m.record.tracking = false;
  m.record.stale = true;
  return forward(m);
}

LRESULT markStale(const ToolbarMessage& m) {
  m.record.stale = true;
  return forward(m);
}

LRESULT onMove(const ToolbarMessage& m) {
  if (theme().translucentControls) InvalidateRect(m.toolbar, nullptr, FALSE);
  return forward(m);
}

// While the window is dragged the picture behind stays; it changes while the window is
// sized, and an inactive window's controls are left as they are.
LRESULT onEraseBackground(const ToolbarMessage& m) {
  if (!theme().translucentControls) return forward(m);
  if (!m.record.stale) m.record.stale = m.window.moving ? m.window.sizing : m.window.active;
  SetBkMode(reinterpret_cast<HDC>(m.wParam), TRANSPARENT);
  return 1;
}

// The paint is always ended with EndPaint, on the copy-back path as well: a paint DC
// given back with ReleaseDC leaves the caret hidden and the paint unfinished.
LRESULT onPaint(const ToolbarMessage& m) {
  if (!theme().skinControls) return forward(m);
  {
    const draw::PaintDC paint = draw::PaintDC::begin(m.toolbar);
    if (m.record.stale) paintToolbar(m.toolbar);
    else if (paint) restoreFromWindowImage(m.toolbar, props::toolbarKeys, false, paint.get());
  }
  return DefWindowProcA(m.toolbar, m.message, m.wParam, m.lParam);
}

}  // namespace

ButtonFace buttonFace(BYTE state, bool hot) {
  if (state & pressedState) return ButtonFace::pressed;
  if (state & checkedState) return ButtonFace::checked;
  return hot ? ButtonFace::hot : ButtonFace::none;
}

bool hasButtonOutline(BYTE state, BYTE style, bool hot) {
  return style != separatorStyle && buttonFace(state, hot) != ButtonFace::none;
}

bool hasDropDownArrow(BYTE style) { return style == dropDownStyle || style == wholeDropDownStyle; }

bool drawsButtonIcon(BYTE style) {
  return style == plainButtonStyle || style == checkStyle || style == checkGroupStyle || hasDropDownArrow(style);
}

bool buttonIconGreyed(BYTE style, BYTE state) {
  if (style == wholeDropDownStyle) return (state & ~indeterminateState) == 0;
  return buttonTextGreyed(state);
}

bool buttonTextGreyed(BYTE state) { return (state & indeterminateState) || !(state & enabledState); }

POINT buttonIconPosition(const RECT& item, int iconWidth, int iconHeight, bool listStyle, BYTE style, bool greyed) {
  const int w = item.right - item.left;
  const int h = item.bottom - item.top;
  if (listStyle) return {item.left + 2, item.top + (h - iconHeight) / 2};
  const int room = hasDropDownArrow(style) && !greyed ? w - iconWidth - 10 : w - iconWidth;
  return {item.left + room / 2, item.top + 2};
}

bool separatorIsRowRule(int left, int index) { return left < 10 && index > 0; }

COLORREF greyedIconPixel(COLORREF colour, BYTE state) {
  const int red = GetRValue(colour);
  const int green = GetGValue(colour);
  const int blue = GetBValue(colour);
  if (colour == 0 || (red == green && green == blue)) return 0;
  const int gray = (red + green + blue) / 3;
  if (state & indeterminateState) return RGB(std::min(gray + 20, 255), gray, gray);
  return RGB(gray, gray, gray);
}

void installToolbarSkins(int, HWND container) {
  if (!container) return;
  for (HWND toolbar = FindWindowExA(container, nullptr, TOOLBARCLASSNAMEA, nullptr); toolbar;
       toolbar = FindWindowExA(container, toolbar, TOOLBARCLASSNAMEA, nullptr)) {
    SetPropA(toolbar, props::colourBitmapKey,
             reinterpret_cast<HANDLE>(SendMessageA(toolbar, TB_GETIMAGELIST, 0, 0)));
    registerToolbar(toolbar);
  }
}

void registerToolbar(HWND toolbar) {
  SkinnedWindowRecord* window = skinnedWindowAt(findSkinnedWindowIndex(toolbar));
  if (!window || window->toolbars.find(toolbar)) return;
  registerControl(
      *window, &SkinnedWindowRecord::toolbars, toolbar, toolbarProc,
      [](ToolbarRecord& record, HWND control) {
        const ControlFont font = controlFont(control);
        record.fontFamily = font.family;
        record.fontSize = font.size;
        record.fontStyle = font.style;
        record.stale = true;
      },
      props::toolbarKeys);
  if (FindWindowExA(toolbar, nullptr, nullptr, nullptr)) registerContainer(toolbar, 0, 0, 0);
}

LRESULT CALLBACK toolbarProc(HWND toolbar, UINT message, WPARAM wParam, LPARAM lParam) {
  const SkinnedControl<ToolbarRecord> control = lookUpToolbar(toolbar);
  if (!control) return forwardMessage(toolbar, message, wParam, lParam, props::toolbarKeys);
  const ToolbarMessage m{toolbar, message, wParam, lParam, *control.window, *control.record};
  switch (message) {
    case WM_MOUSEMOVE: return onMouseMove(m);
    case WM_MOUSELEAVE: return onMouseLeave(m);
    case WM_LBUTTONDOWN:
    case WM_SIZE: return markStale(m);
    case WM_MOVE: return onMove(m);
    case WM_WINDOWPOSCHANGING: notifyPositionChanging(toolbar); return forward(m);
    case WM_ERASEBKGND: return onEraseBackground(m);
    case WM_PAINT: return onPaint(m);
    default: return forward(m);
  }
}

namespace {

// One button as a paint needs it: what the toolbar says of it and its icon.
struct PaintedButton {
  int index;
  bool hot;
  ButtonToPaint b;
  std::unique_ptr<ButtonIcon> icon;
};

std::vector<PaintedButton> buttonsToPaint(HWND toolbar, int first, int last, int hot) {
  const auto images = reinterpret_cast<HIMAGELIST>(GetPropA(toolbar, props::colourBitmapKey));
  std::vector<PaintedButton> buttons;
  for (int i = first; i <= last; ++i) {
    PaintedButton painted{i, i == hot, {}, nullptr};
    if (!readButton(toolbar, i, painted.b) || (painted.b.button.fsState & hiddenState)) continue;
    painted.icon = std::make_unique<ButtonIcon>(images, painted.b.button.iBitmap);
    buttons.push_back(std::move(painted));
  }
  return buttons;
}

// Everything the picture of a button (all but its icon) depends on.
struct ButtonLook {
  int w, h, clientRight;
  BYTE state, style;
  bool hot, rowRule, listStyle;
  int iconWidth, iconHeight;
  std::string text;
  COLORREF textColour, accent;
  std::string fontFamily;
  int fontSize, fontStyle;
  bool operator==(const ButtonLook&) const = default;
};

ButtonLook lookOf(const PaintedButton& p, const ToolbarRecord& record, HWND toolbar) {
  const ButtonToPaint& b = p.b;
  return {static_cast<int>(b.w), static_cast<int>(b.h), b.clientRight, b.button.fsState, b.button.fsStyle, p.hot,
          separatorIsRowRule(b.item.left, p.index), b.listStyle, p.icon->width(), p.icon->height(), b.text,
          props::textColour(toolbar), theme().themeColour, record.fontFamily, record.fontSize, record.fontStyle};
}

// The face, rules, arrow and text of a button drawn at the origin. A rule that begins
// a wrapped row reaches across the toolbar, past the button's own width.
void paintButtonLook(draw::DrawingSurface& g, const PaintedButton& p, const ToolbarRecord& record, HWND toolbar) {
  ButtonToPaint b = p.b;
  b.x = 0;
  b.y = 0;
  const draw::DrawingPath outer = roundedRectPath(0, 0, b.w, b.h, 5);
  paintFace(g, outer, b, buttonFace(b.button.fsState, p.hot));
  paintOutlineAndRules(g, outer, b, p.index, p.hot);
  paintArrowAndText(g, b, TextTools(record), toolbar, p.icon->width(), p.icon->height());
}

// Drawing a button's face and text costs many times more than laying a kept picture of
// the same look over the background; the icon goes over it through the platform.
void paintButtons(HWND toolbar, const ToolbarRecord& record, const std::vector<PaintedButton>& buttons, HDC dc) {
  LayerMemo<ButtonLook>& looks = enginePart<LayerMemo<ButtonLook>>();
  for (const PaintedButton& p : buttons) {
    const ButtonLook look = lookOf(p, record, toolbar);
    const int width = look.style == separatorStyle && look.rowRule ? std::max(look.w, look.clientRight) : look.w;
    layOver(dc,
            looks.picture(look, width, look.h,
                          [&](draw::DrawingSurface& g) { paintButtonLook(g, p, record, toolbar); }),
            p.b.item.left, p.b.item.top);
    paintIcon(dc, p.b, *p.icon);
  }
}

}  // namespace

void paintToolbar(HWND toolbar) {
  const SkinnedControl<ToolbarRecord> control = lookUpToolbar(toolbar);
  if (!control) return;
  ++paintCount;
  const int count = static_cast<int>(SendMessageA(toolbar, TB_BUTTONCOUNT, 0, 0));
  const int hot = static_cast<int>(SendMessageA(toolbar, TB_GETHOTITEM, 0, 0));
  RECT client{};
  GetClientRect(toolbar, &client);
  {
    ControlCanvas canvas(toolbar, client);
    if (canvas) {
      paintButtons(toolbar, *control.record, buttonsToPaint(toolbar, 0, count - 1, hot), canvas.dc());
      commitToWindowImage(toolbar, canvas.dc(), props::toolbarKeys, false);
      const draw::WindowDC dc = getClippedDC(toolbar);
      canvas.copyTo(dc.get());
    }
  }
  control.record->stale = false;
}

void paintToolbarButton(HWND toolbar, int index, HDC dc, bool isHot) {
  const SkinnedControl<ToolbarRecord> control = lookUpToolbar(toolbar);
  if (!control || !dc) return;
  paintButtons(toolbar, *control.record, buttonsToPaint(toolbar, index, index, isHot ? index : -1), dc);
}

void drawGreyedIcon(HDC dc, int x, int y, HICON icon, BYTE state) {
  const SIZE size = iconSize(icon);
  drawGreyed(dc, x, y, size.cx, size.cy, state, [&](HDC memory) {
    DrawIconEx(memory, 0, 0, icon, size.cx, size.cy, 0, nullptr, DI_NORMAL);
  });
}

int toolbarPaintCount() { return paintCount; }

}  // namespace skin
