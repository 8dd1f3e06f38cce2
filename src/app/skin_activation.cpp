#include "app/skin_activation.h"

#include "draw/step_timing.h"
#include "skin/window/close_effect.h"
#include "skin/window/skin_installation.h"

namespace app {

void activateMainWindowSkin(HWND window) {
  const draw::FirstRunTimer timer("skin activation");
  skin::applyProgramLook();
  skin::InstallOptions options;
  options.resizable = 0;  // neither edge dragging nor maximising from the caption
  {
    const draw::FirstRunTimer installTimer("skin installation");
    skin::installSkin(window, options);
  }
  skin::setCloseEffect(window, skin::pulseAndFade);
}

}  // namespace app
