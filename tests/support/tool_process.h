#pragma once
// Runs a program of the project as a child process, so that a test can drive its
// windows from outside and watch how it ends. The process is ended when the owner goes
// out of scope.

#include <windows.h>

#include <string>

namespace testing_support {

class ToolProcess {
 public:
  explicit ToolProcess(const std::string& program);  // a Windows path
  ~ToolProcess();
  ToolProcess(const ToolProcess&) = delete;
  ToolProcess& operator=(const ToolProcess&) = delete;

  bool started() const { return process_ != nullptr; }
  DWORD id() const { return processId_; }

  // The first visible top-level window of the process of that class, waiting up to
  // `timeoutMs` for it; null when none came.
  HWND waitForWindow(const char* className, DWORD timeoutMs) const;
  // The process's exit code once it ended within `timeoutMs`; STILL_ACTIVE otherwise.
  DWORD waitForExit(DWORD timeoutMs) const;

 private:
  HANDLE process_ = nullptr;
  DWORD processId_ = 0;
};

// The Windows path of a file given by its host path ("/a/b.exe" → "Z:\a\b.exe").
std::string windowsPathOf(const std::string& hostPath);

}  // namespace testing_support
