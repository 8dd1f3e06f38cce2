#include "app/skin_activation.h"

#include <gtest/gtest.h>

#include "app/main_window.h"
#include "app/startup.h"
#include "skin/core/control_properties.h"
#include "skin/core/skin_theme.h"
#include "skin/core/skinned_window_record.h"
#include "skin/window/skin_installation.h"

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

}  // namespace
}  // namespace app
