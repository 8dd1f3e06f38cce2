#include "skin/controls/header_skin.h"

#include <commctrl.h>
#include <windowsx.h>

#include <vector>

#include "draw/drawing.h"
#include "draw/gdi_handles.h"
#include "skin/controls/control_framework.h"
#include "skin/core/canvas.h"
#include "skin/core/drawing_primitives.h"
#include "skin/core/engine_state.h"
#include "skin/core/paint_helpers.h"
#include "skin/core/skin_theme.h"
#include "skin/core/window_helpers.h"

namespace skin {
namespace {

constexpr int hitBand = 5;  // pixels at both ends of an item that count as no item

void fillHeaderRecord(HeaderRecord& record, HWND header) {
  record.buttons = (GetWindowLongA(header, GWL_STYLE) & HDS_BUTTONS) != 0;
  ControlFont font = controlFont(header);
  record.fontFamily = std::move(font.family);
  record.fontSize = font.size;
  record.fontStyle = font.style;
  record.imageList = reinterpret_cast<HIMAGELIST>(SendMessageA(header, HDM_GETIMAGELIST, 0, 0));
}

std::vector<RECT> itemRects(HWND header) {
  const int count = static_cast<int>(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0));
  std::vector<RECT> rects(count > 0 ? static_cast<size_t>(count) : 0);
  for (int i = 0; i < count; ++i) SendMessageA(header, HDM_GETITEMRECT, i, reinterpret_cast<LPARAM>(&rects[i]));
  return rects;
}

struct HeaderItem {
  std::string text;
  int format = 0;
  int image = 0;
};

HeaderItem readItem(HWND header, int index) {
  char text[260] = {};
  HDITEMA item{};
  item.mask = HDI_WIDTH | HDI_TEXT | HDI_FORMAT | HDI_LPARAM | HDI_BITMAP | HDI_IMAGE;
  item.pszText = text;
  item.cchTextMax = sizeof text;
  if (!SendMessageA(header, HDM_GETITEMA, index, reinterpret_cast<LPARAM>(&item))) return {};
  return {text, item.fmt, item.iImage};
}

// The icon of an item, with its size.
class ItemIcon {
 public:
  ItemIcon(HIMAGELIST list, const HeaderItem& item) {
    if (!list || !(item.format & HDF_IMAGE)) return;
    icon_ = draw::OwnedIcon(ImageList_GetIcon(list, item.image, ILD_TRANSPARENT));
    if (icon_) ImageList_GetIconSize(list, &width_, &height_);
  }

  HICON get() const { return icon_.get(); }
  int width() const { return icon_ ? width_ : 0; }
  int height() const { return icon_ ? height_ : 0; }

