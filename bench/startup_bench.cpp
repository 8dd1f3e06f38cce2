// Start-up of the tool, from process start to its first skinned paint, against a bare
// Win32 program that opens an empty window, measured in the same run.
//
// A program's start-up ends when its user-interface thread first waits for input:
// WaitForInputIdle returns once the window has been created, shown and painted and the
// message loop blocks, which for the tool is after the skin's first render.
#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <cstdio>
#include <string>
#include <vector>

#include "bench_timing.h"

namespace {

using bench::nowMs;

struct Search {
  DWORD processId;
  HWND found = nullptr;
};

BOOL CALLBACK findProcessWindow(HWND window, LPARAM lParam) {
  auto& search = *reinterpret_cast<Search*>(lParam);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == search.processId && IsWindowVisible(window)) {
    search.found = window;
    return FALSE;
  }
  return TRUE;
}

// Milliseconds from CreateProcess to the program's first wait for input; -1 on failure.
double timeToFirstIdle(const std::string& program) {
  STARTUPINFOA startup{sizeof startup};
  PROCESS_INFORMATION process{};
  std::string commandLine = "\"" + program + "\"";
  const double start = nowMs();
  if (!CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process))
    return -1;
  const bool idle = WaitForInputIdle(process.hProcess, 20000) == 0;
  const double elapsed = nowMs() - start;

  Search search{process.dwProcessId};
  EnumWindows(findProcessWindow, reinterpret_cast<LPARAM>(&search));
  if (search.found) PostMessageA(search.found, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 1);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return idle ? elapsed : -1;
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values.empty() ? 0 : values[values.size() / 2];
}

std::string besideThisProgram(const char* relative) {
  char path[MAX_PATH];
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path);
  folder.resize(folder.find_last_of("\\/") + 1);
  return folder + relative;
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 11;
  const std::string bare = besideThisProgram("bare_window.exe");
  const std::string tool = besideThisProgram("..\\src\\app\\shortlinktool.exe");
  timeToFirstIdle(bare);  // warm the file cache and Wine's services for both
  timeToFirstIdle(tool);
  std::vector<double> bareTimes, toolTimes;
  for (int i = 0; i < runs; ++i) {  // interleaved, so that drift affects both alike
    bareTimes.push_back(timeToFirstIdle(bare));
    toolTimes.push_back(timeToFirstIdle(tool));
  }
  if (std::count(bareTimes.begin(), bareTimes.end(), -1.0) || std::count(toolTimes.begin(), toolTimes.end(), -1.0)) {
    std::printf("a program did not start or never became idle\n");
    return 1;
  }
  const double bareMedian = median(bareTimes), toolMedian = median(toolTimes);
  std::printf("start-up to first paint, median of %d runs\n", runs);
  std::printf("  bare Win32 window   %8.1f ms\n", bareMedian);
  std::printf("  skinned tool        %8.1f ms   ratio %.2f (target < 1.50)\n", toolMedian, toolMedian / bareMedian);
  return 0;
}
