#include "skin/controls/up_down_skin.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include "common_controls.h"
#include "skin/core/control_properties.h"
#include "skinned_form.h"

namespace skin::test {
namespace {

TEST(UpDownLayout, SecondHalfLiesBeyondTheMiddle) {
  const struct {
    int w, h;
    bool horizontal;
    int x, y, half;
  } cases[] = {
      {20, 40, false, 5, 0, 0},  {20, 40, false, 5, 20, 0}, {20, 40, false, 5, 21, 1},
      {20, 41, false, 5, 20, 0}, {20, 41, false, 5, 21, 1}, {20, 40, false, 30, 39, 1},
      {40, 20, true, 20, 15, 0}, {40, 20, true, 21, 0, 1},  {40, 20, true, -3, 0, 0},
  };
  for (const auto& c : cases)
    EXPECT_EQ(upDownHalfAt(c.w, c.h, c.horizontal, c.x, c.y), c.half)
        << c.w << " x " << c.h << (c.horizontal ? " horizontal" : " vertical") << " at (" << c.x << ", " << c.y
        << ")";
}

// A vertical control 21 x 24: two halves of 21 x 12 whose triangles land on whole pixels.
constexpr int upDownWidth = 21;
constexpr int upDownHeight = 24;
constexpr POINT inFirstHalf{3, 3};
constexpr POINT inSecondHalf{3, 20};

class UpDownSkinTest : public testing::Test {
 protected:
  UpDownSkinTest() { loadCommonControls(); }
  HWND addUpDown(DWORD style = 0) { return form.add(UPDOWN_CLASSA, 40, 60, upDownWidth, upDownHeight, style); }
  UpDownRecord& recordOf(HWND upDown) const { return *form.record().upDowns.at(props::recordIndex(upDown)); }
  void move(HWND upDown, POINT p, WPARAM keys = 0) { SendMessageA(upDown, WM_MOUSEMOVE, keys, pointParam(p.x, p.y)); }

  SkinnedForm form;
};

TEST_F(UpDownSkinTest, EachHalfShowsItsTriangle) {
  const HWND upDown = addUpDown();
  form.install();
  // The widest row of each triangle, centred: (21 - 7) / 2 = 7 from the left, (12 - 4) / 2 = 4 from the half's top.
  EXPECT_TRUE(closeTo(form.imagePixel(upDown, 10, 4 + 3), {0, 0, 0}, 40)) << "the up triangle's base";
  EXPECT_TRUE(closeTo(form.imagePixel(upDown, 10, 12 + 4), {0, 0, 0}, 40)) << "the down triangle's base";
  EXPECT_FALSE(closeTo(form.imagePixel(upDown, 7, 4), {0, 0, 0}, 40)) << "beside the up triangle's tip";
}

TEST_F(UpDownSkinTest, CrossingToTheOtherHalfRepaintsMovingWithinOneDoesNot) {
  const HWND upDown = addUpDown();
  form.install();
  move(upDown, inFirstHalf);
  EXPECT_TRUE(recordOf(upDown).hot);
  EXPECT_EQ(recordOf(upDown).hotPart, 0);

  form.markImage(upDown);
  move(upDown, {inFirstHalf.x + 5, inFirstHalf.y + 4});
  EXPECT_TRUE(form.stillMarked(upDown, 2, 2)) << "moved within the first half";

  move(upDown, inSecondHalf);
  EXPECT_FALSE(form.stillMarked(upDown, 2, 2)) << "moved onto the second half";
  EXPECT_EQ(recordOf(upDown).hotPart, 1);

  form.markImage(upDown);
  move(upDown, {inSecondHalf.x + 6, inSecondHalf.y - 3});
  EXPECT_TRUE(form.stillMarked(upDown, 2, 2)) << "moved within the second half";

  SendMessageA(upDown, WM_MOUSELEAVE, 0, 0);
  EXPECT_FALSE(recordOf(upDown).hot);
  EXPECT_FALSE(form.stillMarked(upDown, 2, 2)) << "left: painted in its normal look";
}

TEST_F(UpDownSkinTest, PressedHalfTurnsItsGradientRound) {
  const HWND upDown = addUpDown();
  form.install();
  const int index = props::recordIndex(upDown);
  // Near the top and the bottom of the first half, beside its triangle.
  const auto topAndBottom = [&] {
    return std::pair{redness(form.imagePixel(upDown, 3, 2)), redness(form.imagePixel(upDown, 3, 9))};
  };
  paintUpDown(form.index(), index, true, false, pointParam(inFirstHalf.x, inFirstHalf.y));
  const auto [hotTop, hotBottom] = topAndBottom();
  EXPECT_LT(hotTop + 20, hotBottom) << "hot: light at the top, the accent below";

  paintUpDown(form.index(), index, true, true, pointParam(inFirstHalf.x, inFirstHalf.y));
  const auto [pressedTop, pressedBottom] = topAndBottom();
  EXPECT_GT(pressedTop, pressedBottom + 20) << "pressed: the accent at the top, light below";

  // The left button on the control keeps the press in the record until it is released.
  move(upDown, inFirstHalf);
  SendMessageA(upDown, WM_LBUTTONDOWN, MK_LBUTTON, pointParam(inFirstHalf.x, inFirstHalf.y));
  EXPECT_TRUE(recordOf(upDown).pressed);
  EXPECT_EQ(recordOf(upDown).lastMousePos, pointParam(inFirstHalf.x, inFirstHalf.y));
  SendMessageA(upDown, WM_LBUTTONUP, 0, pointParam(inFirstHalf.x, inFirstHalf.y));
  EXPECT_FALSE(recordOf(upDown).pressed);
}

}  // namespace
}  // namespace skin::test
