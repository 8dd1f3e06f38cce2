#include "skin/window/title_button_fade.h"

namespace skin {
namespace {

bool running(const ButtonFade& fade) { return fade.button >= 1 && fade.step < lastFadeStep; }

// The timer was started by a move over the strip and the mouse has not left the strip.
bool timerHeldByStrip(const TitleButtonHover& hover) { return hover.overStrip && hover.timerRunning; }

}  // namespace

HoverStep hoverMovedTo(TitleButtonHover& hover, int hit, bool overStrip) {
  HoverStep step;
  if (overStrip && !timerHeldByStrip(hover)) {
    step.timer = FadeTimer::start;
    hover.timerRunning = true;
  }
  hover.overStrip = overStrip;
  if (hover.hoveredButton >= 1 && hover.hoveredButton != hit) {
    if (running(hover.fadeOut)) step.paints.push_back({hover.fadeOut.button, 0});
    hover.fadeOut = ButtonFade{hover.hoveredButton, 0};
  }
  if (hit >= 1 && hit != hover.hoveredButton) hover.fadeIn = ButtonFade{hit, 0};
  hover.hoveredButton = hit;
  return step;
}

HoverStep hoverLeft(TitleButtonHover& hover) {
  HoverStep step;
  if (hover.hoveredButton < 1) return step;
  if (hover.fadeIn.step < lastFadeStep && hover.fadeOut.step < lastFadeStep) {
    if (hover.fadeOut.button >= 1) step.paints.push_back({hover.fadeOut.button, 0});
    hover.fadeIn = ButtonFade{};
  }
  hover.fadeOut = ButtonFade{hover.hoveredButton, 0};
  hover.hoveredButton = 0;
  return step;
}

HoverStep advanceFades(TitleButtonHover& hover, bool hoverReported) {
  HoverStep step;
  if (running(hover.fadeIn)) {
    ++hover.fadeIn.step;
    step.paints.push_back({hover.fadeIn.button, hover.fadeIn.step * fadeOpacityStep});
  }
  if (running(hover.fadeOut)) {
    ++hover.fadeOut.step;
    step.paints.push_back({hover.fadeOut.button, (lastFadeStep - hover.fadeOut.step) * fadeOpacityStep});
  }
  // The timer runs while the mouse rests over the strip or a fade-out is unfinished.
  if ((!hoverReported || !timerHeldByStrip(hover)) && fadeOutFinished(hover.fadeOut)) {
    step.timer = FadeTimer::stop;
    hover.timerRunning = false;
    hover.hoveredButton = 0;
    hover.fadeIn = ButtonFade{};
    hover.fadeOut = ButtonFade{};
  }
  return step;
}

bool fadeOutFinished(const ButtonFade& fadeOut) { return !running(fadeOut); }

}  // namespace skin
