#pragma once
// The hover fades of a window's title buttons: one button fading in, one fading out,
// each a (button, step 0..8) pair advanced by the 20 ms timer. The transitions only
// change the state and say which buttons to repaint at which hover opacity; the window
// procedure does the painting.

#include <vector>

#include "skin/core/skinned_window_record.h"

namespace skin {

inline constexpr int lastFadeStep = 8;
inline constexpr int fadeOpacityStep = 30;  // 30 ... 240

// One repaint of a title button at an opacity of its hover look (0: the normal look).
struct ButtonPaint {
  int button = 0;
  int opacity = 0;
  bool operator==(const ButtonPaint&) const = default;
};

using ButtonPaints = std::vector<ButtonPaint>;

// The record's hover fields, seen together.
struct TitleButtonHover {
  int& hoveredButton;
  ButtonFade& fadeIn;
  ButtonFade& fadeOut;
};

TitleButtonHover hoverOf(SkinnedWindowRecord& record);

// The mouse is now over button `hit` (0: none): the button it left starts fading out
// (an unfinished fade-out snaps to normal first), the one it reached starts fading in.
ButtonPaints hoverMovedTo(TitleButtonHover hover, int hit);
// The mouse left the window: the hovered button fades out from full hover.
ButtonPaints hoverLeft(TitleButtonHover hover);
// One timer tick: each running fade advances one step.
ButtonPaints advanceFades(TitleButtonHover hover);
// No fade-out is running any more.
bool fadeOutFinished(const ButtonFade& fadeOut);
void clearFades(TitleButtonHover hover);

}  // namespace skin
