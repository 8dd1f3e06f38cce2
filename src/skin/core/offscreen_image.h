#pragma once
// A memory device context with a bitmap of its own selected into it: the off-screen
// images of a skinned window. The context is made once; each resize gives it a new
// bitmap and deletes the previous one. Destruction selects the context's original
// bitmap back and frees both, so an image can never leak.

#include <windows.h>

#include <cstdint>

#include "draw/gdi_handles.h"

namespace skin {

class OffscreenImage {
 public:
  OffscreenImage() = default;
  OffscreenImage(const OffscreenImage&) = delete;
  OffscreenImage& operator=(const OffscreenImage&) = delete;
  ~OffscreenImage() { clear(); }

  // Gives the image a new bitmap of this size (32 bits per pixel, compatible with the
  // screen). The content is undefined until drawn.
  bool resize(int width, int height);
  // Selects the original bitmap back and deletes the bitmap and the context.
  void clear();

  HDC dc() const { return dc_.get(); }
  HBITMAP bitmap() const { return bitmap_.get(); }
  // The bitmap the context held before the first resize.
  HGDIOBJ originalBitmap() const { return selection_.previous(); }
  // The pixels, top row first, 0xAARRGGBB each; null before the first resize.
  const std::uint32_t* pixels() const { return static_cast<const std::uint32_t*>(bits_); }
  int width() const { return width_; }
  int height() const { return height_; }
  explicit operator bool() const { return dc_ && bitmap_; }

 private:
  draw::MemoryDC dc_;
  draw::OwnedBitmap bitmap_;
  draw::ScopedSelectObject selection_;  // declared after the bitmap: undone before it is deleted
  void* bits_ = nullptr;
  int width_ = 0;
  int height_ = 0;
};

}  // namespace skin
