#pragma once
// Dismisses the message boxes a test raises, from a second thread, and keeps what
// each one said. A message box blocks in its own loop, so the test thread cannot.

#include <windows.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace testing_support {

struct SeenMessageBox {
  std::string caption;
  std::string text;  // the message text, as the box's text static holds it
};

class MessageBoxWatcher {
 public:
  // Watches the message boxes of the calling thread and answers each with the
  // WM_COMMAND of `buttonId` (the platform's own button identifiers, IDOK by default).
  explicit MessageBoxWatcher(int buttonId = IDOK);
  ~MessageBoxWatcher();
  MessageBoxWatcher(const MessageBoxWatcher&) = delete;
  MessageBoxWatcher& operator=(const MessageBoxWatcher&) = delete;

  std::vector<SeenMessageBox> seen() const;

 private:
  void watch();

  DWORD uiThread_;
  int buttonId_;
  std::atomic<bool> stop_{false};
  mutable std::mutex mutex_;
  std::vector<SeenMessageBox> seen_;
  std::thread thread_;
};

// The first visible "#32770" window of the given thread, or null.
HWND findMessageBox(DWORD threadId);

}  // namespace testing_support
