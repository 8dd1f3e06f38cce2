#include "skin/core/offscreen_image.h"

namespace skin {

bool OffscreenImage::resize(int width, int height) {
  if (!dc_) dc_ = draw::MemoryDC::createCompatible();
  if (!dc_) return false;
  void* bits = nullptr;
  draw::OwnedBitmap fresh = draw::createDibSection(width > 0 ? width : 1, height > 0 ? height : 1, &bits);
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
