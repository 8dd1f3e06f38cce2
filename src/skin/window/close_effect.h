#pragma once
// The animation of a closing window, and the memory trim run on deactivation.

#include <windows.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace skin {

enum CloseEffect : int { noCloseEffect = 0, shrinkAndFade = 1, pulseAndFade = 2 };

// Animates the window away (effect 1 or 2); returns when the animation is over.
void playCloseEffect(HWND window, int effect);
// Writes "empty.exe" into the Windows directory when it is missing and runs it on this
// process, waiting at most trimWaitLimitMs for it (it finishes on its own). A file of
// that name that is not the carried program is left alone and not run.
void trimMemory();
inline constexpr DWORD trimWaitLimitMs = 1000;

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

// Where the trim program lives, how it is run and what it holds. The product's place
// is the Windows directory ("windir"), a hidden process waited for at most
// trimWaitLimitMs and the program carried in the resources; tests put it elsewhere.
struct TrimProgramPlace {
  std::string directory;
  std::function<void(const std::string& commandLine)> run;  // empty: the product's
  std::optional<std::vector<std::uint8_t>> program;          // nullopt: the carried one
};
// Nullopt restores the product's place.
void setTrimProgramPlace(std::optional<TrimProgramPlace> place);

// directory + "\empty.exe".
std::string trimProgramPath(const std::string& directory);
// Starts the command line with its window hidden and waits up to waitMs for it to end.
// False when it did not start; the exit code is stored when asked for (STILL_ACTIVE
// when it had not ended).
bool runHiddenAndWait(const std::string& commandLine, DWORD* exitCode = nullptr, DWORD waitMs = INFINITE);

}  // namespace skin
