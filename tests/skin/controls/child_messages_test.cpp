#include "skin/controls/child_messages.h"

#include <gtest/gtest.h>

#include <optional>

#include "skin/core/control_properties.h"
#include "skin/core/skin_theme.h"
#include "skin/core/skinned_window_fixture.h"

namespace skin {
namespace {

using test::SkinnedTestWindow;

enum class Answer { passedOn, patternBrush, hollowBrush };

class ChildMessagesTest : public testing::Test {
 protected:
  void SetUp() override { setSkinSwitches(1, 160); }
  void TearDown() override {
    for (HWND control : {edit, fieldInCombo, label, list, ownerDrawnList, button}) props::deleteColourObjects(control);
    resetTheme();
  }

  Answer answerTo(UINT message, HWND control) {
    const HDC dc = GetDC(control);
    const std::optional<LRESULT> answer =
        answerChildColour(message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control));
    ReleaseDC(control, dc);
    if (!answer) return Answer::passedOn;
    const auto brush = reinterpret_cast<HGDIOBJ>(*answer);
    EXPECT_EQ(brush, props::colourBrush(control)) << "the answer is kept on the control";
    if (brush == GetStockObject(NULL_BRUSH)) return Answer::hollowBrush;
    EXPECT_EQ(GetObjectType(brush), static_cast<DWORD>(OBJ_BRUSH));
    return Answer::patternBrush;
  }

  SkinnedTestWindow skinned;
  HWND edit = skinned.child("EDIT", 10, 10, 80, 22);
  HWND combo = skinned.child("COMBOBOX", 10, 40, 80, 120, WS_VISIBLE | CBS_DROPDOWN);
  HWND fieldInCombo = FindWindowExA(combo, nullptr, "Edit", nullptr);
  HWND label = skinned.child("STATIC", 100, 10, 60, 20);
  HWND list = skinned.child("LISTBOX", 100, 40, 60, 50);
  HWND ownerDrawnList = skinned.child("LISTBOX", 100, 95, 60, 40, WS_VISIBLE | LBS_OWNERDRAWFIXED);
  HWND button = skinned.child("BUTTON", 10, 100, 60, 22, WS_VISIBLE | BS_PUSHBUTTON);
};

TEST_F(ChildMessagesTest, EachColourMessageGetsItsBrushOrGoesOn) {
  ASSERT_NE(fieldInCombo, nullptr);
  struct Case {
    UINT message;
    HWND control;
    Answer answer;
  };
  const Case cases[] = {
      {WM_CTLCOLOREDIT, edit, Answer::patternBrush},
      {WM_CTLCOLOREDIT, fieldInCombo, Answer::passedOn},  // the combo skin answers it
      {WM_CTLCOLORSTATIC, label, Answer::patternBrush},
      {WM_CTLCOLORLISTBOX, list, Answer::hollowBrush},
      {WM_CTLCOLORLISTBOX, ownerDrawnList, Answer::passedOn},
      {WM_CTLCOLORLISTBOX, combo, Answer::passedOn},  // not a plain list box
      {WM_CTLCOLORBTN, button, Answer::hollowBrush},
      {WM_CTLCOLORDLG, label, Answer::passedOn},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "message 0x" << std::hex << c.message << " control " << c.control);
    EXPECT_EQ(answerTo(c.message, c.control), c.answer);
  }
}

TEST_F(ChildMessagesTest, WithoutTranslucentControlsEveryColourMessageGoesOn) {
  for (const int skinControls : {0, 1}) {
    resetTheme();
    setSkinSwitches(skinControls, skinControls ? std::nullopt : std::optional<int>(160));
    for (const UINT message : {WM_CTLCOLOREDIT, WM_CTLCOLORSTATIC, WM_CTLCOLORBTN})
      EXPECT_EQ(answerTo(message, message == WM_CTLCOLORBTN ? button : edit), Answer::passedOn) << skinControls;
  }
}

}  // namespace
}  // namespace skin
