#include "skin/controls/toolbar_skin.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include "draw/drawing.h"
#include "draw/gdi_handles.h"
#include "skin/core/control_properties.h"
#include "support/message_sequence.h"
#include "toolbar_form.h"

namespace skin::test {
namespace {

using testing_support::beneath;
using testing_support::MessageRecorder;
using testing_support::sent;

constexpr BYTE enabled = TBSTATE_ENABLED;
constexpr BYTE checked = TBSTATE_CHECKED;
constexpr BYTE pressed = TBSTATE_PRESSED;
constexpr BYTE indeterminate = TBSTATE_INDETERMINATE;

TEST(ToolbarButtonRules, FacePressedBeforeCheckedBeforeHotAndOutlineWithAnyFaceButSeparators) {
  const struct {
    BYTE state, style;
    bool hot;
    ButtonFace face;
    bool outline;
  } cases[] = {
      {enabled, BTNS_BUTTON, false, ButtonFace::none, false},
      {enabled, BTNS_BUTTON, true, ButtonFace::hot, true},
      {enabled | checked, BTNS_CHECK, false, ButtonFace::checked, true},
      {enabled | checked, BTNS_CHECK, true, ButtonFace::checked, true},
      {enabled | pressed, BTNS_BUTTON, true, ButtonFace::pressed, true},
      {enabled | pressed | checked, BTNS_CHECK, false, ButtonFace::pressed, true},
      {enabled, BTNS_SEP, true, ButtonFace::hot, false},
      {0, BTNS_DROPDOWN, true, ButtonFace::hot, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "state " << int(c.state) << " style " << int(c.style) << " hot " << c.hot);
    EXPECT_EQ(buttonFace(c.state, c.hot), c.face);
    EXPECT_EQ(hasButtonOutline(c.state, c.style, c.hot), c.outline);
  }
}

TEST(ToolbarButtonRules, IconShownByStyleAndGreyedByStateWithTheWholeDropDownRule) {
  const struct {
    BYTE style, state;
    bool icon, iconGreyed, textGreyed;
  } cases[] = {
      {BTNS_BUTTON, enabled, true, false, false},
      {BTNS_BUTTON, 0, true, true, true},
      {BTNS_CHECK, enabled | indeterminate, true, true, true},
      {BTNS_CHECKGROUP, enabled, true, false, false},
      {BTNS_DROPDOWN, 0, true, true, true},
      {BTNS_WHOLEDROPDOWN, enabled, true, false, false},
      {BTNS_WHOLEDROPDOWN, TBSTATE_WRAP, true, false, true},
      {BTNS_WHOLEDROPDOWN, enabled | indeterminate, true, false, true},
      {BTNS_WHOLEDROPDOWN, 0, true, true, true},
      {BTNS_WHOLEDROPDOWN, indeterminate, true, true, true},
      {BTNS_SEP, enabled, false, false, false},
      {BTNS_AUTOSIZE, enabled, false, false, false},
      {BTNS_AUTOSIZE | BTNS_CHECK, enabled, false, false, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "style " << int(c.style) << " state " << int(c.state));
    EXPECT_EQ(drawsButtonIcon(c.style), c.icon);
    if (c.icon) {
      EXPECT_EQ(buttonIconGreyed(c.style, c.state), c.iconGreyed);
    }
    EXPECT_EQ(buttonTextGreyed(c.state), c.textGreyed);
  }
}

TEST(ToolbarButtonRules, IconPlaceBesideOrAboveTheTextAndClearOfADropDownArrowInColourOnly) {
  const RECT item{40, 2, 80, 42};  // 40 x 40
  const struct {
    bool list;
    BYTE style;
    bool greyed;
    POINT at;
  } cases[] = {
      {false, BTNS_BUTTON, false, {40 + 12, 4}},
      {false, BTNS_DROPDOWN, false, {40 + 7, 4}},  // (40 - 16 - 10) / 2
      {false, BTNS_DROPDOWN, true, {40 + 12, 4}},
      {false, BTNS_WHOLEDROPDOWN, false, {40 + 7, 4}},
      {true, BTNS_DROPDOWN, false, {42, 2 + 12}},
  };
  for (const auto& c : cases) {
    const POINT at = buttonIconPosition(item, 16, 16, c.list, c.style, c.greyed);
    EXPECT_EQ(at.x, c.at.x) << int(c.style) << (c.greyed ? " greyed" : "");
    EXPECT_EQ(at.y, c.at.y) << int(c.style);
  }
  EXPECT_TRUE(separatorIsRowRule(9, 3));
  EXPECT_FALSE(separatorIsRowRule(10, 3));
  EXPECT_FALSE(separatorIsRowRule(0, 0)) << "the first button";
}

TEST(ToolbarButtonRules, GreyedPixelsLoseNeutralsAndTintIndeterminateRedWithinRange) {
  const struct {
    COLORREF colour;
    BYTE state;
    COLORREF grey;
  } cases[] = {
      {RGB(0, 0, 0), 0, 0},
      {RGB(128, 128, 128), 0, 0},
      {RGB(255, 255, 255), indeterminate, 0},
      {RGB(90, 30, 0), 0, RGB(40, 40, 40)},
      {RGB(90, 30, 0), indeterminate, RGB(60, 40, 40)},
      {RGB(255, 255, 250), indeterminate, RGB(255, 253, 253)},  // 253 + 20 kept at 255
      {RGB(255, 230, 240), indeterminate, RGB(255, 241, 241)},
  };
  for (const auto& c : cases)
    EXPECT_EQ(greyedIconPixel(c.colour, c.state), c.grey) << std::hex << c.colour << " state " << int(c.state);
}

// A 16 x 16 icon of one colour.
HICON solidIcon(COLORREF colour) {
  void* bits = nullptr;
  draw::OwnedBitmap pixels = draw::createDibSection(16, 16, &bits);
  auto* p = static_cast<std::uint32_t*>(bits);
  for (int i = 0; i < 256; ++i)
    p[i] = 0xFF000000u | (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour);
  draw::OwnedBitmap mask(CreateBitmap(16, 16, 1, 1, nullptr));
  ICONINFO info{TRUE, 0, 0, mask.get(), pixels.get()};
  return CreateIconIndirect(&info);
}

COLORREF greyedOnto(COLORREF ground, COLORREF iconColour, BYTE state) {
  void* bits = nullptr;
  draw::OwnedBitmap target = draw::createDibSection(20, 20, &bits);
  draw::MemoryDC dc = draw::MemoryDC::createCompatible();
  draw::ScopedSelectObject selected(dc.get(), target.get());
  const draw::OwnedBrush brush(CreateSolidBrush(ground));
  const RECT all{0, 0, 20, 20};
  FillRect(dc.get(), &all, brush.get());
  const HICON icon = solidIcon(iconColour);
  drawGreyedIcon(dc.get(), 2, 2, icon, state);
  DestroyIcon(icon);
  return GetPixel(dc.get(), 10, 10) & 0xFFFFFF;
}

TEST(GreyedIcon, NeutralIconsVanishAndColouredOnesTurnGrey) {
  EXPECT_EQ(greyedOnto(RGB(0, 0, 255), RGB(128, 128, 128), 0), RGB(0, 0, 255)) << "grey";
  EXPECT_EQ(greyedOnto(RGB(0, 0, 255), RGB(255, 255, 255), 0), RGB(0, 0, 255)) << "white";
  EXPECT_EQ(greyedOnto(RGB(0, 0, 255), RGB(90, 30, 0), 0), RGB(40, 40, 40));
  EXPECT_EQ(greyedOnto(RGB(0, 0, 255), RGB(90, 30, 0), indeterminate), RGB(60, 40, 40));
}

class ToolbarSkinTest : public testing::Test {
 protected:
  ToolbarRecord& recordOf(HWND toolbar) const {
    return *form.record().toolbars.at(props::recordIndex(toolbar, props::toolbarKeys));
  }
  // The centre of a button's lower half, where neither icon nor text would be.
  Rgb facePixel(HWND toolbar, int index) const {
    const RECT r = buttonRect(toolbar, index);
    return form.imagePixel(toolbar, (r.left + r.right) / 2, r.bottom - 8);
  }
  void repaint(HWND toolbar) const {
    InvalidateRect(toolbar, nullptr, TRUE);
    UpdateWindow(toolbar);
  }