 private:
  draw::OwnedIcon icon_;
  int width_ = 0;
  int height_ = 0;
};

// The client right edge of the list view a header lies in; -1 for a header of its own.
int listViewRight(HWND header) {
  const HWND parent = GetParent(header);
  if (!parent || !isWindowOfClass(parent, WC_LISTVIEWA)) return -1;
  RECT client{};
  GetClientRect(parent, &client);
  return client.right;
}

// The item under the mouse is lit; while the left button is held the one lit before stays so.
int shownHotItem(const HeaderRecord& record) { return record.pressed ? record.paintedHotItem : record.hotItem; }

// Everything an item's picture (without its icon) depends on.
struct ItemLook {
  int w, h, paintWidth;
  bool buttons, hot, pressed;
  COLORREF accent;
  int groundAlpha;
  std::string text;
  int textStart, iconWidth, margin;
  std::string fontFamily;
  int fontSize, fontStyle;
  bool operator==(const ItemLook&) const = default;
};

void paintItemLook(draw::DrawingSurface& g, const ItemLook& look) {
  const auto w = static_cast<float>(look.w);
  const auto h = static_cast<float>(look.h);
  const auto paintWidth = static_cast<float>(look.paintWidth);
  g.fillRectangle(draw::DrawingSolidBrush(toArgb(white, look.groundAlpha)), 0, 0, paintWidth, h);
  const draw::PointF from{0, 0};
  const draw::PointF to{0, h};
  const auto fillGradient = [&](float width, draw::Argb fromColour, draw::Argb toColour) {
    g.fillRectangle(draw::DrawingLinearBrush(from, to, fromColour, toColour), 0, 0, width, h);
  };
  if (look.buttons) fillGradient(paintWidth, toArgb(white, 80), toArgb(look.accent, 120));
  else fillGradient(paintWidth, toArgb(look.accent, 60), toArgb(look.accent, 10));
  if (look.hot) fillGradient(w, toArgb(look.accent, 60), toArgb(black, 30));
  if (look.pressed) fillGradient(w, toArgb(black, 30), toArgb(white, 120));

  const draw::DrawingLinearBrush dividerColours(from, to, toArgb(black, 60), toArgb(white, 50));
  draw::DrawingPen divider;
  divider.createFromBrush(dividerColours, 1);
  g.drawLine(divider, w - 1, 0, w - 1, h);

  if (look.text.empty()) return;
  const draw::DrawingFontFamily family = fontFamilyOrFallback(look.fontFamily);
  const draw::DrawingFont font(family, static_cast<float>(look.fontSize), look.fontStyle);
  // One line, cut with an ellipsis: a wrapped second line would show half of itself
  // below the first.
  draw::DrawingStringFormat format;
  format.create(Gdiplus::StringFormatFlagsNoWrap);
  format.setTrimming(Gdiplus::StringTrimmingEllipsisCharacter);
  const auto x = static_cast<float>(look.textStart + look.iconWidth);
  const auto width = static_cast<float>(look.w - look.iconWidth - 2 * look.margin);
  g.drawString(look.text, font, draw::DrawingSolidBrush(toArgb(black, 255)), {x, 0, width, h}, format);
}

// Measuring costs a drawing surface and a font: the widths of the last few texts are kept.
int keptTextWidth(const std::string& text, const std::string& family, int size, int style) {
  struct Measured {
    std::string text, family;
    int size, style, width;
  };
  std::vector<Measured>& kept = enginePart<std::vector<Measured>>();
  for (const Measured& m : kept)
    if (m.text == text && m.family == family && m.size == size && m.style == style) return m.width;
  if (kept.size() == 64) kept.erase(kept.begin());
  kept.push_back({text, family, size, style, measureTextWidth(text, family, size, style)});
  return kept.back().width;
}

void paintHeaderOf(const HeaderRecord& record, HDC target) {
  const HWND header = record.window;
  RECT client{};
  GetClientRect(header, &client);
  ControlCanvas canvas(header, client);
  if (!canvas) return;
  const std::vector<RECT> items = itemRects(header);
  const int margin = static_cast<int>(SendMessageA(header, HDM_GETBITMAPMARGIN, 0, 0));
  const int listRight = listViewRight(header);
  const SkinTheme& look = theme();
  const int groundAlpha = look.translucentControls ? look.controlAlpha : 255;
  LayerMemo<ItemLook>& itemLooks = enginePart<LayerMemo<ItemLook>>();

  for (int i = 1; i <= static_cast<int>(items.size()); ++i) {
    const RECT& r = items[i - 1];
    const int w = r.right - r.left;
    const int h = r.bottom - r.top;
    int paintWidth = w;
    // The last column's ground reaches the list view's right edge.
    if (i == static_cast<int>(items.size()) && r.right < listRight) paintWidth = listRight - r.left;
    const HeaderItem item = readItem(header, i - 1);
    const ItemIcon icon(record.imageList, item);
    const int textWidth = keptTextWidth(item.text, record.fontFamily, record.fontSize, record.fontStyle);
    const int start = headerTextStart(item.format, w, icon.width(), textWidth, margin);
    const ItemLook itemLook{w,
                            h,
                            paintWidth,
                            record.buttons,
                            record.buttons && i == shownHotItem(record),
                            record.buttons && i == record.pressedItem,
                            look.themeColour,
                            groundAlpha,
                            item.text,
                            start,
                            icon.width(),
                            margin,
                            record.fontFamily,
                            record.fontSize,
                            record.fontStyle};
    layOver(canvas.dc(),
            itemLooks.picture(itemLook, paintWidth, h, [&](draw::DrawingSurface& g) { paintItemLook(g, itemLook); }),
            r.left, r.top);
    if (icon.get())
      DrawIconEx(canvas.dc(), r.left + start, r.top + (h - icon.height()) / 2, icon.get(), 0, 0, 0, nullptr,
                 DI_NORMAL);
  }

  if (target) {
    canvas.commit(target);
  } else {
    const draw::WindowDC dc = draw::WindowDC::client(header);
    canvas.commit(dc.get());
  }
}

// --- headerProc's handlers ---------------------------------------------------------

struct HeaderMessage {
  HWND header;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
  HeaderRecord& record;
};

LRESULT forward(const HeaderMessage& m) { return forwardMessage(m.header, m.message, m.wParam, m.lParam); }

int itemUnder(HWND header, LPARAM mousePos) { return headerItemAt(itemRects(header), GET_X_LPARAM(mousePos)); }

LRESULT onMove(const HeaderMessage& m) {
  paintHeaderOf(m.record, nullptr);
  return forward(m);
}

LRESULT onPaint(const HeaderMessage& m) {
  {
    const draw::PaintDC paint = draw::PaintDC::begin(m.header);
    paintHeaderOf(m.record, nullptr);
  }
  return DefWindowProcA(m.header, m.message, m.wParam, m.lParam);
}

LRESULT onEraseBackground(const HeaderMessage& m) {
  SetBkMode(reinterpret_cast<HDC>(m.wParam), TRANSPARENT);
  return 1;
}

LRESULT onMouseMove(const HeaderMessage& m) {
  // Asks for WM_MOUSELEAVE and makes this header the window's hot control.
  hoverNeedsHotPaint(m.header, headerHotKind);
  HeaderRecord& record = m.record;
  record.hot = true;
  record.hotItem = itemUnder(m.header, m.lParam);
  if (record.hotItem >= 1 && record.hotItem != record.paintedHotItem && !record.pressed) {
    paintHeaderOf(record, nullptr);
    record.paintedHotItem = record.hotItem;
  } else if (record.hotItem == 0) {
    // Off every item: the lit one, if any, goes back to normal.
    const bool litBefore = record.paintedHotItem != 0;
    record.paintedHotItem = 0;
    record.hot = false;
    if (litBefore) paintHeaderOf(record, nullptr);
  }
  markHotPainted(m.header, headerHotKind);
  return forward(m);
}

LRESULT onMouseLeave(const HeaderMessage& m) {
  clearLastHot(m.header);
  m.record.paintedHotItem = 0;
  m.record.hotItem = 0;
  m.record.hot = false;
  paintHeaderOf(m.record, nullptr);
  return forward(m);
}

LRESULT onLeftDown(const HeaderMessage& m) {
  m.record.pressed = true;
  if (m.record.hotItem >= 1) m.record.pressedItem = m.record.hotItem;
  return forward(m);
}

LRESULT onLeftUp(const HeaderMessage& m) {
  m.record.pressed = false;
  m.record.pressedItem = 0;
  return forward(m);
}

}  // namespace

