#include "skin/controls/header_skin.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <string>

#include "common_controls.h"
#include "draw/gdi_handles.h"
#include "skin/controls/control_framework.h"
#include "skin/core/control_properties.h"
#include "skinned_form.h"

namespace skin::test {
namespace {

TEST(HeaderLayout, FiveBandsAtEachItemEndCountAsNoItem) {
  const RECT items[] = {{0, 0, 80, 24}, {80, 0, 200, 24}};
  const struct {
    int x, item;
  } cases[] = {{-1, 0}, {0, 0}, {4, 0}, {5, 1}, {40, 1}, {75, 1}, {76, 0}, {80, 0},
               {84, 0}, {85, 2}, {195, 2}, {196, 0}, {300, 0}};
  for (const auto& c : cases) EXPECT_EQ(headerItemAt(items, c.x), c.item) << "x = " << c.x;
}

TEST(HeaderLayout, TextStartsAtTheMarginUnlessItFitsAlignedRightOrCentred) {
  const int margin = 6;
  const struct {
    const char* name;
    int format, w, icon, text, start;
  } cases[] = {
      {"left", HDF_LEFT, 100, 0, 30, margin},
      {"left with an icon", HDF_LEFT, 100, 16, 30, margin},
      {"right, fits", HDF_RIGHT, 100, 0, 30, 70},
      {"right with an icon, fits", HDF_RIGHT, 100, 16, 30, 54},
      {"right, does not fit", HDF_RIGHT, 100, 0, 94, margin},
      {"right, far too long", HDF_RIGHT, 100, 16, 300, margin},
      {"centred, fits", HDF_CENTER, 100, 0, 30, 32},
      {"centred, does not fit", HDF_CENTER, 100, 10, 90, margin},
  };
  for (const auto& c : cases)
    EXPECT_EQ(headerTextStart(c.format, c.w, c.icon, c.text, margin), c.start) << c.name;
}

TEST(HeaderLayout, MeasuredWidthGrowsWithTextAndSize) {
  const int short12 = measureTextWidth("ab", "宋体", 12, 0);
  const int long12 = measureTextWidth("abcdefgh", "宋体", 12, 0);
  const int long24 = measureTextWidth("abcdefgh", "宋体", 24, 0);
  EXPECT_GT(short12, 1);
  EXPECT_GT(long12, short12);
  EXPECT_GT(long24, long12 + long12 / 2);
  EXPECT_EQ(measureTextWidth("", "宋体", 12, 0), 1);
}

constexpr int itemWidth = 100;
constexpr int headerHeight = 24;
// A point of the first item away from its text and divider, and one of the second.
constexpr POINT inFirstItem{70, 16};
constexpr POINT inSecondItem{itemWidth + 70, 16};

void addItem(HWND header, const char* text, int width, int format = HDF_LEFT) {
  HDITEMA item{};
  item.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
  item.pszText = const_cast<char*>(text);
  item.cxy = width;
  item.fmt = format | HDF_STRING;
  SendMessageA(header, HDM_INSERTITEMA, SendMessageA(header, HDM_GETITEMCOUNT, 0, 0), reinterpret_cast<LPARAM>(&item));
}

class HeaderSkinTest : public testing::Test {
 protected:
  HeaderSkinTest() { loadCommonControls(); }
  HWND addHeader(int y, DWORD style) {
    const HWND header = form.add(WC_HEADERA, 10, y, 2 * itemWidth + 40, headerHeight, style | HDS_HORZ);
    addItem(header, "A", itemWidth);
    addItem(header, "B", itemWidth);
    return header;
  }
  HeaderRecord& recordOf(HWND header) const { return *form.record().headers.at(props::recordIndex(header)); }
  Rgb at(HWND header, POINT p) const { return form.imagePixel(header, p.x, p.y); }
  void move(HWND header, POINT p, WPARAM keys = 0) {
    SendMessageA(header, WM_MOUSEMOVE, keys, pointParam(p.x, p.y));
  }

