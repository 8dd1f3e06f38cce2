#include "skin/core/canvas.h"

#include <algorithm>
#include <cstddef>
#include <optional>

#include "draw/gdi_handles.h"
#include "skin/core/control_geometry.h"
#include "skin/core/control_lookup.h"
#include "skin/core/drawing_primitives.h"
#include "skin/core/engine_state.h"
#include "skin/core/offscreen_image.h"
#include "skin/core/skinned_window_record.h"
#include "skin/core/window_helpers.h"

namespace skin {
namespace {

// The skinned window whose background shows behind a control, and where the
// control's window rectangle starts in that window.
struct CanvasOwner {
  SkinnedWindowRecord* window = nullptr;
  POINT origin{};
};

std::optional<CanvasOwner> findCanvasOwner(HWND control) {
  if (SkinnedWindowRecord* self = findSkinnedWindow(control)) return CanvasOwner{self, {0, 0}};
  for (HWND ancestor = GetParent(control); ancestor; ancestor = GetParent(ancestor)) {
    if (SkinnedWindowRecord* window = findSkinnedWindow(ancestor)) {
      const RECT own = windowRect(control);
      const RECT frame = windowRect(ancestor);
      return CanvasOwner{window, {own.left - frame.left, own.top - frame.top}};
    }
    int ownerIndex = 0;
    if (findRegisteredContainer(ancestor, &ownerIndex)) {
      const RECT place = rectInSkinnedWindow(control);
      return CanvasOwner{skinnedWindowAt(ownerIndex), {place.left, place.top}};
    }
  }
  return std::nullopt;
}

// A registered container with a page colour shows its page over the background.
void fillContainerPage(HWND control, HDC canvas, int width, int height) {
  const ContainerRecord* container = findRegisteredContainer(control);
  if (!container || container->pageColour == 0) return;
  draw::DrawingSurface surface = draw::DrawingSurface::fromHdc(canvas);
  const draw::DrawingSolidBrush page(toArgb(container->pageColour, container->pageOpacity));
  surface.fillRectangle(page, 0, 0, static_cast<float>(width), static_cast<float>(height));
}

// The owner's background behind rect of the control, at (0, 0) of target. Where the
// rectangle reaches past the background, target is black, as new pixels are.
void copyBackground(const CanvasOwner& owner, HWND control, const RECT& rect, HDC target) {
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  const OffscreenImage& background = owner.window->backgroundImage;
  const RECT source{owner.origin.x + rect.left, owner.origin.y + rect.top, owner.origin.x + rect.right,
                    owner.origin.y + rect.bottom};
  if (source.left < 0 || source.top < 0 || source.right > background.width() || source.bottom > background.height())
    PatBlt(target, 0, 0, width, height, BLACKNESS);
  BitBlt(target, 0, 0, width, height, background.dc(), source.left, source.top, SRCCOPY);
  fillContainerPage(control, target, width, height);
}

// Released canvases kept for the next canvas of the same size, with their DIB section
// still selected: touching new pixel memory costs a page fault per page and giving it
// back costs again, which for a control-sized canvas is more than everything drawn on
// it. The few most recently released are kept; they are not counted as live, being
// nobody's and never more than keptCanvasLimit.
struct KeptCanvas {
  CanvasEntry entry;
  int width;
  int height;
};
constexpr std::size_t keptCanvasLimit = 6;

void deleteCanvas(const CanvasEntry& entry);

// Dropped with the engine's state, the kept canvases are deleted.
struct KeptCanvases {
  std::vector<KeptCanvas> canvases;
  ~KeptCanvases() {
    for (const KeptCanvas& kept : canvases) deleteCanvas(kept.entry);
  }
};

std::vector<KeptCanvas>& keptCanvases() { return enginePart<KeptCanvases>().canvases; }

// A canvas of that size made before, in the state it had when it was new.
std::optional<CanvasEntry> takeKeptCanvas(int width, int height) {
  std::vector<KeptCanvas>& kept = keptCanvases();
  const auto found =
      std::find_if(kept.begin(), kept.end(), [&](const KeptCanvas& k) { return k.width == width && k.height == height; });
  if (found == kept.end()) return std::nullopt;
  const CanvasEntry entry = found->entry;
  kept.erase(found);
  return entry;
}

// Deletes a canvas counted nowhere: the DIB section once it is no longer selected,
// then the context.
void deleteCanvas(const CanvasEntry& entry) {
  const draw::MemoryDC dc(entry.dc);
  const draw::OwnedBitmap dib(entry.dib);
  SelectObject(entry.dc, entry.previous);
}

void keepCanvas(const CanvasEntry& entry) {
  BITMAP size{};
  if (!RestoreDC(entry.dc, 1) || GetObjectA(entry.dib, sizeof size, &size) != sizeof size) {
    deleteCanvas(entry);
    return;
  }
  std::vector<KeptCanvas>& kept = keptCanvases();
  kept.push_back({entry, size.bmWidth, size.bmHeight});
  if (kept.size() > keptCanvasLimit) {
    deleteCanvas(kept.front().entry);
    kept.erase(kept.begin());
  }
}

SkinnedWindowRecord* imageOwner(HWND control, const props::KeyFamily& keys) {
  SkinnedWindowRecord* window = skinnedWindowAt(owningWindowIndex(control, keys));
  return window && window->windowImage ? window : nullptr;
}

}  // namespace

std::vector<CanvasEntry>& canvasList() { return enginePart<std::vector<CanvasEntry>>(); }

bool copyControlBackground(HWND control, const RECT& rect, HDC target) {
  const std::optional<CanvasOwner> owner = findCanvasOwner(control);
  if (!owner || !owner->window || !target) return false;
  copyBackground(*owner, control, rect, target);
  return true;
}

HDC makeControlCanvas(HWND control, const RECT& rect) {
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0) return nullptr;
  // Without an owner nothing is made, so nothing is left behind for a painter to free.
  const std::optional<CanvasOwner> owner = findCanvasOwner(control);
  if (!owner || !owner->window) return nullptr;

