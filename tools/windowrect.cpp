// Used by tools/run --screenshot: prints a program's window's screen rectangle as
// WIDTHxHEIGHT+X+Y once it is visible (nothing otherwise); with --close, closes it.
//   windowrect [--class NAME] [--close]      NAME defaults to the tool's main window
#include <windows.h>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
  const char* className = "ShortLinkToolMainWindow";
  bool close = false;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--close") == 0) close = true;
    if (std::strcmp(argv[i], "--class") == 0 && i + 1 < argc) className = argv[++i];
  }
  HWND window = FindWindowA(className, nullptr);
  if (!window || !IsWindowVisible(window)) return 1;
  if (close) {
    PostMessageA(window, WM_CLOSE, 0, 0);
    return 0;
  }
  RECT r;
  GetWindowRect(window, &r);
  std::printf("%ldx%ld+%ld+%ld\n", r.right - r.left, r.bottom - r.top, r.left, r.top);
  return 0;
}
