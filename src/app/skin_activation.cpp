#include "app/skin_activation.h"

#include "draw/drawing.h"
#include "draw/embedded_resources.h"
#include "draw/step_timing.h"
#include "skin/controls/canvas.h"
#include "skin/window/close_effect.h"
#include "skin/window/skin_installation.h"
#include "skin/window/skin_theme.h"
#include "skin/window/skinned_window_proc.h"
#include "skin/window/skinned_window_record.h"
#include "skin/window/theme_pictures.h"

namespace app {
namespace {

constexpr COLORREF mainThemeColour = 0xFF8800;

HICON loadProgramIcon() {
  HINSTANCE self = GetModuleHandleA(nullptr);
  if (HICON icon = LoadIconA(self, MAKEINTRESOURCEA(129))) return icon;
  return LoadIconA(self, "DEFAULT_ICON");
}

}  // namespace

void createSkinLists() {
  skin::clearSkinnedWindows();
  skin::canvasList().clear();
  // What releaseGlobals frees is made here, before it is set to run at exit: objects
  // made later are destroyed before it runs, and it would free their buffers again.
  skin::freeKeptCanvases();
  skin::theme();
  skin::forgetDecodedThemePicture();
}

void releaseSkinLists() {
  skin::clearSkinnedWindows();
  skin::canvasList().clear();
  skin::freeKeptCanvases();
  skin::theme().backgroundPicture.clear();
  skin::theme().backgroundPicture.shrink_to_fit();
  skin::forgetDecodedThemePicture();
}

void initSkinModule() {
  if (draw::drawingToken == 0) {
    const draw::FirstRunTimer timer("drawing library start");
    draw::startGdiPlus();
  }
  skin::resetTheme();
  {
    const draw::FirstRunTimer timer("icon");
    skin::theme().programIcon = loadProgramIcon();
  }
  skin::firstSizePending = true;
}

void activateMainWindowSkin(HWND window) {
  const draw::FirstRunTimer timer("skin activation");
  skin::ThemeSettings settings;
  settings.pictureBytes = draw::loadResourceBytes("THEME_PICTURE_BMP");
  settings.themeColour = static_cast<int>(mainThemeColour);
  settings.pictureMode = skin::pictureStretched;
  skin::setSkinTheme(settings);
  skin::setSkinSwitches(1, 100);
  skin::InstallOptions options;
  options.resizable = 0;  // neither edge dragging nor maximising from the caption
  {
    const draw::FirstRunTimer installTimer("skin installation");
    skin::installSkin(window, options);
  }
  skin::setCloseEffect(window, skin::pulseAndFade);
}

}  // namespace app
