#include "skin/controls/control_framework.h"
#include "skin/core/window_helpers.h"

#include <gtest/gtest.h>

#include <vector>

#include "skin/core/engine_state.h"
#include "draw/gdi_handles.h"
#include "skin/controls/button_skin.h"
#include "skin/controls/control_installs.h"
#include "skin/controls/edit_skin.h"
#include "skin/controls/static_skin.h"
#include "skin/core/skinned_window_fixture.h"

namespace skin {
namespace {

using test::SkinnedTestWindow;

// What the test kinds' procedures painted at once, in order.
struct Paint {
  HWND control;
  bool hot;
  bool focused;
  bool operator==(const Paint&) const = default;
};
std::vector<Paint> paints;

void paintNowLogged(HWND control, bool hot, bool focused) {
  paintNow(control, [&](HDC dc) {
    if (dc) paints.push_back({control, hot, focused});
  });
}

// Two kinds written the way every control skin uses the framework.
LRESULT CALLBACK buttonTestProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
  const SkinnedControl<ButtonRecord> control = lookUpControl(handle, &SkinnedWindowRecord::buttons);
  if (!control) return forwardMessage(handle, message, wParam, lParam);
  ButtonRecord& record = *control.record;
  switch (message) {
    case WM_MOUSEMOVE:
      hoverStart(handle, buttonHotKind, [&] { paintNowLogged(handle, true, false); });
      break;
    case WM_MOUSELEAVE:
      hoverEnd(handle, [&] { paintNowLogged(handle, false, record.focused); });
      break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      trackFocus(message, record.focused);
      break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
      trackPress(handle, message, record.pressed);
      break;
    case WM_WINDOWPOSCHANGING:
      notifyPositionChanging(handle);
      break;
  }
  return forwardMessage(handle, message, wParam, lParam);
}

LRESULT CALLBACK editTestProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
  const SkinnedControl<EditRecord> control = lookUpControl(handle, &SkinnedWindowRecord::edits);
  if (control && message == WM_MOUSEMOVE)
    hoverStart(handle, editHotKind, [&] { paintNowLogged(handle, true, false); }, {.compareParent = true});
  return forwardMessage(handle, message, wParam, lParam);
}

// A toolbar-family kind: its own keys for sub-classing, forwarding and lookup.
LRESULT CALLBACK toolbarTestProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
  return forwardMessage(handle, message, wParam, lParam, props::toolbarKeys);
}

bool isPushButton(HWND child) { return (GetWindowLongA(child, GWL_STYLE) & BS_TYPEMASK) <= BS_DEFPUSHBUTTON; }

void installTestButtons(int windowIndex, HWND container) {
  installControls(windowIndex, container, "BUTTON", &SkinnedWindowRecord::buttons, buttonTestProc, isPushButton,
                  [](ButtonRecord& record, HWND child) { record.caption = windowText(child); });
}

void installTestEdits(int windowIndex, HWND container) {
  installControls(windowIndex, container, "Edit", &SkinnedWindowRecord::edits, editTestProc);
}

WNDPROC procedureOf(HWND window) { return reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC)); }

class ControlFrameworkTest : public testing::Test {
 protected:
  void SetUp() override { paints.clear(); }
  void TearDown() override { resetEngineState(); }

  void move(HWND control) { SendMessageA(control, WM_MOUSEMOVE, 0, MAKELPARAM(2, 2)); }

  SkinnedTestWindow skinned;
  HWND first = skinned.child("BUTTON", 10, 10, 60, 24, WS_VISIBLE | BS_PUSHBUTTON, 0, "确定");
  HWND second = skinned.child("BUTTON", 80, 10, 60, 24, WS_VISIBLE | BS_DEFPUSHBUTTON, 0, "取消");
  HWND check = skinned.child("BUTTON", 10, 40, 60, 24, WS_VISIBLE | BS_AUTOCHECKBOX, 0, "check");
  HWND edit = skinned.child("EDIT", 10, 70, 100, 24, WS_VISIBLE | WS_BORDER);
};

