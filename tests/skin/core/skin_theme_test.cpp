#include "skin/core/skin_theme.h"

#include <gtest/gtest.h>

namespace skin {
namespace {

TEST(SkinTheme, SwitchesWithAnOpacityTurnTranslucencyOnAndWithoutItBackOff) {
  resetTheme();
  setSkinSwitches(1, 100);
  EXPECT_TRUE(theme().skinControls);
  EXPECT_TRUE(theme().translucentControls);
  EXPECT_EQ(theme().controlAlpha, 100);
  EXPECT_EQ(theme().trackBarOption, 1);

  setSkinSwitches(1);
  EXPECT_FALSE(theme().translucentControls);
  EXPECT_EQ(theme().controlAlpha, 160);

  setSkinSwitches(0, std::nullopt, 0);
  EXPECT_FALSE(theme().skinControls);
  EXPECT_EQ(theme().trackBarOption, 0);
  resetTheme();
}

}  // namespace
}  // namespace skin
