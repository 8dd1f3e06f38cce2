#include "gallery/gallery_content.h"

#include <array>
#include <string>

#include "draw/gdi_handles.h"
#include "gallery/gallery_layout.h"

namespace gallery {
namespace {

constexpr COLORREF maskColour = RGB(255, 0, 255);
constexpr COLORREF outline = RGB(40, 40, 40);

constexpr std::array<COLORREF, galleryIconCount> iconFill{
    RGB(30, 120, 230), RGB(40, 170, 70), RGB(240, 140, 20), RGB(150, 60, 200),
    RGB(250, 250, 250), RGB(245, 200, 60), RGB(220, 40, 40), RGB(40, 170, 70),
};

void drawIcon(HDC dc, int icon, int left) {
  const int l = left + 1, t = 1, r = left + iconSize - 1, b = iconSize - 1;
  draw::OwnedBrush brush(CreateSolidBrush(iconFill[icon]));
  draw::OwnedPen pen(CreatePen(PS_SOLID, 1, outline));
  draw::ScopedSelectObject brushSelection(dc, brush.get());
  draw::ScopedSelectObject penSelection(dc, pen.get());
  switch (icon) {
    case iconCircle: Ellipse(dc, l, t, r, b); break;
    case iconSquare: Rectangle(dc, l + 1, t + 1, r - 1, b - 1); break;
    case iconTriangle: {
      const POINT points[] = {{left + 8, t}, {r - 1, b - 1}, {l, b - 1}};
      Polygon(dc, points, 3);
      break;
    }
    case iconDiamond: {
      const POINT points[] = {{left + 8, t}, {r - 1, 8}, {left + 8, b - 1}, {l, 8}};
      Polygon(dc, points, 4);
      break;
    }
    case iconDocument: {
      const POINT page[] = {{l + 2, t}, {r - 5, t}, {r - 2, t + 3}, {r - 2, b - 1}, {l + 2, b - 1}};
      Polygon(dc, page, 5);
      for (int y = t + 5; y < b - 2; y += 3) {
        MoveToEx(dc, l + 4, y, nullptr);
        LineTo(dc, r - 4, y);
      }
      break;
    }
    case iconFolder: {
      const POINT folder[] = {{l, t + 2}, {l + 5, t + 2}, {l + 7, t + 4}, {r - 1, t + 4}, {r - 1, b - 2}, {l, b - 2}};
      Polygon(dc, folder, 6);
      break;
    }
    case iconCross:
    case iconTick: {
      Ellipse(dc, l, t, r, b);
      draw::OwnedPen mark(CreatePen(PS_SOLID, 2, RGB(255, 255, 255)));
      draw::ScopedSelectObject markSelection(dc, mark.get());
      if (icon == iconCross) {
        MoveToEx(dc, l + 4, t + 4, nullptr);
        LineTo(dc, r - 5, b - 5);
        MoveToEx(dc, r - 5, t + 4, nullptr);
        LineTo(dc, l + 4, b - 5);
      } else {
        MoveToEx(dc, l + 3, 8, nullptr);
        LineTo(dc, left + 7, b - 4);
        LineTo(dc, r - 3, t + 4);
      }
      break;
    }
  }
}

void send(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
  SendMessageA(window, message, wParam, lParam);
}

template <typename Pointer>
LPARAM asLParam(Pointer pointer) {
  return reinterpret_cast<LPARAM>(pointer);
}

void addNumberedItems(HWND control, UINT addMessage, const char* prefix, int count) {
  for (int i = 1; i <= count; ++i) {
    const std::string item = std::string(prefix) + std::to_string(i);
    send(control, addMessage, 0, asLParam(item.c_str()));
  }
}

void fillButtons(HWND gallery) {
  send(GetDlgItem(gallery, idCheckChecked), BM_SETCHECK, BST_CHECKED);
  send(GetDlgItem(gallery, idCheckThreeState), BM_SETCHECK, BST_INDETERMINATE);
  send(GetDlgItem(gallery, idRadioFirst), BM_SETCHECK, BST_CHECKED);
}

void fillEdits(HWND gallery) {
  SetWindowTextA(GetDlgItem(gallery, idEditMultiLine), multiLineText().c_str());
}

void fillComboAndListBoxes(HWND gallery) {
  for (int id : {idComboSimple, idComboDropDown, idComboDropList}) {
    const HWND combo = GetDlgItem(gallery, id);
    addNumberedItems(combo, CB_ADDSTRING, "选项 ", 20);
    send(combo, CB_SETCURSEL, 0);
  }
  addNumberedItems(GetDlgItem(gallery, idListBox), LB_ADDSTRING, "列表项 ", 50);
}

void addListViewColumn(HWND listView, int index, const char* title, int width, int format, int image) {
  LVCOLUMNA column{};
  column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT | LVCF_SUBITEM | (image >= 0 ? LVCF_IMAGE : 0);
  column.fmt = format | (image >= 0 ? LVCFMT_IMAGE : 0);
  column.cx = width;
  column.pszText = const_cast<char*>(title);
  column.iSubItem = index;
  column.iImage = image;
  send(listView, LVM_INSERTCOLUMNA, index, asLParam(&column));
}

void setSubItemText(HWND listView, int row, int column, const std::string& text) {
  LVITEMA item{};
  item.iSubItem = column;
  item.pszText = const_cast<char*>(text.c_str());
  send(listView, LVM_SETITEMTEXTA, row, asLParam(&item));
}

void fillListView(HWND gallery) {
  const HWND listView = GetDlgItem(gallery, idListView);
  send(listView, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
  // Without LVS_SHAREIMAGELISTS the list view destroys its list with itself.
  send(listView, LVM_SETIMAGELIST, LVSIL_SMALL, asLParam(makeGalleryIcons().release()));
  addListViewColumn(listView, 0, "名称", 120, LVCFMT_LEFT, iconDocument);
  addListViewColumn(listView, 1, "类型", 70, LVCFMT_LEFT, -1);
  addListViewColumn(listView, 2, "大小", 74, LVCFMT_RIGHT, -1);
  send(listView, WM_SETREDRAW, FALSE);
  for (int row = 0; row < 200; ++row) {
    const bool folder = row % 5 == 0;
    const std::string name = (folder ? "文件夹 " : "文件 ") + std::to_string(row + 1);
    LVITEMA item{};
    item.mask = LVIF_TEXT | LVIF_IMAGE;
    item.iItem = row;
    item.pszText = const_cast<char*>(name.c_str());
    item.iImage = folder ? iconFolder : iconDocument;
    send(listView, LVM_INSERTITEMA, 0, asLParam(&item));
    setSubItemText(listView, row, 1, folder ? "文件夹" : "文本文件");
    setSubItemText(listView, row, 2, folder ? "" : std::to_string((row * 37) % 900 + 1) + " KB");
  }
  send(listView, WM_SETREDRAW, TRUE);
}

HTREEITEM addTreeItem(HWND tree, HTREEITEM parent, const std::string& text) {
  TVINSERTSTRUCTA insert{};
  insert.hParent = parent;
  insert.hInsertAfter = TVI_LAST;
  insert.item.mask = TVIF_TEXT;
  insert.item.pszText = const_cast<char*>(text.c_str());
  return reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_INSERTITEMA, 0, asLParam(&insert)));
}

void fillTreeView(HWND gallery) {
  const HWND tree = GetDlgItem(gallery, idTreeView);
  HTREEITEM first = nullptr;
  for (int folder = 1; folder <= 4; ++folder) {
    const HTREEITEM parent = addTreeItem(tree, TVI_ROOT, "文件夹 " + std::to_string(folder));
    for (int file = 1; file <= 3; ++file)
      addTreeItem(tree, parent, "文件 " + std::to_string(folder) + "-" + std::to_string(file));
    if (!first) first = parent;
  }
  send(tree, TVM_EXPAND, TVE_EXPAND, asLParam(first));
}

void fillHeader(HWND gallery) {
  const HWND header = GetDlgItem(gallery, idHeader);
  const struct {
    const char* text;
    int width;
  } items[] = {{"名称", 110}, {"修改日期", 100}, {"大小", 70}};
  for (int i = 0; i < 3; ++i) {
    HDITEMA item{};
    item.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
    item.fmt = HDF_STRING | HDF_LEFT;
    item.cxy = items[i].width;
    item.pszText = const_cast<char*>(items[i].text);
    send(header, HDM_INSERTITEMA, i, asLParam(&item));
  }
}

void fillAddressAndDate(HWND gallery) {
  send(GetDlgItem(gallery, idIpAddress), IPM_SETADDRESS, 0, MAKEIPADDRESS(192, 168, 1, 10));
  SYSTEMTIME day{};
  day.wYear = 2026;
  day.wMonth = 5;
  day.wDay = 20;
  send(GetDlgItem(gallery, idDateTime), DTM_SETSYSTEMTIME, GDT_VALID, asLParam(&day));
}

void fillTrackBars(HWND gallery) {
  const HWND ticks = GetDlgItem(gallery, idTrackTicks);
  send(ticks, TBM_SETRANGE, TRUE, MAKELPARAM(0, 100));
  send(ticks, TBM_SETTICFREQ, 10);
  send(ticks, TBM_SETPOS, TRUE, 40);
  const HWND vertical = GetDlgItem(gallery, idTrackVertical);
  send(vertical, TBM_SETRANGE, TRUE, MAKELPARAM(0, 10));
  send(vertical, TBM_SETPOS, TRUE, 3);
  const HWND selection = GetDlgItem(gallery, idTrackSelection);
  send(selection, TBM_SETRANGE, TRUE, MAKELPARAM(0, 100));
  send(selection, TBM_SETSEL, TRUE, MAKELPARAM(20, 70));
  send(selection, TBM_SETPOS, TRUE, 50);
  const HWND empty = GetDlgItem(gallery, idTrackEmptyRange);
  send(empty, TBM_SETRANGEMIN, FALSE, 5);
  send(empty, TBM_SETRANGEMAX, TRUE, 5);
  send(empty, TBM_SETPOS, TRUE, 5);
}

void fillProgressBars(HWND gallery) {
  const std::pair<int, int> positions[] = {{idProgressEmpty, 0}, {idProgressPart, 60}, {idProgressVertical, 30}};
  for (const auto& [id, position] : positions) {
    const HWND bar = GetDlgItem(gallery, id);
    send(bar, PBM_SETRANGE32, 0, 100);
    send(bar, PBM_SETPOS, position);
  }
}

void fillUpDowns(HWND gallery) {
  const HWND attached = GetDlgItem(gallery, idUpDownAttached);
  send(attached, UDM_SETBUDDY, reinterpret_cast<WPARAM>(GetDlgItem(gallery, idUpDownBuddyEdit)));
  send(attached, UDM_SETRANGE32, 0, 100);
  send(attached, UDM_SETPOS32, 0, 25);
  const HWND horizontal = GetDlgItem(gallery, idUpDownHorizontal);
  send(horizontal, UDM_SETRANGE32, 0, 10);
  send(horizontal, UDM_SETPOS32, 0, 5);
}

TBBUTTON toolButton(int image, int command, BYTE state, BYTE style, const char* text) {
  TBBUTTON button{};
  button.iBitmap = image;
  button.idCommand = command;
  button.fsState = state;
  button.fsStyle = style;
  button.iString = reinterpret_cast<INT_PTR>(text);
  return button;
}

constexpr int toolbarComboWidth = 150;

void fillToolbar(HWND gallery, HIMAGELIST icons) {
  const HWND toolbar = GetDlgItem(gallery, idToolbar);
  send(toolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON));
  send(toolbar, TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_DRAWDDARROWS);
  send(toolbar, TB_SETIMAGELIST, 0, asLParam(icons));
  constexpr BYTE on = TBSTATE_ENABLED;
  // Plain style bytes: the skin draws icons and drop-down arrows for those alone.
  TBBUTTON buttons[] = {
      toolButton(iconCircle, toolPlain, on, BTNS_BUTTON, "普通"),
      toolButton(iconSquare, toolCheck, on, BTNS_CHECK, "复选"),
      toolButton(iconTriangle, toolGroupOne, on | TBSTATE_CHECKED, BTNS_CHECKGROUP, "组一"),
      toolButton(iconDiamond, toolGroupTwo, on, BTNS_CHECKGROUP, "组二"),
      toolButton(iconFolder, toolDropDown, on, BTNS_DROPDOWN, "下拉"),
      toolButton(iconDocument, toolWholeDropDown, on, BTNS_WHOLEDROPDOWN, "整体下拉"),
      toolButton(0, 0, 0, BTNS_SEP, nullptr),
      toolButton(iconCross, toolDisabled, 0, BTNS_BUTTON, "禁用"),
      toolButton(iconTick, toolIndeterminate, on | TBSTATE_INDETERMINATE, BTNS_BUTTON, "不定"),
      toolButton(iconCircle, toolHidden, on | TBSTATE_HIDDEN, BTNS_BUTTON, "隐藏"),
      toolButton(toolbarComboWidth, toolComboPlace, 0, BTNS_SEP, nullptr),  // a separator's image is its width
  };
  send(toolbar, TB_ADDBUTTONSA, std::size(buttons), asLParam(buttons));

