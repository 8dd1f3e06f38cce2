#pragma once
// Real message boxes for the tests: shown through the skin's hook like the tool shows
// them, and inspected from a thread timer that runs inside the box's own message loop,
// on the test's thread, where the skin's lists may be read and messages sent.

#include <windows.h>

#include <cstdint>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "skin/core/skinned_window_record.h"
#include "skin/msgbox/message_box_skin.h"

namespace skin::test {

// Every visible "#32770" window of the calling thread.
inline std::set<HWND> openBoxes() {
  std::set<HWND> boxes;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM found) -> BOOL {
        char name[16] = {};
        GetClassNameA(window, name, sizeof name);
        if (std::string(name) == "#32770" && IsWindowVisible(window))
          reinterpret_cast<std::set<HWND>*>(found)->insert(window);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&boxes));
  return boxes;
}

// Handles the thread's queued messages the way a message box's own loop does, so that
// keys reach the dialog manager.
inline void pumpMessages() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    const HWND root = msg.hwnd ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
    if (root && IsDialogMessageA(root, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

// Pumps messages until done() holds, at most about `rounds` times 5 ms; returns done().
template <typename Done>
bool pumpUntil(Done&& done, int rounds = 400) {
  for (int i = 0; i < rounds && !done(); ++i) {
    pumpMessages();
    Sleep(5);
  }
  return done();
}

inline BYTE layeredAlpha(HWND window) {
  BYTE alpha = 0;
  DWORD flags = 0;
  GetLayeredWindowAttributes(window, nullptr, &alpha, &flags);
  return alpha;
}

using BoxInspection = std::function<void(HWND box)>;

struct PendingInspection {
  std::set<HWND> earlierBoxes;
  BoxInspection inspect;
  bool waitForPaint = true;
};

inline std::map<UINT_PTR, PendingInspection>& pendingInspections() {
  static std::map<UINT_PTR, PendingInspection> pending;
  return pending;
}

inline void CALLBACK inspectNewBox(HWND, UINT, UINT_PTR timer, DWORD) {
  const auto found = pendingInspections().find(timer);
  if (found == pendingInspections().end()) return;
  HWND box = nullptr;
  for (HWND candidate : openBoxes())
    if (!found->second.earlierBoxes.count(candidate)) box = candidate;
  // The first paint renders the box and starts its fade.
  if (!box || (found->second.waitForPaint && !dialogFadeStarted(box))) return;
  KillTimer(nullptr, timer);
  const BoxInspection inspect = std::move(found->second.inspect);
  pendingInspections().erase(found);
  inspect(box);
  // What the inspection posted is handled here; a box it left open is ended so that
  // the test goes on (its result is then 0).
  pumpUntil([&] { return !IsWindow(box) || !IsWindowVisible(box); }, 100);
  if (IsWindow(box) && IsWindowVisible(box)) EndDialog(box, 0);
}

// Shows a message box and calls inspect(box) once the new box is up (with the skin's
// hook: once it has painted). Returns the platform's result.
inline int showBox(bool hooked, const char* text, UINT style, const char* caption, BoxInspection inspect,
                   HWND owner) {
  const UINT_PTR timer = SetTimer(nullptr, 0, 10, inspectNewBox);
  pendingInspections()[timer] = PendingInspection{openBoxes(), std::move(inspect), hooked};
  if (hooked) installMessageBoxHook();
  const int result = MessageBoxExA(owner, text, caption, style, 0);
  KillTimer(nullptr, timer);
  pendingInspections().erase(timer);
  return result;
}

// The way the tool shows its messages: the skin's hook, then the platform's box.
inline int showSkinnedBox(const char* text, UINT style, const char* caption, BoxInspection inspect,
                          HWND owner = nullptr) {
  return showBox(true, text, style, caption, std::move(inspect), owner);
}

// The platform's own box, without the hook.
inline int showPlainBox(const char* text, UINT style, const char* caption, BoxInspection inspect) {
  return showBox(false, text, style, caption, std::move(inspect), nullptr);
}

inline void clickButton(HWND box, int id) {
  PostMessageA(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, id)));
}

// A screen point at (x, y) of the window's rectangle, as WM_NCHITTEST and the
// non-client mouse messages carry it.
inline LPARAM screenPoint(HWND window, int x, int y) {
  RECT frame{};
  GetWindowRect(window, &frame);
  return MAKELPARAM(frame.left + x, frame.top + y);
}

inline SIZE windowSizeOf(HWND window) {
  RECT frame{};
  GetWindowRect(window, &frame);
  return SIZE{frame.right - frame.left, frame.bottom - frame.top};
}

}  // namespace skin::test
