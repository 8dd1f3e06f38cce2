#include "skin/controls/control_installs.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include "common_controls.h"
#include "draw/drawing.h"
#include "draw/gdi_handles.h"
#include "skin/controls/header_skin.h"
#include "skin/controls/list_skin.h"
#include "skin/controls/progress_skin.h"
#include "skin/controls/track_bar_skin.h"
#include "skin/controls/up_down_skin.h"
#include "skin/core/control_properties.h"
#include "skinned_form.h"

namespace skin::test {
namespace {

template <typename Record>
int recordsOf(const ControlRegistry<Record>& registry, HWND control) {
  int count = 0;
  for (const Record& record : registry)
    if (record.window == control) ++count;
  return count;
}

TEST(ControlInstalls, InstallingTwiceSubclassesEachControlOnce) {
  loadCommonControls();
  SkinnedForm form;
  const HWND trackBar = form.add(TRACKBAR_CLASSA, 10, 40, 150, 30);
  const HWND progressBar = form.add(PROGRESS_CLASSA, 10, 80, 150, 20);
  const HWND upDown = form.add(UPDOWN_CLASSA, 200, 40, 20, 30);
  const HWND header = form.add(WC_HEADERA, 10, 120, 200, 24, HDS_BUTTONS);
  const HWND list = form.add("LISTBOX", 240, 90, 100, 80, WS_VSCROLL);
  form.install();
  skinChildControls(form.index(), form.window());

  SkinnedWindowRecord& record = form.record();
  EXPECT_EQ(recordsOf(record.trackBars, trackBar), 1);
  EXPECT_EQ(recordsOf(record.progressBars, progressBar), 1);
  EXPECT_EQ(recordsOf(record.upDowns, upDown), 1);
  EXPECT_EQ(recordsOf(record.headers, header), 1);
  EXPECT_EQ(recordsOf(record.lists, list), 1);
  const struct {
    HWND control;
    WNDPROC skin;
  } kinds[] = {{trackBar, trackBarProc}, {progressBar, progressProc}, {upDown, upDownProc}, {header, headerProc}, {list, listSkinProc}};
  for (const auto& kind : kinds) {
    EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrA(kind.control, GWLP_WNDPROC)), kind.skin);
    EXPECT_NE(props::previousProcedure(kind.control), kind.skin) << "the skin would forward to itself";
  }
  // Each message reaches the platform's procedure once and comes back.
  SendMessageA(trackBar, TBM_SETPOS, TRUE, 3);
  EXPECT_EQ(SendMessageA(trackBar, TBM_GETPOS, 0, 0), 3);
  SendMessageA(progressBar, PBM_SETPOS, 30, 0);
  EXPECT_EQ(SendMessageA(progressBar, PBM_GETPOS, 0, 0), 30);
  form.settle();
}

TEST(ControlInstalls, DraggingAndHoveringLeaveTheObjectCountersFlat) {
  loadCommonControls();
  SkinnedForm form;
  const HWND trackBar = form.add(TRACKBAR_CLASSA, 10, 40, 200, 30);
  const HWND progressBar = form.add(PROGRESS_CLASSA, 10, 80, 150, 20);
  const HWND upDown = form.add(UPDOWN_CLASSA, 230, 40, 20, 30);
  const HWND header = form.add(WC_HEADERA, 10, 120, 200, 24, HDS_BUTTONS);
  HDITEMA item{};
  item.mask = HDI_TEXT | HDI_WIDTH;
  item.pszText = const_cast<char*>("Name");
  item.cxy = 90;
  SendMessageA(header, HDM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
  SendMessageA(trackBar, TBM_SETRANGE, TRUE, MAKELPARAM(0, 50));
  form.install();
  const int gdiObjects = draw::liveGdiObjectCount();
  const int drawingObjects = draw::liveDrawingObjectCount();

  // The thumb dragged from one end of the track to the other, painting on the way.
  RECT thumb{};
  SendMessageA(trackBar, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
  const int y = (thumb.top + thumb.bottom) / 2;
  SendMessageA(trackBar, WM_LBUTTONDOWN, MK_LBUTTON, pointParam((thumb.left + thumb.right) / 2, y));
  for (int x = 0; x <= 200; x += 2) {
    SendMessageA(trackBar, WM_MOUSEMOVE, MK_LBUTTON, pointParam(x, y));
    UpdateWindow(trackBar);
  }
  SendMessageA(trackBar, WM_LBUTTONUP, 0, pointParam(200, y));
  EXPECT_EQ(SendMessageA(trackBar, TBM_GETPOS, 0, 0), 50) << "dragged to the end";

  for (int cycle = 0; cycle < 100; ++cycle) {
    for (const HWND control : {trackBar, upDown, header}) {
      SendMessageA(control, WM_MOUSEMOVE, 0, pointParam(cycle % 2 ? 12 : 3, cycle % 2 ? 12 : 3));
      SendMessageA(control, WM_MOUSELEAVE, 0, 0);
    }
    SendMessageA(progressBar, PBM_SETPOS, cycle % 100, 0);
    UpdateWindow(progressBar);
  }
  form.settle();
  EXPECT_EQ(draw::liveGdiObjectCount(), gdiObjects);
  EXPECT_EQ(draw::liveDrawingObjectCount(), drawingObjects);
}

}  // namespace
}  // namespace skin::test
