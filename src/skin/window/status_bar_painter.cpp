#include "skin/window/status_bar_painter.h"

#include <optional>

#include "skin/core/drawing_primitives.h"
#include "skin/core/paint_helpers.h"
#include "skin/core/skinned_window_record.h"
#include "skin/window/frame_painting.h"

namespace skin {

using namespace frame;

void paintStatusBarPart(SkinnedWindowRecord& record, int part, draw::DrawingSurface* surface) {
  if (!record.backgroundImage) return;
  if (part < 1 || part > static_cast<int>(record.statusPartRects.size()) ||
      part > static_cast<int>(record.statusParts.size()))
    return;
  const PixelRect& r = record.statusPartRects[part - 1];
  const StatusPart& content = record.statusParts[part - 1];
  const RECT area = rectOfSize(r.x, r.y, r.width, r.height);

  std::optional<PixelSurface> own;
  if (surface) surface->flush(Gdiplus::FlushIntentionSync);
  if (record.statusCache) {
    const PixelRect& bar = record.statusBarRect;
    copyRect(record.backgroundImage.dc(), record.statusCache.dc(),
             intersection(area, rectOfSize(bar.x, bar.y, record.statusCache.width(), record.statusCache.height())),
             POINT{bar.x, bar.y});
    GdiFlush();
  }
  if (!surface) {
    own.emplace(record.backgroundImage);
    if (!*own) return;
    surface = &own->get();
  }
  surface->fillRectangle(verticalGradient(f(r.y), f(r.y + r.height), toArgb(white, 60), toArgb(white, 10)), f(r.x),
                         f(r.y), f(r.width), f(r.height));

  draw::RectF textRect{f(r.x + 3), f(r.y + 2), f(r.width - 3), f(r.height)};
  if (const draw::DrawingBitmap* picture = decodedPicture(record.frameCache, content.picture)) {
    const int bar = record.statusBarHeight;
    int drawnWidth = static_cast<int>(picture->width());
    int drawnHeight = static_cast<int>(picture->height());
    if (drawnHeight >= bar) drawnWidth = drawnHeight = bar * 7 / 10;
    surface->drawImage(*picture, f(r.x + 2), f(r.y + (r.height - drawnHeight) / 2), f(drawnWidth), f(drawnHeight));
    textRect = draw::RectF{f(r.x + drawnWidth + 5), f(r.y), f(r.width - drawnWidth - 5), f(r.height)};
  }
  const TextStyle& style = record.statusTextStyle;
  const draw::DrawingFontFamily family = fontFamilyOrFallback(style.fontName);
  const draw::DrawingFont font(family, f(style.fontSize), 0, Gdiplus::UnitPixel);
  draw::DrawingStringFormat format;
  format.create();
  format.setAlignment(Gdiplus::StringAlignmentNear);
  format.setLineAlignment(Gdiplus::StringAlignmentCenter);
  surface->drawString(content.text, font, draw::DrawingSolidBrush(toArgb(content.textColour, 255)), textRect, format);

  if (own) {
    own->close();
    copyToWindow(record, area);
  }
}

void paintStatusBarPart(int windowIndex, int part, draw::DrawingSurface* surface) {
  if (SkinnedWindowRecord* record = skinnedWindowAt(windowIndex)) paintStatusBarPart(*record, part, surface);
}


}  // namespace skin
