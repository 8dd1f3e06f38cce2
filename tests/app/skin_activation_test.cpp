#include "app/skin_activation.h"

#include <gtest/gtest.h>

#include "app/main_window.h"
#include "app/startup.h"
#include "draw/embedded_resources.h"
#include "skin/controls/control_properties.h"
#include "skin/window/skin_installation.h"
#include "skin/window/skin_theme.h"
#include "skin/window/skinned_window_record.h"
#include "skin/window/theme_pictures.h"
#include "skin/window/framed_window_fixture.h"

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
