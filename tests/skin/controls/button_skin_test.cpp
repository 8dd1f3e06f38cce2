#include "skin/controls/button_skin.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "draw/drawing.h"
#include "draw/gdi_handles.h"
#include "skin/controls/control_installs.h"
#include "skin/core/control_properties.h"
#include "skinned_form.h"
#include "support/message_sequence.h"

namespace skin::test {
namespace {

using namespace testing_support;

constexpr int buttonWidth = 100;
constexpr int buttonHeight = 30;
// Sample points in the button: the lower body (below the gloss), just inside the top
// edge (where the focus glow lies), the upper inset and a corner outside the body.
constexpr POINT lowerBody{buttonWidth / 2, 20};
constexpr POINT insideTopEdge{buttonWidth / 2, 1};
constexpr POINT upperInset{buttonWidth / 2, 5};
constexpr POINT corner{0, 0};
constexpr Rgb silverPixel{0xC0, 0xC0, 0xC0};

LPARAM pointParam(int x, int y) { return MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y)); }

class ButtonSkinTest : public testing::Test {
 protected:
  HWND addButton(int x, int y, DWORD type = BS_PUSHBUTTON, const char* caption = "") {
    return form.add("BUTTON", x, y, buttonWidth, buttonHeight, type | WS_TABSTOP, 0, caption);
  }
  Rgb at(HWND button, POINT p) const { return form.imagePixel(button, p.x, p.y); }
  const ButtonRecord* recordOf(HWND button) const { return form.record().buttons.at(props::recordIndex(button)); }
  void hover(HWND button) { SendMessageA(button, WM_MOUSEMOVE, 0, pointParam(10, 10)); }
  void leave(HWND button) { SendMessageA(button, WM_MOUSELEAVE, 0, 0); }

  SkinnedForm form;
};

TEST_F(ButtonSkinTest, TakesPushDefaultAndUserButtonsOnly) {
  const struct {
    const char* name;
    DWORD style;
    bool taken;
  } cases[] = {
      {"push button", BS_PUSHBUTTON, true},
      {"default push button", BS_DEFPUSHBUTTON, true},
      {"user button", BS_USERBUTTON, true},
      {"push button with alignment bits", BS_PUSHBUTTON | BS_CENTER | BS_VCENTER, true},
      {"check box", BS_CHECKBOX, false},
      {"automatic check box", BS_AUTOCHECKBOX, false},
      {"radio button", BS_RADIOBUTTON, false},
      {"three-state box", BS_3STATE, false},
      {"automatic three-state box", BS_AUTO3STATE, false},
      {"group box", BS_GROUPBOX, false},
      {"automatic radio button", BS_AUTORADIOBUTTON, false},
      {"owner-drawn button", BS_OWNERDRAW, false},
  };
  std::vector<HWND> buttons;
  std::vector<WNDPROC> platformProcs;
  for (size_t i = 0; i < std::size(cases); ++i) {
    buttons.push_back(form.add("BUTTON", 10 + static_cast<int>(i % 3) * 110, 30 + static_cast<int>(i / 3) * 40, 100,
                               30, cases[i].style));
    platformProcs.push_back(reinterpret_cast<WNDPROC>(GetWindowLongPtrA(buttons.back(), GWLP_WNDPROC)));
  }
  form.install();
  for (size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(cases[i].name);
    const HWND button = buttons[i];
    const LONG style = GetWindowLongA(button, GWL_STYLE);
    const auto proc = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(button, GWLP_WNDPROC));
    if (cases[i].taken) {
      const ButtonRecord* record = recordOf(button);
      ASSERT_NE(record, nullptr);
      EXPECT_EQ(record->window, button);
      EXPECT_EQ(record->buttonKind, pushButtonKind);
      EXPECT_EQ(props::windowIndex(button), form.index());
      EXPECT_EQ(style & 0xF, BS_OWNERDRAW);
      EXPECT_EQ(proc, buttonSkinProc);
      EXPECT_EQ(props::previousProcedure(button), platformProcs[i]);
    } else {
      // Not made a push button; check boxes and radio buttons have their own install.
      const ButtonRecord* record = recordOf(button);
      if (record) EXPECT_NE(record->buttonKind, pushButtonKind);
      else EXPECT_EQ(proc, platformProcs[i]);
      EXPECT_EQ(static_cast<DWORD>(style & 0xF), cases[i].style & 0xF);
    }
  }
}