TEST_F(ControlFrameworkTest, InstallingTwiceRegistersAndSubclassesOnce) {
  const WNDPROC buttonClassProc = procedureOf(first);
  installTestButtons(skinned.index(), skinned.window());
  installTestButtons(skinned.index(), skinned.window());

  const ControlRegistry<ButtonRecord>& buttons = skinned.record().buttons;
  ASSERT_EQ(buttons.size(), 2);
  for (HWND button : {first, second}) {
    const int index = props::recordIndex(button);
    ASSERT_GE(index, 1);
    EXPECT_EQ(buttons.at(index)->window, button);
    EXPECT_EQ(props::windowIndex(button), skinned.index());
    EXPECT_EQ(procedureOf(button), buttonTestProc);
    EXPECT_EQ(props::previousProcedure(button), buttonClassProc) << "not our own procedure";
    EXPECT_EQ(buttons.at(index)->previousProc, buttonClassProc);
  }
  EXPECT_EQ(buttons.at(props::recordIndex(first))->caption, "确定");
  EXPECT_EQ(windowText(first), "确定") << "messages reach the button's own procedure";

  EXPECT_EQ(props::recordIndex(check), 0) << "the filter rejects it";
  EXPECT_FALSE(props::hasPreviousProcedure(check));
  EXPECT_NE(procedureOf(check), buttonTestProc);
  EXPECT_FALSE(props::hasPreviousProcedure(edit)) << "another class";
}

TEST_F(ControlFrameworkTest, TheInitialEmptyRecordIsTakenFirst) {
  skinned.record().buttons.addInitialEmptyRecord();
  installTestButtons(skinned.index(), skinned.window());
  const ControlRegistry<ButtonRecord>& buttons = skinned.record().buttons;
  ASSERT_EQ(buttons.size(), 2);
  EXPECT_EQ(buttons.at(1)->window, first);
  EXPECT_EQ(buttons.at(2)->window, second);
  EXPECT_EQ(props::recordIndex(first), 1);
  EXPECT_EQ(props::recordIndex(second), 2);
}

TEST_F(ControlFrameworkTest, WithControlSkinsOffNothingIsRegisteredSubclassedOrTagged) {
  setSkinSwitches(0);
  const WNDPROC buttonClassProc = procedureOf(first);
  installTestButtons(skinned.index(), skinned.window());
  installTestEdits(skinned.index(), skinned.window());
  EXPECT_TRUE(skinned.record().buttons.empty());
  EXPECT_TRUE(skinned.record().edits.empty());
  for (HWND control : {first, second, edit}) {
    EXPECT_FALSE(props::hasPreviousProcedure(control));
    EXPECT_EQ(props::recordIndex(control), 0);
    EXPECT_EQ(props::windowIndex(control), 0);
  }
  EXPECT_EQ(procedureOf(first), buttonClassProc);
}

TEST_F(ControlFrameworkTest, AnIndexThatNamesNoWindowInstallsNothing) {
  const WNDPROC buttonClassProc = procedureOf(first);
  for (int index : {0, -1, 2}) installTestButtons(index, skinned.window());
  EXPECT_EQ(procedureOf(first), buttonClassProc);
  EXPECT_TRUE(skinned.record().buttons.empty());
}

