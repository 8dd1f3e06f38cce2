#include "skin/window/memory_trim.h"

#include <cstdint>
#include <utility>
#include <vector>

#include "draw/embedded_resources.h"
#include "draw/gdi_handles.h"

namespace skin {
namespace {

std::optional<TrimProgramPlace>& trimProgramPlaceOverride() {
  static std::optional<TrimProgramPlace> place;
  return place;
}

bool fileExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// Writes the bytes to a new file; a file cut short is removed, so that a later trim
// writes it again instead of running a broken program.
void writeNewFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  if (bytes.empty()) return;
  draw::OwnedHandle file(
      CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return;
  DWORD written = 0;
  const bool complete = WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                        written == bytes.size();
  const bool closed = file.close();
  if (!complete || !closed) DeleteFileA(path.c_str());
}

std::string windowsDirectory() {
  char buffer[MAX_PATH + 1] = {};
  const DWORD length = GetEnvironmentVariableA("windir", buffer, sizeof buffer);
  if (length == 0 || length >= sizeof buffer) return {};
  return std::string(buffer, length);
}

TrimProgramPlace productTrimProgramPlace() {
  return TrimProgramPlace{windowsDirectory(), [](const std::string& commandLine) { runHiddenAndWait(commandLine); }};
}

}  // namespace

void setTrimProgramPlace(std::optional<TrimProgramPlace> place) { trimProgramPlaceOverride() = std::move(place); }

std::string trimProgramPath(const std::string& directory) { return directory + "\\empty.exe"; }

bool runHiddenAndWait(const std::string& commandLine, DWORD* exitCode) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_HIDE;
  PROCESS_INFORMATION process{};
  std::string line = commandLine;  // CreateProcessA may write into its command line
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
    return false;
  const draw::OwnedHandle thread(process.hThread);
  const draw::OwnedHandle running(process.hProcess);
  WaitForSingleObject(running.get(), INFINITE);
  if (exitCode) GetExitCodeProcess(running.get(), exitCode);
  return true;
}

void trimMemory() {
  const TrimProgramPlace place = trimProgramPlaceOverride().value_or(productTrimProgramPlace());
  if (place.directory.empty() || !place.run) return;
  const std::string path = trimProgramPath(place.directory);
  if (!fileExists(path)) writeNewFile(path, draw::loadResourceBytes("EMPTY_EXE"));
  if (!fileExists(path)) return;
  // Quoted, so that a directory with spaces still names the program.
  place.run("\"" + path + "\" " + std::to_string(GetCurrentProcessId()));
}

}  // namespace skin
