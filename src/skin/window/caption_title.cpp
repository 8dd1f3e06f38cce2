#include "skin/window/caption_title.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include "draw/icon_bitmap.h"
#include "skin/core/drawing_primitives.h"
#include "skin/core/frame_memo.h"
#include "skin/core/paint_helpers.h"
#include "skin/core/skin_theme.h"
#include "skin/core/window_helpers.h"
#include "skin/window/frame_painting.h"
#include "skin/window/frame_renderer.h"
#include "skin/window/skin_installation.h"

namespace skin {
namespace {

using namespace frame;

constexpr int titleAreaHeight = 42;
constexpr int iconSize = 17;

const draw::DrawingBitmap* iconPicture(FrameCache& cache, HICON icon) {
  if (!icon) return nullptr;
  if (cache.icon != icon) {
    cache.iconBitmap = draw::iconBitmap(icon);
    cache.icon = icon;
  }
  return cache.iconBitmap ? &cache.iconBitmap : nullptr;
}

void drawTitle(draw::DrawingSurface& surface, const SkinnedWindowRecord& record, const RECT& area,
               const std::string& title) {
  const draw::DrawingFontFamily family = fontFamilyOrFallback(record.titleFontName);
  const draw::DrawingFont font(family, f(record.titleFontSize), record.titleFontStyle ? 1 : 0);
  draw::DrawingStringFormat format;
  format.create(Gdiplus::StringFormatFlagsNoWrap);
  const draw::RectF layout{f(area.left + 20), f(area.top + 2), f(area.right - area.left),
                           f(titleAreaHeight)};
  const draw::DrawingSolidBrush shadow(toArgb(record.titleShadowColour, 150));
  constexpr POINT shadowOffsets[] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
  for (const POINT offset : shadowOffsets) {
    surface.drawString(title, font, shadow,
                       draw::RectF{layout.x + f(offset.x), layout.y + f(offset.y), layout.width, layout.height},
                       format);
  }
  surface.drawString(title, font, draw::DrawingSolidBrush(toArgb(record.titleColour, 255)), layout, format);
}

std::string titleMemoKey(const SkinnedWindowRecord& record, const RECT& area, const std::string& text) {
  const FrameCache& cache = record.frameCache;
  if (!cache.backgroundValid) return {};
  return memoKeyOver(cache, "title", area)
      .add(text)
      .add(record.titleFontName)
      .add(record.titleFontSize)
      .add(record.titleFontStyle)
      .add(record.titleColour)
      .add(record.titleShadowColour)
      .add(reinterpret_cast<std::int64_t>(theme().programIcon))
      .take();
}

}  // namespace

RECT captionTitleRect(const SkinnedWindowRecord& record, int clientWidth) {
  const int m = frameMargin;
  const int x = m + 6;
  const int y = m + 1;
  const int width = clientWidth - record.buttonStrip.width - 10 - 2 * m;
  // Only the caption can be restored from the caption cache, so the title stays in it.
  const int bottom = std::min(y + titleAreaHeight, record.captionHeight);
  if (width <= 0 || bottom <= y) return RECT{};
  return RECT{x, y, x + width, bottom};
}

void paintCaptionTitle(SkinnedWindowRecord& record, draw::DrawingSurface* surface, std::optional<std::string> title) {
  if (!record.backgroundImage) return;
  const RECT area = intersection(captionTitleRect(record, record.backgroundImage.width()),
                                 boundsOf(record.backgroundImage));
  if (IsRectEmpty(&area)) return;
  const std::string text = title ? *std::move(title) : windowText(record.window);

  std::string key = titleMemoKey(record, area, text);
  if (surface) surface->flush(Gdiplus::FlushIntentionSync);
  if (const PaintMemo* memo = findMemo(record.frameCache, key)) {
    putBack(record.backgroundImage, *memo);
    if (!surface) copyToWindow(record, area);
    return;
  }

  std::optional<PixelSurface> own;
  if (!surface) {
    restoreBackgroundRect(record, area);
    own.emplace(record.backgroundImage);
    if (!*own) return;
    surface = &own->get();
  }
  const unsigned state = surface->save();
  // A long title is cut at the button strip rather than drawn under the buttons.
  clipToArea(*surface, area);
  if (const draw::DrawingBitmap* icon = iconPicture(record.frameCache, theme().programIcon))
    surface->drawImage(*icon, f(area.left), f(area.top), f(iconSize), f(iconSize));
  drawTitle(*surface, record, area, text);
  surface->restore(state);

  finishPart(own, *surface);
  keepMemo(record.frameCache, std::move(key), record.backgroundImage, area, true);
  if (own) copyToWindow(record, area);
}

void paintCaptionTitle(int windowIndex, draw::DrawingSurface* surface, std::optional<std::string> title) {
  if (SkinnedWindowRecord* record = skinnedWindowAt(windowIndex)) paintCaptionTitle(*record, surface, std::move(title));
}


}  // namespace skin
