#include "draw/drawing_internal.h"

namespace draw {

namespace {
int liveDrawingObjects = 0;
}

int liveDrawingObjectCount() { return liveDrawingObjects; }

namespace detail {

void countDrawingObject(int delta) { liveDrawingObjects += delta; }

bool keepStatus(Gdiplus::GpStatus status) {
  lastDrawingStatus = static_cast<int>(status);
  return status == Gdiplus::Ok;
}

}  // namespace detail

ULONG_PTR startGdiPlus(std::optional<UINT32> version) {
  Gdiplus::GdiplusStartupInput input;
  input.GdiplusVersion = version.value_or(1);
  input.DebugEventCallback = nullptr;
  input.SuppressBackgroundThread = FALSE;
  input.SuppressExternalCodecs = FALSE;
  ULONG_PTR token = 0;
  if (!detail::keepStatus(Gdiplus::GdiplusStartup(&token, &input, nullptr))) return 0;
  drawingToken = token;
  return token;
}

void stopGdiPlus(std::optional<ULONG_PTR> token) {
  ULONG_PTR stopping = 0;
  if (token) {
    stopping = *token;
    // The kept token must not be shut down a second time later.
    if (stopping == drawingToken) drawingToken = 0;
  } else {
    stopping = std::exchange(drawingToken, 0);
  }
  if (stopping != 0) Gdiplus::GdiplusShutdown(stopping);
}

}  // namespace draw
