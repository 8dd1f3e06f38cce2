#include "skin/window/title_button_fade.h"

namespace skin {
namespace {

bool running(const ButtonFade& fade) { return fade.button >= 1 && fade.step < lastFadeStep; }

}  // namespace

TitleButtonHover hoverOf(SkinnedWindowRecord& record) {
  return TitleButtonHover{record.hoveredButton, record.fadeIn, record.fadeOut};
}

ButtonPaints hoverMovedTo(TitleButtonHover hover, int hit) {
  ButtonPaints paints;
  if (hover.hoveredButton >= 1 && hover.hoveredButton != hit) {
    if (running(hover.fadeOut)) paints.push_back({hover.fadeOut.button, 0});
    hover.fadeOut = ButtonFade{hover.hoveredButton, 0};
  }
  if (hit >= 1 && hit != hover.hoveredButton) hover.fadeIn = ButtonFade{hit, 0};
  hover.hoveredButton = hit;
  return paints;
}

ButtonPaints hoverLeft(TitleButtonHover hover) {
  ButtonPaints paints;
  if (hover.hoveredButton < 1) return paints;
  if (hover.fadeIn.step < lastFadeStep && hover.fadeOut.step < lastFadeStep) {
    if (hover.fadeOut.button >= 1) paints.push_back({hover.fadeOut.button, 0});
    hover.fadeIn = ButtonFade{};
  }
  hover.fadeOut = ButtonFade{hover.hoveredButton, 0};
  hover.hoveredButton = 0;
  return paints;
}

ButtonPaints advanceFades(TitleButtonHover hover) {
  ButtonPaints paints;
  if (running(hover.fadeIn)) {
    ++hover.fadeIn.step;
    paints.push_back({hover.fadeIn.button, hover.fadeIn.step * fadeOpacityStep});
  }
  if (running(hover.fadeOut)) {
    ++hover.fadeOut.step;
    paints.push_back({hover.fadeOut.button, (lastFadeStep - hover.fadeOut.step) * fadeOpacityStep});
  }
  return paints;
}

bool fadeOutFinished(const ButtonFade& fadeOut) { return !running(fadeOut); }

void clearFades(TitleButtonHover hover) {
  hover.fadeIn = ButtonFade{};
  hover.fadeOut = ButtonFade{};
}

}  // namespace skin
