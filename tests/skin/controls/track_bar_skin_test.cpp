#include "skin/controls/track_bar_skin.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include "common_controls.h"
#include "skin/core/control_properties.h"
#include "skinned_form.h"

namespace skin::test {
namespace {

TEST(TrackBarLayout, TickPlacementTestsNoTicksThenTopThenBoth) {
  const struct {
    DWORD style;
    int placement;
  } cases[] = {
      {0, ticksBottomOrRight},
      {TBS_TOP, ticksTopOrLeft},
      {TBS_BOTH, ticksBoth},
      {TBS_NOTICKS, noTicks},
      {TBS_TOP | TBS_BOTH, ticksTopOrLeft},
      {TBS_NOTICKS | TBS_TOP, noTicks},
      {TBS_NOTICKS | TBS_BOTH, noTicks},
      {TBS_NOTICKS | TBS_TOP | TBS_BOTH, noTicks},
      {TBS_VERT | TBS_LEFT, ticksTopOrLeft},
  };
  for (const auto& c : cases) EXPECT_EQ(tickPlacementOf(static_cast<LONG>(c.style)), c.placement) << c.style;
}

TEST(TrackBarLayout, VerticalChannelIsReadAlongTheTrack) {
  // Windows answers a vertical track bar's channel along the track in left/right.
  const RECT along{8, 10, 192, 14};
  const RECT asAnswered = channelAlongTrack(along, true);
  EXPECT_TRUE(EqualRect(&along, &asAnswered) != FALSE);
  // Given the screen's way round, it is turned into the same form.
  const RECT onScreen{10, 8, 14, 192};
  const RECT turned = channelAlongTrack(onScreen, true);
  EXPECT_TRUE(EqualRect(&along, &turned) != FALSE);
  // A horizontal track bar's channel is kept.
  const RECT horizontal{8, 10, 192, 14};
  const RECT kept = channelAlongTrack(horizontal, false);
  EXPECT_TRUE(EqualRect(&horizontal, &kept) != FALSE);
}

testing::AssertionResult sameRect(const draw::RectF& actual, const draw::RectF& expected) {
  if (actual.x == expected.x && actual.y == expected.y && actual.width == expected.width &&
      actual.height == expected.height)
    return testing::AssertionSuccess();
  return testing::AssertionFailure() << "(" << actual.x << ", " << actual.y << ", " << actual.width << ", "
                                     << actual.height << ") instead of (" << expected.x << ", " << expected.y << ", "
                                     << expected.width << ", " << expected.height << ")";
}

// A horizontal track bar, channel (8, 10)-(108, 14), thumb at x 40, range 0..50.
TrackBarState horizontalState() {
  TrackBarState state;
  state.rangeMin = 0;
  state.rangeMax = 50;
  state.channel = {8, 10, 108, 14};
  state.thumb = {40, 4, 51, 24};
  return state;
}

TEST(TrackBarLayout, ShapesFollowChannelThumbAndRange) {
  TrackBarState resting = horizontalState();

  TrackBarState hotTop = resting;
  hotTop.hot = true;
  hotTop.tickPlacement = ticksTopOrLeft;
  TrackBarState hotBoth = hotTop;
  hotBoth.tickPlacement = ticksBoth;
  TrackBarState hotBottom = hotTop;
  hotBottom.tickPlacement = ticksBottomOrRight;

  TrackBarState emptyRange = resting;
  emptyRange.rangeMax = emptyRange.rangeMin = 7;
  TrackBarState emptyRangeHot = emptyRange;
  emptyRangeHot.hot = true;

  // Axes exchanged: the channel along y from 8 to 108, across x from 10 to 14.
  TrackBarState vertical = resting;
  vertical.vertical = true;
  vertical.thumb = {4, 40, 24, 51};

  const struct {
    const char* name;
    TrackBarState state;
    draw::RectF channel, positionLine, thumb;
  } cases[] = {
      {"resting", resting, {8, 10, 100, 4}, {9, 11, 30, 1}, {40, 8.5f, 6, 6}},
      {"hot, ticks on top", hotTop, {8, 10, 100, 4}, {9, 11, 30, 1}, {40, 8, 11, 11}},
      {"hot, ticks on both sides", hotBoth, {8, 10, 100, 4}, {9, 11, 30, 1}, {40, 7, 11, 11}},
      {"hot, ticks below", hotBottom, {8, 10, 100, 4}, {9, 11, 30, 1}, {40, 6, 11, 11}},
      {"min = max", emptyRange, {8, 10, 100, 4}, {9, 11, 40, 1}, {48, 8.5f, 6, 6}},
      {"min = max, hot", emptyRangeHot, {8, 10, 100, 4}, {9, 11, 40, 1}, {40, 6, 11, 11}},
      {"vertical", vertical, {10, 8, 4, 100}, {11, 9, 1, 30}, {8.5f, 40, 6, 6}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const TrackBarShapes shapes = trackBarShapes(c.state);
    EXPECT_TRUE(sameRect(shapes.channel, c.channel));
    EXPECT_TRUE(sameRect(shapes.positionLine, c.positionLine));
    EXPECT_TRUE(sameRect(shapes.thumb, c.thumb));
  }
}

TEST(TrackBarLayout, ChannelGradientRunsAcrossTheTrack) {
  TrackBarState state = horizontalState();
  TrackBarShapes shapes = trackBarShapes(state);
  EXPECT_EQ(shapes.channelFrom.x, shapes.channelTo.x);
  EXPECT_EQ(shapes.channelTo.y - shapes.channelFrom.y, 4);
  state.vertical = true;
  shapes = trackBarShapes(state);
  EXPECT_EQ(shapes.channelFrom.y, shapes.channelTo.y);
  EXPECT_EQ(shapes.channelTo.x - shapes.channelFrom.x, 4);
}

TEST(TrackBarLayout, SelectionIsPlacedByValueNotByPixel) {
  // Range 100..300 over a 200-pixel channel: one value is one pixel, from the channel's start.
  TrackBarState state;
  state.selectionRange = true;
  state.rangeMin = 100;
  state.rangeMax = 300;
  state.selectionStart = 150;
  state.selectionEnd = 250;
  state.channel = {10, 4, 210, 20};
  state.thumb = {60, 2, 71, 22};
  TrackBarShapes shapes = trackBarShapes(state);
  // Narrowed to 4 pixels in the middle of the channel; the selection one pixel into it.
  EXPECT_TRUE(sameRect(shapes.channel, {10, 10, 200, 4}));
  EXPECT_TRUE(sameRect(shapes.selection, {10 + 50 - 1 + 2, 11, 100 - 3, 1}));
  EXPECT_TRUE(sameRect(shapes.positionLine, {11, 11, 48, 1}));

  state.vertical = true;
  shapes = trackBarShapes(state);
  EXPECT_TRUE(sameRect(shapes.selection, {11, 10 + 50 - 1 + 2, 1, 100 - 3}));

  // An empty range has nothing to select.
  state.rangeMax = state.rangeMin;
  shapes = trackBarShapes(state);
  EXPECT_EQ(shapes.selection.width * shapes.selection.height, 0);
}

class TrackBarSkinTest : public testing::Test {
 protected:
  TrackBarSkinTest() { loadCommonControls(); }
  HWND addTrackBar(int x, int y, int w, int h, DWORD style = 0) {
    return form.add(TRACKBAR_CLASSA, x, y, w, h, style);
  }
  const TrackBarRecord* recordOf(HWND trackBar) const {
    return form.record().trackBars.at(props::recordIndex(trackBar));
  }
  // Pixels of the thumb's light body in the control's place in windowImage.
  int thumbPixels(HWND trackBar) const {
    const SIZE size = windowSize(trackBar);
    int count = 0;
    for (int y = 0; y < size.cy; ++y)
      for (int x = 0; x < size.cx; ++x) {
        const Rgb c = form.imagePixel(trackBar, x, y);
        if (c.r > 180 && c.g > 180 && c.b > 180) ++count;
      }
    return count;
  }

  SkinnedForm form;
};

TEST_F(TrackBarSkinTest, RecordsTheStyleAtInstall) {
  const HWND plain = addTrackBar(10, 40, 150, 30);
  const HWND vertical = addTrackBar(200, 40, 30, 150, TBS_VERT | TBS_BOTH | TBS_ENABLESELRANGE);
  form.install();
  ASSERT_NE(recordOf(plain), nullptr);
  ASSERT_NE(recordOf(vertical), nullptr);
  EXPECT_FALSE(recordOf(plain)->vertical);
  EXPECT_EQ(recordOf(plain)->tickPlacement, ticksBottomOrRight);
  EXPECT_FALSE(recordOf(plain)->selectionRange);
  EXPECT_TRUE(recordOf(vertical)->vertical);
  EXPECT_EQ(recordOf(vertical)->tickPlacement, ticksBoth);
  EXPECT_TRUE(recordOf(vertical)->selectionRange);
  EXPECT_EQ(props::windowIndex(vertical), form.index());
}

TEST_F(TrackBarSkinTest, ThumbGrowsWhileTheMouseIsOverItAndShrinksWhenItLeaves) {
  const HWND trackBar = addTrackBar(20, 50, 200, 32);
  SendMessageA(trackBar, TBM_SETRANGE, FALSE, MAKELPARAM(0, 100));
  SendMessageA(trackBar, TBM_SETPOS, TRUE, 50);
  form.install();
  theme().trackBarOption = 0;  // no light panel, so that only the thumb is light
  paintTrackBar(form.index(), props::recordIndex(trackBar));
  const int resting = thumbPixels(trackBar);

  SendMessageA(trackBar, WM_MOUSEMOVE, 0, pointParam(100, 15));
  EXPECT_TRUE(recordOf(trackBar)->hot);
  const int hot = thumbPixels(trackBar);
  SendMessageA(trackBar, WM_MOUSELEAVE, 0, 0);
  EXPECT_FALSE(recordOf(trackBar)->hot);
  const int left = thumbPixels(trackBar);

  // A disc 6 across against one 11 across.
  EXPECT_GT(resting, 15);
  EXPECT_LT(resting, 45);
  EXPECT_GT(hot, 70);
  EXPECT_EQ(left, resting);
}

TEST_F(TrackBarSkinTest, PanelOnlyWithTheTrackBarOption) {
  const HWND trackBar = addTrackBar(20, 50, 200, 32);
  form.install();
  const POINT corner{3, 3};  // inside the panel, off the channel and the thumb
  const Rgb withPanel = form.imagePixel(trackBar, corner.x, corner.y);
  theme().trackBarOption = 0;
  paintTrackBar(form.index(), props::recordIndex(trackBar));
  const Rgb without = form.imagePixel(trackBar, corner.x, corner.y);
  EXPECT_TRUE(closeTo(without, form.groundPixel(trackBar, corner.x, corner.y), 2));
  EXPECT_GT(withPanel.g, without.g + 40) << "the panel's light top";
}

}  // namespace
}  // namespace skin::test