int headerItemAt(std::span<const RECT> items, int x) {
  for (size_t i = 0; i < items.size(); ++i)
    if (items[i].left + hitBand <= x && x <= items[i].right - hitBand) return static_cast<int>(i) + 1;
  return 0;
}

int headerTextStart(int format, int w, int iconWidth, int textWidth, int margin) {
  const bool fits = iconWidth + margin + textWidth < w;
  if (format & HDF_RIGHT) return fits ? w - iconWidth - textWidth : margin;
  if (format & HDF_CENTER) return fits ? (w - iconWidth - margin - textWidth) / 2 : margin;
  return margin;
}

int measureTextWidth(std::string_view text, const std::string& family, int size, int style) {
  const draw::MemoryDC dc = draw::MemoryDC::createCompatible();
  const draw::DrawingSurface surface = draw::DrawingSurface::fromHdc(dc.get());
  const draw::DrawingFontFamily fontFamily = fontFamilyOrFallback(family);
  const draw::DrawingFont font(fontFamily, static_cast<float>(size), style);
  const draw::DrawingStringFormat defaultFormat;
  const draw::RectF box = surface.measureString(text, font, {}, defaultFormat);
  return static_cast<int>(box.width) + 1;
}

void installHeaderSkins(int windowIndex, HWND container) {
  installControls(
      windowIndex, container, WC_HEADERA, &SkinnedWindowRecord::headers, headerProc, [](HWND) { return true; },
      fillHeaderRecord);
  SkinnedWindowRecord* window = skinnedWindowAt(windowIndex);
  if (!theme().skinControls || !window || !container) return;
  // Then the header of each list view.
  for (HWND listView = FindWindowExA(container, nullptr, WC_LISTVIEWA, nullptr); listView;
       listView = FindWindowExA(container, listView, WC_LISTVIEWA, nullptr)) {
    if (const HWND header = FindWindowExA(listView, nullptr, WC_HEADERA, nullptr))
      registerControl(*window, &SkinnedWindowRecord::headers, header, headerProc, fillHeaderRecord);
  }
}

LRESULT CALLBACK headerProc(HWND header, UINT message, WPARAM wParam, LPARAM lParam) {
  const SkinnedControl<HeaderRecord> control = lookUpControl(header, &SkinnedWindowRecord::headers);
  if (!control) return forwardMessage(header, message, wParam, lParam);
  const HeaderMessage m{header, message, wParam, lParam, *control.record};
  switch (message) {
    case WM_MOVE: return onMove(m);
    case WM_PAINT: return onPaint(m);
    case WM_ERASEBKGND: return onEraseBackground(m);
    // WM_NCDESTROY passes on: the image list is the application's, not the skin's.
    case WM_MOUSEMOVE: return onMouseMove(m);
    case WM_MOUSELEAVE: return onMouseLeave(m);
    case WM_LBUTTONDOWN: return onLeftDown(m);
    case WM_LBUTTONUP: return onLeftUp(m);
    default: return forward(m);
  }
}

int headerHitItem(int windowIndex, int recordIndex, LPARAM mousePos) {
  SkinnedWindowRecord* window = skinnedWindowAt(windowIndex);
  const HeaderRecord* record = window ? window->headers.at(recordIndex) : nullptr;
  return record && record->window ? itemUnder(record->window, mousePos) : 0;
}

void paintHeader(int windowIndex, int recordIndex, HDC dc) {
  SkinnedWindowRecord* window = skinnedWindowAt(windowIndex);
  const HeaderRecord* record = window ? window->headers.at(recordIndex) : nullptr;
  if (record && record->window) paintHeaderOf(*record, dc);
}

}  // namespace skin
