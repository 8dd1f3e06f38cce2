#include "skin/controls/container_skin.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include "skin/controls/toolbar_skin.h"
#include "skin/core/control_properties.h"
#include "support/message_sequence.h"
#include "support/test_windows.h"
#include "toolbar_form.h"

namespace skin::test {
namespace {

using testing_support::beneath;
using testing_support::MessageRecorder;
using testing_support::sent;

HWND addChild(HWND parent, const char* windowClass, DWORD style = 0, int x = 200, int width = 80, int height = 24) {
  return CreateWindowExA(0, windowClass, "", WS_CHILD | WS_VISIBLE | style, x, 2, width, height, parent, nullptr,
                         GetModuleHandleA(nullptr), nullptr);
}

WNDPROC procedureOf(HWND window) { return reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC)); }

class ContainerSkinTest : public testing::Test {
 protected:
  ContainerSkinTest() { loadCommonControls(); }
  ControlRegistry<ContainerRecord>& containers() const { return form.record().containers; }

  SkinnedForm form;
};

TEST_F(ContainerSkinTest, OnlyAToolbarWithChildWindowsBecomesAContainerInFrontOfTheToolbarSkin) {
  const HWND bare = addToolbar(form);
  const HWND holder = form.add(TOOLBARCLASSNAMEA, 10, 80, 300, 40, testToolbarStyle);
  const HWND edit = addChild(holder, "Edit");
  form.install(true);
  EXPECT_EQ(containers().find(bare), 0);
  EXPECT_EQ(procedureOf(bare), &toolbarProc);
  ASSERT_NE(containers().find(holder), 0);
  EXPECT_EQ(procedureOf(holder), &containerProc);
  EXPECT_EQ(props::previousProcedure(holder), &toolbarProc);
  EXPECT_EQ(props::windowIndex(edit), form.index()) << "the toolbar's children are skinned";

  registerContainer(holder);
  EXPECT_EQ(procedureOf(holder), &containerProc);
  EXPECT_EQ(props::previousProcedure(holder), &toolbarProc) << "no second sub-classing";
  int records = 0;
  for (const ContainerRecord& record : containers()) records += record.window == holder;
  EXPECT_EQ(records, 1);
}

TEST_F(ContainerSkinTest, MessagesPassFromTheContainerThroughTheToolbarSkinToTheToolbar) {
  const HWND toolbar = addToolbar(form);
  addChild(toolbar, "Edit");
  MessageRecorder recorder({toolbar});
  recorder.recordBeneath(toolbar);
  recorder.only({WM_SIZE});
  form.install(true);
  recorder.clear();
  ContainerRecord& container = *containers().at(containers().find(toolbar));
  ToolbarRecord& bar = *form.record().toolbars.at(props::recordIndex(toolbar, props::toolbarKeys));
  container.repaint = false;
  bar.stale = false;
  SendMessageA(toolbar, WM_SIZE, 0, MAKELPARAM(300, 40));
  EXPECT_SEQUENCE(recorder, {{WM_SIZE, sent}, {WM_SIZE, beneath}});
  EXPECT_TRUE(container.repaint) << "seen by containerProc";
  EXPECT_TRUE(bar.stale) << "seen by toolbarProc";
}

TEST_F(ContainerSkinTest, UnregisteringPutsTheProcedureBackAndMovesTheLaterContainersUp) {
  const char* plainClass = testing_support::testWindowClass("PlainContainer", DefWindowProcA);
  const HWND first = form.add(plainClass, 10, 10, 100, 40);
  const HWND second = form.add(plainClass, 10, 60, 100, 40);
  form.install(true);
  const WNDPROC original = procedureOf(first);
  registerContainer(first);
  registerContainer(second);
  const int firstIndex = containers().find(first);
  ASSERT_EQ(containers().find(second), firstIndex + 1);
  EXPECT_EQ(props::recordIndex(second), firstIndex + 1);

  SendMessageA(first, WM_NCDESTROY, 0, 0);
  EXPECT_EQ(procedureOf(first), original);
  EXPECT_EQ(containers().find(first), 0);
  EXPECT_EQ(containers().find(second), firstIndex);
  EXPECT_EQ(props::recordIndex(second), firstIndex);
  EXPECT_EQ(SendMessageA(second, WM_ERASEBKGND, reinterpret_cast<WPARAM>(GetDC(nullptr)), 0), 1)
      << "the later container still answers";
}

TEST_F(ContainerSkinTest, ChildrenOnAToolbarGetTheSkinnedWindowsColourAnswers) {
  const HWND toolbar = addToolbar(form, 400, 40);
  const HWND edit = addChild(toolbar, "Edit", 0, 10);
  const HWND combo = addChild(toolbar, "ComboBox", CBS_DROPDOWN, 100, 80, 200);
  const HWND comboEdit = FindWindowExA(combo, nullptr, "Edit", nullptr);
  const HWND list = addChild(toolbar, "ListBox", 0, 190, 60, 30);
  const HWND ownerDrawn = addChild(toolbar, "ListBox", LBS_OWNERDRAWFIXED, 260, 60, 30);
  ASSERT_NE(comboEdit, nullptr);
  form.install(true);
  const HDC dc = GetDC(toolbar);
  const auto colour = [&](UINT message, HWND child) {
    return reinterpret_cast<HBRUSH>(SendMessageA(toolbar, message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(child)));
  };
  const HBRUSH editBrush = colour(WM_CTLCOLOREDIT, edit);
  EXPECT_NE(editBrush, nullptr);
  EXPECT_EQ(editBrush, props::colourBrush(edit)) << "the translucent pattern brush";
  const HBRUSH comboEditBefore = props::colourBrush(comboEdit);
  colour(WM_CTLCOLOREDIT, comboEdit);
  EXPECT_EQ(props::colourBrush(comboEdit), comboEditBefore) << "the combo skin answers for its edit field";
  EXPECT_EQ(colour(WM_CTLCOLORLISTBOX, list), GetStockObject(NULL_BRUSH));
  EXPECT_NE(colour(WM_CTLCOLORLISTBOX, ownerDrawn), GetStockObject(NULL_BRUSH));
  ReleaseDC(toolbar, dc);
}

TEST_F(ContainerSkinTest, ExpandingATreeNodeOnAToolbarInvalidatesTheWholeTree) {
  const HWND toolbar = addToolbar(form, 400, 60);
  const HWND tree = addChild(toolbar, WC_TREEVIEWA, 0, 10, 120, 50);
  form.install(true);
  for (UINT code : {TVN_ITEMEXPANDINGA, TVN_ITEMEXPANDEDA}) {
    ValidateRect(tree, nullptr);
    NMHDR header{tree, 0, code};
    SendMessageA(toolbar, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&header));
    RECT update{}, client{};
    ASSERT_TRUE(GetUpdateRect(tree, &update, FALSE)) << code;
    GetClientRect(tree, &client);
    EXPECT_TRUE(EqualRect(&update, &client)) << code;
  }
}

}  // namespace
}  // namespace skin::test
