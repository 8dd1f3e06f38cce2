#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "draw/embedded_resources.h"
#include "draw/tool_tip_helper.h"
#include "support/test_windows.h"

using namespace draw;

TEST(EmbeddedResources, LoadsNamedDataAndNothingForMissingOnes) {
  const std::vector<std::uint8_t> probe = loadResourceBytes("DRAW_PROBE");
  ASSERT_GE(probe.size(), 5u);
  EXPECT_EQ(std::string(probe.begin(), probe.begin() + 5), "probe");
  EXPECT_TRUE(loadResourceBytes("NO_SUCH_RESOURCE").empty());
  EXPECT_TRUE(loadResourceBytes("DRAW_PROBE", MAKEINTRESOURCEA(2)).empty()) << "wrong type";
}

namespace {

// The owner answers the tip's request for the text of a callback tool.
LRESULT CALLBACK ownerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NOTIFY && reinterpret_cast<NMHDR*>(lParam)->code == TTN_GETDISPINFOA) {
    static char text[] = "from the owner";
    reinterpret_cast<NMTTDISPINFOA*>(lParam)->lpszText = text;
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

class ToolTipHelperTest : public testing::Test {
 protected:
  void SetUp() override {
    owner = CreateWindowExA(0, testing_support::testWindowClass("DrawTipOwner", ownerProc), "owner", WS_POPUP, 0, 0,
                            200, 100, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(owner, nullptr);
  }
  void TearDown() override { DestroyWindow(owner); }

  TTTOOLINFOA toolInfo(const ToolTipHelper& tips, UINT_PTR id, char* text = nullptr) {
    TTTOOLINFOA tool{};
    tool.cbSize = TTTOOLINFOA_V1_SIZE;
    tool.hwnd = owner;
    tool.uId = id;
    tool.lpszText = text;
    EXPECT_TRUE(SendMessageA(tips.window(), TTM_GETTOOLINFOA, 0, reinterpret_cast<LPARAM>(&tool)));
    return tool;
  }

  HWND owner = nullptr;
};

}  // namespace

TEST_F(ToolTipHelperTest, CreatesAnUnparentedTipWindowOfTheGivenStyle) {
  for (bool balloon : {false, true}) {
    ToolTipHelper tips;
    HWND window = tips.create(owner, balloon);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window, tips.window());
    char className[64] = {};
    GetClassNameA(window, className, sizeof(className));
    EXPECT_STRCASEEQ(className, "tooltips_class32");
    const LONG_PTR style = GetWindowLongPtrA(window, GWL_STYLE);
    EXPECT_NE(style & TTS_ALWAYSTIP, 0);
    EXPECT_EQ((style & TTS_BALLOON) != 0, balloon);
    EXPECT_EQ(GetParent(window), nullptr);
    EXPECT_EQ(SendMessageA(window, TTM_GETMAXTIPWIDTH, 0, 0), 600);
  }
}

TEST_F(ToolTipHelperTest, AddsChangesAndDeletesTools) {
  ToolTipHelper tips;
  ASSERT_NE(tips.create(owner), nullptr);
  EXPECT_EQ(tips.toolCount(), 0);

  ASSERT_TRUE(tips.addTool(1, RECT{10, 0, 40, 20}, "关闭"));
  ASSERT_TRUE(tips.addTool(2, std::nullopt, "whole"));
  ASSERT_TRUE(tips.addCallbackTool(3));
  EXPECT_EQ(tips.toolCount(), 3);

  const TTTOOLINFOA whole = toolInfo(tips, 2);
  EXPECT_EQ(whole.rect.right, 200) << "no rectangle means the owner's client area";
  EXPECT_EQ(whole.rect.bottom, 100);
  EXPECT_NE(whole.uFlags & TTF_SUBCLASS, 0u);
  char callbackText[80] = {};
  TTTOOLINFOA callback = toolInfo(tips, 3);
  callback.lpszText = callbackText;
  SendMessageA(tips.window(), TTM_GETTEXTA, sizeof(callbackText), reinterpret_cast<LPARAM>(&callback));
  EXPECT_STREQ(callbackText, "from the owner");

  tips.setToolRect(1, RECT{50, 5, 90, 25});
  const TTTOOLINFOA moved = toolInfo(tips, 1);
  EXPECT_EQ(moved.rect.left, 50);
  EXPECT_EQ(moved.rect.bottom, 25);

  tips.setToolText(1, "最小化");
  char text[80] = {};
  toolInfo(tips, 1, text);
  EXPECT_STREQ(text, "最小化");

  tips.setBackgroundColour(RGB(1, 2, 3));
  tips.setTextColour(RGB(4, 5, 6));
  EXPECT_EQ(SendMessageA(tips.window(), TTM_GETTIPBKCOLOR, 0, 0), static_cast<LRESULT>(RGB(1, 2, 3)));
  EXPECT_EQ(SendMessageA(tips.window(), TTM_GETTIPTEXTCOLOR, 0, 0), static_cast<LRESULT>(RGB(4, 5, 6)));
  EXPECT_EQ(tips.setMaxWidth(300), 600);

  tips.deleteTool(2);
  EXPECT_EQ(tips.toolCount(), 2);
}

TEST_F(ToolTipHelperTest, TipWindowGoesWithTheHelper) {
  HWND window = nullptr;
  {
    ToolTipHelper tips;
    window = tips.create(owner);
    ASSERT_TRUE(IsWindow(window));
    ToolTipHelper moved = std::move(tips);
    EXPECT_EQ(tips.window(), nullptr);
    EXPECT_TRUE(IsWindow(window)) << "moving keeps the window";
  }
  EXPECT_FALSE(IsWindow(window));
}