  std::optional<CanvasEntry> entry = takeKeptCanvas(width, height);
  if (!entry) {
    draw::OwnedBitmap dib = draw::createDibSection(width, height);
    draw::MemoryDC dc = draw::MemoryDC::createCompatible();
    if (!dib || !dc) return nullptr;
    const HGDIOBJ previous = SelectObject(dc.get(), dib.get());
    if (!previous) return nullptr;
    entry = CanvasEntry{dc.release(), dib.release(), previous};
  }
  // Whatever a painter leaves selected or set in the context is undone at release.
  SaveDC(entry->dc);
  copyBackground(*owner, control, rect, entry->dc);

  // The list owns both objects until releaseCanvas; they stay counted as live.
  canvasList().push_back(*entry);
  draw::detail::countGdiObject(+2);
  return entry->dc;
}

void commitToWindowImage(HWND control, HDC canvas, const props::KeyFamily& keys, bool wholeWindow) {
  SkinnedWindowRecord* window = imageOwner(control, keys);
  if (!window || !canvas) return;
  const RECT place = wholeWindow ? rectInSkinnedWindow(control) : clientRectInSkinnedWindow(control);
  const HDC image = window->windowImage.dc();
  excludeChildrenFromImage(control, image);
  BitBlt(image, place.left, place.top, place.right - place.left, place.bottom - place.top, canvas, 0, 0, SRCCOPY);
  SelectClipRgn(image, nullptr);
}

void commitFrameToWindowImage(HWND control, HDC source, COLORREF keyColour, const props::KeyFamily& keys) {
  SkinnedWindowRecord* window = imageOwner(control, keys);
  if (!window || !source) return;
  const RECT place = rectInSkinnedWindow(control);
  const int width = place.right - place.left;
  const int height = place.bottom - place.top;
  const HDC image = window->windowImage.dc();
  excludeChildrenFromImage(control, image);
  TransparentBlt(image, place.left, place.top, width, height, source, 0, 0, width, height, keyColour);
  SelectClipRgn(image, nullptr);
}

int releaseCanvas(HDC canvas) {
  if (!canvas) return 0;
  std::vector<CanvasEntry>& list = canvasList();
  const auto found = std::find_if(list.begin(), list.end(), [&](const CanvasEntry& e) { return e.dc == canvas; });
  if (found == list.end()) return 0;
  const CanvasEntry entry = *found;
  list.erase(found);
  draw::detail::countGdiObject(-2);
  keepCanvas(entry);
  return 1;
}

// ControlCanvas

ControlCanvas::ControlCanvas(HWND control, const RECT& rect)
    : control_(control),
      dc_(makeControlCanvas(control, rect)),
      width_(rect.right - rect.left),
      height_(rect.bottom - rect.top) {}

ControlCanvas::~ControlCanvas() {
  finishDrawing();
  releaseCanvas(dc_);
}

draw::DrawingSurface& ControlCanvas::surface() {
  if (surface_ || !dc_) return surface_;
  // The canvas is a top-down 32-bit DIB section (createDibSection); without its bits
  // the device context serves.
  DIBSECTION section{};
  const HGDIOBJ dib = GetCurrentObject(dc_, OBJ_BITMAP);
  if (GetObjectA(dib, sizeof section, &section) == sizeof section && section.dsBm.bmBits &&
      pixels_.createFromScan0(width_, height_, section.dsBm.bmWidthBytes, PixelFormat32bppRGB,
                              static_cast<BYTE*>(section.dsBm.bmBits))) {
    GdiFlush();
    if (surface_.createFromImage(pixels_)) return surface_;
    pixels_.destroy();
  }
  surface_.createFromHdc(dc_);
  return surface_;
}

void ControlCanvas::finishDrawing() {
  surface_.destroy();
  pixels_.destroy();
}

void ControlCanvas::commit(HDC target, const props::KeyFamily& keys, bool wholeWindow) {
  finishDrawing();
  commitToWindowImage(control_, dc_, keys, wholeWindow);
  if (target) copyTo(target);
}

void ControlCanvas::commitFrame(COLORREF keyColour, const props::KeyFamily& keys) {
  finishDrawing();
  commitFrameToWindowImage(control_, dc_, keyColour, keys);
}

void ControlCanvas::copyTo(HDC target, int x, int y) {
  finishDrawing();
  if (dc_ && target) BitBlt(target, x, y, width_, height_, dc_, 0, 0, SRCCOPY);
}

}  // namespace skin
