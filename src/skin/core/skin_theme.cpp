#include "skin/core/skin_theme.h"
#include "skin/core/engine_state.h"

namespace skin {

SkinTheme& theme() {
  return enginePart<SkinTheme>();
}

void resetTheme() { theme() = SkinTheme{}; }

void setSkinSwitches(int skinControls, std::optional<int> opacity, std::optional<int> trackBarOption) {
  SkinTheme& t = theme();
  t.skinControls = skinControls != 0;
  t.translucentControls = opacity.has_value();
  t.controlAlpha = opacity.value_or(160);
  t.trackBarOption = trackBarOption.value_or(1);
}

}  // namespace skin
