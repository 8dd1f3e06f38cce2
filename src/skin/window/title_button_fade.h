#pragma once
// The steps of a window's title-button hover (see TitleButtonHover): one button fading
// in, one fading out, each a (button, step 0..8) pair advanced by the 20 ms timer. A step
// only changes the value and says which buttons to repaint at which hover opacity and
// whether the fade timer starts or stops; the window procedure does both.

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

enum class FadeTimer { keep, start, stop };

struct HoverStep {
  ButtonPaints paints;
  FadeTimer timer = FadeTimer::keep;
  bool operator==(const HoverStep&) const = default;
};

// The mouse is now over button `hit` (0: none), inside the button strip or not: the
// button it left starts fading out (an unfinished fade-out snaps to normal first), the
// one it reached starts fading in, and the timer starts when the mouse is over the strip.
HoverStep hoverMovedTo(TitleButtonHover& hover, int hit, bool overStrip);
// The mouse left the window: the hovered button fades out from full hover.
HoverStep hoverLeft(TitleButtonHover& hover);
// One timer tick: each running fade advances one step. The timer stops, and the hover
// starts afresh, once no fade-out runs and the mouse rests over the strip no longer
// (`hoverReported`: the platform has said the mouse rests in the window).
HoverStep advanceFades(TitleButtonHover& hover, bool hoverReported);
// No fade-out is running any more.
bool fadeOutFinished(const ButtonFade& fadeOut);

}  // namespace skin
