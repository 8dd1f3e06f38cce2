#include "draw/gdi_handles.h"

namespace draw {

namespace {
int liveGdiObjects = 0;
}

int liveGdiObjectCount() { return liveGdiObjects; }

namespace detail {
void countGdiObject(int delta) { liveGdiObjects += delta; }
}  // namespace detail

MemoryDC MemoryDC::createCompatible(HDC reference) { return MemoryDC(CreateCompatibleDC(reference)); }

WindowDC WindowDC::client(HWND window) { return WindowDC(window, GetDC(window)); }

WindowDC WindowDC::whole(HWND window) { return WindowDC(window, GetWindowDC(window)); }

PaintDC PaintDC::begin(HWND window) {
  PAINTSTRUCT paint{};
  if (!BeginPaint(window, &paint)) return PaintDC();
  return PaintDC(window, paint);
}

// ScopedSelectObject

ScopedSelectObject::ScopedSelectObject(HDC dc, HGDIOBJ object) : dc_(dc), selected_(object) {
  if (dc_ && object) {
    HGDIOBJ previous = SelectObject(dc_, object);
    if (previous && previous != HGDI_ERROR) previous_ = previous;
  }
}

ScopedSelectObject ScopedSelectObject::adopt(HDC dc, HGDIOBJ selected, HGDIOBJ previous) {
  ScopedSelectObject scope;
  scope.dc_ = dc;
  scope.selected_ = selected;
  scope.previous_ = previous;
  return scope;
}

ScopedSelectObject::ScopedSelectObject(ScopedSelectObject&& other) noexcept
    : dc_(std::exchange(other.dc_, nullptr)),
      selected_(std::exchange(other.selected_, nullptr)),
      previous_(std::exchange(other.previous_, nullptr)) {}

ScopedSelectObject& ScopedSelectObject::operator=(ScopedSelectObject&& other) noexcept {
  if (this != &other) {
    reset();
    dc_ = std::exchange(other.dc_, nullptr);
    selected_ = std::exchange(other.selected_, nullptr);
    previous_ = std::exchange(other.previous_, nullptr);
  }
  return *this;
}

ScopedSelectObject::~ScopedSelectObject() { reset(); }

void ScopedSelectObject::reset() {
  if (dc_ && previous_) SelectObject(dc_, previous_);
  dc_ = nullptr;
  selected_ = nullptr;
  previous_ = nullptr;
}

HGDIOBJ ScopedSelectObject::release() {
  HGDIOBJ previous = previous_;
  dc_ = nullptr;
  selected_ = nullptr;
  previous_ = nullptr;
  return previous;
}

BITMAPINFO topDownBitmapInfo(int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

OwnedBitmap createDibSection(int width, int height, void** bits) {
  BITMAPINFO info = topDownBitmapInfo(width, height);
  void* pixels = nullptr;
  OwnedBitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixels, nullptr, 0));
  if (bits) *bits = pixels;
  return bitmap;
}

}  // namespace draw
