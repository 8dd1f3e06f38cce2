#include "skin/controls/list_skin.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

#include "common_controls.h"
#include "draw/drawing.h"
#include "draw/gdi_handles.h"
#include "skin/core/control_properties.h"
#include "skinned_form.h"

namespace skin::test {
namespace {

// Sits between the skin and the platform's procedure and remembers what reached the platform.
struct PlatformSide {
  static std::vector<UINT>& messages() {
    static std::vector<UINT> seen;
    return seen;
  }
  static std::function<void(UINT)>& onMessage() {
    static std::function<void(UINT)> hook;
    return hook;
  }
  static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    messages().push_back(message);
    if (onMessage()) onMessage()(message);
    return CallWindowProcA(reinterpret_cast<WNDPROC>(GetPropA(window, "ListTestPlatformProc")), window, message,
                           wParam, lParam);
  }
  static void insert(HWND control) {
    SetPropA(control, "ListTestPlatformProc",
             reinterpret_cast<HANDLE>(SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure))));
  }
  static int count(UINT message) {
    int n = 0;
    for (const UINT m : messages()) n += m == message;
    return n;
  }
};

class ListSkinTest : public testing::Test {
 protected:
  ListSkinTest() {
    loadCommonControls();
    PlatformSide::messages().clear();
    PlatformSide::onMessage() = nullptr;
  }
  ~ListSkinTest() override { PlatformSide::onMessage() = nullptr; }
  ListSkinRecord* recordOf(HWND control) const {
    const int index = form.record().lists.find(control);
    return index ? form.record().lists.at(index) : nullptr;
  }
  HWND addListBox(DWORD style, int rows = 40) {
    const HWND list = form.add("LISTBOX", 20, 40, 150, 120, style | LBS_NOTIFY, WS_EX_CLIENTEDGE);
    for (int i = 1; i <= rows; ++i) SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(("row " + std::to_string(i)).c_str()));
    return list;
  }
  HWND addListView(DWORD style) {
    const HWND listView = form.add(WC_LISTVIEWA, 20, 40, 200, 150, LVS_REPORT | style, WS_EX_CLIENTEDGE);
    LVCOLUMNA column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.pszText = const_cast<char*>("Name");
    column.cx = 400;  // wider than the view: a horizontal bar
    SendMessageA(listView, LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
    for (int i = 0; i < 60; ++i) {
      const std::string text = "item " + std::to_string(i);
      LVITEMA item{};
      item.mask = LVIF_TEXT;
      item.iItem = i;
      item.pszText = const_cast<char*>(text.c_str());
      SendMessageA(listView, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    }
    return listView;
  }

  SkinnedForm form;
};

TEST_F(ListSkinTest, SimpleComboListIsSkinnedWithoutOverlaysDropDownListIsNot) {
  const HWND simple = form.add("COMBOBOX", 20, 40, 120, 120, CBS_SIMPLE);
  const HWND dropDown = form.add("COMBOBOX", 180, 40, 120, 120, CBS_DROPDOWN);
  form.install();
  COMBOBOXINFO simpleInfo{sizeof simpleInfo};
  COMBOBOXINFO dropDownInfo{sizeof dropDownInfo};
  ASSERT_TRUE(GetComboBoxInfo(simple, &simpleInfo));
  ASSERT_TRUE(GetComboBoxInfo(dropDown, &dropDownInfo));
  const ListSkinRecord* simpleList = recordOf(simpleInfo.hwndList);
  ASSERT_NE(simpleList, nullptr);
  EXPECT_EQ(simpleList->verticalOverlay, nullptr);
  EXPECT_EQ(simpleList->horizontalOverlay, nullptr);
  EXPECT_EQ(recordOf(dropDownInfo.hwndList), nullptr);
  EXPECT_EQ(form.record().lists.find(dropDown), 0);
}

TEST_F(ListSkinTest, ListViewWithStyleBit0x10IsLeftAlone) {
  const HWND skinned = addListView(0);
  const HWND leftAlone = addListView(0x10);
  form.install();
  ASSERT_NE(recordOf(skinned), nullptr);
  EXPECT_NE(recordOf(skinned)->verticalOverlay, nullptr);
  EXPECT_EQ(recordOf(leftAlone), nullptr);
  EXPECT_EQ(props::windowIndex(leftAlone), 0);
}

TEST_F(ListSkinTest, OverlaysGoWithTheirList) {
  const HWND list = addListBox(WS_VSCROLL);
  form.install();
  const HWND overlay = recordOf(list)->verticalOverlay;
  ASSERT_TRUE(IsWindowVisible(overlay));
  DestroyWindow(list);
  EXPECT_FALSE(IsWindowVisible(overlay)) << "no stale scroll bar over the parent";
  form.settle();
  EXPECT_FALSE(IsWindow(overlay));
}

TEST_F(ListSkinTest, ListBoxWithoutVerticalBarGetsBothOverlaysHidden) {
  const HWND list = addListBox(0, 3);
  form.install();
  const ListSkinRecord* record = recordOf(list);
  ASSERT_NE(record, nullptr);
  ASSERT_NE(record->verticalOverlay, nullptr);
  ASSERT_NE(record->horizontalOverlay, nullptr);
  EXPECT_FALSE(IsWindowVisible(record->verticalOverlay));
  EXPECT_FALSE(IsWindowVisible(record->horizontalOverlay));
}

TEST_F(ListSkinTest, WithoutTranslucencyADirtyListPaintsItselfAndACleanOneIsRestored) {
  const HWND list = addListBox(WS_VSCROLL);
  PlatformSide::insert(list);
  form.install();
  ListSkinRecord& record = *recordOf(list);

  PlatformSide::messages().clear();
  record.dirty = true;
  RedrawWindow(list, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  EXPECT_EQ(PlatformSide::count(WM_PAINT), 1) << "dirty: the list box paints itself";

  PlatformSide::messages().clear();
  record.dirty = false;
  form.markImage(list);
  RedrawWindow(list, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  EXPECT_EQ(PlatformSide::count(WM_PAINT), 0) << "clean: the kept picture comes back";
  EXPECT_TRUE(testing_support::rgbNear(testing_support::rgbOnScreen(list, 10, 10), 0xFF00FE, 2))
      << "what windowImage held";
}

TEST_F(ListSkinTest, WheelOverAListViewRepaintsBothOverlaysAfterItScrolled) {
  const HWND listView = addListView(0);
  form.install();
  ListSkinRecord& record = *recordOf(listView);
  ASSERT_TRUE(IsWindowVisible(record.verticalOverlay));
  ASSERT_TRUE(IsWindowVisible(record.horizontalOverlay));
  SendMessageA(record.verticalOverlay, WM_PAINT, 0, 0);
  form.settle();
  const RECT thumbBefore = record.verticalParts[2];
  record.horizontalParts = {};

  SendMessageA(listView, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA * 2)), 0);
  EXPECT_GT(SendMessageA(listView, LVM_GETTOPINDEX, 0, 0), 0) << "the list view scrolled";
  EXPECT_GT(record.verticalParts[2].top, thumbBefore.top) << "the vertical overlay shows the new position";
  EXPECT_GT(record.horizontalParts[2].right, 0) << "the horizontal overlay was repainted too";
}

TEST_F(ListSkinTest, ArrowKeysRepaintTheOverlaysBeforeTheSelectionMoves) {
  const HWND list = addListBox(WS_VSCROLL);
  PlatformSide::insert(list);
  form.install();
  ListSkinRecord& record = *recordOf(list);
  record.verticalParts = {};
  bool repaintedFirst = false;
  PlatformSide::onMessage() = [&](UINT message) {
    if (message == WM_KEYDOWN) repaintedFirst = record.verticalParts[2].bottom > 0;
  };
  SendMessageA(list, WM_KEYDOWN, VK_DOWN, 0);
  EXPECT_TRUE(repaintedFirst);
  EXPECT_TRUE(record.dirty);
}

TEST_F(ListSkinTest, RestingTheMouseOverAHoveredListDoesNotRepaintTheFrame) {
  const HWND list = addListBox(WS_VSCROLL);
  form.install();
  SendMessageA(list, WM_MOUSEMOVE, 0, pointParam(20, 20));
  EXPECT_TRUE(recordOf(list)->hot);
  const Rgb hotFrame = form.imagePixel(list, 0, 60);
  form.markImage(list);
  SendMessageA(list, WM_MOUSEMOVE, 0, pointParam(22, 21));
  SendMessageA(list, WM_MOUSEHOVER, 0, pointParam(22, 21));
  SendMessageA(list, WM_MOUSEMOVE, 0, pointParam(23, 21));
  EXPECT_TRUE(form.stillMarked(list, 0, 60));

  SendMessageA(list, WM_MOUSELEAVE, 0, 0);
  EXPECT_FALSE(recordOf(list)->hot);
  EXPECT_FALSE(recordOf(list)->hoverTracked);
  EXPECT_FALSE(form.stillMarked(list, 0, 60));
  EXPECT_LT(redness(form.imagePixel(list, 0, 60)), redness(hotFrame)) << "the frame is no longer in the accent";
}

TEST_F(ListSkinTest, TranslucentListViewDrawsItsItemsOverTheWashedBackground) {
  const HWND listView = addListView(0);
  form.install(true);
  RedrawWindow(listView, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  const RECT client = clientRectInWindow(listView);
  // Right of the item texts: the grey ground under the white veil, not the list's own white.
  const POINT beside{client.left + 150, client.bottom - 30};
  const Rgb washed = form.imagePixel(listView, beside.x, beside.y);
  const Rgb ground = form.groundPixel(listView, beside.x, beside.y);
  EXPECT_GT(washed.g, ground.g + 20);
  EXPECT_LT(washed.g, 240);
  EXPECT_FALSE(recordOf(listView)->dirty) << "a full paint leaves it clean";
}

TEST_F(ListSkinTest, HeaderIsSkinnedOverAScrolledTranslucentListView) {
  const HWND listView = addListView(0);
  form.install(true);
  const HWND header = reinterpret_cast<HWND>(SendMessageA(listView, LVM_GETHEADER, 0, 0));
  ASSERT_NE(form.record().headers.find(header), 0);
  const Rgb skinnedHeader = form.imagePixel(header, 40, 12);
  SendMessageA(listView, WM_VSCROLL, SB_LINEDOWN, 0);
  UpdateWindow(listView);
  form.settle();
  const Rgb onScreen = rgbOf(testing_support::rgbOnScreen(header, 40, 12));
  EXPECT_TRUE(closeTo(onScreen, skinnedHeader, 3)) << "the header is back over the list's paint";
}

TEST_F(ListSkinTest, ScrollingLineByLineLeavesTheObjectCountersFlat) {
  const HWND listView = form.add(WC_LISTVIEWA, 20, 40, 150, 150, LVS_REPORT | WS_VSCROLL, WS_EX_CLIENTEDGE);
  LVCOLUMNA column{};
  column.mask = LVCF_TEXT | LVCF_WIDTH;
  column.pszText = const_cast<char*>("Name");
  column.cx = 120;
  SendMessageA(listView, LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
  for (int row = 0; row < 1000; ++row) {
    const std::string text = "row " + std::to_string(row);
    LVITEMA item{};
    item.mask = LVIF_TEXT;
    item.iItem = row;
    item.pszText = const_cast<char*>(text.c_str());
    SendMessageA(listView, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
  }
  const HWND treeView = form.add(WC_TREEVIEWA, 190, 40, 150, 150, WS_VSCROLL, WS_EX_CLIENTEDGE);
  for (int node = 0; node < 500; ++node) {
    const std::string text = "node " + std::to_string(node);
    TVINSERTSTRUCTA insert{};
    insert.hParent = TVI_ROOT;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT;
    insert.item.pszText = const_cast<char*>(text.c_str());
    SendMessageA(treeView, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert));
  }
  form.install(true);
  const int gdiObjects = draw::liveGdiObjectCount();
  const int drawingObjects = draw::liveDrawingObjectCount();
  for (int line = 0; line < 150; ++line) {
    for (const HWND control : {listView, treeView}) {
      SendMessageA(control, WM_VSCROLL, SB_LINEDOWN, 0);
      UpdateWindow(control);
    }
  }
  form.settle();
  EXPECT_GT(SendMessageA(listView, LVM_GETTOPINDEX, 0, 0), 100) << "the list view scrolled";
  EXPECT_EQ(draw::liveGdiObjectCount(), gdiObjects);
  EXPECT_EQ(draw::liveDrawingObjectCount(), drawingObjects);
}

}  // namespace
}  // namespace skin::test