  SkinnedForm form;
};

TEST_F(ToolbarSkinTest, EachFaceShowsOverTheBackgroundAndAHiddenButtonLeavesItBare) {
  const HWND toolbar = addToolbar(form);
  addButtons(toolbar, {{enabled}, {enabled | checked, BTNS_CHECK}, {enabled | pressed}, {enabled}});
  form.install();
  const Rgb ground = form.groundPixel(toolbar, 5, 5);
  EXPECT_TRUE(closeTo(facePixel(toolbar, 0), ground, 3)) << "no face";
  EXPECT_GT(redness(facePixel(toolbar, 1)), redness(ground) + 8) << "checked: the accent";
  EXPECT_GT(facePixel(toolbar, 2).g, ground.g + 8) << "pressed: light towards its bottom";
  SendMessageA(toolbar, TB_HIDEBUTTON, 103, TRUE);
  const RECT hiddenPlace = buttonRect(toolbar, 3);
  SendMessageA(toolbar, TB_SETHOTITEM, 3, 0);
  recordOf(toolbar).stale = true;
  repaint(toolbar);
  EXPECT_TRUE(closeTo(form.imagePixel(toolbar, hiddenPlace.left + 2, 20), ground, 3)) << "hidden";
}

TEST_F(ToolbarSkinTest, AHotButtonGlowsOnlyWhileTheToolbarNamesIt) {
  const HWND toolbar = addToolbar(form);
  addButtons(toolbar, {{enabled}, {enabled}});
  form.install();
  const Rgb ground = form.groundPixel(toolbar, 5, 5);
  SendMessageA(toolbar, TB_SETHOTITEM, 1, 0);
  recordOf(toolbar).stale = true;
  repaint(toolbar);
  EXPECT_GT(redness(facePixel(toolbar, 1)), redness(ground) + 5) << "hot";
  EXPECT_TRUE(closeTo(facePixel(toolbar, 0), ground, 3));
  SendMessageA(toolbar, TB_SETHOTITEM, static_cast<WPARAM>(-1), 0);
  recordOf(toolbar).stale = true;
  repaint(toolbar);
  EXPECT_TRUE(closeTo(facePixel(toolbar, 1), ground, 3)) << "no hot item";
}

TEST_F(ToolbarSkinTest, AStaleToolbarIsPaintedAfreshAndACleanOneCopiedBack) {
  const HWND toolbar = addToolbar(form);
  addButtons(toolbar, {{enabled}, {enabled | checked, BTNS_CHECK}});
  form.install();
  ASSERT_FALSE(recordOf(toolbar).stale);

  form.markImage(toolbar);
  const int paints = toolbarPaintCount();
  repaint(toolbar);
  EXPECT_EQ(toolbarPaintCount(), paints) << "clean: copied back";
  EXPECT_TRUE(form.stillMarked(toolbar, 2, 2));
  RECT update{};
  EXPECT_FALSE(GetUpdateRect(toolbar, &update, FALSE)) << "the paint validated the toolbar";

  SendMessageA(toolbar, WM_MOUSEMOVE, 0, pointParam(5, 5));
  EXPECT_TRUE(recordOf(toolbar).stale);
  repaint(toolbar);
  EXPECT_EQ(toolbarPaintCount(), paints + 1) << "stale: painted afresh";
  EXPECT_FALSE(form.stillMarked(toolbar, 2, 2));
  EXPECT_FALSE(recordOf(toolbar).stale);
}

TEST_F(ToolbarSkinTest, EraseReachesTheToolbarOnlyWithoutTranslucentControlsAndPaintOnlyWithoutSkins) {
  const HWND toolbar = addToolbar(form);
  addButtons(toolbar, {{enabled}});
  MessageRecorder recorder;
  recorder.recordBeneath(toolbar);
  recorder.only({WM_ERASEBKGND, WM_PAINT});
  form.install(false);
  const HDC dc = GetDC(toolbar);
  recorder.clear();
  SendMessageA(toolbar, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  EXPECT_SEQUENCE(recorder, {{WM_ERASEBKGND, beneath}});

  setSkinSwitches(1, 100);
  recordOf(toolbar).stale = false;
  form.record().active = true;
  EXPECT_EQ(SendMessageA(toolbar, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0), 1);
  EXPECT_SEQUENCE(recorder, {});
  EXPECT_TRUE(recordOf(toolbar).stale) << "an active window's toolbar goes stale at its erase";
  ReleaseDC(toolbar, dc);

  theme().skinControls = false;
  InvalidateRect(toolbar, nullptr, FALSE);
  UpdateWindow(toolbar);
  EXPECT_SEQUENCE(recorder, {{WM_PAINT, beneath}});
}

TEST_F(ToolbarSkinTest, TheEraseRuleFollowsTheWindowsMovingSizingAndActiveFlags) {
  const HWND toolbar = addToolbar(form);
  addButtons(toolbar, {{enabled}});
  form.install(true);
  const struct {
    bool moving, sizing, active, stale;
  } cases[] = {
      {true, true, false, true}, {true, false, true, false}, {false, false, true, true}, {false, true, false, false}};
  const HDC dc = GetDC(toolbar);
  for (const auto& c : cases) {
    recordOf(toolbar).stale = false;
    form.record().moving = c.moving;
    form.record().sizing = c.sizing;
    form.record().active = c.active;
    SendMessageA(toolbar, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    EXPECT_EQ(recordOf(toolbar).stale, c.stale) << c.moving << c.sizing << c.active;
  }
  form.record().moving = form.record().sizing = false;
  ReleaseDC(toolbar, dc);
}

TEST_F(ToolbarSkinTest, TenThousandHoverCyclesLeaveTheObjectCountersFlat) {
  const HWND toolbar = addToolbar(form);
  addButtons(toolbar, {{enabled}, {enabled | checked, BTNS_CHECK}, {enabled, BTNS_SEP}, {enabled, BTNS_DROPDOWN}});
  form.install();
  const auto cycle = [&](int i) {
    const RECT r = buttonRect(toolbar, i % 4);
    SendMessageA(toolbar, WM_MOUSEMOVE, 0, pointParam((r.left + r.right) / 2, (r.top + r.bottom) / 2));
    UpdateWindow(toolbar);
    SendMessageA(toolbar, WM_MOUSELEAVE, 0, 0);
    UpdateWindow(toolbar);
  };
  cycle(0);
  const int gdiObjects = draw::liveGdiObjectCount();
  const int drawingObjects = draw::liveDrawingObjectCount();
  for (int i = 0; i < 10000; ++i) cycle(i);
  EXPECT_EQ(draw::liveGdiObjectCount(), gdiObjects);
  EXPECT_EQ(draw::liveDrawingObjectCount(), drawingObjects);
  EXPECT_FALSE(recordOf(toolbar).tracking);
}

}  // namespace
}  // namespace skin::test