TEST_F(ButtonSkinTest, InstallingTwiceChangesNothing) {
  const HWND first = addButton(20, 40);
  const HWND second = addButton(140, 40, BS_DEFPUSHBUTTON);
  form.install();
  const int records = form.record().buttons.size();
  const WNDPROC platformProc = props::previousProcedure(first);

  skinPushButtons(form.index(), form.window());

  EXPECT_EQ(form.record().buttons.size(), records);
  for (const HWND button : {first, second}) {
    EXPECT_EQ(GetWindowLongA(button, GWL_STYLE) & 0xF, BS_OWNERDRAW);
    EXPECT_EQ(form.record().buttons.find(button), props::recordIndex(button));
  }
  // Sub-classed once: the procedure it forwards to is still the platform's.
  EXPECT_EQ(props::previousProcedure(first), platformProc);
  EXPECT_NE(props::previousProcedure(first), buttonSkinProc);
}

TEST_F(ButtonSkinTest, DefaultAndPlainPushButtonsLookAlike) {
  const HWND plain = addButton(20, 40, BS_PUSHBUTTON, "OK");
  const HWND preferred = addButton(140, 40, BS_DEFPUSHBUTTON, "OK");
  form.install();
  for (int y = 0; y < buttonHeight; y += 3)
    for (int x = 0; x < buttonWidth; x += 3)
      ASSERT_TRUE(closeTo(form.imagePixel(preferred, x, y), form.imagePixel(plain, x, y), 0)) << x << ", " << y;
}

TEST_F(ButtonSkinTest, StatesShowAsBodyGlowInsetAndSilver) {
  const HWND normal = addButton(20, 40);
  const HWND focused = addButton(140, 40);
  const HWND pressed = addButton(20, 90);
  const HWND disabled = addButton(140, 90);
  const HWND hot = addButton(20, 140);
  form.install();
  SetFocus(focused);
  SendMessageA(pressed, BM_SETSTATE, TRUE, 0);
  EnableWindow(disabled, FALSE);
  hover(hot);
  form.settle();

  const Rgb ground = form.groundPixel(normal, lowerBody.x, lowerBody.y);
  const Rgb body = at(normal, lowerBody);
  // A translucent white body: lighter than the ground, still grey.
  EXPECT_GT(body.g, ground.g + 20);
  EXPECT_LT(body.g, 230);
  EXPECT_LE(std::abs(redness(body)), 4);
  EXPECT_TRUE(closeTo(at(normal, corner), form.groundPixel(normal, 0, 0), 2)) << "rounded corner";

  // Hot: the whole body tinted with the accent.
  EXPECT_GT(redness(at(hot, lowerBody)), 20);

  // Focused: a glow of its own fixed colour (cyan-like) just inside the edge, the body
  // itself as normal.
  const Rgb glow = at(focused, insideTopEdge);
  const Rgb unglowed = at(normal, insideTopEdge);
  EXPECT_GT(glow.g - glow.r, unglowed.g - unglowed.r + 20);
  EXPECT_TRUE(closeTo(at(focused, lowerBody), body, 3));

  // Pressed: an accent inset that fades to white towards the bottom.
  EXPECT_GT(redness(at(pressed, upperInset)), 15);
  EXPECT_GT(redness(at(pressed, upperInset)), redness(at(pressed, POINT{buttonWidth / 2, buttonHeight - 4})));

  // Disabled: an opaque silver block with square corners.
  EXPECT_TRUE(closeTo(at(disabled, lowerBody), silverPixel, 2));
  EXPECT_TRUE(closeTo(at(disabled, corner), silverPixel, 2));
  EXPECT_TRUE(closeTo(at(disabled, POINT{buttonWidth - 1, buttonHeight - 1}), silverPixel, 2));
}

