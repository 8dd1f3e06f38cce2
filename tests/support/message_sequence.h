#pragma once
// Message sequences in the manner of Wine's conformance tests: a spy logs the messages
// that reach a window's procedure (in order, each marked sent or posted), and a test
// compares the log with a list of expected messages, some of them optional.
//
//   MessageSpy platform(combo);            // beneath whatever sub-classes combo later
//   ...install the skin...
//   platform.clear();
//   SendMessageA(combo, WM_PAINT, 0, 0);
//   EXPECT_TRUE(matchesSequence(platform, {{CB_GETCOMBOBOXINFO}, {WM_GETTEXT, optional}}));
//
// A spy installed before a skin sees what the skin forwards to the platform's procedure;
// one installed after it sees what reaches the skin. A failure names the first
// difference and is reported at the caller's line.

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <initializer_list>
#include <string>
#include <vector>

namespace testing_support {

enum MessageFlags : unsigned { sent = 0x1, posted = 0x2, optional = 0x4 };

struct LoggedMessage {
  UINT message;
  unsigned how;  // sent or posted
  WPARAM wParam;
  LPARAM lParam;
};

struct ExpectedMessage {
  UINT message;
  unsigned flags = sent;
};

class MessageSpy {
 public:
  explicit MessageSpy(HWND window) : window_(window) {
    SetPropA(window_, spyKey, this);
    const LONG_PTR previous = SetWindowLongPtrA(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&MessageSpy::procedure));
    SetPropA(window_, nextKey, reinterpret_cast<HANDLE>(previous));
    if (hookUsers()++ == 0)
      hook() = SetWindowsHookExA(WH_GETMESSAGE, &MessageSpy::retrieved, nullptr, GetCurrentThreadId());
  }
  // Leaves the window's procedure chain as it is: whatever sub-classed the window after
  // the spy still forwards to it, so the spy's procedure stays in place, forwarding
  // without logging. One spy per window.
  ~MessageSpy() {
    if (IsWindow(window_)) SetPropA(window_, spyKey, nullptr);
    if (--hookUsers() == 0 && hook()) {
      UnhookWindowsHookEx(hook());
      hook() = nullptr;
    }
  }
  MessageSpy(const MessageSpy&) = delete;
  MessageSpy& operator=(const MessageSpy&) = delete;

  void clear() { log_.clear(); }
  const std::vector<LoggedMessage>& log() const { return log_; }
  bool received(UINT message) const {
    for (const LoggedMessage& logged : log_)
      if (logged.message == message) return true;
    return false;
  }

 private:
  static constexpr char spyKey[] = "TestMessageSpy";
  static constexpr char nextKey[] = "TestMessageSpyNext";

  static HHOOK& hook() {
    static HHOOK handle = nullptr;
    return handle;
  }
  static int& hookUsers() {
    static int users = 0;
    return users;
  }
  // The posted message last taken off the queue, until a spied procedure receives it.
  static MSG& lastPosted() {
    static MSG message{};
    return message;
  }

  static LRESULT CALLBACK retrieved(int code, WPARAM removal, LPARAM lParam) {
    if (code == HC_ACTION && removal == PM_REMOVE) lastPosted() = *reinterpret_cast<const MSG*>(lParam);
    return CallNextHookEx(hook(), code, removal, lParam);
  }

  static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    MSG& posted = lastPosted();
    const bool fromQueue =
        posted.hwnd == window && posted.message == message && posted.wParam == wParam && posted.lParam == lParam;
    if (fromQueue) posted = {};
    if (auto* spy = static_cast<MessageSpy*>(GetPropA(window, spyKey)))
      spy->log_.push_back({message, fromQueue ? MessageFlags::posted : MessageFlags::sent, wParam, lParam});
    const auto next = reinterpret_cast<WNDPROC>(GetPropA(window, nextKey));
    return next ? CallWindowProcA(next, window, message, wParam, lParam) : DefWindowProcA(window, message, wParam, lParam);
  }

  HWND window_;
  std::vector<LoggedMessage> log_;
};

inline std::string describeMessage(UINT message, unsigned how) {
  char text[48];
  std::snprintf(text, sizeof text, "0x%04X (%s)", message, how & posted ? "posted" : "sent");
  return text;
}

// Whether the log holds exactly the expected messages in that order, optional ones
// allowed to be missing; messages of `ignored` are left out of the comparison.
inline testing::AssertionResult matchesSequence(const std::vector<LoggedMessage>& log,
                                                std::initializer_list<ExpectedMessage> expected,
                                                std::initializer_list<UINT> ignored = {}) {
  std::vector<LoggedMessage> actual;
  for (const LoggedMessage& logged : log) {
    bool skip = false;
    for (const UINT message : ignored) skip = skip || logged.message == message;
    if (!skip) actual.push_back(logged);
  }
  size_t next = 0;
  for (const ExpectedMessage& want : expected) {
    const unsigned how = want.flags & (sent | posted) ? want.flags & (sent | posted) : sent;
    if (next < actual.size() && actual[next].message == want.message && (actual[next].how & how)) {
      ++next;
      continue;
    }
    if (want.flags & optional) continue;
    return testing::AssertionFailure() << "expected " << describeMessage(want.message, how) << " at position " << next
                                       << ", got "
                                       << (next < actual.size() ? describeMessage(actual[next].message, actual[next].how)
                                                                : std::string("nothing"));
  }
  if (next < actual.size())
    return testing::AssertionFailure() << "unexpected " << describeMessage(actual[next].message, actual[next].how)
                                       << " at position " << next;
  return testing::AssertionSuccess();
}

inline testing::AssertionResult matchesSequence(const MessageSpy& spy, std::initializer_list<ExpectedMessage> expected,
                                                std::initializer_list<UINT> ignored = {}) {
  return matchesSequence(spy.log(), expected, ignored);
}

}  // namespace testing_support
