#include "shortlink/request_wait.h"

#include <windows.h>
#include <objbase.h>

#include <atomic>
#include <memory>
#include <thread>

namespace shortlink {
namespace {

// One user-interface thread, one wait at a time: the buttons start no second request
// while one runs.
struct WaitState {
  bool running = false;
  bool cancelled = false;
};

WaitState& waitState() {
  static WaitState state;
  return state;
}

// How long the thread sleeps between looks when no message arrives: short enough that
// a completion is seen at once, long enough to cost nothing.
constexpr DWORD lookInterval = 10;

}  // namespace

WaitOutcome waitHandlingMessages(std::chrono::milliseconds timeout, const std::function<bool()>& completed) {
  WaitState& state = waitState();
  state.running = true;
  state.cancelled = false;
  const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(timeout.count());
  WaitOutcome outcome = WaitOutcome::timedOut;
  for (;;) {
    // Looked at before each message, so that a message that cancels is the last one
    // handled here and whatever it posted is left for the caller's loop.
    if (state.cancelled) {
      outcome = WaitOutcome::cancelled;
      break;
    }
    if (completed()) {
      outcome = WaitOutcome::completed;
      break;
    }
    const ULONGLONG now = GetTickCount64();
    if (now >= deadline) break;
    MSG message;
    if (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_QUIT) {
        PostQuitMessage(static_cast<int>(message.wParam));
        outcome = WaitOutcome::cancelled;
        break;
      }
      TranslateMessage(&message);
      DispatchMessageA(&message);
      continue;
    }
    const DWORD untilDeadline = static_cast<DWORD>(deadline - now);
    MsgWaitForMultipleObjectsEx(0, nullptr, untilDeadline < lookInterval ? untilDeadline : lookInterval, QS_ALLINPUT,
                                MWMO_INPUTAVAILABLE);
  }
  state.running = false;
  state.cancelled = false;
  return outcome;
}

WaitOutcome runHandlingMessages(std::chrono::milliseconds timeout, std::function<void()> request) {
  auto finished = std::make_shared<std::atomic<bool>>(false);
  std::thread([finished, request = std::move(request)] {
    const bool comStarted = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
    request();
    if (comStarted) CoUninitialize();
    finished->store(true, std::memory_order_release);
  }).detach();
  return waitHandlingMessages(timeout, [&] { return finished->load(std::memory_order_acquire); });
}

bool requestInProgress() { return waitState().running; }

void cancelRequestInProgress() {
  if (waitState().running) waitState().cancelled = true;
}

}  // namespace shortlink
