#include "skin/controls/check_radio_skin.h"

#include <gtest/gtest.h>

#include <vector>

#include "draw/gdi_handles.h"

#include "skin/controls/button_skin.h"
#include "skin/controls/control_installs.h"
#include "skin/core/control_properties.h"
#include "skinned_form.h"

namespace skin::test {
namespace {

constexpr int buttonWidth = 100;
constexpr int buttonHeight = 20;
// The indicator's top: c = y + (h - 12) / 2.
constexpr int indicatorTop = (buttonHeight - 12) / 2;
// Sample points in the button's own coordinates: the middle of the indicator, a stroke
// of the check mark, the dot's ring, the halo just left of the box, and the plain ground
// right of the caption.
constexpr POINT indicatorCentre{8, indicatorTop + 6};
constexpr POINT checkMarkStroke{7, indicatorTop + 8};
constexpr POINT dotRing{6, indicatorTop + 6};
constexpr POINT haloLeftOfBox{1, indicatorTop + 6};
constexpr POINT rightOfCaption{buttonWidth - 6, buttonHeight / 2};
constexpr Rgb silverPixel{0xC0, 0xC0, 0xC0};

class CheckRadioSkinTest : public testing::Test {
 protected:
  HWND addButton(int x, int y, DWORD type, const char* caption = "", DWORD extra = 0) {
    return form.add("BUTTON", x, y, buttonWidth, buttonHeight, type | WS_TABSTOP | extra, 0, caption);
  }
  Rgb at(HWND button, POINT p) const { return form.imagePixel(button, p.x, p.y); }
  Rgb onScreen(HWND button, POINT p) const { return rgbOf(testing_support::rgbOnScreen(button, p.x, p.y)); }
  const ButtonRecord* recordOf(HWND button) const { return form.record().buttons.at(props::recordIndex(button)); }
  // A left click as the platform sees it: the press, then the release inside the button.
  static void click(HWND button) {
    SendMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageA(button, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  }
  // Whether the screen shows the control as the skin last painted it into windowImage.
  testing::AssertionResult screenShowsImage(HWND button) const {
    const HDC dc = GetDC(button);
    for (int y = 0; y < buttonHeight; ++y)
      for (int x = 0; x < buttonWidth; ++x) {
        const Rgb screen = rgbOf(testing_support::rgbAt(dc, x, y));
        const Rgb image = form.imagePixel(button, x, y);
        if (!closeTo(screen, image, 2)) {
          ReleaseDC(button, dc);
          return testing::AssertionFailure() << "at " << x << ", " << y << ": " << closeTo(screen, image, 2).message();
        }
      }
    ReleaseDC(button, dc);
    return testing::AssertionSuccess();
  }
  // The first column from `from` on where the caption's black ink shows.
  int firstInkColumn(HWND button, int from) const {
    for (int x = from; x < buttonWidth; ++x)
      for (int y = 0; y < buttonHeight; ++y) {
        const Rgb c = form.imagePixel(button, x, y);
        if (c.r < 50 && c.g < 50 && c.b < 50) return x;
      }
    return -1;
  }

  SkinnedForm form;
};

TEST_F(CheckRadioSkinTest, TakesCheckBoxesAndAutomaticRadioButtonsOnly) {
  // Every button type with and without the owner-draw bits: which install takes it, as which kind.
  constexpr int none = -1;
  const int expectedKind[] = {
      pushButtonKind, pushButtonKind, checkBoxKind,    checkBoxKind, none, none, none, none,
      pushButtonKind, radioButtonKind, checkBoxKind,   none,
  };
  struct Case {
    DWORD style;
    int kind;
  };
  std::vector<Case> cases;
  for (DWORD type = 0; type <= 0xB; ++type) {
    cases.push_back({type, expectedKind[type]});
    cases.push_back({type | BS_OWNERDRAW, none});
  }
  std::vector<HWND> buttons;
  std::vector<WNDPROC> platformProcs;
  for (size_t i = 0; i < cases.size(); ++i) {
    buttons.push_back(form.add("BUTTON", 4 + static_cast<int>(i % 4) * 88, 4 + static_cast<int>(i / 4) * 40, 84, 30,
                               cases[i].style));
    platformProcs.push_back(reinterpret_cast<WNDPROC>(GetWindowLongPtrA(buttons.back(), GWLP_WNDPROC)));
  }
  form.install();
  for (size_t i = 0; i < cases.size(); ++i) {
    SCOPED_TRACE(testing::Message() << "style 0x" << std::hex << cases[i].style);
    const HWND button = buttons[i];
    const auto proc = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(button, GWLP_WNDPROC));
    if (cases[i].kind == none) {
      EXPECT_EQ(props::recordIndex(button), 0);
      EXPECT_EQ(proc, platformProcs[i]);
      continue;
    }
    const ButtonRecord* record = recordOf(button);
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->window, button);
    EXPECT_EQ(record->buttonKind, cases[i].kind);
    EXPECT_EQ(proc, buttonSkinProc);
    EXPECT_EQ(props::previousProcedure(button), platformProcs[i]);
    if (cases[i].kind != pushButtonKind) {  // check boxes and radio buttons keep their style
      EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(button, GWL_STYLE) & 0xF), cases[i].style);
    }
  }
}

