#pragma once
// Start-up of a whole program, timed from outside: from CreateProcess to the program's
// first wait for input. WaitForInputIdle returns once the window has been created,
// shown and painted and the message loop blocks.

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "bench_timing.h"

namespace bench {

namespace detail {
struct WindowSearch {
  DWORD processId;
  HWND found = nullptr;
};

inline BOOL CALLBACK findProcessWindow(HWND window, LPARAM lParam) {
  auto& search = *reinterpret_cast<WindowSearch*>(lParam);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == search.processId && IsWindowVisible(window)) {
    search.found = window;
    return FALSE;
  }
  return TRUE;
}
}  // namespace detail

struct Launch {
  double startMs = -1;  // on the performance counter, which every process shares
  double idleMs = -1;   // after startMs; -1 when the program never became idle
};

// Starts the program with an optional argument, waits for its first wait for input,
// then closes its window and waits for it to end.
inline Launch launchToFirstIdle(const std::string& program, const std::string& argument = {}) {
  STARTUPINFOA startup{sizeof startup};
  PROCESS_INFORMATION process{};
  std::string commandLine = "\"" + program + "\"";
  if (!argument.empty()) commandLine += " " + argument;
  Launch launch;
  launch.startMs = nowMs();
  if (!CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process))
    return {};
  const bool idle = WaitForInputIdle(process.hProcess, 20000) == 0;
  if (idle) launch.idleMs = nowMs() - launch.startMs;

  detail::WindowSearch search{process.dwProcessId};
  EnumWindows(detail::findProcessWindow, reinterpret_cast<LPARAM>(&search));
  if (search.found) PostMessageA(search.found, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 1);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return launch;
}

// Milliseconds from CreateProcess to the program's first wait for input, after which
// its window is closed; -1 on failure.
inline double timeToFirstIdle(const std::string& program) { return launchToFirstIdle(program).idleMs; }

inline double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values.empty() ? 0 : values[values.size() / 2];
}

// On a machine shared with other work the fastest run shows what a step costs alone.
inline double fastest(const std::vector<double>& values) {
  return values.empty() ? 0 : *std::min_element(values.begin(), values.end());
}

// A path relative to the folder of the running benchmark.
inline std::string besideThisProgram(const char* relative) {
  char path[MAX_PATH];
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path);
  folder.resize(folder.find_last_of("\\/") + 1);
  return folder + relative;
}

}  // namespace bench
