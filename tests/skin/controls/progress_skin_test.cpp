#include "skin/controls/progress_skin.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include "common_controls.h"
#include "skin/core/control_properties.h"
#include "skinned_form.h"

namespace skin::test {
namespace {

TEST(ProgressLayout, FilledPartFollowsThePositionWithinTheRange) {
  const struct {
    const char* name;
    bool vertical;
    int low, high, pos;
    RECT fill;
  } cases[] = {
      {"empty", false, 0, 100, 0, {0, 0, 0, 20}},
      {"half", false, 0, 100, 50, {0, 0, 100, 20}},
      {"full", false, 0, 100, 100, {0, 0, 200, 20}},
      {"range not from 0, at its start", false, 10, 110, 10, {0, 0, 0, 20}},
      {"range not from 0, half way", false, 10, 110, 60, {0, 0, 100, 20}},
      {"past the end", false, 0, 100, 150, {0, 0, 200, 20}},
      {"equal ends", false, 5, 5, 5, {0, 0, 0, 0}},
      {"vertical, a quarter, from the bottom", true, 0, 100, 25, {0, 15, 200, 20}},
      {"vertical, empty", true, 0, 100, 0, {0, 20, 200, 20}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const RECT fill = progressBarFill(200, 20, c.vertical, c.low, c.high, c.pos);
    EXPECT_EQ(fill.left, c.fill.left);
    EXPECT_EQ(fill.top, c.fill.top);
    EXPECT_EQ(fill.right, c.fill.right);
    EXPECT_EQ(fill.bottom, c.fill.bottom);
  }
}

class ProgressSkinTest : public testing::Test {
 protected:
  ProgressSkinTest() { loadCommonControls(); }
  HWND addProgressBar(DWORD style = 0) { return form.add(PROGRESS_CLASSA, 20, 50, 200, 24, style); }
  void paint(HWND progressBar) { paintProgressBar(form.index(), props::recordIndex(progressBar)); }

  SkinnedForm form;
};

TEST_F(ProgressSkinTest, AtZeroOnlyFrameAndGroundShowAndTheBarFillsInTheAccent) {
  const HWND progressBar = addProgressBar();
  SendMessageA(progressBar, PBM_SETRANGE32, 0, 100);
  SendMessageA(progressBar, PBM_SETPOS, 0, 0);
  form.install();
  ASSERT_EQ(props::windowIndex(progressBar), form.index());
  paint(progressBar);
  // The ground gradient alone: light at the top, neutral, nowhere red.
  const Rgb top = form.imagePixel(progressBar, 100, 3);
  const Rgb middle = form.imagePixel(progressBar, 100, 12);
  const Rgb left = form.imagePixel(progressBar, 10, 12);
  EXPECT_GT(top.g, middle.g);
  EXPECT_LT(std::abs(redness(middle)), 4);
  EXPECT_TRUE(closeTo(left, middle, 3)) << "the same ground along the whole bar";

  SendMessageA(progressBar, PBM_SETPOS, 50, 0);
  paint(progressBar);
  EXPECT_GT(redness(form.imagePixel(progressBar, 50, 16)), 100) << "the filled half";
  EXPECT_TRUE(closeTo(form.imagePixel(progressBar, 150, 12), middle, 3)) << "the empty half";
}

TEST_F(ProgressSkinTest, RangeWithEqualEndsDrawsNoBar) {
  const HWND progressBar = addProgressBar();
  SendMessageA(progressBar, PBM_SETRANGE32, 40, 40);
  SendMessageA(progressBar, PBM_SETPOS, 40, 0);
  form.install();
  paint(progressBar);
  EXPECT_LT(std::abs(redness(form.imagePixel(progressBar, 100, 12))), 4);
}

}  // namespace
}  // namespace skin::test
