// The tool's programs, started as a user starts them and driven from outside.

#include <gtest/gtest.h>
#include <windows.h>

#include <ostream>
#include <string>

#include "app/main_window.h"
#include "support/fake_http_server.h"
#include "support/tool_process.h"

namespace app {
namespace {

using testing_support::ToolProcess;

void pointAt(HWND window, int clientX, int clientY) {
  POINT point{clientX, clientY};
  ClientToScreen(window, &point);
  SetCursorPos(point.x, point.y);
}

bool waitUntilGone(HWND window, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  while (IsWindow(window) && IsWindowVisible(window)) {
    if (GetTickCount() - start > timeoutMs) return false;
    Sleep(20);
  }
  return true;
}

struct ToolProgram {
  const char* name;
  const char* hostPath;
};

void PrintTo(const ToolProgram& program, std::ostream* out) { *out << program.name; }

class ToolProgramTest : public testing::TestWithParam<ToolProgram> {};

// Hover fades, a skinned message box and the close effect leave the most behind for
// the shutdown to free. The heap-checked program ends with status 3 when a block is
// freed twice on the way out.
TEST_P(ToolProgramTest, EndsAtOnceAndCleanlyAfterHoverCopyAndClose) {
  ToolProcess tool(testing_support::windowsPathOf(GetParam().hostPath));
  ASSERT_TRUE(tool.started());
  HWND window = tool.waitForWindow(mainWindowClassName, 10000);
  ASSERT_TRUE(window);
  SetForegroundWindow(window);

  RECT client;
  GetClientRect(window, &client);
  pointAt(window, client.right - 17, 9);  // the close button
  Sleep(1500);
  pointAt(window, client.right / 2, client.bottom / 2);
  Sleep(200);

  HWND copyButton = FindWindowExA(window, nullptr, "BUTTON", "复制");
  ASSERT_TRUE(copyButton);
  PostMessageA(copyButton, BM_CLICK, 0, 0);
  HWND box = tool.waitForWindow("#32770", 5000);
  ASSERT_TRUE(box);
  PostMessageA(box, WM_COMMAND, IDOK, 0);
  ASSERT_TRUE(waitUntilGone(box, 5000));

  PostMessageA(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(tool.waitForExit(2000), 0u);
}

INSTANTIATE_TEST_SUITE_P(Programs, ToolProgramTest,
                         testing::Values(ToolProgram{"Tool", TOOL_PROGRAM},
                                         ToolProgram{"HeapChecked", HEAP_CHECKED_TOOL_PROGRAM}),
                         [](const testing::TestParamInfo<ToolProgram>& info) { return info.param.name; });

// The short-to-long request goes to the address typed, so the real tool can be aimed at
// a local service that never answers.
TEST(ToolProgram, ClosingDuringARequestEndsTheProgram) {
  test_support::FakeHttpServer server;
  ASSERT_TRUE(server.listening());
  server.route("/h5ef4", {.neverAnswers = true});
  ToolProcess tool(testing_support::windowsPathOf(TOOL_PROGRAM));
  ASSERT_TRUE(tool.started());
  HWND window = tool.waitForWindow(mainWindowClassName, 10000);
  ASSERT_TRUE(window);

  const std::string address = server.baseUrl().substr(std::string("http://").size()) + "/h5ef4";
  SendMessageA(GetDlgItem(window, 107), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(address.c_str()));
  PostMessageA(GetDlgItem(window, 106), BM_CLICK, 0, 0);
  for (int look = 0; look < 500 && server.requests().empty(); ++look) Sleep(10);
  ASSERT_EQ(server.requests().size(), 1u);

  PostMessageA(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(tool.waitForExit(5000), 0u) << "the request kept the program alive";
}

}  // namespace
}  // namespace app
