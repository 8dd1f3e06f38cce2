#include "skin/window/frame_renderer.h"

#include <algorithm>

#include "draw/gdi_handles.h"
#include "draw/step_timing.h"
#include "skin/core/control_properties.h"
#include "skin/core/window_helpers.h"
#include "skin/window/caption_title.h"
#include "skin/window/frame_background.h"
#include "skin/window/frame_painting.h"
#include "skin/window/status_bar_painter.h"
#include "skin/window/title_button_painter.h"

namespace skin {
namespace {

using namespace frame;

template <typename Registry>
void invalidateChildControls(const Registry& registry, HWND window) {
  for (const auto& control : registry)
    if (control.window && GetParent(control.window) == window) InvalidateRect(control.window, nullptr, TRUE);
}

void invalidateSkinnedControls(const SkinnedWindowRecord& record) {
  const HWND window = record.window;
  invalidateChildControls(record.buttons, window);
  invalidateChildControls(record.edits, window);
  invalidateChildControls(record.combos, window);
  invalidateChildControls(record.lists, window);
  invalidateChildControls(record.trackBars, window);
  invalidateChildControls(record.progressBars, window);
  invalidateChildControls(record.upDowns, window);
  invalidateChildControls(record.headers, window);
  invalidateChildControls(record.toolbars, window);
  invalidateChildControls(record.dialogStatics, window);
  invalidateChildControls(record.containers, window);
}

}  // namespace

void applyWindowRegion(HWND window) {
  SetWindowRgn(window, nullptr, FALSE);
  SetWindowPos(window, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER);
  RECT client{};
  GetClientRect(window, &client);
  draw::OwnedRegion region(CreateRoundRectRgn(0, 0, client.right + 1, client.bottom + 1, 5, 5));
  if (!region) return;
  // The window owns the region from here on.
  if (SetWindowRgn(window, region.get(), TRUE)) (void)region.release();
}

void renderWindowFrame(SkinnedWindowRecord& record, std::optional<HDC> target) {
  if (!record.window) return;
  const draw::FirstRunTimer timer("full render");
  if (target && record.titleBar) applyWindowRegion(record.window);
  RECT client{};
  GetClientRect(record.window, &client);
  const int width = client.right;
  const int height = client.bottom;

  OffscreenImage& background = record.backgroundImage;
  if (!ensureSize(background, width, height)) return;
  if (!GetPropA(record.window, props::originalBackgroundBitmapKey))
    SetPropA(record.window, props::originalBackgroundBitmapKey, background.originalBitmap());

  // Background, picture, band and outline, as kept for this size.
  if (const OffscreenImage* layers = keptBackground(record, width, height))
    copyRect(background.dc(), layers->dc(), boundsOf(background));
  const int captionRows = std::clamp(record.captionHeight, 0, height);
  if (ensureSize(record.captionCache, width, captionRows))
    copyRect(record.captionCache.dc(), background.dc(), boundsOf(record.captionCache));
  const PixelRect& bar = record.statusBarRect;
  if (record.statusBarHeight > 0 && bar.width > 0 && bar.height > 0 &&
      ensureSize(record.statusCache, bar.width, bar.height)) {
    BitBlt(record.statusCache.dc(), 0, 0, bar.width, bar.height, background.dc(), bar.x, bar.y, SRCCOPY);
  }

  {
    PixelSurface surface(background);
    if (surface) {
      surface.get().setSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
      if (record.titleBar) {
        if (record.showTitle) paintCaptionTitle(record, &surface.get());
        for (int button = 1; button <= static_cast<int>(record.titleButtons.size()); ++button)
          paintTitleButton(record, button, &surface.get());
      }
      if (record.statusBarHeight > 0) {
        for (int part = 1; part <= static_cast<int>(record.statusPartRects.size()); ++part)
          paintStatusBarPart(record, part, &surface.get());
      }
    }
  }

  if (ensureSize(record.windowImage, width, height))
    copyRect(record.windowImage.dc(), background.dc(), boundsOf(background));

  if (target) {
    if (*target) {
      copyRect(*target, background.dc(), boundsOf(background));
    } else {
      const draw::WindowDC dc = getClippedDC(record.window);
      if (dc) copyRect(dc.get(), background.dc(), boundsOf(background));
    }
    invalidateSkinnedControls(record);
  }
  record.frameDirty = false;
  record.frameWidth = width;
  record.frameHeight = height;
}

void renderWindowFrame(int windowIndex, std::optional<HDC> target) {
  if (SkinnedWindowRecord* record = skinnedWindowAt(windowIndex)) renderWindowFrame(*record, target);
}


void presentFrame(const SkinnedWindowRecord& record, HDC dc) {
  if (!record.backgroundImage) return;
  const RECT frame = boundsOf(record.backgroundImage);
  if (dc) {
    copyRect(dc, record.backgroundImage.dc(), frame);
    return;
  }
  const draw::WindowDC clipped = getClippedDC(record.window);
  if (clipped) copyRect(clipped.get(), record.backgroundImage.dc(), frame);
}

void presentFrame(int windowIndex, HDC dc) {
  if (SkinnedWindowRecord* record = skinnedWindowAt(windowIndex)) presentFrame(*record, dc);
}


void restoreBackgroundRect(const SkinnedWindowRecord& record, const RECT& rect) {
  if (!record.backgroundImage || !record.captionCache) return;
  copyRect(record.backgroundImage.dc(), record.captionCache.dc(), intersection(rect, boundsOf(record.captionCache)));
  GdiFlush();  // a surface over the pixels may draw next
}

void restoreBackgroundRect(int windowIndex, const RECT& rect) {
  if (SkinnedWindowRecord* record = skinnedWindowAt(windowIndex)) restoreBackgroundRect(*record, rect);
}


}  // namespace skin
