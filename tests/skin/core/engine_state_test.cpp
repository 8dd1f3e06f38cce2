#include "skin/core/engine_state.h"

#include <gtest/gtest.h>

#include <string>

#include "skin/core/canvas.h"
#include "skin/core/skin_theme.h"
#include "skin/core/skinned_window_record.h"
#include "skinned_window_fixture.h"

namespace skin {
namespace {

std::string& dropLog() {
  static std::string log;
  return log;
}

struct First {
  int value = 0;
  ~First() { dropLog() += "first "; }
};
struct Second {
  ~Second() {
    dropLog() += "second ";
    // A part reached while the parts go is a fresh one, not the one being dropped.
    dropLog() += enginePart<First>().value == 0 ? "fresh " : "stale ";
  }
};
struct Tag;

TEST(EngineStateTest, AResetDropsEveryPartTheLastMadeFirst) {
  resetEngineState();
  dropLog().clear();
  enginePart<First>().value = 7;
  (void)enginePart<Second>();
  EXPECT_EQ(&enginePart<First>(), &enginePart<First>()) << "one part per type";
  enginePart<int>() = 1;
  enginePart<int, Tag>() = 2;
  EXPECT_EQ(enginePart<int>(), 1) << "a tag names a part of its own";

  resetEngineState();
  EXPECT_EQ(dropLog(), "second fresh first ");
  EXPECT_EQ(enginePart<int>(), 0);
  EXPECT_EQ((enginePart<int, Tag>()), 0);
  resetEngineState();  // the First made while Second went
}

TEST(EngineStateTest, AResetFreesTheKeptCanvasesAndForgetsTheWindowsAndTheTheme) {
  HDC kept = nullptr;
  {
    test::SkinnedTestWindow skinned;
    const HWND control = skinned.child("STATIC", 10, 10, 40, 30);
    kept = makeControlCanvas(control, {0, 0, 40, 30});
    ASSERT_NE(kept, nullptr);
    ASSERT_EQ(releaseCanvas(kept), 1);
  }
  EXPECT_EQ(GetObjectType(kept), static_cast<DWORD>(OBJ_MEMDC)) << "kept for the next canvas of its size";
  appendSkinnedWindow(std::make_unique<SkinnedWindowRecord>());
  theme().themeColour = RGB(1, 2, 3);

  resetEngineState();
  EXPECT_EQ(GetObjectType(kept), 0u) << "the kept canvas went with the reset";
  EXPECT_TRUE(skinnedWindows().empty());
  EXPECT_EQ(theme().themeColour, SkinTheme{}.themeColour);
}

}  // namespace
}  // namespace skin
