#include "gallery/gallery_window.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <cstring>
#include <string>
#include <vector>

#include "gallery/gallery_layout.h"
#include "skin/core/control_properties.h"
#include "skin/window/program_skin.h"
#include "skin/core/skin_theme.h"
#include "skin/core/skinned_window_record.h"
#include "support/message_box_watcher.h"
#include "support/pixels.h"
#include "support/test_windows.h"

namespace gallery {
namespace {

using testing_support::pumpMessages;

class GalleryTest : public testing::Test {
 protected:
  void SetUp() override {
    skin::createSkinLists();
    skin::initSkinModule();
  }
  void TearDown() override {
    for (HWND window : opened_) DestroyWindow(window);
    MSG quit;
    while (PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
    skin::releaseSkinLists();
  }

  HWND open(GallerySkin skin = GallerySkin::installed) {
    const HWND window = createGalleryWindow(GetModuleHandleA(nullptr), skin);
    if (!window) return nullptr;
    opened_.push_back(window);
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    pumpMessages();
    return window;
  }

 private:
  std::vector<HWND> opened_;
};

LONG styleOf(HWND window) { return GetWindowLongA(window, GWL_STYLE); }

std::string classOf(HWND window) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

RECT clientRectOf(HWND gallery, HWND control) {
  RECT r{};
  GetWindowRect(control, &r);
  MapWindowPoints(nullptr, gallery, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

POINT centreOf(const RECT& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

// --- The window -------------------------------------------------------------------

TEST_F(GalleryTest, OpensSkinnedWithTheToolsLookAResizableFrameAndATwoPartStatusBar) {
  const HWND gallery = open();
  ASSERT_NE(gallery, nullptr);
  char title[64] = {};
  GetWindowTextA(gallery, title, sizeof title);
  EXPECT_STREQ(title, "皮肤控件一览");
  RECT r{};
  GetWindowRect(gallery, &r);
  EXPECT_EQ(r.right - r.left, 900);
  EXPECT_EQ(r.bottom - r.top, 640);

  const skin::SkinnedWindowRecord* record = skin::findSkinnedWindow(gallery);
  ASSERT_NE(record, nullptr);
  EXPECT_TRUE(record->resizable);
  ASSERT_EQ(record->titleButtons.size(), 3u);
  EXPECT_EQ(record->titleButtons[0].kind, skin::minimiseKind);
  EXPECT_EQ(record->titleButtons[1].kind, skin::maximiseKind);
  EXPECT_EQ(record->titleButtons[2].kind, skin::closeKind);
  ASSERT_EQ(record->statusPartRects.size(), 2u);
  EXPECT_GT(record->statusPartRects[1].width, 0);

  const skin::SkinTheme& theme = skin::theme();
  EXPECT_EQ(theme.themeColour, skin::programAccentColour);
  EXPECT_EQ(theme.pictureMode, skin::pictureStretched);
  EXPECT_EQ(theme.backgroundPicture, skin::programPictureBytes());
  EXPECT_TRUE(theme.translucentControls);
  EXPECT_EQ(theme.controlAlpha, 100);
}

// --- Every control, its class and style, and whether the skin took it over --------

enum class Look { skinned, platform };

struct ExpectedControl {
  int id;
  const char* className;
  DWORD style;  // these bits, exactly as masked by mask
  DWORD mask;
  Look look;    // today's: flip to skinned as each kind's skin lands
};

constexpr DWORD buttonKind = BS_TYPEMASK | WS_DISABLED | WS_GROUP;
constexpr ExpectedControl button(int id, DWORD type, Look look) { return {id, "Button", type, buttonKind, look}; }
constexpr ExpectedControl control(int id, const char* className, DWORD style, Look look) {
  return {id, className, style, style, look};
}

constexpr Look skinned = Look::skinned;
constexpr Look platform = Look::platform;
constexpr DWORD editScrolls = ES_MULTILINE | WS_VSCROLL | WS_HSCROLL;

constexpr ExpectedControl expectedControls[] = {
    button(idPushNormal, BS_PUSHBUTTON, skinned),
    button(idPushDefault, BS_DEFPUSHBUTTON, skinned),
    button(idPushDisabled, BS_PUSHBUTTON | WS_DISABLED, skinned),
    button(idCheckUnchecked, BS_AUTOCHECKBOX, skinned),
    button(idCheckChecked, BS_AUTOCHECKBOX, skinned),
    button(idCheckDisabled, BS_AUTOCHECKBOX | WS_DISABLED, skinned),
    button(idCheckThreeState, BS_AUTO3STATE, platform),
    button(idGroupBox, BS_GROUPBOX, platform),
    button(idRadioFirst, BS_AUTORADIOBUTTON | WS_GROUP, skinned),
    button(idRadioSecond, BS_AUTORADIOBUTTON, skinned),
    button(idRadioDisabled, BS_AUTORADIOBUTTON | WS_DISABLED, skinned),
    button(idRadioManual, BS_RADIOBUTTON | WS_GROUP, platform),
    control(idEditSingleLine, "Edit", 0, skinned),
    control(idEditMultiLine, "Edit", editScrolls, skinned),
    control(idEditReadOnly, "Edit", ES_READONLY, skinned),
    control(idComboSimple, "ComboBox", CBS_SIMPLE, skinned),
    control(idComboDropDown, "ComboBox", CBS_DROPDOWN, skinned),
    control(idComboDropList, "ComboBox", CBS_DROPDOWNLIST, skinned),
    control(idListBox, "ListBox", WS_VSCROLL, skinned),
    control(idListView, "SysListView32", LVS_REPORT, skinned),
    control(idTreeView, "SysTreeView32", TVS_HASBUTTONS | TVS_LINESATROOT, skinned),
    control(idIpAddress, "SysIPAddress32", 0, skinned),
    control(idDateTime, "SysDateTimePick32", 0, skinned),
    control(idTrackTicks, "msctls_trackbar32", TBS_AUTOTICKS, skinned),
    control(idTrackVertical, "msctls_trackbar32", TBS_VERT, skinned),
    control(idTrackSelection, "msctls_trackbar32", TBS_ENABLESELRANGE, skinned),
    control(idTrackEmptyRange, "msctls_trackbar32", 0, skinned),
    control(idProgressEmpty, "msctls_progress32", 0, skinned),
    control(idProgressPart, "msctls_progress32", 0, skinned),
    control(idProgressVertical, "msctls_progress32", PBS_VERTICAL, skinned),
    control(idUpDownBuddyEdit, "Edit", ES_NUMBER, skinned),
    control(idUpDownAttached, "msctls_updown32", UDS_SETBUDDYINT | UDS_ALIGNRIGHT, skinned),
    control(idUpDownHorizontal, "msctls_updown32", UDS_HORZ, skinned),
    control(idHeader, "SysHeader32", HDS_BUTTONS, skinned),
    control(idToolbar, "ToolbarWindow32", 0, skinned),
    control(idToolbarCombo, "ComboBox", CBS_DROPDOWNLIST, skinned),
    button(idBoxInformation, BS_PUSHBUTTON, skinned),
    button(idBoxQuestion, BS_PUSHBUTTON, skinned),
    button(idBoxWarning, BS_PUSHBUTTON, skinned),
    button(idBoxYesNoCancel, BS_PUSHBUTTON, skinned),
    button(idBoxError, BS_PUSHBUTTON, skinned),
    button(idBoxLongText, BS_PUSHBUTTON, skinned),
    button(idAccentBlue, BS_PUSHBUTTON, skinned),
    button(idAccentGreen, BS_PUSHBUTTON, skinned),
    button(idAccentPurple, BS_PUSHBUTTON, skinned),
    button(idPictureModeFirst, BS_PUSHBUTTON, skinned),
    button(idPictureModeFirst + 1, BS_PUSHBUTTON, skinned),
    button(idPictureModeFirst + 2, BS_PUSHBUTTON, skinned),
    button(idPictureModeFirst + 3, BS_PUSHBUTTON, skinned),
    button(idPictureModeFirst + 4, BS_PUSHBUTTON, skinned),
};

TEST_F(GalleryTest, EveryControlExistsWithItsClassAndStyle) {
  // Before installation: the push-button skin makes its buttons owner-drawn.
  const HWND gallery = open(GallerySkin::none);
  ASSERT_NE(gallery, nullptr);
  for (const ExpectedControl& expected : expectedControls) {
    SCOPED_TRACE(expected.id);
    const HWND window = galleryControl(gallery, expected.id);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_EQ(_stricmp(classOf(window).c_str(), expected.className), 0) << classOf(window);
    EXPECT_EQ(styleOf(window) & expected.mask, expected.style);
    EXPECT_EQ(GetDlgCtrlID(window), expected.id);
  }
  // The table names every control the gallery has.
  EXPECT_EQ(std::size(expectedControls), std::size(galleryControls));
}

TEST_F(GalleryTest, EachSkinnedKindCarriesItsWindowIndexAndAReplacedProcedureAndTheOthersNeither) {
  const HWND gallery = open();
  ASSERT_NE(gallery, nullptr);
  const int windowIndex = skin::props::recordIndex(gallery);
  ASSERT_GE(windowIndex, 1);
  for (const ExpectedControl& expected : expectedControls) {
    SCOPED_TRACE(expected.id);
    const HWND window = galleryControl(gallery, expected.id);
    ASSERT_NE(window, nullptr);
    const bool toolbar = std::strcmp(expected.className, "ToolbarWindow32") == 0;
    const char* indexKey = toolbar ? skin::props::toolbarWindowIndexKey : skin::props::windowIndexKey;
    const char* otherKey = toolbar ? skin::props::windowIndexKey : skin::props::toolbarWindowIndexKey;
    const bool procedureReplaced =
        static_cast<ULONG_PTR>(GetWindowLongPtrA(window, GWLP_WNDPROC)) != GetClassLongPtrA(window, GCLP_WNDPROC);
    if (expected.look == Look::skinned) {
      EXPECT_EQ(reinterpret_cast<INT_PTR>(GetPropA(window, indexKey)), windowIndex);
      EXPECT_TRUE(procedureReplaced);
    } else {
      EXPECT_EQ(GetPropA(window, indexKey), nullptr);
      EXPECT_FALSE(procedureReplaced);
    }
    // The toolbar holds the combo box, so it is a container of the window as well.
    if (toolbar && expected.look == Look::skinned)
      EXPECT_EQ(reinterpret_cast<INT_PTR>(GetPropA(window, otherKey)), windowIndex);
    else
      EXPECT_EQ(GetPropA(window, otherKey), nullptr);
  }
}

// --- What the controls hold -------------------------------------------------------

LRESULT ask(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
  return SendMessageA(window, message, wParam, lParam);
}

TEST_F(GalleryTest, TheListsHoldTheirItemsAndTheRangesAndPositionsAreSet) {
  const HWND gallery = open(GallerySkin::none);
  ASSERT_NE(gallery, nullptr);
  const auto item = [&](int id) { return galleryControl(gallery, id); };
  for (int id : {idComboSimple, idComboDropDown, idComboDropList}) EXPECT_EQ(ask(item(id), CB_GETCOUNT), 20) << id;
  EXPECT_EQ(ask(item(idListBox), LB_GETCOUNT), 50);
  EXPECT_EQ(ask(item(idEditMultiLine), EM_GETLINECOUNT), 40);
  EXPECT_EQ(ask(item(idCheckChecked), BM_GETCHECK), BST_CHECKED);
  EXPECT_EQ(ask(item(idCheckThreeState), BM_GETCHECK), BST_INDETERMINATE);

  const HWND listView = item(idListView);
  EXPECT_EQ(ask(listView, LVM_GETITEMCOUNT), 200);
  const HWND columns = reinterpret_cast<HWND>(ask(listView, LVM_GETHEADER));
  ASSERT_EQ(ask(columns, HDM_GETITEMCOUNT), 3);
  const auto columnFormat = [&](int column) {
    HDITEMA header{};
    header.mask = HDI_FORMAT;
    ask(columns, HDM_GETITEMA, column, reinterpret_cast<LPARAM>(&header));
    return header.fmt;
  };
  EXPECT_TRUE(columnFormat(0) & HDF_IMAGE);
  EXPECT_EQ(columnFormat(2) & HDF_JUSTIFYMASK, HDF_RIGHT);
  EXPECT_NE(ask(listView, LVM_GETIMAGELIST, LVSIL_SMALL), 0);

  const HWND tree = item(idTreeView);
  const auto root = reinterpret_cast<HTREEITEM>(ask(tree, TVM_GETNEXTITEM, TVGN_ROOT));
  ASSERT_NE(root, nullptr);
  EXPECT_NE(ask(tree, TVM_GETNEXTITEM, TVGN_CHILD, reinterpret_cast<LPARAM>(root)), 0);
  EXPECT_TRUE(ask(tree, TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(root), TVIS_EXPANDED) & TVIS_EXPANDED);
  EXPECT_EQ(ask(item(idHeader), HDM_GETITEMCOUNT), 3);

  EXPECT_EQ(ask(item(idProgressEmpty), PBM_GETPOS), 0);
  EXPECT_EQ(ask(item(idProgressPart), PBM_GETPOS), 60);
  EXPECT_EQ(ask(item(idProgressVertical), PBM_GETPOS), 30);
  const HWND emptyRange = item(idTrackEmptyRange);
  EXPECT_EQ(ask(emptyRange, TBM_GETRANGEMIN), ask(emptyRange, TBM_GETRANGEMAX));
  EXPECT_EQ(ask(item(idTrackSelection), TBM_GETSELSTART), 20);
  EXPECT_EQ(ask(item(idTrackSelection), TBM_GETSELEND), 70);
  EXPECT_EQ(reinterpret_cast<HWND>(ask(item(idUpDownAttached), UDM_GETBUDDY)), item(idUpDownBuddyEdit));
  DWORD address = 0;
  ask(item(idIpAddress), IPM_GETADDRESS, 0, reinterpret_cast<LPARAM>(&address));
  EXPECT_EQ(address, MAKEIPADDRESS(192, 168, 1, 10));
}

TEST_F(GalleryTest, TheToolbarHasEveryKindOfButtonItsIconsAndAComboBoxOnIt) {
  const HWND gallery = open(GallerySkin::none);
  ASSERT_NE(gallery, nullptr);
  const HWND toolbar = galleryControl(gallery, idToolbar);
  const auto styleOfButton = [&](int command) {
    TBBUTTONINFOA info{sizeof info, TBIF_STYLE};
    ask(toolbar, TB_GETBUTTONINFOA, command, reinterpret_cast<LPARAM>(&info));
    return info.fsStyle & (BTNS_CHECK | BTNS_GROUP | BTNS_DROPDOWN | BTNS_WHOLEDROPDOWN | BTNS_SEP);
  };
  EXPECT_EQ(styleOfButton(toolPlain), BTNS_BUTTON);
  EXPECT_EQ(styleOfButton(toolCheck), BTNS_CHECK);
  EXPECT_EQ(styleOfButton(toolGroupOne), BTNS_CHECKGROUP);
  EXPECT_EQ(styleOfButton(toolGroupTwo), BTNS_CHECKGROUP);
  EXPECT_EQ(styleOfButton(toolDropDown), BTNS_DROPDOWN);
  EXPECT_EQ(styleOfButton(toolWholeDropDown), BTNS_WHOLEDROPDOWN);
  EXPECT_EQ(styleOfButton(toolComboPlace), BTNS_SEP);
  EXPECT_FALSE(ask(toolbar, TB_ISBUTTONENABLED, toolDisabled));
  EXPECT_TRUE(ask(toolbar, TB_ISBUTTONINDETERMINATE, toolIndeterminate));
  EXPECT_TRUE(ask(toolbar, TB_ISBUTTONHIDDEN, toolHidden));
  const auto icons = reinterpret_cast<HIMAGELIST>(ask(toolbar, TB_GETIMAGELIST));
  ASSERT_NE(icons, nullptr);
  EXPECT_EQ(ImageList_GetImageCount(icons), 8);

  // The combo box is the toolbar's child and sits on its own place, clear of the buttons.
  const HWND combo = galleryControl(gallery, idToolbarCombo);
  ASSERT_NE(combo, nullptr);
  EXPECT_EQ(GetParent(combo), toolbar);
  RECT place{}, comboRect{};
  ask(toolbar, TB_GETRECT, toolComboPlace, reinterpret_cast<LPARAM>(&place));
  GetWindowRect(combo, &comboRect);
  MapWindowPoints(nullptr, toolbar, reinterpret_cast<POINT*>(&comboRect), 2);
  EXPECT_GE(comboRect.left, place.left);
  EXPECT_LE(comboRect.right, place.right);
}

// --- Layout -----------------------------------------------------------------------

bool overlap(const RECT& a, const RECT& b) {
  RECT common;
  return IntersectRect(&common, &a, &b) != 0;
}

TEST_F(GalleryTest, ControlsAndCaptionsLieBetweenCaptionAndStatusBarWithoutOverlapping) {
  const HWND gallery = open();
  ASSERT_NE(gallery, nullptr);
  const skin::SkinnedWindowRecord* record = skin::findSkinnedWindow(gallery);
  ASSERT_NE(record, nullptr);
  const RECT usable{0, record->captionHeight, 900, record->statusBarRect.y};

  struct Placed {
    int id;
    RECT rect;
  };
  std::vector<Placed> placed;
  for (const ControlSpec& spec : galleryControls)
    if (spec.parentId == 0) placed.push_back({spec.id, clientRectOf(gallery, galleryControl(gallery, spec.id))});
  for (int i = 0; i < static_cast<int>(std::size(galleryCaptions)); ++i)
    placed.push_back({idCaptionFirst + i, clientRectOf(gallery, GetDlgItem(gallery, idCaptionFirst + i))});

  // Meant to lie together: the radio buttons in their group box, and the up-down control
  // on the edge of its buddy.
  const auto together = [](int a, int b) {
    const auto inGroupBox = [](int id) { return id >= idRadioFirst && id <= idRadioManual; };
    return (a == idGroupBox && inGroupBox(b)) || (b == idGroupBox && inGroupBox(a)) ||
           (a == idUpDownBuddyEdit && b == idUpDownAttached) || (b == idUpDownBuddyEdit && a == idUpDownAttached);
  };
  for (const Placed& a : placed) {
    RECT within;
    IntersectRect(&within, &a.rect, &usable);
    EXPECT_TRUE(EqualRect(&within, &a.rect)) << a.id << " leaves the usable area";
    for (const Placed& b : placed) {
      if (a.id >= b.id || together(a.id, b.id)) continue;
      EXPECT_FALSE(overlap(a.rect, b.rect)) << a.id << " overlaps " << b.id;
    }
  }
}

TEST(GalleryHitTest, TheSmallestRectangleHoldingThePointWins) {
  const ControlPlace places[] = {
      {1, {10, 10, 110, 110}},  // a group box
      {2, {20, 20, 60, 40}},    // a button inside it
      {3, {200, 10, 260, 40}},
  };
  const struct {
    POINT point;
    int expected;
  } cases[] = {
      {{30, 30}, 2}, {{20, 20}, 2}, {{60, 40}, 1}, {{90, 90}, 1}, {{230, 20}, 3}, {{150, 20}, 0}, {{110, 50}, 0},
  };
  for (const auto& c : cases) EXPECT_EQ(controlAt(places, c.point), c.expected) << c.point.x << "," << c.point.y;
}

// --- The status bar names the control under the mouse -----------------------------

// What the system does when the mouse comes to rest at a client point: the window
// under it gets WM_SETCURSOR, which the platform passes up to its parents.
void hover(HWND gallery, POINT clientPoint) {
  POINT screen = clientPoint;
  ClientToScreen(gallery, &screen);
  SetCursorPos(screen.x, screen.y);
  const HWND under = WindowFromPoint(screen);
  SendMessageA(under, WM_SETCURSOR, reinterpret_cast<WPARAM>(under), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
}

TEST_F(GalleryTest, TheFirstStatusPartNamesTheControlUnderTheMouse) {
  const HWND gallery = open();
  ASSERT_NE(gallery, nullptr);
  SetForegroundWindow(gallery);
  const auto centreOfControl = [&](int id) { return centreOf(clientRectOf(gallery, galleryControl(gallery, id))); };
  const RECT groupBox = clientRectOf(gallery, galleryControl(gallery, idGroupBox));
  const struct {
    POINT point;
    const char* expected;
  } cases[] = {
      {centreOfControl(idPushNormal), "鼠标下：普通按钮"},            // skinned
      {centreOfControl(idListBox), "鼠标下：列表框"},                 // platform look
      {centreOfControl(idPushDisabled), "鼠标下：禁用的按钮"},        // disabled: the window gets the mouse
      {centreOfControl(idComboDropDown), "鼠标下：下拉组合框"},       // over the combo box's own edit
      {centreOfControl(idToolbarCombo), "鼠标下：工具栏上的组合框"},  // on the toolbar
      {{groupBox.right - 6, groupBox.bottom - 6}, "鼠标下：分组框"},  // beside the radio buttons
      {centreOfControl(idRadioSecond), "鼠标下：自动单选按钮二"},
      {{500, 520}, "把鼠标移到控件上，这里显示它的名字"},            // nothing there
  };
  for (const auto& c : cases) {
    hover(gallery, c.point);
    EXPECT_EQ(statusText(gallery, 1), c.expected) << c.point.x << "," << c.point.y;
  }
}

// --- The message-box row ----------------------------------------------------------

TEST_F(GalleryTest, EachMessageBoxButtonRaisesItsBoxAndTheStatusBarShowsTheButtonCode) {
  const HWND gallery = open();
  ASSERT_NE(gallery, nullptr);
  const struct {
    int button;
    int answer;
    const char* caption;
    const char* status;
  } cases[] = {
      {idBoxInformation, IDOK, "信息", "消息框“信息”返回 IDOK"},
      {idBoxQuestion, IDCANCEL, "询问", "消息框“询问”返回 IDCANCEL"},
      {idBoxWarning, IDNO, "警告", "消息框“警告”返回 IDNO"},
      {idBoxYesNoCancel, IDYES, "保存", "消息框“保存”返回 IDYES"},
      {idBoxError, IDRETRY, "错误", "消息框“错误”返回 IDRETRY"},
      {idBoxLongText, IDOK, "两段文字", "消息框“两段文字”返回 IDOK"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.caption);
    testing_support::MessageBoxWatcher watcher(c.answer);
    SendMessageA(galleryControl(gallery, c.button), BM_CLICK, 0, 0);
    const std::vector<testing_support::SeenMessageBox> seen = watcher.seen();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].caption, c.caption);
    EXPECT_EQ(statusText(gallery, 2), c.status);
  }
}

// --- The theme row ----------------------------------------------------------------

TEST_F(GalleryTest, TheThemeRowChangesTheAccentAndThePictureModeOfTheShownWindow) {
  const HWND gallery = open();
  ASSERT_NE(gallery, nullptr);
  const skin::SkinnedWindowRecord* record = skin::findSkinnedWindow(gallery);
  ASSERT_NE(record, nullptr);

  SendMessageA(galleryControl(gallery, idAccentGreen), BM_CLICK, 0, 0);
  EXPECT_EQ(skin::theme().themeColour, accentColour(1));
  EXPECT_EQ(skin::theme().pictureMode, skin::pictureStretched);
  EXPECT_EQ(statusText(gallery, 2), "强调色：绿 · 图片模式 3：拉伸");

  // Centred, the 640 x 480 picture leaves a band of the base colour at the left.
  const POINT besidePicture{60, 300};
  SendMessageA(galleryControl(gallery, idPictureModeFirst + int{skin::pictureCentred}), BM_CLICK, 0, 0);
  EXPECT_EQ(skin::theme().pictureMode, skin::pictureCentred);
  EXPECT_EQ(skin::theme().themeColour, accentColour(1));  // the accent stays
  EXPECT_EQ(statusText(gallery, 2), "强调色：绿 · 图片模式 2：居中");
  EXPECT_TRUE(testing_support::rgbNear(testing_support::rgbAt(record->backgroundImage, besidePicture.x, besidePicture.y),
                                       testing_support::rgbOf(skin::theme().baseColour), 2));

  SendMessageA(galleryControl(gallery, idPictureModeFirst + int{skin::pictureStretched}), BM_CLICK, 0, 0);
  EXPECT_FALSE(testing_support::rgbNear(
      testing_support::rgbAt(record->backgroundImage, besidePicture.x, besidePicture.y),
      testing_support::rgbOf(skin::theme().baseColour), 2));
}

}  // namespace
}  // namespace gallery
