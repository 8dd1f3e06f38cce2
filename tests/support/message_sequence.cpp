#include "support/message_sequence.h"

#include <commctrl.h>

#include <cstdio>
#include <sstream>

namespace testing_support {
namespace {

MessageRecorder* activeRecorder = nullptr;

// The message last taken from a queue, so that the recording procedure can tell a
// dispatched message from a sent one.
MSG lastQueued{};

constexpr char beneathProcedureKey[] = "Test_hProcBeneath";

LRESULT CALLBACK sentHook(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION && activeRecorder) {
    const auto* message = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (activeRecorder->watches(message->hwnd))
      activeRecorder->note({message->hwnd, message->message, message->wParam, message->lParam, sent});
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK queueHook(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION && wParam == PM_REMOVE) {
    const auto* message = reinterpret_cast<const MSG*>(lParam);
    lastQueued = *message;
    if (activeRecorder && message->hwnd && activeRecorder->watches(message->hwnd))
      activeRecorder->note({message->hwnd, message->message, message->wParam, message->lParam, posted});
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK recordingProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const auto previous = reinterpret_cast<WNDPROC>(GetPropA(window, beneathProcedureKey));
  if (activeRecorder) {
    const bool dispatched = !InSendMessage() && lastQueued.hwnd == window && lastQueued.message == message &&
                            lastQueued.wParam == wParam && lastQueued.lParam == lParam;
    if (dispatched) lastQueued = MSG{};
    activeRecorder->note({window, message, wParam, lParam, beneath | (dispatched ? posted : sent)});
  }
  if (message == WM_NCDESTROY) RemovePropA(window, beneathProcedureKey);
  return previous ? CallWindowProcA(previous, window, message, wParam, lParam)
                  : DefWindowProcA(window, message, wParam, lParam);
}

std::string flagsText(unsigned flags) {
  std::string text;
  if (flags & sent) text += "sent ";
  if (flags & posted) text += "posted ";
  if (flags & beneath) text += "beneath ";
  if (flags & optional) text += "optional ";
  if (!text.empty()) text.pop_back();
  return text;
}

std::string describe(const RecordedMessage& m) {
  char text[160];
  std::snprintf(text, sizeof text, "%s (%s) window %p wParam 0x%llx lParam 0x%llx", messageName(m.message).c_str(),
                flagsText(m.flags).c_str(), static_cast<void*>(m.window), static_cast<unsigned long long>(m.wParam),
                static_cast<unsigned long long>(m.lParam));
  return text;
}

std::string describe(const ExpectedMessage& e) {
  std::ostringstream text;
  text << messageName(e.message) << " (" << flagsText(e.flags) << ")";
  if (e.window) text << " window " << static_cast<void*>(e.window);
  if (e.flags & withWParam) text << " wParam 0x" << std::hex << static_cast<unsigned long long>(e.wParam);
  if (e.flags & withLParam) text << " lParam 0x" << std::hex << static_cast<unsigned long long>(e.lParam);
  return text.str();
}

bool matches(const ExpectedMessage& e, const RecordedMessage& m) {
  if (e.message != m.message) return false;
  if ((e.flags & beneath) != (m.flags & beneath)) return false;
  const unsigned arrival = e.flags & (sent | posted);
  if (arrival && !(arrival & m.flags)) return false;
  if ((e.flags & withWParam) && e.wParam != m.wParam) return false;
  if ((e.flags & withLParam) && e.lParam != m.lParam) return false;
  return !e.window || e.window == m.window;
}

}  // namespace

MessageRecorder::MessageRecorder(std::initializer_list<HWND> watched)
    : watched_(watched), ignored_{WM_GETICON, WM_GETOBJECT, WM_IME_SETCONTEXT, WM_IME_NOTIFY, WM_NCHITTEST,
                                  WM_SETCURSOR} {
  activeRecorder = this;
  sentHook_ = SetWindowsHookExA(WH_CALLWNDPROC, sentHook, nullptr, GetCurrentThreadId());
  queueHook_ = SetWindowsHookExA(WH_GETMESSAGE, queueHook, nullptr, GetCurrentThreadId());
}

MessageRecorder::~MessageRecorder() {
  if (sentHook_) UnhookWindowsHookEx(sentHook_);
  if (queueHook_) UnhookWindowsHookEx(queueHook_);
  if (activeRecorder == this) activeRecorder = nullptr;
}

void MessageRecorder::watch(HWND window) { watched_.insert(window); }

void MessageRecorder::recordBeneath(HWND window) {
  if (GetPropA(window, beneathProcedureKey)) return;
  const auto previous = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&recordingProcedure)));
  SetPropA(window, beneathProcedureKey, reinterpret_cast<HANDLE>(previous));
}

