#include "support/tool_process.h"

#include <algorithm>

namespace testing_support {
namespace {

struct WindowSearch {
  DWORD processId;
  const char* className;
  HWND found = nullptr;
};

BOOL CALLBACK matchWindow(HWND window, LPARAM parameter) {
  auto& search = *reinterpret_cast<WindowSearch*>(parameter);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  char name[128] = {};
  GetClassNameA(window, name, sizeof name);
  if (owner == search.processId && IsWindowVisible(window) && lstrcmpiA(name, search.className) == 0) {
    search.found = window;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

std::string windowsPathOf(const std::string& hostPath) {
  std::string path = hostPath;
  std::replace(path.begin(), path.end(), '/', '\\');
  return path.starts_with("\\") ? "Z:" + path : path;
}

ToolProcess::ToolProcess(const std::string& program) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  std::string commandLine = "\"" + program + "\"";
  PROCESS_INFORMATION info{};
  if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info))
    return;
  CloseHandle(info.hThread);
  process_ = info.hProcess;
  processId_ = info.dwProcessId;
}

ToolProcess::~ToolProcess() {
  if (!process_) return;
  if (waitForExit(0) == STILL_ACTIVE) {
    TerminateProcess(process_, 1);
    WaitForSingleObject(process_, 5000);
  }
  CloseHandle(process_);
}

HWND ToolProcess::waitForWindow(const char* className, DWORD timeoutMs) const {
  const DWORD start = GetTickCount();
  do {
    WindowSearch search{processId_, className};
    EnumWindows(matchWindow, reinterpret_cast<LPARAM>(&search));
    if (search.found) return search.found;
    Sleep(20);
  } while (process_ && GetTickCount() - start < timeoutMs);
  return nullptr;
}

DWORD ToolProcess::waitForExit(DWORD timeoutMs) const {
  if (!process_ || WaitForSingleObject(process_, timeoutMs) != WAIT_OBJECT_0) return STILL_ACTIVE;
  DWORD code = STILL_ACTIVE;
  GetExitCodeProcess(process_, &code);
  return code;
}

}  // namespace testing_support
