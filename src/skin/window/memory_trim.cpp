#include "skin/window/memory_trim.h"

#include <cstdint>
#include <utility>
#include <vector>

#include "draw/embedded_resources.h"
#include "draw/gdi_handles.h"
#include "skin/core/engine_state.h"

namespace skin {
namespace {

std::optional<TrimProgramPlace>& trimProgramPlaceOverride() {
  return enginePart<std::optional<TrimProgramPlace>>();
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

void runTrimProgram(const std::string& commandLine) { runHiddenAndWait(commandLine, nullptr, trimWaitLimitMs); }

// Whether the file holds exactly these bytes.
bool fileHolds(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  const HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  LARGE_INTEGER size{};
  std::vector<std::uint8_t> content;
  bool same = GetFileSizeEx(file, &size) && static_cast<std::uint64_t>(size.QuadPart) == bytes.size();
  if (same) {
    content.resize(bytes.size());
    DWORD read = 0;
    same = ReadFile(file, content.data(), static_cast<DWORD>(content.size()), &read, nullptr) &&
           read == content.size() && content == bytes;
  }
  CloseHandle(file);
  return same;
}

}  // namespace

void setTrimProgramPlace(std::optional<TrimProgramPlace> place) { trimProgramPlaceOverride() = std::move(place); }

std::string trimProgramPath(const std::string& directory) { return directory + "\\empty.exe"; }

bool runHiddenAndWait(const std::string& commandLine, DWORD* exitCode, DWORD waitMs) {
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
  WaitForSingleObject(running.get(), waitMs);
  if (exitCode) GetExitCodeProcess(running.get(), exitCode);
  return true;
}

void trimMemory() {
  const std::optional<TrimProgramPlace>& place = trimProgramPlaceOverride();
  const std::string directory = place ? place->directory : windowsDirectory();
  if (directory.empty()) return;
  const std::vector<std::uint8_t> program =
      place && place->program ? *place->program : draw::loadResourceBytes("EMPTY_EXE");
  const std::string path = trimProgramPath(directory);
  if (!fileExists(path)) writeNewFile(path, program);
  // Whatever else carries that name in a shared directory is not ours to run.
  if (program.empty() || !fileHolds(path, program)) return;
  // Quoted, so that a directory with spaces still names the program.
  const std::string commandLine = "\"" + path + "\" " + std::to_string(GetCurrentProcessId());
  if (place && place->run)
    place->run(commandLine);
  else
    runTrimProgram(commandLine);
}

}  // namespace skin