TEST_F(CheckRadioSkinTest, InstallingTwiceRegistersAndSubclassesEachOnce) {
  const HWND box = addButton(20, 20, BS_AUTOCHECKBOX);
  const HWND radio = addButton(20, 50, BS_AUTORADIOBUTTON);
  form.install();
  const int records = form.record().buttons.size();

  skinCheckAndRadioButtons(form.index(), form.window());

  EXPECT_EQ(form.record().buttons.size(), records);
  for (const HWND button : {box, radio}) {
    EXPECT_EQ(form.record().buttons.find(button), props::recordIndex(button));
    EXPECT_NE(props::previousProcedure(button), buttonSkinProc);
  }
}

TEST_F(CheckRadioSkinTest, CheckBoxShowsItsMarkAfterEveryWayOfChecking) {
  const struct {
    const char* name;
    void (*check)(HWND);
  } ways[] = {
      {"BM_SETCHECK", [](HWND b) { SendMessageA(b, BM_SETCHECK, BST_CHECKED, 0); }},
      {"space key",
       [](HWND b) {
         SendMessageA(b, WM_KEYDOWN, VK_SPACE, 0);
         SendMessageA(b, WM_KEYUP, VK_SPACE, 0);
       }},
      {"left click", click},
  };
  std::vector<HWND> boxes;
  for (size_t i = 0; i < std::size(ways); ++i) boxes.push_back(addButton(20, 20 + 30 * static_cast<int>(i), BS_AUTOCHECKBOX));
  form.install();
  for (size_t i = 0; i < std::size(ways); ++i) {
    SCOPED_TRACE(ways[i].name);
    const Rgb before = at(boxes[i], checkMarkStroke);
    ways[i].check(boxes[i]);
    ASSERT_EQ(SendMessageA(boxes[i], BM_GETCHECK, 0, 0), BST_CHECKED);
    // The mark is the accent over the white box, painted at once.
    const Rgb after = at(boxes[i], checkMarkStroke);
    EXPECT_LT(redness(before), 10);
    EXPECT_GT(redness(after), 100) << after.r << ", " << after.g << ", " << after.b;
  }
}

