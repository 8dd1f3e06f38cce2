#include "app/skin_activation.h"

#include <gtest/gtest.h>

#include "app/main_window.h"
#include "app/startup.h"
#include "draw/embedded_resources.h"
#include "skin/core/control_properties.h"
#include "skin/core/skin_theme.h"
#include "skin/core/skinned_window_record.h"
#include "skin/window/framed_window_fixture.h"
#include "skin/window/skin_installation.h"
#include "skin/window/skinned_window_proc.h"
#include "skin/window/theme_pictures.h"
#include "support/pixels.h"
#include "support/test_windows.h"

namespace app {
namespace {

TEST(SkinStartUp, WritesTheDefaultsAndLoadsTheProgramIcon) {
  skin::theme().backgroundPicture = {1, 2, 3};
  skin::theme().pictureMode = 3;
  skin::theme().themeColour = 0x123456;
  initSkinModule();
  const skin::SkinTheme& theme = skin::theme();
  EXPECT_EQ(theme.themeColour, 0xDDCA22u);
  EXPECT_EQ(theme.controlAlpha, 160);
  EXPECT_FALSE(theme.translucentControls);
  EXPECT_TRUE(theme.skinControls);
  EXPECT_EQ(theme.pictureMode, 0);
  EXPECT_TRUE(theme.backgroundPicture.empty());
  EXPECT_EQ(theme.trackBarOption, 1);
  EXPECT_EQ(theme.listFocusFrame, 1);
  EXPECT_NE(theme.programIcon, nullptr);  // "DEFAULT_ICON": there is no icon 129
}

// What the defaults do rather than what the fields hold: a window skinned after
// start-up has its push buttons taken over, answers an edit box's colour request the
// platform's way (no translucent veil), and a hovered title button glows in the
// default accent 0xDDCA22 (0x00BBGGRR: a turquoise).
TEST(SkinStartUp, AWindowSkinnedWithTheDefaultsHasOpaqueSkinnedControlsAndTheDefaultAccent) {
  skin::theme().skinControls = false;
  skin::theme().translucentControls = true;
  skin::theme().themeColour = 0x0000FF;
  initSkinModule();
  const HWND window =
      CreateWindowExA(WS_EX_TOOLWINDOW, testing_support::testWindowClass("DefaultLookTestWindow"), "",
                      WS_POPUP | WS_MINIMIZEBOX, 100, 80, 300, 200, nullptr, nullptr, GetModuleHandleA(nullptr),
                      nullptr);
  const auto child = [&](const char* windowClass, DWORD style, int y) {
    return CreateWindowExA(0, windowClass, "", WS_CHILD | WS_VISIBLE | style, 20, y, 100, 24, window, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
  };
  const HWND button = child("BUTTON", BS_PUSHBUTTON, 60);
  const HWND edit = child("EDIT", 0, 100);
  skin::installSkin(window);
  ShowWindow(window, SW_SHOWNOACTIVATE);
  UpdateWindow(window);

  EXPECT_EQ(GetWindowLongA(button, GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
  const HDC dc = GetDC(edit);
  EXPECT_EQ(SendMessageA(window, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(edit)),
            DefWindowProcA(window, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(edit)));
  ReleaseDC(edit, dc);

  const skin::SkinnedWindowRecord& record = *skin::findSkinnedWindow(window);
  ASSERT_EQ(record.titleButtons[0].kind, skin::minimiseKind);
  const skin::FloatRect& hit = record.titleButtons[0].hitRect;
  const int x = static_cast<int>(hit.x) + 5;
  const std::uint32_t before = testing_support::rgbAt(record.backgroundImage, x, 5);
  const LPARAM onMinimise = MAKELPARAM(static_cast<int>(hit.x + hit.width / 2), 10);
  SendMessageA(window, WM_MOUSEMOVE, 0, onMinimise);
  SendMessageA(window, WM_MOUSEHOVER, 0, onMinimise);
  for (int tick = 0; tick < 8; ++tick) SendMessageA(window, WM_TIMER, skin::fadeTimerId(window), 0);
  const std::uint32_t hovered = testing_support::rgbAt(record.backgroundImage, x, 5);
  using testing_support::blue, testing_support::green, testing_support::red;
  EXPECT_GT(green(hovered), green(before) + 80) << std::hex << hovered;
  EXPECT_GT(blue(hovered), blue(before) + 80) << std::hex << hovered;
  EXPECT_LT(red(hovered), green(hovered) - 80) << std::hex << hovered;

  DestroyWindow(window);
  EXPECT_TRUE(skin::skinnedWindows().empty());
  skin::resetTheme();
}

TEST(SkinActivation, TheMainWindowBecomesTheFirstSkinnedWindowWithMinimiseAndClose) {
  createGlobalObjects(std::make_unique<shortlink::ShortLinkClient>());
  initSkinModule();
  ASSERT_TRUE(createMainWindow(GetModuleHandleA(nullptr)));
  HWND window = mainWindow().window;

  EXPECT_EQ(skin::props::recordIndex(window), 1);
  EXPECT_EQ(skin::setCloseEffect(window, 2), 1);
  const skin::SkinnedWindowRecord* record = skin::skinnedWindowAt(1);
  ASSERT_NE(record, nullptr);
  EXPECT_EQ(record->window, window);
  EXPECT_EQ(record->closeEffect, 2);
  EXPECT_FALSE(record->resizable);
  EXPECT_EQ(record->captionHeight, 25);
  ASSERT_EQ(record->titleButtons.size(), 2u);
  EXPECT_EQ(record->titleButtons[0].kind, skin::minimiseKind);
  EXPECT_EQ(record->titleButtons[1].kind, skin::closeKind);
  EXPECT_EQ(skin::theme().themeColour, 0xFF8800u);
  EXPECT_EQ(skin::theme().pictureMode, 3);
  EXPECT_TRUE(skin::theme().translucentControls);
  EXPECT_EQ(skin::theme().controlAlpha, 100);
  // Every unit the skin knows is taken over: three buttons and two edit boxes.
  EXPECT_EQ(record->buttons.size(), 3);
  EXPECT_EQ(record->edits.size(), 2);

  // A double-click in the caption of a window that cannot be resized changes nothing.
  RECT before, after;
  GetWindowRect(window, &before);
  SendMessageA(window, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(100, 10));
  GetWindowRect(window, &after);
  EXPECT_TRUE(EqualRect(&before, &after));
  EXPECT_FALSE(record->maximised);

  DestroyWindow(window);
  MSG quit;
  PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
  EXPECT_TRUE(skin::skinnedWindows().empty());
  releaseGlobals();
}

// The embedded theme picture is its source picture as a render places it in the main
// window: the first render shows what stretching the source at start-up would have.
TEST(SkinActivation, TheFirstRenderShowsWhatTheSourcePictureStretchedWouldShow) {
  createGlobalObjects(std::make_unique<shortlink::ShortLinkClient>());
  initSkinModule();
  ASSERT_TRUE(createMainWindow(GetModuleHandleA(nullptr)));
  HWND window = mainWindow().window;
  ShowWindow(window, SW_SHOWNOACTIVATE);  // the first full render
  const skin::SkinnedWindowRecord* record = skin::skinnedWindowAt(1);
  ASSERT_TRUE(record && record->backgroundImage);
  const std::vector<std::uint32_t> firstRender = skin::test::snapshot(record->backgroundImage);

  skin::ThemeSettings stretchedSource;
  stretchedSource.pictureBytes = draw::loadResourceBytes("BACKGROUND_JPG");
  ASSERT_FALSE(stretchedSource.pictureBytes.empty());
  stretchedSource.themeColour = 0xFF8800;
  stretchedSource.pictureMode = skin::pictureStretched;
  skin::setSkinTheme(stretchedSource);  // renders the visible window again
  EXPECT_TRUE(skin::test::samePixels(firstRender, skin::test::snapshot(record->backgroundImage),
                                     record->backgroundImage.width()));

  DestroyWindow(window);
  MSG quit;
  PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
  releaseGlobals();
}

}  // namespace
}  // namespace app
