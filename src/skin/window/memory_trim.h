#pragma once
// The memory trim run on deactivation: the trimming program carried inside the tool,
// written out when missing and run on this process.

#include <windows.h>

#include <functional>
#include <optional>
#include <string>

namespace skin {

// Writes "empty.exe" into the Windows directory when it is missing and runs it on this
// process, waiting for it to end.
void trimMemory();

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