TEST_F(ButtonSkinTest, HoverPaintsHotOnceAndLeavingRestoresTheFocusGlow) {
  const HWND button = addButton(20, 40);
  const HWND other = addButton(140, 40);
  form.install();
  SetFocus(button);
  form.settle();
  const Rgb focusGlow = at(button, insideTopEdge);

  hover(button);
  const Rgb hot = at(button, lowerBody);
  EXPECT_GT(redness(hot), 20) << "hot over a focused button";

  form.markImage(button);
  hover(button);
  EXPECT_TRUE(form.stillMarked(button, lowerBody.x, lowerBody.y)) << "a move within the button repaints nothing";

  leave(button);
  EXPECT_LE(std::abs(redness(at(button, lowerBody))), 4);
  EXPECT_TRUE(closeTo(at(button, insideTopEdge), focusGlow, 3)) << "leaving paints the focus glow again";
  EXPECT_EQ(form.record().lastHotIndex, 0);

  // Onto another button: it turns hot even though no leave came between.
  hover(button);
  form.markImage(other);
  hover(other);
  EXPECT_FALSE(form.stillMarked(other, lowerBody.x, lowerBody.y));
  EXPECT_GT(redness(at(other, lowerBody)), 20);
}

TEST_F(ButtonSkinTest, PressedInsetStaysWhileDraggedOffUntilRelease) {
  const HWND button = addButton(20, 40);
  form.install();
  const Rgb unpressed = at(button, upperInset);

  SendMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, pointParam(10, 10));
  EXPECT_GT(redness(at(button, upperInset)), redness(unpressed) + 15);
  SendMessageA(button, WM_MOUSEMOVE, MK_LBUTTON, pointParam(-40, -40));
  leave(button);
  form.settle();
  EXPECT_TRUE(SendMessageA(button, BM_GETSTATE, 0, 0) & BST_PUSHED);
  EXPECT_GT(redness(at(button, upperInset)), redness(unpressed) + 15) << "dragged off, still pressed";

  SendMessageA(button, WM_LBUTTONUP, 0, pointParam(-40, -40));
  form.settle();
  EXPECT_FALSE(SendMessageA(button, BM_GETSTATE, 0, 0) & BST_PUSHED);
  EXPECT_LE(std::abs(redness(at(button, upperInset)) - redness(unpressed)), 4);

  // The release forgot the hot control: the next move paints hot again.
  form.markImage(button);
  hover(button);
  EXPECT_FALSE(form.stillMarked(button, lowerBody.x, lowerBody.y));
}

TEST_F(ButtonSkinTest, LosingTheCaptureEndsThePress) {
  const HWND button = addButton(20, 40);
  form.install();
  const Rgb unpressed = at(button, upperInset);
  SendMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, pointParam(10, 10));
  ASSERT_TRUE(SendMessageA(button, BM_GETSTATE, 0, 0) & BST_PUSHED);

  ReleaseCapture();
  form.settle();

  EXPECT_FALSE(recordOf(button)->pressed);
  EXPECT_FALSE(SendMessageA(button, BM_GETSTATE, 0, 0) & BST_PUSHED);
  EXPECT_LE(std::abs(redness(at(button, upperInset)) - redness(unpressed)), 4);
}

// Dark caption pixels in the middle of the button.
int inkIn(const SkinnedForm& form, HWND button) {
  int ink = 0;
  for (int y = 8; y < buttonHeight - 4; ++y)
    for (int x = 20; x < buttonWidth - 20; ++x)
      if (form.imagePixel(button, x, y).g < 90) ++ink;
  return ink;
}

TEST_F(ButtonSkinTest, CaptionIsCentredAndFollowsSetText) {
  const HWND button = addButton(20, 40);
  form.install();
  EXPECT_EQ(inkIn(form, button), 0);

  SetWindowTextA(button, "确定 WWW");
  form.settle();
  InvalidateRect(button, nullptr, TRUE);
  form.settle();

  EXPECT_EQ(recordOf(button)->caption, "确定 WWW");
  EXPECT_GT(inkIn(form, button), 30);
  for (int y = 2; y < buttonHeight - 2; ++y) {
    EXPECT_GT(form.imagePixel(button, 3, y).g, 90) << "nothing at the left edge, row " << y;
    EXPECT_GT(form.imagePixel(button, buttonWidth - 4, y).g, 90) << "nothing at the right edge, row " << y;
  }
}