  SkinnedForm form;
};

TEST_F(HeaderSkinTest, OnlyButtonHeadersShowHotAndPressedItems) {
  const HWND buttons = addHeader(40, HDS_BUTTONS);
  const HWND flat = addHeader(80, 0);
  form.install();
  ASSERT_TRUE(recordOf(buttons).buttons);
  ASSERT_FALSE(recordOf(flat).buttons);

  const Rgb buttonsNormal = at(buttons, inFirstItem);
  const Rgb flatNormal = at(flat, inFirstItem);
  EXPECT_TRUE(closeTo(at(buttons, inSecondItem), buttonsNormal, 2));

  move(buttons, inFirstItem);
  EXPECT_EQ(recordOf(buttons).hotItem, 1);
  const Rgb hot = at(buttons, inFirstItem);
  EXPECT_FALSE(closeTo(hot, buttonsNormal, 10)) << "the hot item";
  EXPECT_TRUE(closeTo(at(buttons, inSecondItem), buttonsNormal, 2)) << "the other item";

  SendMessageA(buttons, WM_LBUTTONDOWN, MK_LBUTTON, pointParam(inFirstItem.x, inFirstItem.y));
  EXPECT_EQ(recordOf(buttons).pressedItem, 1);
  paintHeader(form.index(), props::recordIndex(buttons));
  EXPECT_FALSE(closeTo(at(buttons, inFirstItem), hot, 10)) << "the pressed item";
  SendMessageA(buttons, WM_LBUTTONUP, 0, pointParam(inFirstItem.x, inFirstItem.y));
  EXPECT_EQ(recordOf(buttons).pressedItem, 0);

  move(flat, inFirstItem);
  SendMessageA(flat, WM_LBUTTONDOWN, MK_LBUTTON, pointParam(inFirstItem.x, inFirstItem.y));
  paintHeader(form.index(), props::recordIndex(flat));
  EXPECT_TRUE(closeTo(at(flat, inFirstItem), flatNormal, 2)) << "hovered and pressed, without HDS_BUTTONS";
  SendMessageA(flat, WM_LBUTTONUP, 0, pointParam(inFirstItem.x, inFirstItem.y));
}

TEST_F(HeaderSkinTest, BandAtAnItemsEdgeReturnsTheHeaderToItsNormalLook) {
  const HWND header = addHeader(40, HDS_BUTTONS);
  form.install();
  const Rgb normal = at(header, inFirstItem);
  move(header, inFirstItem);
  ASSERT_FALSE(closeTo(at(header, inFirstItem), normal, 10));
  move(header, {itemWidth - 3, inFirstItem.y});
  EXPECT_EQ(recordOf(header).hotItem, 0);
  EXPECT_FALSE(recordOf(header).hot);
  EXPECT_TRUE(closeTo(at(header, inFirstItem), normal, 2));
}

TEST_F(HeaderSkinTest, HighlightStaysWhileTheButtonIsHeld) {
  const HWND header = addHeader(40, HDS_BUTTONS);
  form.install();
  const Rgb normal = at(header, inSecondItem);
  move(header, inFirstItem);
  SendMessageA(header, WM_LBUTTONDOWN, MK_LBUTTON, pointParam(inFirstItem.x, inFirstItem.y));
  move(header, inSecondItem, MK_LBUTTON);
  // Even a full repaint while the button is held keeps the second item unlit.
  paintHeader(form.index(), props::recordIndex(header));
  EXPECT_TRUE(closeTo(at(header, inSecondItem), normal, 2));
  SendMessageA(header, WM_LBUTTONUP, 0, pointParam(inSecondItem.x, inSecondItem.y));
}

TEST_F(HeaderSkinTest, TextThatDoesNotFitStaysOnItsLine) {
  const HWND header = form.add(WC_HEADERA, 10, 40, 200, 44, HDS_HORZ);
  addItem(header, "Right aligned words", 80, HDF_RIGHT);
  form.install();
  // Dark ink only in the upper half: no second line below the first.
  int inkAbove = 0;
  int inkBelow = 0;
  for (int y = 2; y < 42; ++y)
    for (int x = 2; x < 76; ++x)
      if (form.imagePixel(header, x, y).g < 90) ++(y < 22 ? inkAbove : inkBelow);
  EXPECT_GT(inkAbove, 20);
  EXPECT_EQ(inkBelow, 0);
}

TEST_F(HeaderSkinTest, ItemTextsUseTheHeadersOwnFont) {
  const HWND withFont = addHeader(40, 0);
  const HWND withoutFont = addHeader(80, 0);
  const draw::OwnedFont font(CreateFontA(-20, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0, 0, 0,
                                         "DejaVu Sans"));
  SendMessageA(withFont, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
  SendMessageA(withoutFont, WM_SETFONT, 0, FALSE);
  form.install();
  EXPECT_EQ(recordOf(withFont).fontFamily, "DejaVu Sans");
  EXPECT_EQ(recordOf(withFont).fontSize, controlFont(withFont).size);
  EXPECT_GT(recordOf(withFont).fontSize, 15) << "the header's 20-pixel font, not the default";
  EXPECT_EQ(recordOf(withFont).fontStyle & 1, 1) << "bold";
  EXPECT_EQ(recordOf(withoutFont).fontFamily, "宋体");
  EXPECT_EQ(recordOf(withoutFont).fontSize, 12);
  DestroyWindow(withFont);  // before the font goes
}

TEST_F(HeaderSkinTest, TheApplicationsImageListOutlivesTheHeader) {
  const HIMAGELIST images = ImageList_Create(16, 16, ILC_COLOR32, 1, 1);
  {
    const draw::OwnedBitmap picture(CreateBitmap(16, 16, 1, 32, nullptr));
    ImageList_Add(images, picture.get(), nullptr);
  }
  const HWND header = addHeader(40, HDS_BUTTONS);
  SendMessageA(header, HDM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
  form.install();
  EXPECT_EQ(recordOf(header).imageList, images);
  DestroyWindow(header);
  EXPECT_EQ(ImageList_GetImageCount(images), 1);
  EXPECT_TRUE(ImageList_Destroy(images));
}

TEST_F(HeaderSkinTest, ListViewHeaderGroundReachesTheListViewsEdge) {
  const HWND listView = form.add(WC_LISTVIEWA, 20, 40, 300, 150, LVS_REPORT);
  LVCOLUMNA column{};
  column.mask = LVCF_TEXT | LVCF_WIDTH;
  column.pszText = const_cast<char*>("Name");
  column.cx = 80;
  SendMessageA(listView, LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
  const HWND header = reinterpret_cast<HWND>(SendMessageA(listView, LVM_GETHEADER, 0, 0));
  ASSERT_NE(header, nullptr);
  form.install();
  ASSERT_EQ(props::windowIndex(header), form.index()) << "the list view's header is skinned";
  ASSERT_NE(form.record().headers.find(header), 0);

  paintHeader(form.index(), props::recordIndex(header));
  RECT client{};
  GetClientRect(header, &client);
  const int y = client.bottom / 2 + 3;
  const Rgb inColumn = at(header, {60, y});
  const Rgb pastColumn = at(header, {250, y});
  EXPECT_TRUE(closeTo(pastColumn, inColumn, 3)) << "the last column's ground goes on to the edge";
  EXPECT_FALSE(closeTo(pastColumn, form.groundPixel(header, 250, y), 30));
}

}  // namespace
}  // namespace skin::test
