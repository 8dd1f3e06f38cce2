#pragma once
// Real top-level windows for the installation and window-procedure tests. Their own
// procedure logs every message it is passed, the way Wine's conformance tests record
// sequences, and swallows the messages that would start a modal move, size or close
// loop, so that a test sees the request instead of running the loop.

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <vector>

#include "skin/core/engine_state.h"
#include "skin/core/skin_theme.h"
#include "skin/core/skinned_window_record.h"
#include "skin/window/close_effect.h"
#include "skin/window/memory_trim.h"
#include "skin/window/skin_installation.h"
#include "skin/window/skinned_window_proc.h"
#include "support/test_windows.h"

namespace skin::test {

struct LoggedMessage {
  HWND window;
  UINT message;
  WPARAM wParam;
};

inline std::vector<LoggedMessage>& messageLog() {
  static std::vector<LoggedMessage> log;
  return log;
}

// Messages the logging procedure answers 0 to without the default procedure.
inline std::set<UINT>& swallowedMessages() {
  static std::set<UINT> swallowed;
  return swallowed;
}

inline LRESULT CALLBACK loggingWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  messageLog().push_back({window, message, wParam});
  if (swallowedMessages().count(message)) return 0;
  return DefWindowProcA(window, message, wParam, lParam);
}

inline const char* loggingWindowClass() {
  return testing_support::testWindowClass("SkinBehaviourTestWindow", loggingWindowProc, CS_DBLCLKS);
}

// The messages of one kind logged for a window, in order, as their wParam values.
inline std::vector<WPARAM> loggedParameters(HWND window, UINT message) {
  std::vector<WPARAM> found;
  for (const LoggedMessage& m : messageLog())
    if (m.window == window && m.message == message) found.push_back(m.wParam);
  return found;
}

inline LPARAM pointParam(int x, int y) { return MAKELPARAM(x, y); }

// A borderless popup, so that its window and client rectangles coincide.
inline HWND createPopup(DWORD extraStyle = 0, int width = 300, int height = 200, int x = 100, int y = 80,
                        const char* title = "skinned") {
  return CreateWindowExA(WS_EX_TOOLWINDOW, loggingWindowClass(), title, WS_POPUP | extraStyle, x, y, width, height,
                         nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
}

// Every test starts from the defaults and leaves no skinned window behind.
class SkinnedWindowTest : public testing::Test {
 protected:
  void SetUp() override {
    resetEngineState();
    firstSizePending() = false;
    messageLog().clear();
    swallowedMessages() = {WM_NCLBUTTONDOWN, WM_SYSCOMMAND};
  }
  void TearDown() override {
    for (HWND window : windows_)
      if (IsWindow(window)) DestroyWindow(window);
    EXPECT_TRUE(skinnedWindows().empty()) << "a destroyed window kept its record";
    swallowedMessages().clear();
    resetEngineState();
  }

  // A popup destroyed after the test; installed when options are given.
  HWND popup(DWORD extraStyle = 0, int width = 300, int height = 200, int x = 100, int y = 80) {
    const HWND window = createPopup(extraStyle, width, height, x, y);
    windows_.push_back(window);
    return window;
  }
  HWND skinnedPopup(DWORD extraStyle = 0, const InstallOptions& options = {}, int width = 300, int height = 200) {
    const HWND window = popup(extraStyle, width, height);
    installSkin(window, options);
    return window;
  }
  static SkinnedWindowRecord& recordOf(HWND window) { return *findSkinnedWindow(window); }
  static int indexOf(HWND window) { return skinnedWindowIndex(window); }

 private:
  std::vector<HWND> windows_;
};

}  // namespace skin::test