// A look once painted is not kept past a change of what it is drawn from.
TEST_F(ButtonSkinTest, RepaintsFollowTheAccentAndTheTextColour) {
  const HWND button = addButton(20, 40, BS_PUSHBUTTON, "WWW");
  form.install();
  hover(button);
  ASSERT_GT(redness(at(button, lowerBody)), 20);
  leave(button);

  theme().themeColour = 0xFF0000;  // blue
  hover(button);
  const Rgb blueHot = at(button, lowerBody);
  EXPECT_GT(blueHot.b - blueHot.g, 20) << "the new accent";
  EXPECT_LE(std::abs(redness(blueHot)), 4);
  leave(button);

  const auto redInk = [&] {
    int red = 0;
    for (int y = 8; y < buttonHeight - 4; ++y)
      for (int x = 20; x < buttonWidth - 20; ++x) red += redness(at(button, POINT{x, y})) > 100;
    return red;
  };
  EXPECT_EQ(redInk(), 0) << "black caption";
  props::setTextColour(button, 0x0000FF);
  InvalidateRect(button, nullptr, TRUE);
  form.settle();
  EXPECT_GT(redInk(), 10) << "red caption";
}

TEST_F(ButtonSkinTest, OwnerDrawOnlyPaintsSkinnedPushButtons) {
  const HWND skinned = addButton(20, 40);
  const HWND foreign = addButton(140, 40, BS_OWNERDRAW);  // the application's own owner-drawn button
  form.install();
  form.markImage(skinned);
  form.markImage(foreign);
  const auto drawItem = [&](HWND button) {
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_BUTTON;
    item.hwndItem = button;
    item.hDC = GetDC(button);
    GetClientRect(button, &item.rcItem);
    dispatchOwnerDraw(form.index(), item);
    ReleaseDC(button, item.hDC);
  };

  drawItem(foreign);
  EXPECT_TRUE(form.stillMarked(foreign, lowerBody.x, lowerBody.y));

  // A record of another kind (a check box's) is not painted as a push button.
  ButtonRecord* record = form.record().buttons.at(props::recordIndex(skinned));
  record->buttonKind = checkBoxKind;
  drawItem(skinned);
  EXPECT_TRUE(form.stillMarked(skinned, lowerBody.x, lowerBody.y));
  record->buttonKind = pushButtonKind;
  drawItem(skinned);
  EXPECT_FALSE(form.stillMarked(skinned, lowerBody.x, lowerBody.y));
}

TEST_F(ButtonSkinTest, HoveringAThousandTimesLeaksNothing) {
  const HWND first = addButton(20, 40, BS_PUSHBUTTON, "缩短");
  const HWND second = addButton(140, 40, BS_PUSHBUTTON, "复制");
  form.install();
  SetFocus(first);
  form.settle();
  const int gdiObjects = draw::liveGdiObjectCount();
  const int drawingObjects = draw::liveDrawingObjectCount();
  for (int i = 0; i < 1000; ++i) {
    const HWND button = i % 2 ? second : first;
    hover(button);
    leave(button);
  }
  form.settle();
  EXPECT_EQ(draw::liveGdiObjectCount(), gdiObjects);
  EXPECT_EQ(draw::liveDrawingObjectCount(), drawingObjects);
}

