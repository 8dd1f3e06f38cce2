#pragma once
// Pixels read back as 0x00RRGGBB from device contexts, windows and off-screen images,
// compared with a tolerance; and small pictures made on the spot.

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "draw/drawing.h"
#include "skin/core/offscreen_image.h"

namespace testing_support {

inline int red(std::uint32_t rgb) { return static_cast<int>((rgb >> 16) & 0xFF); }
inline int green(std::uint32_t rgb) { return static_cast<int>((rgb >> 8) & 0xFF); }
inline int blue(std::uint32_t rgb) { return static_cast<int>(rgb & 0xFF); }

// 0x00RRGGBB of a COLORREF (0x00BBGGRR).
inline std::uint32_t rgbOf(COLORREF c) {
  return (static_cast<std::uint32_t>(GetRValue(c)) << 16) | (GetGValue(c) << 8) | GetBValue(c);
}

inline std::uint32_t rgbAt(HDC dc, int x, int y) { return rgbOf(GetPixel(dc, x, y)); }

inline std::uint32_t rgbAt(const skin::OffscreenImage& image, int x, int y) {
  GdiFlush();
  return image.pixels()[y * image.width() + x] & 0xFFFFFF;
}

// What the window shows at (x, y) of its client area.
inline std::uint32_t rgbOnScreen(HWND window, int x, int y) {
  const HDC dc = GetDC(window);
  const std::uint32_t rgb = rgbAt(dc, x, y);
  ReleaseDC(window, dc);
  return rgb;
}

// Red, green and blue each within tolerance; anything above them (alpha) is ignored.
inline testing::AssertionResult rgbNear(std::uint32_t actual, std::uint32_t expected, int tolerance) {
  if (std::abs(red(actual) - red(expected)) <= tolerance && std::abs(green(actual) - green(expected)) <= tolerance &&
      std::abs(blue(actual) - blue(expected)) <= tolerance)
    return testing::AssertionSuccess();
  char text[80];
  std::snprintf(text, sizeof text, "0x%06X is not within %d of 0x%06X", static_cast<unsigned>(actual & 0xFFFFFF),
                tolerance, static_cast<unsigned>(expected & 0xFFFFFF));
  return testing::AssertionFailure() << text;
}

// Encoded PNG of a w x h picture: `left` over its left half, `right` over the rest.
inline std::vector<std::uint8_t> twoColourPng(int w, int h, draw::Argb left, draw::Argb right) {
  draw::DrawingBitmap bitmap(w, h);
  {
    draw::DrawingSurface surface = draw::DrawingSurface::fromImage(bitmap);
    surface.clear(right);
    surface.fillRectangle(draw::DrawingSolidBrush(left), 0, 0, static_cast<float>(w / 2), static_cast<float>(h));
  }
  return bitmap.saveToBytes(draw::pngFormat);
}

inline std::vector<std::uint8_t> solidPng(int w, int h, draw::Argb colour) { return twoColourPng(w, h, colour, colour); }

}  // namespace testing_support
