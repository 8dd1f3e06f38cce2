#pragma once
// A bitmap to draw into and colour comparisons for the pixels read back from it.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "draw/drawing.h"

namespace drawtest {

inline std::string argbText(draw::Argb colour) {
  char text[16];
  std::snprintf(text, sizeof(text), "0x%08lX", static_cast<unsigned long>(colour));
  return text;
}

// Every channel within tolerance.
inline testing::AssertionResult colourNear(draw::Argb actual, draw::Argb expected, int tolerance = 0) {
  for (int shift = 0; shift < 32; shift += 8) {
    const int a = static_cast<int>((actual >> shift) & 0xFF);
    const int e = static_cast<int>((expected >> shift) & 0xFF);
    if (std::abs(a - e) > tolerance) {
      return testing::AssertionFailure() << argbText(actual) << " is not within " << tolerance << " of "
                                         << argbText(expected);
    }
  }
  return testing::AssertionSuccess();
}

inline int alphaOf(draw::Argb colour) { return static_cast<int>(colour >> 24); }

// A transparent 32-bit ARGB bitmap with a surface drawing into it.
struct Canvas {
  draw::DrawingBitmap bitmap;
  draw::DrawingSurface surface;

  Canvas(int width, int height) : bitmap(width, height) { surface.createFromImage(bitmap); }
  draw::Argb at(int x, int y) {
    surface.flush(Gdiplus::FlushIntentionSync);
    return bitmap.getPixel(x, y);
  }
};

}  // namespace drawtest