void MessageRecorder::only(std::initializer_list<UINT> messages) { only_ = messages; }

void MessageRecorder::ignore(std::initializer_list<UINT> messages) { ignored_.insert(messages); }

void MessageRecorder::note(const RecordedMessage& message) {
  if (ignored_.count(message.message)) return;
  if (!only_.empty() && !only_.count(message.message)) return;
  messages_.push_back(message);
}

std::string messageName(UINT message) {
  switch (message) {
#define NAME(m) \
  case m: return #m;
    NAME(WM_CREATE) NAME(WM_DESTROY) NAME(WM_MOVE) NAME(WM_SIZE) NAME(WM_ACTIVATE) NAME(WM_SETFOCUS)
    NAME(WM_KILLFOCUS) NAME(WM_ENABLE) NAME(WM_SETTEXT) NAME(WM_GETTEXT) NAME(WM_GETTEXTLENGTH) NAME(WM_PAINT)
    NAME(WM_CLOSE) NAME(WM_QUIT) NAME(WM_ERASEBKGND) NAME(WM_SHOWWINDOW) NAME(WM_ACTIVATEAPP) NAME(WM_SETCURSOR)
    NAME(WM_MOUSEACTIVATE) NAME(WM_GETMINMAXINFO) NAME(WM_DRAWITEM) NAME(WM_WINDOWPOSCHANGING)
    NAME(WM_WINDOWPOSCHANGED) NAME(WM_NOTIFY) NAME(WM_NCCREATE) NAME(WM_NCDESTROY) NAME(WM_NCCALCSIZE)
    NAME(WM_NCPAINT) NAME(WM_NCACTIVATE) NAME(WM_NCLBUTTONDOWN) NAME(WM_KEYDOWN) NAME(WM_KEYUP) NAME(WM_CHAR)
    NAME(WM_COMMAND) NAME(WM_SYSCOMMAND) NAME(WM_TIMER) NAME(WM_CTLCOLOREDIT) NAME(WM_CTLCOLORBTN)
    NAME(WM_CTLCOLORSTATIC) NAME(WM_MOUSEMOVE) NAME(WM_LBUTTONDOWN) NAME(WM_LBUTTONUP) NAME(WM_LBUTTONDBLCLK)
    NAME(WM_CAPTURECHANGED) NAME(WM_MOUSEHOVER) NAME(WM_MOUSELEAVE) NAME(WM_STYLECHANGING) NAME(WM_STYLECHANGED)
    NAME(WM_SETFONT) NAME(WM_GETFONT) NAME(WM_CHILDACTIVATE) NAME(WM_PARENTNOTIFY) NAME(BM_GETCHECK)
    NAME(BM_SETCHECK) NAME(BM_GETSTATE) NAME(BM_SETSTATE) NAME(BM_SETSTYLE) NAME(BM_CLICK) NAME(STM_SETICON)
    NAME(STM_GETICON) NAME(STM_SETIMAGE) NAME(STM_GETIMAGE)
#undef NAME
    default: break;
  }
  char text[16];
  std::snprintf(text, sizeof text, "0x%04X", message);
  return text;
}

testing::AssertionResult sequenceMatches(const std::vector<RecordedMessage>& actual,
                                         const std::vector<ExpectedMessage>& expected) {
  size_t a = 0;
  std::ostringstream problem;
  bool failed = false;
  for (size_t e = 0; e < expected.size(); ++e) {
    if (a < actual.size() && matches(expected[e], actual[a])) {
      ++a;
      continue;
    }
    if (expected[e].flags & optional) continue;
    problem << "expected #" << e + 1 << " " << describe(expected[e]) << ", got "
            << (a < actual.size() ? describe(actual[a]) : std::string("the end of the record"));
    failed = true;
    break;
  }
  if (!failed && a < actual.size()) {
    problem << "one more than expected: " << describe(actual[a]);
    failed = true;
  }
  if (!failed) return testing::AssertionSuccess();
  problem << "\nrecorded:";
  for (size_t i = 0; i < actual.size(); ++i) problem << "\n  " << i + 1 << ". " << describe(actual[i]);
  return testing::AssertionFailure() << problem.str();
}

}  // namespace testing_support
