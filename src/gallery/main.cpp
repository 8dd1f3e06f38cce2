// The gallery program: one skinned window showing every control kind the skin engine
// takes over, for people to look at and for the tests and benchmarks to drive.
#include <windows.h>

#include <cstdlib>

#include "gallery/gallery_window.h"
#include "skin/window/program_skin.h"

namespace {

void releaseSkinAtExit() { skin::releaseSkinLists(); }

int runMessageLoop(HWND window) {
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    if (IsWindow(window) && IsDialogMessageA(window, &message)) continue;  // Tab between controls
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return static_cast<int>(message.wParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  skin::createSkinLists();
  std::atexit(releaseSkinAtExit);
  skin::initSkinModule();
  const HWND window = gallery::createGalleryWindow(instance);
  if (!window) return 1;
  ShowWindow(window, SW_SHOW);
  UpdateWindow(window);
  return runMessageLoop(window);
}
