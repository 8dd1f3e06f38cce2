#include "skin/core/control_registry.h"

#include <gtest/gtest.h>

#include "skin/core/control_records.h"
#include "support/test_windows.h"

namespace skin {
namespace {

struct Controls {
  Controls() {
    for (HWND& control : windows)
      control = CreateWindowExA(0, testing_support::testWindowClass("RegistryTestControl"), "", WS_POPUP, 0, 0, 10,
                                10, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  }
  ~Controls() {
    for (HWND control : windows) DestroyWindow(control);
  }
  HWND windows[3] = {};
};

TEST(ControlRegistryTest, RemoveMovesTheLaterRecordsUpAndRenumbersTheirFamilysIndex) {
  struct Families {
    props::KeyFamily keys, other;
  };
  for (const auto& [keys, other] : {Families{props::controlKeys, props::toolbarKeys},
                                    Families{props::toolbarKeys, props::controlKeys}}) {
    SCOPED_TRACE(keys.recordIndex);
    Controls controls;
    ControlRegistry<ToolbarRecord> registry;
    for (HWND control : controls.windows) {
      const int index = registry.takeSlot();
      registry.at(index)->window = control;
      props::setRecordIndex(control, index, keys);
      props::setRecordIndex(control, 7, other);
    }
    const auto [first, second, third] = controls.windows;

    EXPECT_FALSE(registry.remove(0, keys));
    EXPECT_FALSE(registry.remove(4, keys));
    EXPECT_EQ(registry.size(), 3);

    ASSERT_TRUE(registry.remove(1, keys));
    ASSERT_EQ(registry.size(), 2);
    EXPECT_EQ(registry.at(1)->window, second);
    EXPECT_EQ(registry.at(2)->window, third);
    EXPECT_EQ(registry.find(first), 0);
    EXPECT_EQ(props::recordIndex(second, keys), 1);
    EXPECT_EQ(props::recordIndex(third, keys), 2);
    EXPECT_EQ(props::recordIndex(third, other), 7) << "the other family is not touched";

    ASSERT_TRUE(registry.remove(2, keys));
    EXPECT_EQ(registry.size(), 1);
    EXPECT_EQ(props::recordIndex(second, keys), 1);
  }
}

}  // namespace
}  // namespace skin
