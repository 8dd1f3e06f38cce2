// Rendering the frame of a window skinned like the main window (489 x 225 client area,
// the stretched background picture, minimise and close buttons, the shadowed title):
// a full render with the picture kept placed and with it decoded every time, one
// title-button fade step with its copy to the window, presenting the frame and the
// title paint, each against a plain BitBlt of the client area measured in the same run.
#include <windows.h>
#include <ole2.h>

#include <cstdio>
#include <cstdlib>

#include "bench_timing.h"
#include "draw/drawing.h"
#include "draw/embedded_resources.h"
#include "draw/gdi_handles.h"
#include "skin/core/offscreen_image.h"
#include "skin/core/skin_theme.h"
#include "skin/core/skinned_window_record.h"
#include "skin/window/caption_title.h"
#include "skin/window/frame_background.h"
#include "skin/window/frame_renderer.h"
#include "skin/window/skin_installation.h"
#include "skin/window/theme_pictures.h"
#include "skin/window/title_button_painter.h"

namespace {

constexpr int clientWidth = 489;
constexpr int clientHeight = 225;
constexpr char caption[] = "新浪短网址转换工具 · 短链工作室出品";

HWND createMainLikeWindow() {
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = DefWindowProcA;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.lpszClassName = "FrameBenchWindow";
  windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  RegisterClassA(&windowClass);
  return CreateWindowExA(WS_EX_APPWINDOW, windowClass.lpszClassName, caption, WS_POPUP | WS_MINIMIZEBOX, 100, 100,
                         clientWidth, clientHeight, nullptr, nullptr, windowClass.hInstance, nullptr);
}

// The main window's theme: the built-in picture stretched, the accent colour 0xFF8800.
void setMainTheme() {
  skin::resetTheme();
  skin::theme().programIcon = LoadIconA(GetModuleHandleA(nullptr), "DEFAULT_ICON");
  skin::ThemeSettings settings;
  settings.pictureBytes = draw::loadResourceBytes("THEME_PICTURE_BMP");
  settings.themeColour = 0xFF8800;
  settings.pictureMode = skin::pictureStretched;
  skin::setSkinTheme(settings);
}

int closeButtonOf(const skin::SkinnedWindowRecord& record) {
  for (size_t i = 0; i < record.titleButtons.size(); ++i)
    if (record.titleButtons[i].kind == skin::closeKind) return static_cast<int>(i) + 1;
  return 0;
}

const char* verdict(bool met) { return met ? "met" : "MISSED"; }

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(11, std::atoi(argv[1])) : 201;
  OleInitialize(nullptr);
  draw::startGdiPlus();
  setMainTheme();
  const HWND window = createMainLikeWindow();
  if (!window) {
    std::printf("the window was not created\n");
    return 1;
  }
  skin::InstallOptions options;
  options.resizable = 0;
  skin::installSkin(window, options);
  ShowWindow(window, SW_SHOW);
  UpdateWindow(window);
  bench::pumpMessages();
  const int index = skin::skinnedWindowIndex(window);
  skin::SkinnedWindowRecord* record = skin::skinnedWindowAt(index);
  if (!record || !record->backgroundImage) {
    std::printf("the window was not skinned\n");
    return 1;
  }
  const int closeButton = closeButtonOf(*record);
  const int gdiObjectsBefore = draw::liveGdiObjectCount();

  // What any paint of the client area costs at least: one copy of it to the window.
  double baseline = 0;
  {
    const draw::WindowDC dc = draw::WindowDC::client(window);
    skin::OffscreenImage source;
    source.resize(clientWidth, clientHeight);
    baseline = bench::medianMs(
        runs, [&] { BitBlt(dc.get(), 0, 0, clientWidth, clientHeight, source.dc(), 0, 0, SRCCOPY); });
  }

  const double keptRender = bench::medianMs(runs, [&] { skin::renderWindowFrame(index); });
  const double decodingRender = bench::medianMs(runs, [&] {
    skin::discardKeptPicture(index);
    skin::renderWindowFrame(index);
  });
  const double targetRender = bench::medianMs(runs, [&] { skin::renderWindowFrame(index, nullptr); });
  int step = 0;
  const double fadeStep = bench::medianMs(runs, [&] {
    step = step % 15 + 1;  // 30 ... 240 and back down to 30
    const int opacity = step <= 8 ? step * 30 : 240 - (step - 8) * 30;
    skin::paintTitleButton(index, closeButton, nullptr, false, opacity);
  });
  // The same drawn afresh, as the first pass over each look is: nothing kept to put back.
  const double freshFadeStep = bench::medianMs(runs, [&] {
    step = step % 15 + 1;
    const int opacity = step <= 8 ? step * 30 : 240 - (step - 8) * 30;
    skin::discardKeptPicture(index);
    skin::paintTitleButton(index, closeButton, nullptr, false, opacity);
  });
  skin::renderWindowFrame(index);
  const double present = bench::medianMs(runs, [&] { skin::presentFrame(index); });
  const double title = bench::medianMs(runs, [&] { skin::paintCaptionTitle(index); });
  const double freshTitle = bench::medianMs(runs, [&] {
    skin::discardKeptPicture(index);
    skin::paintCaptionTitle(index);
  });
  skin::renderWindowFrame(index);

  std::printf("skinned window frame, %d x %d client area, median of %d runs\n", clientWidth, clientHeight, runs);
  bench::report("plain BitBlt of the client area", baseline, baseline);
  char note[96];
  std::snprintf(note, sizeof note, "(target < 4 ms and < 1/5 of decoding: %s)",
                verdict(keptRender < 4.0 && keptRender * 5 < decodingRender));
  bench::report("full render, picture kept", keptRender, baseline, note);
  bench::report("full render, picture decoded every time", decodingRender, baseline);
  std::printf("  %-40s %8.1f x\n", "decoding / kept", decodingRender / keptRender);
  bench::report("full render onto the window (region too)", targetRender, baseline);
  std::snprintf(note, sizeof note, "(target < 0.3 ms: %s)", verdict(fadeStep < 0.3));
  bench::report("close-button fade step with its copy", fadeStep, baseline, note);
  bench::report("the same, drawn afresh", freshFadeStep, baseline);
  bench::report("presentFrame", present, baseline);
  bench::report("title paint with its copy", title, baseline);
  bench::report("the same, drawn afresh", freshTitle, baseline);

  const int gdiObjectsAfter = draw::liveGdiObjectCount();
  if (gdiObjectsAfter != gdiObjectsBefore)
    std::printf("  GDI objects: %d before, %d after\n", gdiObjectsBefore, gdiObjectsAfter);

  DestroyWindow(window);
  bench::pumpMessages();
  skin::clearSkinnedWindows();
  draw::stopGdiPlus();
  OleUninitialize();
  return 0;
}
