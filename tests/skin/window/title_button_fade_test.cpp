#include "skin/window/title_button_fade.h"

#include <gtest/gtest.h>

namespace skin {
namespace {

constexpr int minimise = 1;
constexpr int close = 2;

class TitleButtonFadeTest : public testing::Test {
 protected:
  // The mouse over the strip, resting there as far as the platform has said.
  ButtonPaints moveTo(int button) { return hoverMovedTo(hover, button, true).paints; }
  ButtonPaints leave() { return hoverLeft(hover).paints; }
  ButtonPaints tick() { return advanceFades(hover, true).paints; }
  // Ticks until nothing is painted any more, at most 20 times.
  std::vector<ButtonPaints> tickToTheEnd() {
    std::vector<ButtonPaints> ticks;
    for (int i = 0; i < 20; ++i) {
      ButtonPaints paints = tick();
      if (paints.empty()) break;
      ticks.push_back(paints);
    }
    return ticks;
  }

  TitleButtonHover hover;
  const int& hovered = hover.hoveredButton;
  const ButtonFade& fadeIn = hover.fadeIn;
  const ButtonFade& fadeOut = hover.fadeOut;
};

TEST_F(TitleButtonFadeTest, MovingFromMinimiseToCloseFadesOneOutAndTheOtherInOverEightTicks) {
  EXPECT_TRUE(moveTo(minimise).empty());
  ASSERT_EQ(tickToTheEnd().size(), 8u);  // minimise fully hovered

  EXPECT_TRUE(moveTo(close).empty());
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
  moveTo(minimise);
  tickToTheEnd();
  moveTo(close);
  tick();
  tick();  // minimise at 180, close at 60

  const ButtonPaints snapped = moveTo(minimise);
  EXPECT_EQ(snapped, (ButtonPaints{{minimise, 0}}));
  EXPECT_EQ(fadeOut.button, close);
  EXPECT_EQ(fadeIn.button, minimise);
  EXPECT_EQ(tick(), (ButtonPaints{{minimise, 30}, {close, 210}}));
}

TEST_F(TitleButtonFadeTest, LeavingWhileBothFadesRunSnapsAndFadesTheHoveredButtonOut) {
  moveTo(minimise);
  tickToTheEnd();
  moveTo(close);
  for (int i = 0; i < 3; ++i) tick();  // close at 90, minimise at 150

  const ButtonPaints snapped = leave();
  EXPECT_EQ(snapped, (ButtonPaints{{minimise, 0}}));
  EXPECT_EQ(hovered, 0);
  EXPECT_EQ(fadeIn.button, 0);
  const std::vector<ButtonPaints> ticks = tickToTheEnd();
  ASSERT_EQ(ticks.size(), 8u);
  EXPECT_EQ(ticks.front(), (ButtonPaints{{close, 210}}));
  EXPECT_EQ(ticks.back(), (ButtonPaints{{close, 0}}));
}

TEST_F(TitleButtonFadeTest, LeavingAFullyHoveredButtonFadesItOut) {
  moveTo(close);
  tickToTheEnd();
  EXPECT_TRUE(leave().empty());
  const std::vector<ButtonPaints> ticks = tickToTheEnd();
  ASSERT_EQ(ticks.size(), 8u);
  EXPECT_EQ(ticks.back(), (ButtonPaints{{close, 0}}));
}

TEST_F(TitleButtonFadeTest, MovesWithinOneButtonOrOutsideEveryButtonStartNothing) {
  EXPECT_TRUE(leave().empty());
  moveTo(0);
  EXPECT_TRUE(tick().empty());

  moveTo(close);
  tick();
  moveTo(close);  // another move over the same button
  EXPECT_EQ(tick(), (ButtonPaints{{close, 60}}));
}

// What each step of a hover says about the repaints and the fade timer, in order: the
// timer starts on a move over the strip unless a move there already holds it, and stops
// at a tick once no fade-out runs and the mouse does not rest over the strip.
TEST(TitleButtonHoverSteps, SayWhenTheFadeTimerStartsAndStops) {
  enum Event { moveOverStrip, moveOffStrip, leave, tickResting, tickNotResting };
  const struct {
    Event event;
    int button;
    HoverStep expected;
  } steps[] = {
      {moveOverStrip, minimise, {{}, FadeTimer::start}},
      {moveOverStrip, minimise, {{}, FadeTimer::keep}},
      {tickNotResting, 0, {{{minimise, 30}}, FadeTimer::stop}},
      {moveOverStrip, minimise, {{}, FadeTimer::start}},
      {tickResting, 0, {{{minimise, 30}}, FadeTimer::keep}},
      {moveOffStrip, 0, {{}, FadeTimer::keep}},
      {tickResting, 0, {{{minimise, 60}, {minimise, 210}}, FadeTimer::keep}},
      {moveOverStrip, close, {{}, FadeTimer::start}},
      {leave, 0, {{{minimise, 0}}, FadeTimer::keep}},
      {tickNotResting, 0, {{{close, 210}}, FadeTimer::keep}},
  };
  TitleButtonHover hover;
  int number = 0;
  for (const auto& s : steps) {
    SCOPED_TRACE(++number);
    HoverStep step;
    switch (s.event) {
      case moveOverStrip: step = hoverMovedTo(hover, s.button, true); break;
      case moveOffStrip: step = hoverMovedTo(hover, s.button, false); break;
      case leave: step = hoverLeft(hover); break;
      case tickResting: step = advanceFades(hover, true); break;
      case tickNotResting: step = advanceFades(hover, false); break;
    }
    EXPECT_EQ(step, s.expected);
  }
  for (int i = 0; i < 6; ++i) EXPECT_EQ(advanceFades(hover, false).timer, FadeTimer::keep);
  const HoverStep last = advanceFades(hover, false);
  EXPECT_EQ(last, (HoverStep{{{close, 0}}, FadeTimer::stop}));
  EXPECT_EQ(hover.fadeOut.button, 0) << "a stopped timer leaves no fade behind";
  EXPECT_FALSE(hover.timerRunning);
}

}  // namespace
}  // namespace skin