// A click as the platform runs it for an owner-drawn button: the press and the release
// each repaint through the parent, and the release notifies it.
TEST_F(ButtonSkinTest, PressAndReleaseDrawThroughTheParentAndNotifyItOnce) {
  const HWND button = addButton(20, 40);
  MessageRecorder recorder({button, form.window()});
  recorder.recordBeneath(button);
  form.install();
  const HWND parent = form.window();
  const WPARAM clicked = MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED);
  recorder.only({WM_LBUTTONDOWN, WM_LBUTTONUP, BM_SETSTATE, WM_DRAWITEM, WM_COMMAND});
  recorder.clear();

  SendMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, pointParam(10, 10));
  EXPECT_SEQUENCE(recorder, {{WM_LBUTTONDOWN, sent, 0, 0, button},
                             {WM_LBUTTONDOWN, beneath | sent, 0, 0, button},
                             {WM_DRAWITEM, sent | optional, 0, 0, parent},  // the focus it takes
                             {BM_SETSTATE, sent | withWParam, TRUE, 0, button},
                             {BM_SETSTATE, beneath | sent | withWParam, TRUE, 0, button},
                             {WM_DRAWITEM, sent, 0, 0, parent}});
  EXPECT_TRUE(recordOf(button)->pressed);

  SendMessageA(button, WM_LBUTTONUP, 0, pointParam(10, 10));
  EXPECT_SEQUENCE(recorder, {{WM_LBUTTONUP, sent, 0, 0, button},
                             {WM_LBUTTONUP, beneath | sent, 0, 0, button},
                             {BM_SETSTATE, sent | withWParam, FALSE, 0, button},
                             {BM_SETSTATE, beneath | sent | withWParam, FALSE, 0, button},
                             {WM_DRAWITEM, sent, 0, 0, parent},
                             {WM_COMMAND, sent | withWParam | withLParam, clicked, reinterpret_cast<LPARAM>(button),
                              parent}});
  EXPECT_FALSE(recordOf(button)->pressed);
}

// The platform would answer the second press of a double click with a notification of
// its own (an owner-drawn button sends BN_DOUBLECLICKED); the skinned button keeps it.
TEST_F(ButtonSkinTest, ADoubleClickNotifiesOneClickOnly) {
  const HWND button = addButton(20, 40);
  MessageRecorder recorder({form.window()});
  recorder.recordBeneath(button);
  form.install();
  recorder.only({WM_LBUTTONDBLCLK, WM_COMMAND});
  recorder.clear();

  SendMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, pointParam(10, 10));
  SendMessageA(button, WM_LBUTTONUP, 0, pointParam(10, 10));
  SendMessageA(button, WM_LBUTTONDBLCLK, MK_LBUTTON, pointParam(10, 10));
  SendMessageA(button, WM_LBUTTONUP, 0, pointParam(10, 10));

  EXPECT_SEQUENCE(recorder, {{WM_COMMAND, sent | withWParam, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED)}});
  EXPECT_FALSE(SendMessageA(button, BM_GETSTATE, 0, 0) & BST_PUSHED);
}

// While the mouse holds the button down, a request to lift it (the platform's own, when
// the mouse leaves the button) is kept from the platform, so the pressed look stays.
TEST_F(ButtonSkinTest, StateMessagesReachThePlatformUnlessTheButtonIsHeld) {
  const HWND button = addButton(20, 40);
  MessageRecorder recorder({form.window()});
  recorder.recordBeneath(button);
  form.install();
  const HWND parent = form.window();
  recorder.only({BM_SETSTATE, BM_SETCHECK, WM_DRAWITEM});
  recorder.clear();

  SendMessageA(button, BM_SETSTATE, TRUE, 0);
  SendMessageA(button, BM_SETSTATE, FALSE, 0);
  SendMessageA(button, BM_SETCHECK, BST_CHECKED, 0);
  EXPECT_SEQUENCE(recorder, {{BM_SETSTATE, beneath | sent | withWParam, TRUE},
                             {WM_DRAWITEM, sent, 0, 0, parent},
                             {BM_SETSTATE, beneath | sent | withWParam, FALSE},
                             {WM_DRAWITEM, sent, 0, 0, parent},
                             {BM_SETCHECK, beneath | sent | withWParam, BST_CHECKED}});

  SendMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, pointParam(10, 10));
  recorder.clear();
  SendMessageA(button, BM_SETSTATE, FALSE, 0);
  EXPECT_SEQUENCE(recorder, {});
  EXPECT_TRUE(SendMessageA(button, BM_GETSTATE, 0, 0) & BST_PUSHED);
  SendMessageA(button, WM_LBUTTONUP, 0, pointParam(10, 10));
  EXPECT_FALSE(SendMessageA(button, BM_GETSTATE, 0, 0) & BST_PUSHED);
}

}  // namespace
}  // namespace skin::test
