#include "skin/controls/combo_skin.h"

#include <gtest/gtest.h>

#include <vector>

#include "draw/gdi_handles.h"
#include "skin/controls/control_installs.h"
#include "skin/controls/edit_skin.h"
#include "skin/core/control_properties.h"
#include "skin/core/control_geometry.h"
#include "skinned_form.h"
#include "support/message_sequence.h"

namespace skin::test {
namespace {

using testing_support::beneath;
using testing_support::MessageRecorder;
using testing_support::sent;

constexpr int comboWidth = 140;
constexpr Rgb opaqueWhite{255, 255, 255};

COMBOBOXINFO infoOf(HWND combo) {
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  SendMessageA(combo, CB_GETCOMBOBOXINFO, 0, reinterpret_cast<LPARAM>(&info));
  return info;
}

class ComboSkinTest : public testing::Test {
 protected:
  HWND addCombo(int x, int y, DWORD type, int height = 120) {
    const HWND combo = form.add("ComboBox", x, y, comboWidth, height, type | WS_TABSTOP | WS_VSCROLL);
    for (const char* item : {"I", "WWWWWWWW", "Third"})
      SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    return combo;
  }
  Rgb at(HWND combo, int x, int y) const { return form.imagePixel(combo, x, y); }
  static SIZE sizeOf(HWND combo) { return windowSize(combo); }
  // The last column left of the drop button where the skin's black text shows; -1 when none.
  int lastInkColumn(HWND combo) const {
    const SIZE size = sizeOf(combo);
    const int buttonLeft = infoOf(combo).rcButton.left;
    int last = -1;
    for (int x = 1; x < buttonLeft; ++x)
      for (int y = 1; y < size.cy - 1; ++y) {
        const Rgb c = at(combo, x, y);
        if (c.r < 60 && c.g < 60 && c.b < 60) last = x;
      }
    return last;
  }
  // What the screen shows over a rectangle of the combo box's own coordinates.
  static std::vector<std::uint32_t> screenPixels(HWND combo, const RECT& area) {
    std::vector<std::uint32_t> pixels;
    const HDC dc = GetWindowDC(combo);
    for (int y = area.top; y < area.bottom; ++y)
      for (int x = area.left; x < area.right; ++x) pixels.push_back(testing_support::rgbAt(dc, x, y));
    ReleaseDC(combo, dc);
    return pixels;
  }
  static Rgb screenPixel(HWND combo, int x, int y) { return rgbOf(screenPixels(combo, {x, y, x + 1, y + 1})[0]); }

