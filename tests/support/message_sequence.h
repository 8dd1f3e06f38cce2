#pragma once
// Message sequences, in the manner of Wine's conformance tests: a recorder notes what
// the watched windows are sent (a WH_CALLWNDPROC hook), what they take from their queue
// (a WH_GETMESSAGE hook), and, for a window whose procedure it sits beneath, what its
// procedure passed on (a sub-class). A test lists the messages it expects, with flags
// that say how each must have come and what of it is compared, and checks the record
// with EXPECT_SEQUENCE, which reports a mismatch at the test's own line:
//
//   MessageRecorder recorder({button, form});
//   recorder.only({WM_LBUTTONUP, BM_SETSTATE, WM_COMMAND});
//   SendMessageA(button, WM_LBUTTONUP, 0, point);
//   EXPECT_SEQUENCE(recorder, {{WM_LBUTTONUP, sent},
//                              {BM_SETSTATE, sent | withWParam, FALSE},
//                              {WM_COMMAND, sent | withWParam | optional, MAKEWPARAM(id, BN_CLICKED)}});
//
// Matching walks both lists in order: an optional message that does not match is
// skipped; any other difference, a missing message or one more than expected fails.

#include <windows.h>

#include <gtest/gtest.h>

#include <initializer_list>
#include <set>
#include <string>
#include <vector>

namespace testing_support {

enum MessageFlags : unsigned {
  sent = 1u << 0,        // reached the window through SendMessage (from this thread or another)
  posted = 1u << 1,      // taken from the window's queue
  beneath = 1u << 2,     // reached the procedure the window had before a skin sub-classed it
  optional = 1u << 3,    // may be missing
  withWParam = 1u << 4,  // wParam compared
  withLParam = 1u << 5,  // lParam compared
};

struct ExpectedMessage {
  UINT message = 0;
  unsigned flags = sent;
  WPARAM wParam = 0;
  LPARAM lParam = 0;
  HWND window = nullptr;  // compared when given
};

struct RecordedMessage {
  HWND window = nullptr;
  UINT message = 0;
  WPARAM wParam = 0;
  LPARAM lParam = 0;
  unsigned flags = 0;  // sent or posted, and beneath for what a sub-class recorded
};

// Records for as long as it lives; one recorder per thread at a time.
class MessageRecorder {
 public:
  explicit MessageRecorder(std::initializer_list<HWND> watched = {});
  ~MessageRecorder();
  MessageRecorder(const MessageRecorder&) = delete;
  MessageRecorder& operator=(const MessageRecorder&) = delete;

  // Messages the window is sent or takes from its queue.
  void watch(HWND window);
  // Messages the window's present procedure is handed, recorded with `beneath`: call it
  // before the skin sub-classes the window, and the record shows what the skin passed
  // on. The window keeps the recording procedure after the recorder ends; it then only
  // forwards.
  void recordBeneath(HWND window);
  // Records only these messages from now on (all when never called).
  void only(std::initializer_list<UINT> messages);
  // Never records these (a few platform-internal ones are ignored from the start).
  void ignore(std::initializer_list<UINT> messages);

  const std::vector<RecordedMessage>& messages() const { return messages_; }
  void clear() { messages_.clear(); }

  // Called by the hooks and the recording procedure.
  void note(const RecordedMessage& message);
  bool watches(HWND window) const { return watched_.count(window) != 0; }

 private:
  std::set<HWND> watched_;
  std::set<UINT> only_;
  std::set<UINT> ignored_;
  std::vector<RecordedMessage> messages_;
  HHOOK sentHook_ = nullptr;
  HHOOK queueHook_ = nullptr;
};

// A readable name ("WM_LBUTTONDOWN") or the number in hexadecimal.
std::string messageName(UINT message);

testing::AssertionResult sequenceMatches(const std::vector<RecordedMessage>& actual,
                                         const std::vector<ExpectedMessage>& expected);
inline testing::AssertionResult sequenceMatches(const MessageRecorder& recorder,
                                                const std::vector<ExpectedMessage>& expected) {
  return sequenceMatches(recorder.messages(), expected);
}

}  // namespace testing_support

// Compares the record with the expected list and clears it, so that the next step of
// a test starts afresh; a mismatch is reported at the line of the call.
#define EXPECT_SEQUENCE(recorder, ...)                                                   \
  do {                                                                                   \
    EXPECT_TRUE(::testing_support::sequenceMatches(                                      \
        (recorder), std::vector<::testing_support::ExpectedMessage> __VA_ARGS__));       \
    (recorder).clear();                                                                  \
  } while (false)
