// Used by tools/run --screenshot: prints the main window's screen rectangle as
// WIDTHxHEIGHT+X+Y once it is visible (nothing otherwise); with --close, closes it.
#include <windows.h>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
  HWND window = FindWindowA("ShortLinkToolMainWindow", nullptr);
  if (!window || !IsWindowVisible(window)) return 1;
  if (argc > 1 && std::strcmp(argv[1], "--close") == 0) {
    PostMessageA(window, WM_CLOSE, 0, 0);
    return 0;
  }
  RECT r;
  GetWindowRect(window, &r);
  std::printf("%ldx%ld+%ld+%ld\n", r.right - r.left, r.bottom - r.top, r.left, r.top);
  return 0;
}