  SkinnedForm form;
};

TEST_F(ComboSkinTest, DropDownListShowsTheSelectedItemsText) {
  const HWND list = addCombo(20, 20, CBS_DROPDOWNLIST);
  SendMessageA(list, CB_SETCURSEL, 0, 0);
  form.install();
  const int narrow = lastInkColumn(list);

  SendMessageA(list, CB_SETCURSEL, 1, 0);
  form.settle();
  const int wide = lastInkColumn(list);

  ASSERT_GT(narrow, 0) << "the text of the first item";
  EXPECT_LT(narrow, 12);
  EXPECT_GT(wide, narrow + 40) << "the text of the second item";
}

TEST_F(ComboSkinTest, PlatformPaintsOfADropDownListAreCoveredAtOnce) {
  // The platform draws a drop-down list's text straight onto the screen when its
  // selection or focus changes; the skin's picture must be what stays there.
  const HWND list = addCombo(20, 20, CBS_DROPDOWNLIST);
  const HWND elsewhere = addCombo(20, 80, CBS_DROPDOWNLIST);
  form.install();
  const struct {
    const char* name;
    void (*change)(HWND list, HWND elsewhere);
  } changes[] = {
      {"CB_SETCURSEL", [](HWND l, HWND) { SendMessageA(l, CB_SETCURSEL, 1, 0); }},
      {"CB_SELECTSTRING", [](HWND l, HWND) { SendMessageA(l, CB_SELECTSTRING, -1, reinterpret_cast<LPARAM>("Th")); }},
      {"focus", [](HWND l, HWND) { SetFocus(l); }},
      {"focus lost", [](HWND, HWND e) { SetFocus(e); }},
      {"disabled", [](HWND l, HWND) { EnableWindow(l, FALSE); }},
  };
  for (const auto& change : changes) {
    SCOPED_TRACE(change.name);
    change.change(list, elsewhere);
    form.settle();
    const SIZE size = sizeOf(list);
    const std::vector<std::uint32_t> screen = screenPixels(list, {0, 0, size.cx, size.cy});
    for (int y = 0, i = 0; y < size.cy; ++y)
      for (int x = 0; x < size.cx; ++x, ++i) {
        const Rgb image = at(list, x, y);
        ASSERT_TRUE(closeTo(rgbOf(screen[i]), image, 2)) << x << ", " << y;
      }
  }
}

TEST_F(ComboSkinTest, DropDownComboBoxLeavesItsEditFieldAlone) {
  const HWND combo = addCombo(20, 20, CBS_DROPDOWN);
  form.install();
  const HWND field = FindWindowExA(combo, nullptr, "Edit", nullptr);
  ASSERT_NE(field, nullptr);
  SetWindowTextA(field, "WWWWWWWW");
  SetFocus(field);
  form.settle();
  const RECT fieldArea = childRectInParent(field, ParentOrigin::window);
  const std::vector<std::uint32_t> before = screenPixels(combo, fieldArea);

  paintComboBox(combo, true);

  EXPECT_EQ(screenPixels(combo, fieldArea), before);
  // Around the field: the skin's frame and the drop button.
  EXPECT_GT(redness(screenPixel(combo, 0, sizeOf(combo).cy / 2)), 60) << "hot frame";
  const RECT button = infoOf(combo).rcButton;
  EXPECT_FALSE(IsRectEmpty(&button));
}

TEST_F(ComboSkinTest, SimpleComboBoxHasNoButtonAndItsListKeepsItsAreaLessTheRing) {
  const HWND combo = addCombo(20, 20, CBS_SIMPLE, 120);
  form.install();
  const COMBOBOXINFO info = infoOf(combo);
  EXPECT_TRUE(IsRectEmpty(&info.rcButton));
  const RECT listArea = childRectInParent(info.hwndList, ParentOrigin::window);
  const int midY = (listArea.top + listArea.bottom) / 2;
  const RECT kept{listArea.left + 2, listArea.top + 2, listArea.right - 2, listArea.bottom - 2};
  const std::vector<std::uint32_t> before = screenPixels(combo, kept);

  paintComboBox(combo, false);

  EXPECT_EQ(screenPixels(combo, kept), before);
  // The body's opaque white covers the list's outer two pixels (where the frame does not).
  const int midX = (listArea.left + listArea.right) / 2;
  EXPECT_TRUE(closeTo(screenPixel(combo, midX, listArea.top), opaqueWhite, 1));
  EXPECT_TRUE(closeTo(screenPixel(combo, midX, listArea.top + 1), opaqueWhite, 1));
  EXPECT_TRUE(closeTo(screenPixel(combo, listArea.left + 1, midY), opaqueWhite, 1));
}

TEST_F(ComboSkinTest, HoverTintsFrameAndButtonAndFocusKeepsTheFrameTinted) {
  const HWND combo = addCombo(20, 20, CBS_DROPDOWNLIST);
  form.install();
  const RECT button = infoOf(combo).rcButton;
  const int frameX = 0;
  const int middle = sizeOf(combo).cy / 2;
  const auto frame = [&] { return redness(at(combo, frameX, middle)); };
  const auto buttonOutline = [&] { return redness(at(combo, button.left, (button.top + button.bottom) / 2)); };
  const auto buttonFill = [&] { return at(combo, (button.left + button.right) / 2, button.top + 3); };
  const int normalFrame = frame();
  const int normalOutline = buttonOutline();
  const Rgb normalFill = buttonFill();

  SendMessageA(combo, WM_MOUSEMOVE, 0, MAKELPARAM(10, 5));
  EXPECT_GT(frame(), normalFrame + 100);
  EXPECT_GT(buttonOutline(), normalOutline + 100);
  EXPECT_GT(buttonFill().g, normalFill.g + 10) << "a lighter fill";

  SendMessageA(combo, WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(frame(), normalFrame);
  EXPECT_EQ(buttonOutline(), normalOutline);

  SetFocus(combo);
  SendMessageA(combo, WM_MOUSEMOVE, 0, MAKELPARAM(10, 5));
  SendMessageA(combo, WM_MOUSELEAVE, 0, 0);
  EXPECT_GT(frame(), normalFrame + 100) << "the focus colour stays";
  EXPECT_EQ(buttonOutline(), normalOutline);
}

TEST_F(ComboSkinTest, TranslucentControlsDecideWhetherTheEditFieldIsSkinned) {
  for (const bool translucent : {false, true}) {
    SCOPED_TRACE(translucent ? "translucent" : "opaque");
    SkinnedForm local;
    const HWND combo = local.add("ComboBox", 20, 20, comboWidth, 120, CBS_DROPDOWN);
    const HWND field = FindWindowExA(combo, nullptr, "Edit", nullptr);
    const auto platformProc = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(field, GWLP_WNDPROC));
    local.install(translucent);

    const auto proc = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(field, GWLP_WNDPROC));
    const EditRecord* record = local.record().edits.at(props::recordIndex(field));
    if (translucent) {
      ASSERT_NE(record, nullptr);
      EXPECT_EQ(record->window, field);
      EXPECT_EQ(proc, editSkinProc);
      EXPECT_EQ(record->verticalOverlay, nullptr);
      EXPECT_EQ(record->horizontalOverlay, nullptr);
    } else {
      EXPECT_EQ(record, nullptr);
      EXPECT_EQ(proc, platformProc);
    }
    // The body beside the field: opaque white, or the ground under a white veil.
    const Rgb body = local.imagePixel(combo, 1, sizeOf(combo).cy / 2);
    if (translucent) {
      const Rgb ground = local.groundPixel(combo, 1, sizeOf(combo).cy / 2);
      EXPECT_GT(body.g, ground.g + 30);
      EXPECT_LT(body.g, 230);
    } else {
      EXPECT_TRUE(closeTo(body, opaqueWhite, 1));
    }
  }
}

TEST_F(ComboSkinTest, HiddenControlsLeaveTheWindowsPictureAlone) {
  // Changing a hidden control's state repaints nothing, least of all into windowImage.
  const HWND list = addCombo(20, 20, CBS_DROPDOWNLIST);
  const HWND box = form.add("BUTTON", 20, 80, 100, 20, BS_AUTOCHECKBOX);
  form.install();
  for (const HWND control : {list, box}) ShowWindow(control, SW_HIDE);
  form.markImage(list);
  form.markImage(box);

  SendMessageA(list, CB_SETCURSEL, 1, 0);
  SendMessageA(box, BM_SETCHECK, BST_CHECKED, 0);
  paintComboBox(list, true);

  EXPECT_TRUE(form.stillMarked(list, 5, 5));
  EXPECT_TRUE(form.stillMarked(box, 8, 10));
}

TEST_F(ComboSkinTest, InstallingTwiceLeavesOneRecordAndOneSubclassingEach) {
  const HWND dropDown = addCombo(20, 20, CBS_DROPDOWN);
  const HWND simple = addCombo(180, 20, CBS_SIMPLE);
  const HWND list = addCombo(20, 160, CBS_DROPDOWNLIST);
  form.install(true);
  const int combos = form.record().combos.size();
  const int edits = form.record().edits.size();

  skinEditAndComboBoxes(form.index(), form.window());

  EXPECT_EQ(form.record().combos.size(), combos);
  EXPECT_EQ(form.record().edits.size(), edits);
  for (const HWND combo : {dropDown, simple, list}) {
    EXPECT_EQ(form.record().combos.find(combo), props::recordIndex(combo));
    EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrA(combo, GWLP_WNDPROC)), comboSkinProc);
    EXPECT_NE(props::previousProcedure(combo), comboSkinProc);
  }
  for (const HWND combo : {dropDown, simple}) {
    const HWND field = FindWindowExA(combo, nullptr, "Edit", nullptr);
    EXPECT_EQ(form.record().edits.find(field), props::recordIndex(field));
    EXPECT_NE(props::previousProcedure(field), editSkinProc);
  }
}

