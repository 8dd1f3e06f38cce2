#include "skin/window/program_skin.h"

#include "draw/drawing.h"
#include "draw/embedded_resources.h"
#include "draw/step_timing.h"
#include "skin/core/canvas.h"
#include "skin/core/engine_state.h"
#include "skin/core/skin_theme.h"
#include "skin/window/skinned_window_proc.h"
#include "skin/core/skinned_window_record.h"
#include "skin/window/theme_pictures.h"

namespace skin {
namespace {

HICON loadProgramIcon() {
  HINSTANCE self = GetModuleHandleA(nullptr);
  if (HICON icon = LoadIconA(self, MAKEINTRESOURCEA(129))) return icon;
  return LoadIconA(self, "DEFAULT_ICON");
}

}  // namespace

void createSkinLists() {
  clearSkinnedWindows();
  canvasList().clear();
}

void releaseSkinLists() { resetEngineState(); }

void initSkinModule() {
  if (draw::drawingToken == 0) {
    const draw::FirstRunTimer timer("drawing library start");
    draw::startGdiPlus();
  }
  resetTheme();
  {
    const draw::FirstRunTimer timer("icon");
    theme().programIcon = loadProgramIcon();
  }
  firstSizePending() = true;
}

std::vector<std::uint8_t> programPictureBytes() { return draw::loadResourceBytes("THEME_PICTURE_BMP"); }

void applyProgramLook() {
  ThemeSettings settings;
  settings.pictureBytes = programPictureBytes();
  settings.themeColour = static_cast<int>(programAccentColour);
  settings.pictureMode = pictureStretched;
  setSkinTheme(settings);
  constexpr int skinTheControls = 1;
  constexpr int controlOpacity = 100;  // translucent controls, at this opacity of 255
  setSkinSwitches(skinTheControls, controlOpacity);
}

}  // namespace skin
