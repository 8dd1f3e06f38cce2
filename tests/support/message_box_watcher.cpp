#include "support/message_box_watcher.h"

namespace testing_support {
namespace {

std::string textOf(HWND window) {
  char buffer[1024] = {};
  GetWindowTextA(window, buffer, sizeof buffer);
  return buffer;
}

struct Search {
  HWND found = nullptr;
};

BOOL CALLBACK findDialog(HWND window, LPARAM lParam) {
  char className[64] = {};
  GetClassNameA(window, className, sizeof className);
  if (std::string(className) == "#32770" && IsWindowVisible(window)) {
    reinterpret_cast<Search*>(lParam)->found = window;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

HWND findMessageBox(DWORD threadId) {
  Search search;
  EnumThreadWindows(threadId, findDialog, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

MessageBoxWatcher::MessageBoxWatcher(int buttonId)
    : uiThread_(GetCurrentThreadId()), buttonId_(buttonId), thread_([this] { watch(); }) {}

MessageBoxWatcher::~MessageBoxWatcher() {
  stop_ = true;
  thread_.join();
}

std::vector<SeenMessageBox> MessageBoxWatcher::seen() const {
  std::lock_guard lock(mutex_);
  return seen_;
}

void MessageBoxWatcher::watch() {
  while (!stop_) {
    HWND box = findMessageBox(uiThread_);
    if (!box) {
      Sleep(5);
      continue;
    }
    // The message text is the static with the identifier 0xFFFF.
    SeenMessageBox entry{textOf(box), textOf(GetDlgItem(box, 0xFFFF))};
    {
      std::lock_guard lock(mutex_);
      seen_.push_back(entry);
    }
    // Answer until the box is gone, so that an answer that came too early is repeated.
    for (int wait = 0; IsWindow(box) && !stop_; ++wait) {
      if (wait % 40 == 0) PostMessageA(box, WM_COMMAND, MAKEWPARAM(buttonId_, BN_CLICKED), 0);
      Sleep(5);
    }
  }
}

}  // namespace testing_support
