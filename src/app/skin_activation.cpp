#include "app/skin_activation.h"

#include "skin/window/close_effect.h"
#include "skin/window/skin_installation.h"

namespace app {

void activateMainWindowSkin(HWND window) {
  skin::applyProgramLook();
  skin::InstallOptions options;
  options.resizable = 0;  // neither edge dragging nor maximising from the caption
  skin::installSkin(window, options);
  skin::setCloseEffect(window, skin::pulseAndFade);
}

}  // namespace app
