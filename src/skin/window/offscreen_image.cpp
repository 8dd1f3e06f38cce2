#include "skin/window/offscreen_image.h"

namespace skin {

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

draw::OwnedBitmap createDibSection(int width, int height, void** bits) {
  BITMAPINFO info = topDownBitmapInfo(width, height);
  void* pixels = nullptr;
  draw::OwnedBitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixels, nullptr, 0));
  if (bits) *bits = pixels;
  return bitmap;
}

bool OffscreenImage::resize(int width, int height) {
  if (!dc_) dc_ = draw::MemoryDC::createCompatible();
  if (!dc_) return false;
  void* bits = nullptr;
  draw::OwnedBitmap fresh = createDibSection(width > 0 ? width : 1, height > 0 ? height : 1, &bits);
  if (!fresh) return false;
  if (!selection_) {
    selection_ = draw::ScopedSelectObject(dc_.get(), fresh.get());
  } else {
    // Keep the context's original bitmap as the one to restore.
    SelectObject(dc_.get(), fresh.get());
    selection_ = draw::ScopedSelectObject::adopt(dc_.get(), fresh.get(), selection_.release());
  }
  bitmap_ = std::move(fresh);  // the previous bitmap is no longer selected: safe to delete
  bits_ = bits;
  width_ = width;
  height_ = height;
  return true;
}

void OffscreenImage::clear() {
  selection_.reset();
  bitmap_.reset();
  dc_.reset();
  bits_ = nullptr;
  width_ = height_ = 0;
}

}  // namespace skin