TEST_F(CheckRadioSkinTest, ClickingARadioButtonMovesTheDot) {
  const HWND first = addButton(20, 20, BS_AUTORADIOBUTTON, "", WS_GROUP);
  const HWND second = addButton(20, 50, BS_AUTORADIOBUTTON);
  form.install();
  SendMessageA(second, BM_SETCHECK, BST_CHECKED, 0);
  const Rgb dotOfSecond = at(second, dotRing);
  const Rgb emptyFirst = at(first, dotRing);
  EXPECT_GT(redness(dotOfSecond), redness(emptyFirst) + 60);

  click(first);

  EXPECT_EQ(SendMessageA(first, BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(SendMessageA(second, BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_TRUE(closeTo(at(first, dotRing), dotOfSecond, 8));
  EXPECT_TRUE(closeTo(at(second, dotRing), emptyFirst, 8));
  // What the screen shows too, not only the window's picture.
  EXPECT_TRUE(closeTo(onScreen(first, dotRing), dotOfSecond, 8));
  EXPECT_TRUE(closeTo(onScreen(second, dotRing), emptyFirst, 8));
}

TEST_F(CheckRadioSkinTest, HoverRingsTheIndicatorWithTheAccentAndLeavingRemovesIt) {
  const HWND box = addButton(20, 20, BS_AUTOCHECKBOX);
  const HWND radio = addButton(20, 50, BS_AUTORADIOBUTTON);
  form.install();
  for (const HWND button : {box, radio}) {
    SCOPED_TRACE(button == box ? "check box" : "radio button");
    const Rgb normalRing = at(button, haloLeftOfBox);
    const Rgb normalInside = at(button, indicatorCentre);

    SendMessageA(button, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    const Rgb hotRing = at(button, haloLeftOfBox);
    const Rgb hotInside = at(button, indicatorCentre);
    EXPECT_GT(redness(hotRing), redness(normalRing) + 20) << hotRing.r << ", " << hotRing.g << ", " << hotRing.b;
    // The halo's opaque accent centre lies under the indicator and is clipped out there.
    EXPECT_GT(hotInside.g, 120) << hotInside.r << ", " << hotInside.g << ", " << hotInside.b;

    SendMessageA(button, WM_MOUSELEAVE, 0, 0);
    EXPECT_TRUE(closeTo(at(button, haloLeftOfBox), normalRing, 2));
    EXPECT_TRUE(closeTo(at(button, indicatorCentre), normalInside, 2));
  }
}

TEST_F(CheckRadioSkinTest, DisabledShowsASilverBlockWithTheCaptionFromItsLeftEdge) {
  const HWND enabled = addButton(20, 20, BS_AUTOCHECKBOX, "MMMM");
  const HWND disabled = addButton(20, 50, BS_AUTOCHECKBOX, "MMMM");
  form.install();
  SendMessageA(disabled, BM_SETCHECK, BST_CHECKED, 0);
  EnableWindow(disabled, FALSE);
  form.settle();

  EXPECT_TRUE(closeTo(at(disabled, rightOfCaption), silverPixel, 2));
  EXPECT_TRUE(closeTo(at(disabled, {1, buttonHeight / 2}), silverPixel, 2));
  EXPECT_TRUE(closeTo(onScreen(disabled, rightOfCaption), silverPixel, 2));
  EXPECT_LT(redness(at(disabled, checkMarkStroke)), 10) << "no indicator, no mark";
  // The caption box moves from x + 15 to x + 2.
  const int enabledInk = firstInkColumn(enabled, 15);
  const int disabledInk = firstInkColumn(disabled, 0);
  ASSERT_GT(enabledInk, 0);
  EXPECT_EQ(enabledInk - disabledInk, 13);
}

TEST_F(CheckRadioSkinTest, PlatformPaintsAreCoveredAtOnce) {
  // The platform draws focus, text, enabled and pushed state straight onto the screen;
  // the skin's picture must be what stays there.
  const HWND box = addButton(20, 20, BS_AUTOCHECKBOX, "Caption");
  const HWND radio = addButton(20, 50, BS_AUTORADIOBUTTON, "Caption");
  const HWND elsewhere = addButton(20, 80, BS_AUTOCHECKBOX, "Elsewhere");
  form.install();
  for (const HWND button : {box, radio}) {
    SCOPED_TRACE(button == box ? "check box" : "radio button");
    SetFocus(button);
    EXPECT_TRUE(screenShowsImage(button)) << "focus";
    SendMessageA(button, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("Changed"));
    EXPECT_TRUE(screenShowsImage(button)) << "text";
    SendMessageA(button, BM_SETSTATE, TRUE, 0);
    EXPECT_TRUE(screenShowsImage(button)) << "pushed";
    SendMessageA(button, BM_SETSTATE, FALSE, 0);
    SetFocus(elsewhere);
    EXPECT_TRUE(screenShowsImage(button)) << "focus lost";
    EnableWindow(button, FALSE);
    EXPECT_TRUE(screenShowsImage(button)) << "disabled";
  }
}

TEST_F(CheckRadioSkinTest, AThousandHoversLeakNothing) {
  const HWND box = addButton(20, 20, BS_AUTOCHECKBOX, "记住");
  const HWND radio = addButton(20, 50, BS_AUTORADIOBUTTON, "短链");
  form.install();
  SendMessageA(box, BM_SETCHECK, BST_CHECKED, 0);
  SendMessageA(radio, BM_SETCHECK, BST_CHECKED, 0);
  form.settle();
  const int gdiObjects = draw::liveGdiObjectCount();
  const int drawingObjects = draw::liveDrawingObjectCount();
  for (int i = 0; i < 1000; ++i) {
    const HWND button = i % 2 ? radio : box;
    SendMessageA(button, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    SendMessageA(button, WM_MOUSELEAVE, 0, 0);
  }
  form.settle();
  EXPECT_EQ(draw::liveGdiObjectCount(), gdiObjects);
  EXPECT_EQ(draw::liveDrawingObjectCount(), drawingObjects);
}

}  // namespace
}  // namespace skin::test
