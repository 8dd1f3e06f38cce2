// Painting the track bar, progress bar, up-down control and header of a skinned window
// (the built-in picture, the main window's accent), each against the same control's
// own paint in a plain window, measured in the same run; and a header item whose text
// it has not drawn before.
#include <windows.h>
#include <commctrl.h>
#include <ole2.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "bench_timing.h"
#include "draw/drawing.h"
#include "draw/gdi_handles.h"
#include "skin/controls/header_skin.h"
#include "skin/controls/progress_skin.h"
#include "skin/controls/track_bar_skin.h"
#include "skin/controls/up_down_skin.h"
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
  windowClass.lpszClassName = "SmallControlsBenchWindow";
  windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  RegisterClassA(&windowClass);
  return CreateWindowExA(0, windowClass.lpszClassName, title, WS_POPUP | WS_CLIPCHILDREN, x, 60, 360, 220, nullptr,
                         nullptr, windowClass.hInstance, nullptr);
}

struct Controls {
  HWND trackBar, progressBar, upDown, header;
};

Controls addControls(HWND window) {
  const auto add = [&](const char* windowClass, int x, int y, int w, int h, DWORD style) {
    return CreateWindowExA(0, windowClass, "", WS_CHILD | WS_VISIBLE | style, x, y, w, h, window, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
  };
  Controls c{add(TRACKBAR_CLASSA, 10, 40, 200, 32, TBS_AUTOTICKS | TBS_ENABLESELRANGE),
             add(PROGRESS_CLASSA, 10, 80, 200, 20, 0), add(UPDOWN_CLASSA, 230, 40, 20, 40, 0),
             add(WC_HEADERA, 10, 120, 300, 24, HDS_BUTTONS | HDS_HORZ)};
  SendMessageA(c.trackBar, TBM_SETRANGE, FALSE, MAKELPARAM(0, 100));
  SendMessageA(c.trackBar, TBM_SETPOS, TRUE, 40);
  SendMessageA(c.trackBar, TBM_SETSEL, FALSE, MAKELPARAM(20, 60));
  SendMessageA(c.progressBar, PBM_SETPOS, 60, 0);
  const char* texts[] = {"名称", "Size", "Modified"};
  const int formats[] = {HDF_LEFT, HDF_RIGHT, HDF_CENTER};
  for (int i = 0; i < 3; ++i) {
    HDITEMA item{};
    item.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
    item.pszText = const_cast<char*>(texts[i]);
    item.cxy = 90;
    item.fmt = formats[i] | HDF_STRING;
    SendMessageA(c.header, HDM_INSERTITEMA, i, reinterpret_cast<LPARAM>(&item));
  }
  return c;
}

// The control's own paint: invalidated and painted at once.
double plainPaint(HWND control, int runs) {
  return bench::medianMs(runs, [&] { RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW); });
}

const char* verdict(bool met) { return met ? "met" : "MISSED"; }

void reportPair(const char* skinned, double ms, double baseline) {
  char note[64];
  std::snprintf(note, sizeof note, "(target < 1 ms: %s)", verdict(ms < 1.0));
  bench::report(skinned, ms, baseline, note);
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(11, std::atoi(argv[1])) : 201;
  OleInitialize(nullptr);
  draw::startGdiPlus();
  INITCOMMONCONTROLSEX classes{sizeof classes, ICC_BAR_CLASSES | ICC_PROGRESS_CLASS | ICC_UPDOWN_CLASS |
                                                   ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&classes);
  skin::resetTheme();
  skin::applyProgramLook();
  skin::setSkinSwitches(1, 160);  // the controls a little more opaque than the tool's

  const HWND plainWindow = createWindow("plain", 20);
  const HWND skinnedWindow = createWindow("skinned", 400);
  const Controls plain = addControls(plainWindow);
  const Controls skinned = addControls(skinnedWindow);
  skin::installSkin(skinnedWindow);
  ShowWindow(plainWindow, SW_SHOWNOACTIVATE);
  ShowWindow(skinnedWindow, SW_SHOWNOACTIVATE);
  UpdateWindow(plainWindow);
  UpdateWindow(skinnedWindow);
  bench::pumpMessages();
  const int window = skin::skinnedWindowIndex(skinnedWindow);
  if (!skin::skinnedWindowAt(window) || !skin::props::recordIndex(skinned.header)) {
    std::printf("the window was not skinned\n");
    return 1;
  }
  const auto index = [](HWND control) { return skin::props::recordIndex(control); };
  const int gdiObjectsBefore = draw::liveGdiObjectCount();

  const double trackBar = bench::medianMs(runs, [&] { skin::paintTrackBar(window, index(skinned.trackBar)); });
  const double progressBar = bench::medianMs(runs, [&] { skin::paintProgressBar(window, index(skinned.progressBar)); });
  const double upDown = bench::medianMs(runs, [&] { skin::paintUpDown(window, index(skinned.upDown), true, false, 0); });
  const double header = bench::medianMs(runs, [&] { skin::paintHeader(window, index(skinned.header)); });
  // A text the header has not shown before: its item's look and width are made afresh.
  int renamed = 0;
  const double freshHeader = bench::medianMs(runs, [&] {
    char text[32];
    std::snprintf(text, sizeof text, "Name %d", ++renamed);
    HDITEMA item{};
    item.mask = HDI_TEXT;
    item.pszText = text;
    SendMessageA(skinned.header, HDM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    skin::paintHeader(window, index(skinned.header));
  });

  std::printf("track bar, progress bar, up-down control and header paints, median of %d runs\n", runs);
  const double plainTrackBar = plainPaint(plain.trackBar, runs);
  bench::report("plain track bar's own paint", plainTrackBar, plainTrackBar);
  reportPair("skinned track bar", trackBar, plainTrackBar);
  const double plainProgress = plainPaint(plain.progressBar, runs);
  bench::report("plain progress bar's own paint", plainProgress, plainProgress);
  reportPair("skinned progress bar", progressBar, plainProgress);
  const double plainUpDown = plainPaint(plain.upDown, runs);
  bench::report("plain up-down control's own paint", plainUpDown, plainUpDown);
  reportPair("skinned up-down control, a half lit", upDown, plainUpDown);
  const double plainHeader = plainPaint(plain.header, runs);
  bench::report("plain header's own paint (3 items)", plainHeader, plainHeader);
  reportPair("skinned header (3 items)", header, plainHeader);
  bench::report("skinned header, one item's text new", freshHeader, plainHeader);
  std::printf("  GDI objects left by the skinned paints: %d\n", draw::liveGdiObjectCount() - gdiObjectsBefore);

  DestroyWindow(skinnedWindow);
  DestroyWindow(plainWindow);
  draw::stopGdiPlus();
  OleUninitialize();
  return 0;
}
