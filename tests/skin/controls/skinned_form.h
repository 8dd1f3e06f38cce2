#pragma once
// A real skinned window (installSkin) over a flat grey picture with a pure red accent,
// holding the controls a test adds before installing, so that the skin's tints show as
// colour shifts against a known ground. Pixels are read from windowImage at points
// given in a control's own window coordinates.

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <vector>

#include "draw/drawing.h"
#include "skin/core/control_geometry.h"
#include "skin/core/skin_theme.h"
#include "skin/core/skinned_window_record.h"
#include "skin/window/skin_installation.h"
#include "support/pixels.h"
#include "support/test_windows.h"

namespace skin::test {

inline constexpr COLORREF accentColour = 0x0000FF;  // red, 0x00BBGGRR
inline constexpr draw::Argb groundColour = 0xFF606060;

struct Rgb {
  int r = 0, g = 0, b = 0;
};

inline Rgb rgbOf(std::uint32_t pixel) {
  return {static_cast<int>((pixel >> 16) & 0xFF), static_cast<int>((pixel >> 8) & 0xFF),
          static_cast<int>(pixel & 0xFF)};
}

inline testing::AssertionResult closeTo(Rgb actual, Rgb expected, int tolerance) {
  if (std::abs(actual.r - expected.r) <= tolerance && std::abs(actual.g - expected.g) <= tolerance &&
      std::abs(actual.b - expected.b) <= tolerance)
    return testing::AssertionSuccess();
  return testing::AssertionFailure() << "(" << actual.r << ", " << actual.g << ", " << actual.b << ") is not within "
                                     << tolerance << " of (" << expected.r << ", " << expected.g << ", "
                                     << expected.b << ")";
}

// How much redder than its green a pixel is: the red accent's share in a tint.
inline int redness(Rgb c) { return c.r - c.g; }

class SkinnedForm {
 public:
  explicit SkinnedForm(int width = 360, int height = 260) : savedTheme_(theme()) {
    const char* windowClass = testing_support::testWindowClass("SkinnedFormTestWindow", DefWindowProcA, CS_DBLCLKS);
    window_ = CreateWindowExA(WS_EX_TOOLWINDOW, windowClass, "form", WS_POPUP, 80, 60, width, height, nullptr, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
  }
  ~SkinnedForm() {
    if (IsWindow(window_)) DestroyWindow(window_);
    testing_support::pumpMessages();
    theme() = savedTheme_;
  }
  SkinnedForm(const SkinnedForm&) = delete;
  SkinnedForm& operator=(const SkinnedForm&) = delete;

  HWND add(const char* windowClass, int x, int y, int width, int height, DWORD style = 0, DWORD exStyle = 0,
           const char* text = "") const {
    return CreateWindowExA(exStyle, windowClass, text, WS_CHILD | WS_VISIBLE | style, x, y, width, height, window_,
                           nullptr, GetModuleHandleA(nullptr), nullptr);
  }

  // Installs the skin (translucent controls at opacity 100 when asked), shows the
  // window and lets every control paint.
  void install(bool translucent = false) {
    theme().backgroundPicture = testing_support::solidPng(40, 40, groundColour);
    theme().pictureMode = pictureStretched;
    theme().themeColour = accentColour;
    if (translucent) setSkinSwitches(1, 100);
    else setSkinSwitches(1);
    installSkin(window_);
    ShowWindow(window_, SW_SHOW);
    settle();
  }

  // Lets pending paints happen.
  void settle() const {
    testing_support::pumpMessages();
    RedrawWindow(window_, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    testing_support::pumpMessages();
  }

  HWND window() const { return window_; }
  int index() const { return skinnedWindowIndex(window_); }
  SkinnedWindowRecord& record() const { return *findSkinnedWindow(window_); }

  // windowImage and backgroundImage at (x, y) of the control's window rectangle.
  Rgb imagePixel(HWND control, int x, int y) const { return pixelOf(record().windowImage, control, x, y); }
  Rgb groundPixel(HWND control, int x, int y) const { return pixelOf(record().backgroundImage, control, x, y); }

  // Paints a marker over the control's place in windowImage, so that a later check can
  // tell whether anything painted the control since.
  void markImage(HWND control) const {
    const RECT place = rectInSkinnedWindow(control);
    auto* bits = const_cast<std::uint32_t*>(record().windowImage.pixels());
    GdiFlush();
    for (int y = place.top; y < place.bottom; ++y)
      for (int x = place.left; x < place.right; ++x) bits[y * record().windowImage.width() + x] = markerPixel;
  }
  // Whether the marker is still at (x, y) of the control's window rectangle.
  bool stillMarked(HWND control, int x, int y) const {
    const RECT place = rectInSkinnedWindow(control);
    GdiFlush();
    const std::uint32_t pixel =
        record().windowImage.pixels()[(place.top + y) * record().windowImage.width() + place.left + x];
    return (pixel & 0xFFFFFF) == markerPixel;
  }

 private:
  static constexpr std::uint32_t markerPixel = 0x00FF00FE;

  static Rgb pixelOf(const OffscreenImage& image, HWND control, int x, int y) {
    const RECT place = rectInSkinnedWindow(control);
    GdiFlush();
    return rgbOf(image.pixels()[(place.top + y) * image.width() + place.left + x]);
  }

  SkinTheme savedTheme_;
  HWND window_ = nullptr;
};

}  // namespace skin::test
