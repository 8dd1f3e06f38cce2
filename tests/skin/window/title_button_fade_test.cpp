#include "skin/window/title_button_fade.h"

#include <gtest/gtest.h>

namespace skin {
namespace {

constexpr int minimise = 1;
constexpr int close = 2;

class TitleButtonFadeTest : public testing::Test {
 protected:
  TitleButtonHover hover() { return TitleButtonHover{hovered, fadeIn, fadeOut}; }
  // Ticks until nothing is painted any more, at most 20 times.
  std::vector<ButtonPaints> tickToTheEnd() {
    std::vector<ButtonPaints> ticks;
    for (int i = 0; i < 20; ++i) {
      ButtonPaints paints = advanceFades(hover());
      if (paints.empty()) break;
      ticks.push_back(paints);
    }
    return ticks;
  }

  int hovered = 0;
  ButtonFade fadeIn;
  ButtonFade fadeOut;
};

TEST_F(TitleButtonFadeTest, MovingFromMinimiseToCloseFadesOneOutAndTheOtherInOverEightTicks) {
  EXPECT_TRUE(hoverMovedTo(hover(), minimise).empty());
  ASSERT_EQ(tickToTheEnd().size(), 8u);  // minimise fully hovered

  EXPECT_TRUE(hoverMovedTo(hover(), close).empty());
  EXPECT_EQ(hovered, close);
  const std::vector<ButtonPaints> ticks = tickToTheEnd();
  ASSERT_EQ(ticks.size(), 8u);
  for (int step = 1; step <= 8; ++step) {
    SCOPED_TRACE(step);
    const ButtonPaints expected{{close, 30 * step}, {minimise, 240 - 30 * step}};
    EXPECT_EQ(ticks[step - 1], expected);
  }
  EXPECT_TRUE(fadeOutFinished(fadeOut));
}

TEST_F(TitleButtonFadeTest, ReachingAnotherButtonMidFadeSnapsTheFadingOutButtonToNormal) {
  hoverMovedTo(hover(), minimise);
  tickToTheEnd();
  hoverMovedTo(hover(), close);
  advanceFades(hover());
  advanceFades(hover());  // minimise at 180, close at 60

  const ButtonPaints snapped = hoverMovedTo(hover(), minimise);
  EXPECT_EQ(snapped, (ButtonPaints{{minimise, 0}}));
  EXPECT_EQ(fadeOut.button, close);
  EXPECT_EQ(fadeIn.button, minimise);
  EXPECT_EQ(advanceFades(hover()), (ButtonPaints{{minimise, 30}, {close, 210}}));
}

TEST_F(TitleButtonFadeTest, LeavingWhileBothFadesRunSnapsAndFadesTheHoveredButtonOut) {
  hoverMovedTo(hover(), minimise);
  tickToTheEnd();
  hoverMovedTo(hover(), close);
  for (int i = 0; i < 3; ++i) advanceFades(hover());  // close at 90, minimise at 150

  const ButtonPaints snapped = hoverLeft(hover());
  EXPECT_EQ(snapped, (ButtonPaints{{minimise, 0}}));
  EXPECT_EQ(hovered, 0);
  EXPECT_EQ(fadeIn.button, 0);
  const std::vector<ButtonPaints> ticks = tickToTheEnd();
  ASSERT_EQ(ticks.size(), 8u);
  EXPECT_EQ(ticks.front(), (ButtonPaints{{close, 210}}));
  EXPECT_EQ(ticks.back(), (ButtonPaints{{close, 0}}));
}

TEST_F(TitleButtonFadeTest, LeavingAFullyHoveredButtonFadesItOut) {
  hoverMovedTo(hover(), close);
  tickToTheEnd();
  EXPECT_TRUE(hoverLeft(hover()).empty());
  const std::vector<ButtonPaints> ticks = tickToTheEnd();
  ASSERT_EQ(ticks.size(), 8u);
  EXPECT_EQ(ticks.back(), (ButtonPaints{{close, 0}}));
}

TEST_F(TitleButtonFadeTest, MovesWithinOneButtonOrOutsideEveryButtonStartNothing) {
  EXPECT_TRUE(hoverLeft(hover()).empty());
  hoverMovedTo(hover(), 0);
  EXPECT_TRUE(advanceFades(hover()).empty());

  hoverMovedTo(hover(), close);
  advanceFades(hover());
  hoverMovedTo(hover(), close);  // another move over the same button
  EXPECT_EQ(advanceFades(hover()), (ButtonPaints{{close, 60}}));
}

}  // namespace
}  // namespace skin
