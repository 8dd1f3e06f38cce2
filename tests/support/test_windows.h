#pragma once
// Window classes of the test programs and a message pump for the calling thread.

#include <windows.h>

namespace testing_support {

// Registers the class on first use and returns its name; registering it again is
// refused by the platform and changes nothing.
inline const char* testWindowClass(const char* name, WNDPROC procedure = DefWindowProcA, UINT style = 0) {
  WNDCLASSA windowClass{};
  windowClass.style = style;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  windowClass.lpszClassName = name;
  RegisterClassA(&windowClass);
  return name;
}

// Handles every message queued for the calling thread.
inline void pumpMessages() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

}  // namespace testing_support
