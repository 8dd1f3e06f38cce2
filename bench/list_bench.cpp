// One line of scrolling in a skinned 1,000-row list view and a 500-node tree view,
// each against the same control in a plain window, and a clean repaint of a skinned
// list restored from windowImage, all measured in the same run.
#include <windows.h>
#include <commctrl.h>
#include <ole2.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "bench_timing.h"
#include "draw/drawing.h"
#include "draw/gdi_handles.h"
#include "skin/core/control_properties.h"
#include "skin/core/skin_theme.h"
#include "skin/core/skinned_window_record.h"
#include "skin/window/program_skin.h"
#include "skin/window/skin_installation.h"

namespace {

HWND createWindow(const char* title, int x) {
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = DefWindowProcA;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.lpszClassName = "ListBenchWindow";
  windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  RegisterClassA(&windowClass);
  return CreateWindowExA(0, windowClass.lpszClassName, title, WS_POPUP | WS_CLIPCHILDREN, x, 40, 480, 300, nullptr,
                         nullptr, windowClass.hInstance, nullptr);
}

struct Lists {
  HWND listView, treeView;
};

Lists addLists(HWND window) {
  const auto add = [&](const char* windowClass, int x, DWORD style) {
    return CreateWindowExA(WS_EX_CLIENTEDGE, windowClass, "", WS_CHILD | WS_VISIBLE | WS_VSCROLL | style, x, 30, 220,
                           250, window, nullptr, GetModuleHandleA(nullptr), nullptr);
  };
  const Lists lists{add(WC_LISTVIEWA, 10, LVS_REPORT), add(WC_TREEVIEWA, 245, TVS_HASLINES | TVS_HASBUTTONS)};
  LVCOLUMNA column{};
  column.mask = LVCF_TEXT | LVCF_WIDTH;
  column.pszText = const_cast<char*>("名称");
  column.cx = 180;
  SendMessageA(lists.listView, LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
  for (int row = 0; row < 1000; ++row) {
    const std::string text = "行 " + std::to_string(row + 1);
    LVITEMA item{};
    item.mask = LVIF_TEXT;
    item.iItem = row;
    item.pszText = const_cast<char*>(text.c_str());
    SendMessageA(lists.listView, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
  }
  for (int node = 0; node < 500; ++node) {
    const std::string text = "节点 " + std::to_string(node + 1);
    TVINSERTSTRUCTA insert{};
    insert.hParent = TVI_ROOT;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT;
    insert.item.pszText = const_cast<char*>(text.c_str());
    SendMessageA(lists.treeView, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert));
  }
  return lists;
}

// One line down and painted, then one line up the next time, so that the view stays put.
double lineScroll(HWND control, int runs) {
  bool down = true;
  return bench::medianMs(runs, [&] {
    SendMessageA(control, WM_VSCROLL, down ? SB_LINEDOWN : SB_LINEUP, 0);
    UpdateWindow(control);
    down = !down;
  });
}

const char* verdict(bool met) { return met ? "met" : "MISSED"; }

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(11, std::atoi(argv[1])) : 101;
  OleInitialize(nullptr);
  draw::startGdiPlus();
  INITCOMMONCONTROLSEX classes{sizeof classes, ICC_LISTVIEW_CLASSES | ICC_TREEVIEW_CLASSES};
  InitCommonControlsEx(&classes);
  skin::resetTheme();
  skin::applyProgramLook();
  skin::setSkinSwitches(1, 160);  // the controls a little more opaque than the tool's

  const HWND plainWindow = createWindow("plain", 10);
  const HWND skinnedWindow = createWindow("skinned", 500);
  const Lists plain = addLists(plainWindow);
  const Lists skinned = addLists(skinnedWindow);
  skin::installSkin(skinnedWindow);
  ShowWindow(plainWindow, SW_SHOWNOACTIVATE);
  ShowWindow(skinnedWindow, SW_SHOWNOACTIVATE);
  UpdateWindow(plainWindow);
  UpdateWindow(skinnedWindow);
  bench::pumpMessages();
  skin::SkinnedWindowRecord* record = skin::skinnedWindowAt(skin::skinnedWindowIndex(skinnedWindow));
  if (!record || !skin::props::recordIndex(skinned.listView)) {
    std::printf("the window was not skinned\n");
    return 1;
  }
  const int gdiObjectsBefore = draw::liveGdiObjectCount();

  std::printf("list-like controls, translucent, median of %d runs\n", runs);
  char note[80];
  const double plainListView = lineScroll(plain.listView, runs);
  const double skinnedListView = lineScroll(skinned.listView, runs);
  bench::report("plain list view, one line (1,000 rows)", plainListView, plainListView);
  std::snprintf(note, sizeof note, "(target < 2 x plain: %s)", verdict(skinnedListView < 2 * plainListView));
  bench::report("skinned list view, one line", skinnedListView, plainListView, note);
  const double plainTree = lineScroll(plain.treeView, runs);
  const double skinnedTree = lineScroll(skinned.treeView, runs);
  bench::report("plain tree view, one line (500 nodes)", plainTree, plainTree);
  std::snprintf(note, sizeof note, "(target < 2 x plain: %s)", verdict(skinnedTree < 2 * plainTree));
  bench::report("skinned tree view, one line", skinnedTree, plainTree, note);

  // Nothing changed since the last paint: the picture comes back from windowImage.
  skin::ListSkinRecord& list = *record->lists.at(skin::props::recordIndex(skinned.listView));
  const double clean = bench::medianMs(runs, [&] {
    list.dirty = false;
    RedrawWindow(skinned.listView, nullptr, nullptr, RDW_INVALIDATE | RDW_NOCHILDREN | RDW_UPDATENOW);
  });
  std::snprintf(note, sizeof note, "(target < 0.1 ms: %s)", verdict(clean < 0.1));
  bench::report("skinned list view, clean repaint (no header)", clean, plainListView, note);
  std::printf("  GDI objects left by the skinned paints: %d\n", draw::liveGdiObjectCount() - gdiObjectsBefore);

  DestroyWindow(skinnedWindow);
  DestroyWindow(plainWindow);
  draw::stopGdiPlus();
  OleUninitialize();
  return 0;
}
