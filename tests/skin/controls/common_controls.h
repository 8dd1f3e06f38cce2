#pragma once
// Registers the window classes of the common controls the tests create.

#include <windows.h>
#include <commctrl.h>

namespace skin::test {

inline void loadCommonControls() {
  static const bool loaded = [] {
    INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX),
                                  ICC_BAR_CLASSES | ICC_PROGRESS_CLASS | ICC_UPDOWN_CLASS | ICC_LISTVIEW_CLASSES};
    return InitCommonControlsEx(&controls) != FALSE;
  }();
  (void)loaded;
}

inline LPARAM pointParam(int x, int y) { return MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y)); }

}  // namespace skin::test
