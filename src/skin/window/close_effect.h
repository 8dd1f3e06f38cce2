#pragma once
// The animation of a closing window.

#include <windows.h>

#include <functional>
#include <vector>

namespace skin {

enum CloseEffect : int { noCloseEffect = 0, shrinkAndFade = 1, pulseAndFade = 2 };

// Animates the window away (effect 1 or 2); returns when the animation is over.
void playCloseEffect(HWND window, int effect);

// One step of a close effect: where the layered window is shown, how large, how opaque.
struct CloseEffectFrame {
  int x = 0, y = 0, width = 0, height = 0;
  int opacity = 0;
  bool operator==(const CloseEffectFrame&) const = default;
};

// The ten frames of an effect for a window at this window rectangle; empty for an
// effect other than 1 and 2.
std::vector<CloseEffectFrame> closeEffectFrames(int effect, const RECT& windowRect);

// Told of every frame a close effect shows and whether the layered window took it;
// empty by default.
using CloseEffectObserver = std::function<void(HWND window, const CloseEffectFrame& frame, bool shown)>;
void setCloseEffectObserver(CloseEffectObserver observer);

}  // namespace skin
