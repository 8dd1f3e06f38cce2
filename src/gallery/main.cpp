// The gallery program: one skinned window showing every control kind the skin engine
// takes over, for people to look at and for the tests and benchmarks to drive.
#include <windows.h>

#include "gallery/gallery_window.h"
#include "skin/window/program_skin.h"

namespace {

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
  skin::initSkinModule();
  const HWND window = gallery::createGalleryWindow(instance);
  int exitCode = 1;
  if (window) {
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    exitCode = runMessageLoop(window);
  }
  // After the loop, not in an exit handler, which would run after statics it uses are gone.
  skin::releaseSkinLists();
  return exitCode;
}
