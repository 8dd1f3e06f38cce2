#include "skin/window/skin_installation.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "draw/drawing.h"
#include "draw/gdi_handles.h"
#include "skin/core/control_properties.h"
#include "skin/window/theme_pictures.h"
#include "skin_window_harness.h"
#include "support/pixels.h"

namespace skin::test {
namespace {

using SkinInstallationTest = SkinnedWindowTest;

std::vector<int> kindsOf(const SkinnedWindowRecord& record) {
  std::vector<int> kinds;
  for (const TitleButton& button : record.titleButtons) kinds.push_back(button.kind);
  return kinds;
}

TEST_F(SkinInstallationTest, TitleButtonsFollowTheWindowStyleAndTheOptions) {
  InstallOptions helpAndMenu;
  helpAndMenu.helpButton = 1;
  helpAndMenu.menuButton = 1;
  InstallOptions noClose;
  noClose.noCloseButton = 1;
  InstallOptions noTitleBar;
  noTitleBar.titleBar = 0;
  const struct {
    const char* name;
    DWORD style;
    InstallOptions options;
    std::vector<int> kinds;
    int stripWidth;
    std::vector<int> offsetsFromRight;
  } cases[] = {
      {"plain popup: close only", 0, {}, {closeKind}, 41, {38}},
      {"minimise box", WS_MINIMIZEBOX, {}, {minimiseKind, closeKind}, 68, {65, 38}},
      {"everything",
       WS_MINIMIZEBOX | WS_MAXIMIZEBOX,
       helpAndMenu,
       {helpKind, menuKind, minimiseKind, maximiseKind, closeKind},
       149,
       {146, 119, 92, 65, 38}},
      {"no close button", WS_MINIMIZEBOX, noClose, {minimiseKind}, 29, {26}},
      {"no title bar", 0, noTitleBar, {}, 2, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const HWND window = skinnedPopup(c.style, c.options);
    const SkinnedWindowRecord& record = recordOf(window);
    EXPECT_EQ(kindsOf(record), c.kinds);
    EXPECT_EQ(record.buttonStrip.width, c.stripWidth);
    EXPECT_EQ(record.buttonStrip.height, 22);
    EXPECT_EQ(record.buttonStrip.x, 300 - c.stripWidth + 1);
    for (size_t i = 0; i < c.offsetsFromRight.size(); ++i)
      EXPECT_EQ(300 - record.titleButtons[i].hitRect.x, c.offsetsFromRight[i]) << "button " << i + 1;
    DestroyWindow(window);
  }
}

TEST_F(SkinInstallationTest, ButtonsCarryTheirGlyphsAndTipTexts) {
  const HWND window = skinnedPopup(WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
  const SkinnedWindowRecord& record = recordOf(window);
  ASSERT_EQ(record.titleButtons.size(), 3u);
  const char* tips[] = {"最小化", "最大化", "关闭"};
  const int widths[] = {26, 26, 38};
  for (int i = 0; i < 3; ++i) {
    SCOPED_TRACE(i);
    const TitleButton& button = record.titleButtons[i];
    EXPECT_EQ(button.tipText, tips[i]);
    EXPECT_EQ(button.width, widths[i]);
    EXPECT_EQ(button.height, 18);
    const draw::DrawingImage glyph = draw::DrawingImage::fromBytes(button.image);
    EXPECT_EQ(glyph.width(), static_cast<unsigned>(widths[i]));
    EXPECT_EQ(glyph.height(), 18u);
  }
  EXPECT_TRUE(record.titleButtons[0].altImage.empty());
  EXPECT_EQ(draw::DrawingImage::fromBytes(record.titleButtons[1].altImage).width(), 26u);
}

TEST_F(SkinInstallationTest, CaptionHeightAndDefaultsOfTheRecord) {
  const struct {
    std::optional<int> given;
    int expected;
  } heights[] = {{std::nullopt, 25}, {0, 25}, {-3, 25}, {32, 32}};
  for (const auto& h : heights) {
    InstallOptions options;
    options.captionHeight = h.given;
    const HWND window = skinnedPopup(0, options);
    EXPECT_EQ(recordOf(window).captionHeight, h.expected);
    // The height is where the caption ends: a press on its last row drags the window,
    // one two rows further down does not.
    messageLog().clear();
    for (const int y : {h.expected, h.expected + 2}) {
      SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, pointParam(100, y));
      SendMessageA(window, WM_LBUTTONUP, 0, pointParam(100, y));
    }
    EXPECT_EQ(loggedParameters(window, WM_NCLBUTTONDOWN), std::vector<WPARAM>{HTCAPTION}) << h.expected;
    DestroyWindow(window);
  }
  InstallOptions fixed;
  fixed.resizable = 0;
  const SkinnedWindowRecord& record = recordOf(skinnedPopup(0, fixed));
  EXPECT_FALSE(record.resizable);
  EXPECT_TRUE(record.titleBar);
  EXPECT_TRUE(record.showTitle);
  EXPECT_FALSE(record.captionBand);
  EXPECT_EQ(record.captionBandColour, -1);
  EXPECT_EQ(record.captionBandAlpha, 255);
  EXPECT_EQ(record.frameWidth, 300);
  EXPECT_EQ(record.frameHeight, 200);
  EXPECT_EQ(record.screenWidth, GetSystemMetrics(SM_CXSCREEN));
  EXPECT_TRUE(record.frameDirty);
  EXPECT_EQ(frameMargin, 3);
}

TEST_F(SkinInstallationTest, ToolTipsOnlyWhenTheTitleBarValueIsGiven) {
  const HWND plain = skinnedPopup(WS_MINIMIZEBOX);
  EXPECT_EQ(recordOf(plain).tooltip, nullptr);
  EXPECT_EQ(recordOf(plain).titleButtons.size(), 2u);  // the close button is shown all the same

  InstallOptions withTitleBar;
  withTitleBar.titleBar = 1;
  const HWND tipped = skinnedPopup(WS_MINIMIZEBOX, withTitleBar);
  const SkinnedWindowRecord& record = recordOf(tipped);
  ASSERT_NE(record.tooltip, nullptr);
  ASSERT_NE(record.tooltip->window(), nullptr);
  EXPECT_EQ(record.tooltip->toolCount(), 2);
  EXPECT_EQ(record.lastToolId, 2);

  // Each tool covers its button's hit rectangle.
  TTTOOLINFOA tool{};
  tool.cbSize = TTTOOLINFOA_V1_SIZE;
  tool.hwnd = tipped;
  tool.uId = 2;
  char text[64] = {};
  tool.lpszText = text;
  ASSERT_TRUE(SendMessageA(record.tooltip->window(), TTM_GETTOOLINFOA, 0, reinterpret_cast<LPARAM>(&tool)));
  EXPECT_EQ(tool.rect.left, 262);
  EXPECT_EQ(tool.rect.right, 302);
  EXPECT_EQ(tool.rect.top, 1);
  EXPECT_EQ(tool.rect.bottom, 19);
  EXPECT_STREQ(text, "关闭");
}

TEST_F(SkinInstallationTest, InstallingTwiceLeavesOneRecordAndOneReplacement) {
  const HWND window = popup(WS_CLIPCHILDREN);
  installSkin(window);
  installSkin(window);
  EXPECT_EQ(skinnedWindows().size(), 1u);
  EXPECT_EQ(GetWindowLongPtrA(window, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&skinnedWindowProc));
  EXPECT_EQ(props::previousProcedure(window), &loggingWindowProc);
  EXPECT_EQ(recordOf(window).previousProcedure, &loggingWindowProc);
  EXPECT_EQ(props::recordIndex(window), 1);
  const LONG_PTR style = GetWindowLongPtrA(window, GWL_STYLE);
  EXPECT_FALSE(style & WS_CLIPCHILDREN);
  EXPECT_TRUE(style & WS_SYSMENU);

  // A message goes through the skin to the window's own procedure exactly once.
  messageLog().clear();
  SendMessageA(window, WM_USER + 7, 0, 0);
  EXPECT_EQ(loggedParameters(window, WM_USER + 7).size(), 1u);
}

TEST_F(SkinInstallationTest, DestroyingAnEarlierWindowRenumbersTheLaterOneWhoseButtonsKeepWorking) {
  const HWND first = skinnedPopup();
  const HWND second = skinnedPopup(WS_MINIMIZEBOX);
  ASSERT_EQ(props::recordIndex(second), 2);

  DestroyWindow(first);
  ASSERT_EQ(skinnedWindows().size(), 1u);
  EXPECT_EQ(props::recordIndex(second), 1);
  EXPECT_EQ(recordOfWindow(second), &recordOf(second));
  EXPECT_EQ(setCloseEffect(second, 2), 1);
  EXPECT_EQ(recordOf(second).closeEffect, 2);

  // Click the close button (x 262..302) of the remaining window.
  const LPARAM onClose = pointParam(280, 10);
  SendMessageA(second, WM_MOUSEMOVE, 0, onClose);
  SendMessageA(second, WM_LBUTTONDOWN, MK_LBUTTON, onClose);
  SendMessageA(second, WM_LBUTTONUP, 0, onClose);
  EXPECT_EQ(loggedParameters(second, WM_SYSCOMMAND), std::vector<WPARAM>{SC_CLOSE});
}

TEST_F(SkinInstallationTest, SetCloseEffectNeedsASkinnedWindow) {
  const HWND skinned = skinnedPopup();
  EXPECT_EQ(setCloseEffect(skinned, 1), 1);
  EXPECT_EQ(recordOf(skinned).closeEffect, 1);
  EXPECT_EQ(setCloseEffect(popup(), 2), 0);
  EXPECT_EQ(setCloseEffect(nullptr, 2), 0);
}

TEST_F(SkinInstallationTest, UninstallingPutsTheProcedureBackAndReleasesEverythingTheRecordOwns) {
  const int before = draw::liveGdiObjectCount();
  const HWND window = popup(WS_MINIMIZEBOX);
  const HWND edit = CreateWindowExA(0, "Edit", "", WS_CHILD | WS_VISIBLE, 10, 40, 100, 22, window, nullptr,
                                    GetModuleHandleA(nullptr), nullptr);
  setSkinSwitches(1, 100);
  installSkin(window);
  SkinnedWindowRecord& record = recordOf(window);
  record.edits.takeSlot();
  record.edits.at(1)->window = edit;
  ShowWindow(window, SW_SHOWNOACTIVATE);
  UpdateWindow(window);
  const HDC dc = GetDC(edit);
  SendMessageA(window, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(edit));
  ReleaseDC(edit, dc);
  ASSERT_TRUE(record.backgroundImage);
  ASSERT_NE(props::colourBrush(edit), nullptr);
  ASSERT_GT(draw::liveGdiObjectCount(), before);

  uninstallSkin(window);
  EXPECT_TRUE(skinnedWindows().empty());
  EXPECT_EQ(GetWindowLongPtrA(window, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&loggingWindowProc));
  EXPECT_EQ(props::recordIndex(window), 0);
  EXPECT_EQ(GetPropA(window, props::originalBackgroundBitmapKey), nullptr);
  EXPECT_EQ(props::colourBrush(edit), nullptr);
  EXPECT_EQ(draw::liveGdiObjectCount(), before);
}

TEST_F(SkinInstallationTest, StatusBarPartsAreLaidOutFromTheLeftWithTheRestForTheLastPart) {
  InstallOptions options;
  options.statusBarHeight = 20;
  options.statusParts = {StatusPart{80, "ready"}, StatusPart{-1, "rest"}};
  const SkinnedWindowRecord& record = recordOf(skinnedPopup(0, options));
  EXPECT_EQ(record.statusBarHeight, 20);
  const PixelRect bar = record.statusBarRect;
  EXPECT_EQ((std::vector<int>{bar.x, bar.y, bar.width, bar.height}), (std::vector<int>{3, 176, 294, 20}));
  ASSERT_EQ(record.statusPartRects.size(), 2u);
  const PixelRect a = record.statusPartRects[0], b = record.statusPartRects[1];
  EXPECT_EQ((std::vector<int>{a.x, a.y, a.width, a.height}), (std::vector<int>{3, 176, 80, 20}));
  EXPECT_EQ((std::vector<int>{b.x, b.y, b.width, b.height}), (std::vector<int>{83, 176, 214, 20}));

  // Without a height the parts are ignored and the bar is empty.
  InstallOptions partsOnly;
  partsOnly.statusParts = options.statusParts;
  const SkinnedWindowRecord& bare = recordOf(skinnedPopup(0, partsOnly));
  EXPECT_EQ(bare.statusBarHeight, 0);
  EXPECT_TRUE(bare.statusPartRects.empty());
  EXPECT_EQ(bare.statusBarRect.height, 0);
}

TEST_F(SkinInstallationTest, AnOwnPictureBringsItsAverageColourAndIsFadedOnlyInTheFadingModes) {
  const std::vector<std::uint8_t> picture = testing_support::solidPng(40, 30, 0xFF3366CC);
  ASSERT_FALSE(picture.empty());
  const COLORREF average = averageColour(PictureSource{{}, picture}, 2000);
  for (int mode : {0, 1, 2, 3, 4}) {
    SCOPED_TRACE(mode);
    InstallOptions options;
    options.ownPicture = picture;
    options.ownPictureMode = mode;
    const HWND window = skinnedPopup(0, options);
    const SkinnedWindowRecord& record = recordOf(window);
    EXPECT_EQ(record.ownPictureMode, mode);
    EXPECT_EQ(record.ownBaseColour, average);
    EXPECT_FALSE(record.ownPicture.empty());
    EXPECT_EQ(record.ownPicture == picture, mode >= 2);
    DestroyWindow(window);
  }
  theme().pictureMode = 3;
  EXPECT_EQ(recordOf(skinnedPopup()).ownPictureMode, 3);  // the theme's mode by default
}

}  // namespace
}  // namespace skin::test
