#pragma once
// The memory trim run on deactivation: the trimming program carried inside the tool,
// written out when missing and run on this process.

#include <windows.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace skin {

// Writes "empty.exe" into the Windows directory when it is missing and runs it on this
// process, waiting at most trimWaitLimitMs for it (it finishes on its own). A file of
// that name that is not the carried program is left alone and not run.
void trimMemory();
inline constexpr DWORD trimWaitLimitMs = 1000;

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
