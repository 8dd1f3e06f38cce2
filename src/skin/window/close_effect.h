#pragma once
// The animation of a closing window, and the memory trim run on deactivation.

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace skin {

enum CloseEffect : int { noCloseEffect = 0, shrinkAndFade = 1, pulseAndFade = 2 };

// Animates the window away (effect 1 or 2); returns when the animation is over.
void playCloseEffect(HWND window, int effect);
// Writes "empty.exe" into the Windows directory when it is missing and runs it on this
// process, waiting for it to end.
void trimMemory();

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

// Where the trim program lives and how it is run. The product's place is the Windows
// directory ("windir") and a hidden process waited for; tests put it elsewhere.
struct TrimProgramPlace {
  std::string directory;
  std::function<void(const std::string& commandLine)> run;
};
// Nullopt restores the product's place.
void setTrimProgramPlace(std::optional<TrimProgramPlace> place);

// directory + "\empty.exe".
std::string trimProgramPath(const std::string& directory);
// Starts the command line with its window hidden and waits for it to end. False when it
// did not start; the exit code is stored when asked for.
bool runHiddenAndWait(const std::string& commandLine, DWORD* exitCode = nullptr);

}  // namespace skin