TEST_F(ControlFrameworkTest, HotIsPaintedOncePerControlAndAgainForAnotherKindWithTheSameIndex) {
  installTestButtons(skinned.index(), skinned.window());
  installTestEdits(skinned.index(), skinned.window());
  ASSERT_EQ(props::recordIndex(first), 1);
  ASSERT_EQ(props::recordIndex(edit), 1);
  const HWND panel = skinned.child("STATIC", 120, 40, 60, 60);

  move(first);
  move(first);
  move(edit);  // same index, other kind
  move(edit);
  move(first);
  move(second);
  move(edit);
  SetParent(edit, panel);  // an edit of another parent counts as another control
  move(edit);
  move(edit);

  const std::vector<Paint> expected = {{first, true, false}, {edit, true, false},  {first, true, false},
                                       {second, true, false}, {edit, true, false}, {edit, true, false}};
  EXPECT_EQ(paints, expected);
  const SkinnedWindowRecord& record = skinned.record();
  EXPECT_EQ(record.hotIndex, 1);
  EXPECT_EQ(record.lastHotIndex, 1);
  EXPECT_EQ(record.lastHotKind, editHotKind);
  EXPECT_EQ(record.lastHotParent, panel);
}

TEST_F(ControlFrameworkTest, LeavingPaintsTheFocusedStateWhileTheControlHoldsTheFocus) {
  installTestButtons(skinned.index(), skinned.window());
  const ButtonRecord& record = *skinned.record().buttons.at(props::recordIndex(first));

  SendMessageA(first, WM_SETFOCUS, 0, 0);
  EXPECT_TRUE(record.focused);
  move(first);
  SendMessageA(first, WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(skinned.record().lastHotIndex, 0);
  SendMessageA(first, WM_KILLFOCUS, 0, 0);
  EXPECT_FALSE(record.focused);
  move(first);  // the leave forgot the hot control, so this paints hot again
  SendMessageA(first, WM_MOUSELEAVE, 0, 0);

  const std::vector<Paint> expected = {
      {first, true, false}, {first, false, true}, {first, true, false}, {first, false, false}};
  EXPECT_EQ(paints, expected);
}

TEST_F(ControlFrameworkTest, ReleasingTheButtonForgetsTheHotControl) {
  installTestButtons(skinned.index(), skinned.window());
  const ButtonRecord& record = *skinned.record().buttons.at(props::recordIndex(first));
  move(first);
  SendMessageA(first, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
  EXPECT_TRUE(record.pressed);
  move(first);
  SendMessageA(first, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
  EXPECT_FALSE(record.pressed);
  EXPECT_EQ(skinned.record().lastHotIndex, 0);
  move(first);
  EXPECT_EQ(paints.size(), 2u) << "hot at the first move and again after the release";
}

TEST_F(ControlFrameworkTest, MovingAControlInAContainerMakesTheContainersBackgroundStale) {
  const HWND box = skinned.container(100, 40, 90, 100);
  const HWND inBox = test::createChild(box, "BUTTON", 5, 5, 40, 20, WS_VISIBLE | BS_PUSHBUTTON);
  installTestButtons(skinned.index(), skinned.window());
  installTestButtons(skinned.index(), box);
  ASSERT_EQ(procedureOf(inBox), buttonTestProc);
  ContainerRecord& container = *skinned.record().containers.at(1);

  container.backgroundStale = false;
  SetWindowPos(first, nullptr, 12, 12, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_FALSE(container.backgroundStale) << "a control directly in the window";
  SetWindowPos(inBox, nullptr, 8, 8, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_TRUE(container.backgroundStale);
}

// The skins' own procedures, not only the framework's step: a container keeps the
// picture behind its controls, which is wrong once one of them has moved.
TEST_F(ControlFrameworkTest, MovingASkinnedButtonEditOrStaticInAContainerMakesItsBackgroundStale) {
  const HWND box = skinned.container(100, 10, 90, 130);
  const struct {
    const char* name;
    const char* windowClass;
    DWORD style;
    WNDPROC procedure;
    void (*install)(int, HWND);
  } cases[] = {
      {"push button", "BUTTON", BS_PUSHBUTTON, buttonSkinProc, skinPushButtons},
      {"edit box", "Edit", ES_AUTOHSCROLL, editSkinProc, skinEditBoxes},
      {"static", "Static", SS_LEFT, staticSkinProc,
       [](int index, HWND parent) { skinDialogStatics(index, parent, 6, 1); }},
  };
  int y = 5;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const HWND control = test::createChild(box, c.windowClass, 5, y, 60, 20, WS_VISIBLE | c.style, 0, "text");
    c.install(skinned.index(), box);
    ASSERT_EQ(procedureOf(control), c.procedure);
    ContainerRecord& container = *skinned.record().containers.at(1);
    container.backgroundStale = false;
    SetWindowPos(control, nullptr, 8, y + 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_TRUE(container.backgroundStale);
    y += 40;
  }
}

TEST_F(ControlFrameworkTest, FindRecordIndexLooksInTheNamedWindowsRegistry) {
  installTestButtons(skinned.index(), skinned.window());
  const int index = skinned.index();
  EXPECT_EQ(findRecordIndex(index, &SkinnedWindowRecord::buttons, second), props::recordIndex(second));
  EXPECT_EQ(findRecordIndex(index, &SkinnedWindowRecord::buttons, check), 0);
  EXPECT_EQ(findRecordIndex(index, &SkinnedWindowRecord::edits, first), 0);
  EXPECT_EQ(findRecordIndex(index + 1, &SkinnedWindowRecord::buttons, first), 0);
  EXPECT_EQ(findRecordIndex(0, &SkinnedWindowRecord::buttons, first), 0);
}

TEST_F(ControlFrameworkTest, ControlFontReadsTheControlsFontOrFallsBackToTheDefault) {
  const int before = draw::liveGdiObjectCount();
  const ControlFont none = controlFont(first);
  EXPECT_EQ(none.family, "宋体");
  EXPECT_EQ(none.size, 12);
  EXPECT_EQ(none.style, 0);

  const draw::OwnedFont font(CreateFontA(-20, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0, 0, 0,
                                         "DejaVu Sans"));
  SendMessageA(second, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
  const ControlFont set = controlFont(second);
  EXPECT_EQ(set.family, "DejaVu Sans");
  EXPECT_NEAR(set.size, 20, 1) << "the drawing layer's size of a 20-pixel font";
  EXPECT_EQ(set.style & 1, 1) << "bold";
  EXPECT_EQ(draw::liveGdiObjectCount(), before + 1) << "only the test's own font is still live";

  // A dialog's font names a face mapping, which the drawing library may not make a font
  // of: the platform font's size and style still come through.
  const draw::OwnedFont dialogFont(CreateFontA(-16, 0, 0, 0, FW_NORMAL, TRUE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0,
                                               0, 0, "MS Shell Dlg"));
  SendMessageA(second, WM_SETFONT, reinterpret_cast<WPARAM>(dialogFont.get()), FALSE);
  const ControlFont dialog = controlFont(second);
  EXPECT_NEAR(dialog.size, 16, 1);
  EXPECT_EQ(dialog.style & 2, 2) << "italic";
}

TEST_F(ControlFrameworkTest, RegisterControlTakesAGrandchildOnce) {
  const HWND combo = skinned.child("STATIC", 10, 100, 120, 24);  // stands in for a combo box
  const HWND field = test::createChild(combo, "EDIT", 2, 2, 80, 20, WS_VISIBLE);
  const WNDPROC editClassProc = procedureOf(field);
  int fills = 0;
  const auto fill = [&](EditRecord& record, HWND control) {
    ++fills;
    record.hot = control == field;
  };

  const int index = registerControl(skinned.record(), &SkinnedWindowRecord::edits, field, editTestProc, fill);
  EXPECT_EQ(registerControl(skinned.record(), &SkinnedWindowRecord::edits, field, editTestProc, fill), index);
  ASSERT_EQ(index, 1);
  EXPECT_EQ(fills, 1) << "the second call found it registered";
  EXPECT_TRUE(skinned.record().edits.at(1)->hot);
  EXPECT_EQ(props::recordIndex(field), 1);
  EXPECT_EQ(props::windowIndex(field), skinned.index());
  EXPECT_EQ(procedureOf(field), editTestProc);
  EXPECT_EQ(props::previousProcedure(field), editClassProc) << "sub-classed once";
  SetWindowTextA(field, "abc");
  EXPECT_EQ(windowText(field), "abc") << "messages reach the edit's own procedure";

  installTestEdits(skinned.index(), skinned.window());
  EXPECT_EQ(skinned.record().edits.size(), 2) << "the install adds the direct child only";
  EXPECT_EQ(skinned.record().edits.at(2)->window, edit);
}

TEST_F(ControlFrameworkTest, RegisterControlNeedsAListedWindowRecord) {
  SkinnedWindowRecord unlisted;
  const WNDPROC editClassProc = procedureOf(edit);
  EXPECT_EQ(registerControl(unlisted, &SkinnedWindowRecord::edits, edit, editTestProc, [](EditRecord&, HWND) {}), 0);
  EXPECT_TRUE(unlisted.edits.empty());
  EXPECT_EQ(procedureOf(edit), editClassProc);
  EXPECT_FALSE(props::hasPreviousProcedure(edit));
}

TEST_F(ControlFrameworkTest, TheToolbarFamilySubclassesForwardsAndLooksUpByItsOwnKeys) {
  const HWND bar = skinned.child("STATIC", 10, 100, 120, 24);  // stands in for a toolbar
  const WNDPROC staticClassProc = procedureOf(bar);
  const int index = registerControl(
      skinned.record(), &SkinnedWindowRecord::toolbars, bar, toolbarTestProc, [](ToolbarRecord&, HWND) {},
      props::toolbarKeys);
  ASSERT_EQ(index, 1);

  EXPECT_EQ(props::integer(bar, "Kj_lbID"), 1);
  EXPECT_EQ(props::integer(bar, "Kj_FuID"), skinned.index());
  EXPECT_EQ(GetPropA(bar, "Kj_hProc"), reinterpret_cast<HANDLE>(staticClassProc));
  for (const char* key : {"Hw_lbID", "Hw_FuID", "Hw_hProc"}) EXPECT_EQ(GetPropA(bar, key), nullptr) << key;

  const SkinnedControl<ToolbarRecord> found = lookUpControl(bar, &SkinnedWindowRecord::toolbars, props::toolbarKeys);
  ASSERT_TRUE(found);
  EXPECT_EQ(found.record, skinned.record().toolbars.at(1));
  EXPECT_FALSE(lookUpControl(bar, &SkinnedWindowRecord::toolbars)) << "no Hw_ keys on it";
  SetWindowTextA(bar, "tools");
  EXPECT_EQ(windowText(bar), "tools") << "forwarded through Kj_hProc";
}

TEST_F(ControlFrameworkTest, TheHoverStepAsksForTheTrackingItIsGiven) {
  installTestButtons(skinned.index(), skinned.window());
  RECT place{};
  GetWindowRect(first, &place);
  SetCursorPos(place.left + 5, place.top + 5);
  const auto trackedFlags = [&] {
    TRACKMOUSEEVENT query{sizeof query, TME_QUERY, nullptr, 0};
    TrackMouseEvent(&query);
    return query.hwndTrack == first ? query.dwFlags & (TME_HOVER | TME_LEAVE) : 0;
  };

  hoverNeedsHotPaint(first, buttonHotKind);
  EXPECT_EQ(trackedFlags(), static_cast<DWORD>(TME_LEAVE));
  hoverNeedsHotPaint(first, listHotKind, {.needsOwnIndex = true, .trackFlags = TME_HOVER | TME_LEAVE});
  EXPECT_EQ(trackedFlags(), static_cast<DWORD>(TME_HOVER | TME_LEAVE));
}

}  // namespace
}  // namespace skin
