#include "skin/window/close_effect.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include "draw/gdi_handles.h"
#include "skin/core/engine_state.h"
#include "skin/core/offscreen_image.h"

namespace skin {
namespace {

constexpr int closeEffectSteps = 10;

CloseEffectObserver& closeEffectObserver() {
  return enginePart<CloseEffectObserver>();
}

// Half a step, truncated towards zero as the position moves.
int shifted(int position, int step, int direction) {
  return static_cast<int>(position + direction * (step / 2.0));
}

}  // namespace

// The window's client area as it is on screen, fully opaque: the screen copy leaves
// the alpha bytes at zero, which a per-pixel-alpha layered window would show as nothing.
bool takeCloseEffectSnapshot(HDC source, int width, int height, OffscreenImage& snapshot) {
  if (!source || !snapshot.resize(width, height)) return false;
  if (!BitBlt(snapshot.dc(), 0, 0, width, height, source, 0, 0, SRCCOPY)) return false;
  GdiFlush();
  auto* pixels = const_cast<std::uint32_t*>(snapshot.pixels());
  std::for_each(pixels, pixels + static_cast<size_t>(width) * height, [](std::uint32_t& p) { p |= 0xFF000000u; });
  return true;
}

namespace {

bool showFrame(HWND window, const OffscreenImage& frameBuffer, const CloseEffectFrame& frame) {
  POINT position{frame.x, frame.y};
  SIZE size{frame.width, frame.height};
  POINT source{0, 0};
  BLENDFUNCTION blend{AC_SRC_OVER, 0, static_cast<BYTE>(frame.opacity), AC_SRC_ALPHA};
  return UpdateLayeredWindow(window, nullptr, &position, &size, frameBuffer.dc(), &source, 0, &blend,
                             ULW_ALPHA) != FALSE;
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
  if (!takeCloseEffectSnapshot(draw::WindowDC::client(window).get(), width, height, snapshot)) return;
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

}  // namespace skin
