// The built tool as a user starts and closes it.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace app {
namespace {

std::string toolBesideTheTests() {
  char path[MAX_PATH];
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path);
  folder.resize(folder.find_last_of("\\/") + 1);
  return folder + "..\\..\\src\\app\\shortlinktool.exe";
}

struct ProcessWindow {
  DWORD processId;
  HWND found = nullptr;
};

BOOL CALLBACK findVisibleWindowOf(HWND window, LPARAM lParam) {
  auto& search = *reinterpret_cast<ProcessWindow*>(lParam);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != search.processId || !IsWindowVisible(window)) return TRUE;
  search.found = window;
  return FALSE;
}

TEST(ToolProcess, ClosingTheMainWindowEndsTheProcessWithoutAFault) {
  const std::string tool = toolBesideTheTests();
  std::string commandLine = "\"" + tool + "\"";
  STARTUPINFOA startup{sizeof startup};
  PROCESS_INFORMATION process{};
  ASSERT_TRUE(CreateProcessA(tool.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                             &startup, &process))
      << tool;
  EXPECT_EQ(WaitForInputIdle(process.hProcess, 20000), 0u);
  ProcessWindow search{process.dwProcessId};
  EnumWindows(findVisibleWindowOf, reinterpret_cast<LPARAM>(&search));
  ASSERT_NE(search.found, nullptr);
  PostMessageA(search.found, WM_CLOSE, 0, 0);
  const bool ended = WaitForSingleObject(process.hProcess, 20000) == WAIT_OBJECT_0;
  if (!ended) TerminateProcess(process.hProcess, 1);
  DWORD exitCode = 1;
  GetExitCodeProcess(process.hProcess, &exitCode);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  EXPECT_TRUE(ended);
  EXPECT_EQ(exitCode, 0u) << std::hex << "exit status 0x" << exitCode;
}

}  // namespace
}  // namespace app