  RECT place{};
  send(toolbar, TB_GETRECT, toolComboPlace, asLParam(&place));
  const ControlSpec& spec = *controlSpec(idToolbarCombo);
  const HWND combo = CreateWindowExA(spec.extendedStyle, spec.className, spec.text, WS_CHILD | WS_VISIBLE | spec.style,
                                     place.left + 4, place.top + 1, toolbarComboWidth - 8, spec.height, toolbar,
                                     reinterpret_cast<HMENU>(static_cast<INT_PTR>(spec.id)),
                                     GetModuleHandleA(nullptr), nullptr);
  send(combo, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)));
  for (const char* zoom : {"缩放 50 %", "缩放 100 %", "缩放 150 %", "缩放 200 %"})
    send(combo, CB_ADDSTRING, 0, asLParam(zoom));
  send(combo, CB_SETCURSEL, 1);
}

}  // namespace

OwnedImageList makeGalleryIcons() {
  OwnedImageList list(ImageList_Create(iconSize, iconSize, ILC_COLOR24 | ILC_MASK, galleryIconCount, 0));
  if (!list.get()) return list;
  const draw::WindowDC screen = draw::WindowDC::client(nullptr);
  draw::MemoryDC dc = draw::MemoryDC::createCompatible(screen.get());
  draw::OwnedBitmap strip(CreateCompatibleBitmap(screen.get(), iconSize * galleryIconCount, iconSize));
  {
    draw::ScopedSelectObject selection(dc.get(), strip.get());
    draw::OwnedBrush mask(CreateSolidBrush(maskColour));
    const RECT all{0, 0, iconSize * galleryIconCount, iconSize};
    FillRect(dc.get(), &all, mask.get());
    for (int icon = 0; icon < galleryIconCount; ++icon) drawIcon(dc.get(), icon, icon * iconSize);
  }
  ImageList_AddMasked(list.get(), strip.get(), maskColour);
  return list;
}

std::string multiLineText() {
  std::string text;
  for (int line = 1; line <= 40; ++line) {
    if (line > 1) text += "\r\n";
    text += "第 " + std::to_string(line) + " 行：皮肤引擎给编辑框画出边框和滚动条，这一行写得很长，水平滚动条才有用处。";
  }
  return text;
}

void fillGalleryControls(HWND gallery, HIMAGELIST toolbarIcons) {
  fillButtons(gallery);
  fillEdits(gallery);
  fillComboAndListBoxes(gallery);
  fillListView(gallery);
  fillTreeView(gallery);
  fillHeader(gallery);
  fillAddressAndDate(gallery);
  fillTrackBars(gallery);
  fillProgressBars(gallery);
  fillUpDowns(gallery);
  fillToolbar(gallery, toolbarIcons);
}

}  // namespace gallery
