#pragma once
// A top-level window registered the way the skin's installation registers it: a
// record in skinnedWindows with both off-screen images at the client size, filled
// with known pixels, and "Hw_lbID" on the window. It has no non-client area, so its
// window and client rectangles coincide, as for every skinned window.

#include <windows.h>

#include <cstdint>
#include <memory>

#include "skin/core/control_properties.h"
#include "skin/core/skinned_window_record.h"
#include "support/test_windows.h"

namespace skin::test {

// Background pixels tell where they come from: red is x, green is y.
inline std::uint32_t backgroundPixel(int x, int y) {
  return (static_cast<std::uint32_t>(x & 0xFF) << 16) | (static_cast<std::uint32_t>(y & 0xFF) << 8) | 0x40;
}
inline constexpr std::uint32_t windowImageFill = 0x00203040;

inline void fill(OffscreenImage& image, std::uint32_t (*pixel)(int, int)) {
  auto* bits = const_cast<std::uint32_t*>(image.pixels());
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) bits[y * image.width() + x] = pixel(x, y);
}

inline HWND createChild(HWND parent, const char* windowClass, int x, int y, int width, int height,
                        DWORD style = WS_VISIBLE, DWORD exStyle = 0, const char* text = "") {
  return CreateWindowExA(exStyle, windowClass, text, WS_CHILD | style, x, y, width, height, parent, nullptr,
                         GetModuleHandleA(nullptr), nullptr);
}

class SkinnedTestWindow {
 public:
  explicit SkinnedTestWindow(int width = 200, int height = 150, int x = 60, int y = 40) {
    window_ = CreateWindowExA(WS_EX_TOOLWINDOW, testing_support::testWindowClass("ControlsTestWindow"), "skinned",
                              WS_POPUP | WS_CLIPCHILDREN, x, y, width, height, nullptr, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
    ShowWindow(window_, SW_SHOWNOACTIVATE);
    auto record = std::make_unique<SkinnedWindowRecord>();
    record->window = window_;
    record->frameWidth = width;
    record->frameHeight = height;
    record->backgroundImage.resize(width, height);
    record->windowImage.resize(width, height);
    fill(record->backgroundImage, backgroundPixel);
    fill(record->windowImage, [](int, int) { return windowImageFill; });
    index_ = appendSkinnedWindow(std::move(record));
    props::setRecordIndex(window_, index_);
  }
  ~SkinnedTestWindow() {
    removeSkinnedWindow(skinnedWindowIndex(window_));
    DestroyWindow(window_);
  }
  SkinnedTestWindow(const SkinnedTestWindow&) = delete;
  SkinnedTestWindow& operator=(const SkinnedTestWindow&) = delete;

  HWND window() const { return window_; }
  int index() const { return skinnedWindowIndex(window_); }
  SkinnedWindowRecord& record() const { return *findSkinnedWindow(window_); }

  HWND child(const char* windowClass, int x, int y, int width, int height, DWORD style = WS_VISIBLE,
             DWORD exStyle = 0, const char* text = "") const {
    return createChild(window_, windowClass, x, y, width, height, style, exStyle, text);
  }

  // A child window registered in the container registry, with its client size recorded.
  HWND container(int x, int y, int width, int height) const {
    const HWND box = child("STATIC", x, y, width, height);
    ContainerRecord& entry = *record().containers.at(record().containers.takeSlot());
    entry.window = box;
    entry.clientWidth = width;
    entry.clientHeight = height;
    props::setWindowIndex(box, index());
    return box;
  }

 private:
  HWND window_ = nullptr;
  int index_ = 0;
};

}  // namespace skin::test
