// The memory trim run on deactivation never holds the window up.

#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "skin/window/memory_trim.h"
#include "support/tool_process.h"

namespace app {
namespace {

std::vector<std::uint8_t> bytesOfFile(const std::string& hostPath) {
  std::ifstream file(testing_support::windowsPathOf(hostPath), std::ios::binary);
  return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(file), {});
}

struct TemporaryDirectory {
  TemporaryDirectory() {
    char base[MAX_PATH];
    GetTempPathA(MAX_PATH, base);
    path = std::string(base) + "trim_test_" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(path.c_str(), nullptr);
  }
  ~TemporaryDirectory() {
    DeleteFileA(skin::trimProgramPath(path).c_str());
    RemoveDirectoryA(path.c_str());
  }
  std::string path;
};

// A trim program that hangs is started by the product's own runner, which gives up
// waiting while the program still runs.
TEST(TrimMemory, AHangingTrimProgramDoesNotHoldTheWindow) {
  const std::vector<std::uint8_t> hanging = bytesOfFile(BLOCKING_PROGRAM);
  ASSERT_FALSE(hanging.empty());
  const TemporaryDirectory directory;
  skin::setTrimProgramPlace(skin::TrimProgramPlace{directory.path, {}, hanging});
  skin::trimMemory();
  skin::setTrimProgramPlace(std::nullopt);

  HANDLE running = OpenEventA(SYNCHRONIZE, FALSE, "ShortLinkToolBlockingProgramRuns");
  EXPECT_TRUE(running) << "the trim returned only once its program had ended, or never ran it";
  HANDLE release = OpenEventA(EVENT_MODIFY_STATE, FALSE, "ShortLinkToolBlockingProgramRelease");
  if (release) SetEvent(release);
  for (int look = 0; look < 100 && running; ++look) {  // let it end before its file goes
    HANDLE stillRunning = OpenEventA(SYNCHRONIZE, FALSE, "ShortLinkToolBlockingProgramRuns");
    if (!stillRunning) break;
    CloseHandle(stillRunning);
    Sleep(20);
  }
  if (release) CloseHandle(release);
  if (running) CloseHandle(running);
}

}  // namespace
}  // namespace app
