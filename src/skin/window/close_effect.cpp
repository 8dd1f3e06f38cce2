#include "skin/window/close_effect.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include "draw/embedded_resources.h"
#include "draw/gdi_handles.h"
#include "skin/window/offscreen_image.h"

namespace skin {
namespace {

constexpr int closeEffectSteps = 10;

CloseEffectObserver& closeEffectObserver() {
  static CloseEffectObserver observer;
  return observer;
}

std::optional<TrimProgramPlace>& trimProgramPlaceOverride() {
  static std::optional<TrimProgramPlace> place;
  return place;
}

// Half a step, truncated towards zero as the position moves.
int shifted(int position, int step, int direction) {
  return static_cast<int>(position + direction * (step / 2.0));
}

// The window's client area as it is on screen, fully opaque: the screen copy leaves
// the alpha bytes at zero, which a per-pixel-alpha layered window would show as nothing.
bool takeSnapshot(HWND window, OffscreenImage& snapshot, int width, int height) {
  const draw::WindowDC windowDc = draw::WindowDC::client(window);
  if (!windowDc || !snapshot.resize(width, height)) return false;
  if (!BitBlt(snapshot.dc(), 0, 0, width, height, windowDc.get(), 0, 0, SRCCOPY)) return false;
  GdiFlush();
  auto* pixels = const_cast<std::uint32_t*>(snapshot.pixels());
  std::for_each(pixels, pixels + static_cast<size_t>(width) * height, [](std::uint32_t& p) { p |= 0xFF000000u; });
  return true;
}

bool showFrame(HWND window, const OffscreenImage& frameBuffer, const CloseEffectFrame& frame) {
  POINT position{frame.x, frame.y};
  SIZE size{frame.width, frame.height};
  POINT source{0, 0};
  BLENDFUNCTION blend{AC_SRC_OVER, 0, static_cast<BYTE>(frame.opacity), AC_SRC_ALPHA};
  return UpdateLayeredWindow(window, nullptr, &position, &size, frameBuffer.dc(), &source, 0, &blend,
                             ULW_ALPHA) != FALSE;
}

bool fileExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// Writes the bytes to a new file; a file cut short is removed, so that a later trim
// writes it again instead of running a broken program.
void writeNewFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  if (bytes.empty()) return;
  const HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  const bool complete = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                        written == bytes.size();
  const bool closed = CloseHandle(file) != FALSE;
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

std::vector<CloseEffectFrame> closeEffectFrames(int effect, const RECT& windowRect) {
  std::vector<CloseEffectFrame> frames;
  if (effect != shrinkAndFade && effect != pulseAndFade) return frames;
  int x = windowRect.left, y = windowRect.top;
  int width = windowRect.right - windowRect.left, height = windowRect.bottom - windowRect.top;
  const int dx = effect == shrinkAndFade ? width / 10 : static_cast<int>(width * 0.02);
  const int dy = effect == shrinkAndFade ? height / 10 : static_cast<int>(height * 0.02);
  int opacity = 255;
  for (int i = 1; i <= closeEffectSteps; ++i) {
    opacity -= 25;
    const bool growing = effect == pulseAndFade && i > closeEffectSteps / 2;
    const int direction = growing ? -1 : 1;
    x = shifted(x, dx, direction);
    y = shifted(y, dy, direction);
    width -= direction * dx;
    height -= direction * dy;
    frames.push_back(CloseEffectFrame{x, y, width, height, opacity});
  }
  return frames;
}

void setCloseEffectObserver(CloseEffectObserver observer) { closeEffectObserver() = std::move(observer); }

void playCloseEffect(HWND window, int effect) {
  if (!IsWindow(window)) return;
  const LONG_PTR exStyle = GetWindowLongPtrA(window, GWL_EXSTYLE);
  // Dropping the layered style forgets earlier SetLayeredWindowAttributes, which would
  // make UpdateLayeredWindow fail.
  SetWindowLongPtrA(window, GWL_EXSTYLE, exStyle & ~static_cast<LONG_PTR>(WS_EX_LAYERED));

  RECT client{};
  GetClientRect(window, &client);
  const int width = client.right, height = client.bottom;
  RECT windowRect{};
  GetWindowRect(window, &windowRect);
  const std::vector<CloseEffectFrame> frames = closeEffectFrames(effect, windowRect);
  if (frames.empty() || width <= 0 || height <= 0) return;

  OffscreenImage snapshot;
  if (!takeSnapshot(window, snapshot, width, height)) return;
  // At least the window's size, so that every frame has its pixels in the buffer.
  OffscreenImage frameBuffer;
  if (!frameBuffer.resize(std::max<int>(width, windowRect.right - windowRect.left),
                          std::max<int>(height, windowRect.bottom - windowRect.top)))
    return;

  const LONG_PTR plainStyle = GetWindowLongPtrA(window, GWL_EXSTYLE);
  if (!(plainStyle & WS_EX_LAYERED)) SetWindowLongPtrA(window, GWL_EXSTYLE, plainStyle | WS_EX_LAYERED);

  for (int i = 1; i <= static_cast<int>(frames.size()); ++i) {
    const CloseEffectFrame& frame = frames[i - 1];
    StretchBlt(frameBuffer.dc(), 0, 0, frame.width, frame.height, snapshot.dc(), 0, 0, width, height, SRCCOPY);
    const bool shown = showFrame(window, frameBuffer, frame);
    if (closeEffectObserver()) closeEffectObserver()(window, frame, shown);
    Sleep(static_cast<DWORD>(20 - 2 * i));
  }
}

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
  WaitForSingleObject(process.hProcess, waitMs);
  if (exitCode) GetExitCodeProcess(process.hProcess, exitCode);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
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
