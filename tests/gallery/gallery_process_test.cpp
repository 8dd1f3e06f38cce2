// The gallery program as a user starts and closes it.

#include <gtest/gtest.h>
#include <windows.h>

#include "gallery/gallery_layout.h"
#include "support/tool_process.h"

namespace gallery {
namespace {

TEST(GalleryProgram, ClosingTheWindowEndsTheProgramCleanly) {
  testing_support::ToolProcess program(testing_support::windowsPathOf(GALLERY_PROGRAM));
  ASSERT_TRUE(program.started());
  const HWND window = program.waitForWindow(galleryWindowClassName, 10000);
  ASSERT_TRUE(window);
  PostMessageA(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(program.waitForExit(5000), 0u) << "a fault on the way out ends with another status";
}

}  // namespace
}  // namespace gallery