TEST_F(ComboSkinTest, PaintingTakesNothingFromThePlatformButTheControlsState) {
  const HWND list = addCombo(20, 20, CBS_DROPDOWNLIST);
  SendMessageA(list, CB_SETCURSEL, 1, 0);
  MessageRecorder recorder;
  recorder.recordBeneath(list);
  form.install();

  // WM_PAINT: the painter asks for the drop button and the text; the platform never paints.
  recorder.clear();
  InvalidateRect(list, nullptr, TRUE);
  UpdateWindow(list);
  EXPECT_SEQUENCE(recorder, {{CB_GETCOMBOBOXINFO, beneath}, {WM_GETTEXTLENGTH, beneath}, {WM_GETTEXT, beneath}});

  // WM_NCPAINT: the same painter, and no frame of the platform's.
  SendMessageA(list, WM_NCPAINT, 1, 0);
  EXPECT_SEQUENCE(recorder, {{CB_GETCOMBOBOXINFO, beneath}, {WM_GETTEXTLENGTH, beneath}, {WM_GETTEXT, beneath}});
}

TEST_F(ComboSkinTest, TheEditFieldsColourIsAnsweredByTheComboBoxWithTranslucentControls) {
  for (const bool translucent : {false, true}) {
    SCOPED_TRACE(translucent ? "translucent" : "opaque");
    SkinnedForm local;
    const HWND combo = local.add("ComboBox", 20, 20, comboWidth, 120, CBS_DROPDOWN);
    const HWND field = FindWindowExA(combo, nullptr, "Edit", nullptr);
    MessageRecorder recorder;
    recorder.recordBeneath(combo);
    local.install(translucent);
    recorder.watch(local.window());
    recorder.only({WM_CTLCOLOREDIT});
    const HDC dc = GetDC(field);

    recorder.clear();
    const auto brush = reinterpret_cast<HBRUSH>(
        SendMessageA(combo, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(field)));

    if (translucent) {
      // The skin answers; neither the platform's procedure nor the window sees it.
      EXPECT_SEQUENCE(recorder, {});
      EXPECT_EQ(brush, props::colourBrush(field));
      EXPECT_NE(props::colourBitmap(field), nullptr);
      EXPECT_EQ(GetBkMode(dc), TRANSPARENT);
    } else {
      // The platform passes it on to the window, which leaves it to the platform too.
      EXPECT_SEQUENCE(recorder, {{WM_CTLCOLOREDIT, beneath, 0, 0, combo}, {WM_CTLCOLOREDIT, sent, 0, 0, local.window()}});
      EXPECT_EQ(props::colourBrush(field), nullptr);
    }
    ReleaseDC(field, dc);
  }
}

TEST_F(ComboSkinTest, AThousandHoversAndColourAnswersLeakNothing) {
  const HWND dropDown = addCombo(20, 20, CBS_DROPDOWN);
  const HWND list = addCombo(180, 20, CBS_DROPDOWNLIST);
  const HWND simple = addCombo(20, 120, CBS_SIMPLE);
  form.install(true);
  const HWND field = FindWindowExA(dropDown, nullptr, "Edit", nullptr);
  const HDC dc = GetDC(field);
  SendMessageA(dropDown, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(field));
  form.settle();
  const int gdiObjects = draw::liveGdiObjectCount();
  const int drawingObjects = draw::liveDrawingObjectCount();
  for (int i = 0; i < 1000; ++i) {
    const HWND combo = i % 3 == 0 ? dropDown : i % 3 == 1 ? list : simple;
    SendMessageA(combo, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    SendMessageA(combo, WM_MOUSELEAVE, 0, 0);
    SendMessageA(dropDown, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(field));
  }
  form.settle();
  EXPECT_EQ(draw::liveGdiObjectCount(), gdiObjects);
  EXPECT_EQ(draw::liveDrawingObjectCount(), drawingObjects);
  ReleaseDC(field, dc);
}

}  // namespace
}  // namespace skin::test
