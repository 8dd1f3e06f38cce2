#include "draw/icon_bitmap.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "draw/gdi_handles.h"

namespace draw {
namespace {

// The 32-bit pixels of a GDI bitmap, top row first; empty when they cannot be read.
std::vector<std::uint32_t> bitmapPixels(HBITMAP bitmap, int width, int height) {
  BITMAPINFO info = topDownBitmapInfo(width, height);
  std::vector<std::uint32_t> pixels(static_cast<size_t>(width) * height);
  const WindowDC screen = WindowDC::client(nullptr);
  if (GetDIBits(screen.get(), bitmap, 0, height, pixels.data(), &info, DIB_RGB_COLORS) != height) return {};
  return pixels;
}

}  // namespace

DrawingBitmap iconBitmap(HICON icon) {
  ICONINFO parts{};
  if (!GetIconInfo(icon, &parts)) return {};
  const OwnedBitmap colour(parts.hbmColor);  // GetIconInfo hands both bitmaps over
  const OwnedBitmap mask(parts.hbmMask);
  BITMAP size{};
  if (!colour || !GetObjectA(colour.get(), sizeof size, &size)) {
    DrawingBitmap converted;
    converted.createFromHicon(icon);
    return converted;
  }
  const int width = size.bmWidth;
  const int height = size.bmHeight;
  std::vector<std::uint32_t> pixels = bitmapPixels(colour.get(), width, height);
  if (pixels.empty()) return {};
  if (std::none_of(pixels.begin(), pixels.end(), [](std::uint32_t p) { return (p >> 24) != 0; })) {
    // No alpha of its own: the mask tells transparent (white) from opaque (black).
    const std::vector<std::uint32_t> transparent = bitmapPixels(mask.get(), width, height);
    for (size_t i = 0; i < pixels.size(); ++i)
      pixels[i] = !transparent.empty() && (transparent[i] & 0xFFFFFF) ? 0 : pixels[i] | 0xFF000000;
  }
  DrawingBitmap bitmap(width, height);
  Gdiplus::BitmapData data{};
  if (!bitmap.lockBits(nullptr, Gdiplus::ImageLockModeWrite, pixelFormat32bppArgb, data)) return {};
  for (int y = 0; y < height; ++y)
    std::memcpy(static_cast<BYTE*>(data.Scan0) + static_cast<ptrdiff_t>(y) * data.Stride,
                pixels.data() + static_cast<size_t>(y) * width, width * sizeof(std::uint32_t));
  bitmap.unlockBits(data);
  return bitmap;
}

}  // namespace draw
