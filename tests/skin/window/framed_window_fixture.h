#pragma once
// A visible top-level window with a record filled the way the skin's installation
// fills it (caption 25, title buttons laid out against the right edge, "Hw_lbID"),
// ready for renderWindowFrame; and whole-image pixel comparisons.

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "draw/drawing.h"
#include "draw/embedded_resources.h"
#include "skin/core/control_properties.h"
#include "skin/core/skinned_window_record.h"
#include "support/pixels.h"
#include "support/test_windows.h"

namespace skin::test {

inline std::vector<std::uint32_t> snapshot(const OffscreenImage& image) {
  GdiFlush();
  return std::vector<std::uint32_t>(image.pixels(), image.pixels() + image.width() * image.height());
}

// The smallest rectangle holding every pixel that differs; empty when none does.
inline RECT changedArea(const std::vector<std::uint32_t>& before, const std::vector<std::uint32_t>& after, int width) {
  RECT area{};
  for (size_t i = 0; i < before.size() && i < after.size(); ++i) {
    if (before[i] == after[i]) continue;
    const RECT pixel{static_cast<LONG>(i % width), static_cast<LONG>(i / width), static_cast<LONG>(i % width) + 1,
                     static_cast<LONG>(i / width) + 1};
    UnionRect(&area, &area, &pixel);
  }
  return area;
}

// Equal pixels, or the area where they differ.
inline testing::AssertionResult samePixels(const std::vector<std::uint32_t>& actual,
                                           const std::vector<std::uint32_t>& expected, int width) {
  if (actual == expected) return testing::AssertionSuccess();
  if (actual.size() != expected.size()) return testing::AssertionFailure() << "the sizes differ";
  const RECT area = changedArea(expected, actual, width);
  return testing::AssertionFailure() << "pixels differ in (" << area.left << ", " << area.top << ", " << area.right
                                     << ", " << area.bottom << ")";
}

struct ButtonSpec {
  int kind;
  const char* image;
  const char* altImage = nullptr;
};

inline const std::vector<ButtonSpec> minimiseAndClose = {{minimiseKind, "TITLE_MINIMISE_PNG"},
                                                         {closeKind, "TITLE_CLOSE_PNG"}};
inline const std::vector<ButtonSpec> minimiseMaximiseAndClose = {
    {minimiseKind, "TITLE_MINIMISE_PNG"},
    {maximiseKind, "TITLE_MAXIMISE_PNG", "TITLE_RESTORE_PNG"},
    {closeKind, "TITLE_CLOSE_PNG"}};

class FramedWindow {
 public:
  explicit FramedWindow(int width = 300, int height = 120, const std::vector<ButtonSpec>& buttons = minimiseAndClose,
                        const char* title = "") {
    window_ = CreateWindowExA(WS_EX_TOOLWINDOW, testing_support::testWindowClass("FramedTestWindow"), title, WS_POPUP | WS_VISIBLE, 40, 40, width,
                              height, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    auto record = std::make_unique<SkinnedWindowRecord>();
    record->window = window_;
    record->captionHeight = 25;
    record->frameWidth = width;
    record->frameHeight = height;
    for (const ButtonSpec& spec : buttons) {
      TitleButton button;
      button.kind = spec.kind;
      button.image = draw::loadResourceBytes(spec.image);
      if (spec.altImage) button.altImage = draw::loadResourceBytes(spec.altImage);
      button.width = spec.kind == closeKind ? 38 : 26;
      button.height = 18;
      record->titleButtons.push_back(std::move(button));
    }
    layOutButtons(*record, width);
    index_ = appendSkinnedWindow(std::move(record));
    props::setRecordIndex(window_, index_);
  }
  ~FramedWindow() {
    removeSkinnedWindow(skinnedWindowIndex(window_));
    DestroyWindow(window_);
  }
  FramedWindow(const FramedWindow&) = delete;
  FramedWindow& operator=(const FramedWindow&) = delete;

  // Strip and hit rectangles as the installation lays them out for a client width.
  static void layOutButtons(SkinnedWindowRecord& record, int clientWidth) {
    int imageWidths = 0;
    for (const TitleButton& button : record.titleButtons) imageWidths += button.width;
    const int count = static_cast<int>(record.titleButtons.size());
    record.buttonStrip.width = imageWidths + (count - 1) + 3;
    record.buttonStrip.height = 22;
    record.buttonStrip.y = 0;
    record.buttonStrip.x = clientWidth - record.buttonStrip.width + 1;
    for (int i = 0; i < count; ++i) {
      TitleButton& button = record.titleButtons[i];
      button.hitRect = FloatRect{static_cast<float>(record.buttonStrip.x + 2 + i * 27), 1.0f,
                                 button.kind == closeKind ? 40.0f : 26.0f, 18.0f};
    }
  }

  HWND window() const { return window_; }
  int index() const { return skinnedWindowIndex(window_); }
  SkinnedWindowRecord& record() const { return *findSkinnedWindow(window_); }
  const OffscreenImage& background() const { return record().backgroundImage; }
  // Centre of title button n (1-based) as drawn: its image starts one pixel left of the hit rectangle.
  POINT buttonCentre(int n) const {
    const TitleButton& button = record().titleButtons[n - 1];
    return POINT{static_cast<LONG>(button.hitRect.x) - 1 + button.width / 2, 1 + button.height / 2};
  }

 private:
  HWND window_ = nullptr;
  int index_ = 0;
};

}  // namespace skin::test
