#include "skin/core/skinned_window_record.h"

#include <gtest/gtest.h>

#include "skin/core/engine_state.h"
#include "skin/core/control_properties.h"

namespace skin {
namespace {

// A top-level window registered the way an installation registers it, with one child
// control tagged with the window's index.
struct RegisteredWindow {
  HWND window = nullptr;
  HWND control = nullptr;

  RegisteredWindow() {
    window = CreateWindowExA(0, "STATIC", "top", WS_POPUP, 0, 0, 200, 100, nullptr, nullptr, nullptr, nullptr);
    control = CreateWindowExA(0, "BUTTON", "child", WS_CHILD, 0, 0, 50, 20, window, nullptr, nullptr, nullptr);
    auto record = std::make_unique<SkinnedWindowRecord>();
    record->window = window;
    const int index = appendSkinnedWindow(std::move(record));
    props::setRecordIndex(window, index);
    props::setWindowIndex(control, index);
    skinnedWindowAt(index)->buttons.takeSlot();
    skinnedWindowAt(index)->buttons.at(1)->window = control;
  }
  ~RegisteredWindow() { DestroyWindow(window); }
};

class SkinnedWindowRecordTest : public testing::Test {
 protected:
  void TearDown() override { resetEngineState(); }
};

TEST_F(SkinnedWindowRecordTest, RemovingAWindowRenumbersTheLaterWindowsAndTheirControls) {
  RegisteredWindow first, second, third;
  ASSERT_EQ(props::recordIndex(third.window), 3);

  removeSkinnedWindow(1);

  EXPECT_EQ(props::recordIndex(second.window), 1);
  EXPECT_EQ(props::windowIndex(second.control), 1);
  EXPECT_EQ(props::recordIndex(third.window), 2);
  EXPECT_EQ(props::windowIndex(third.control), 2);
  EXPECT_EQ(recordOfWindow(second.window)->window, second.window);
  EXPECT_EQ(recordOfControl(third.control)->window, third.window);
  EXPECT_EQ(skinnedWindowIndex(first.window), 0);
}

TEST_F(SkinnedWindowRecordTest, IndicesOutsideTheListFindNothing) {
  RegisteredWindow only;
  for (int index : {0, -1, 2}) {
    SCOPED_TRACE(index);
    EXPECT_EQ(skinnedWindowAt(index), nullptr);
    EXPECT_EQ(removeSkinnedWindow(index), nullptr);
  }
  EXPECT_EQ(skinnedWindows().size(), 1u);
  EXPECT_EQ(skinnedWindowAt(1)->window, only.window);
}

TEST_F(SkinnedWindowRecordTest, LookupByHandleFindsTheFirstRecordOfTheWindow) {
  RegisteredWindow a, b;
  EXPECT_EQ(findSkinnedWindow(b.window), skinnedWindowAt(2));
  EXPECT_EQ(findSkinnedWindow(nullptr), nullptr);
  EXPECT_EQ(findSkinnedWindow(GetDesktopWindow()), nullptr);
}

TEST_F(SkinnedWindowRecordTest, RemovingARecordReleasesItsOffscreenImages) {
  const int before = draw::liveGdiObjectCount();
  {
    RegisteredWindow window;
    SkinnedWindowRecord& record = *skinnedWindowAt(1);
    ASSERT_TRUE(record.backgroundImage.resize(40, 30));
    ASSERT_TRUE(record.windowImage.resize(40, 30));
    ASSERT_TRUE(record.backgroundImage.resize(50, 30));  // a second size replaces the first bitmap
    EXPECT_EQ(draw::liveGdiObjectCount(), before + 4);
    removeSkinnedWindow(1);
  }
  EXPECT_EQ(draw::liveGdiObjectCount(), before);
}

TEST(ControlRegistry, TakesTheInitialEmptyRecordFirst) {
  ControlRegistry<EditRecord> registry;
  registry.addInitialEmptyRecord();
  EXPECT_EQ(registry.takeSlot(), 1);
  registry.at(1)->window = reinterpret_cast<HWND>(0x10);
  EXPECT_EQ(registry.takeSlot(), 2);
  EXPECT_EQ(registry.find(reinterpret_cast<HWND>(0x10)), 1);
  EXPECT_EQ(registry.find(reinterpret_cast<HWND>(0x20)), 0);
  EXPECT_EQ(registry.at(3), nullptr);
  EXPECT_EQ(registry.at(0), nullptr);
}

}  // namespace
}  // namespace skin
