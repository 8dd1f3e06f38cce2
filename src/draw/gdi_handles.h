#pragma once
// Owning, move-only wrappers for GDI handles. Every object they create, adopt and
// free is counted, because GetGuiResources is of no help under Wine: tests and
// benchmarks compare liveGdiObjectCount() before and after to prove nothing leaks.

#include <windows.h>

#include <utility>

namespace draw {

// Bitmaps, brushes, regions, fonts, pens, memory DCs, window DCs and paint DCs
// currently owned by the types below.
int liveGdiObjectCount();

namespace detail {
void countGdiObject(int delta);
}

// One owned HGDIOBJ of a given kind, deleted with DeleteObject. Declare it before
// any ScopedSelectObject that selects it, so that the selection is undone first.
template <typename Handle>
class OwnedGdiObject {
 public:
  OwnedGdiObject() = default;
  // Adopts a handle made elsewhere.
  explicit OwnedGdiObject(Handle handle) : handle_(handle) {
    if (handle_) detail::countGdiObject(+1);
  }
  OwnedGdiObject(const OwnedGdiObject&) = delete;
  OwnedGdiObject& operator=(const OwnedGdiObject&) = delete;
  OwnedGdiObject(OwnedGdiObject&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  OwnedGdiObject& operator=(OwnedGdiObject&& other) noexcept {
    if (this != &other) {
      reset();
      handle_ = std::exchange(other.handle_, nullptr);
    }
    return *this;
  }
  ~OwnedGdiObject() { reset(); }

  Handle get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }

  // Deletes the current handle and adopts the given one.
  void reset(Handle handle = nullptr) {
    if (handle == handle_) return;
    if (handle_) {
      DeleteObject(handle_);
      detail::countGdiObject(-1);
    }
    handle_ = handle;
    if (handle_) detail::countGdiObject(+1);
  }

  // Gives ownership away (for example a region handed to SetWindowRgn).
  [[nodiscard]] Handle release() {
    if (handle_) detail::countGdiObject(-1);
    return std::exchange(handle_, nullptr);
  }

 private:
  Handle handle_ = nullptr;
};

using OwnedBitmap = OwnedGdiObject<HBITMAP>;
using OwnedBrush = OwnedGdiObject<HBRUSH>;
using OwnedRegion = OwnedGdiObject<HRGN>;
using OwnedFont = OwnedGdiObject<HFONT>;
using OwnedPen = OwnedGdiObject<HPEN>;

// A memory device context, deleted with DeleteDC.
class MemoryDC {
 public:
  MemoryDC() = default;
  explicit MemoryDC(HDC adopted);
  // CreateCompatibleDC(reference); a null reference means the screen.
  static MemoryDC createCompatible(HDC reference = nullptr);
  MemoryDC(const MemoryDC&) = delete;
  MemoryDC& operator=(const MemoryDC&) = delete;
  MemoryDC(MemoryDC&& other) noexcept;
  MemoryDC& operator=(MemoryDC&& other) noexcept;
  ~MemoryDC();

  HDC get() const { return dc_; }
  explicit operator bool() const { return dc_ != nullptr; }
  void reset(HDC adopted = nullptr);
  [[nodiscard]] HDC release();

 private:
  HDC dc_ = nullptr;
};

// A device context fetched with GetDC or GetWindowDC, given back with ReleaseDC.
class WindowDC {
 public:
  WindowDC() = default;
  // Adopts a context fetched for window (null window: the screen).
  WindowDC(HWND window, HDC adopted);
  static WindowDC client(HWND window);  // GetDC
  static WindowDC whole(HWND window);   // GetWindowDC
  WindowDC(const WindowDC&) = delete;
  WindowDC& operator=(const WindowDC&) = delete;
  WindowDC(WindowDC&& other) noexcept;
  WindowDC& operator=(WindowDC&& other) noexcept;
  ~WindowDC();

  HDC get() const { return dc_; }
  HWND window() const { return window_; }
  explicit operator bool() const { return dc_ != nullptr; }
  void reset();
  void reset(HWND window, HDC adopted);
  // The caller then calls ReleaseDC(window(), dc) itself.
  [[nodiscard]] HDC release();

 private:
  HWND window_ = nullptr;
  HDC dc_ = nullptr;
};

// BeginPaint / EndPaint.
class PaintDC {
 public:
  PaintDC() = default;
  // Adopts a BeginPaint already made.
  PaintDC(HWND window, const PAINTSTRUCT& paint);
  static PaintDC begin(HWND window);
  PaintDC(const PaintDC&) = delete;
  PaintDC& operator=(const PaintDC&) = delete;
  PaintDC(PaintDC&& other) noexcept;
  PaintDC& operator=(PaintDC&& other) noexcept;
  ~PaintDC();

  HDC get() const { return paint_.hdc; }
  HWND window() const { return window_; }
  const PAINTSTRUCT& paintStruct() const { return paint_; }
  explicit operator bool() const { return paint_.hdc != nullptr; }
  void reset();
  // The caller then calls EndPaint(window, &result) itself.
  [[nodiscard]] PAINTSTRUCT release();

 private:
  HWND window_ = nullptr;
  PAINTSTRUCT paint_{};
};

// Selects an object into a device context and selects the previous one back on
// destruction. Not for regions: SelectObject of an HRGN returns no previous object.
class ScopedSelectObject {
 public:
  ScopedSelectObject() = default;
  ScopedSelectObject(HDC dc, HGDIOBJ object);
  // Adopts a selection already made: previous is what to select back.
  static ScopedSelectObject adopt(HDC dc, HGDIOBJ selected, HGDIOBJ previous);
  ScopedSelectObject(const ScopedSelectObject&) = delete;
  ScopedSelectObject& operator=(const ScopedSelectObject&) = delete;
  ScopedSelectObject(ScopedSelectObject&& other) noexcept;
  ScopedSelectObject& operator=(ScopedSelectObject&& other) noexcept;
  ~ScopedSelectObject();

  HGDIOBJ get() const { return selected_; }
  HGDIOBJ previous() const { return previous_; }
  // False when SelectObject failed; nothing is restored then.
  explicit operator bool() const { return previous_ != nullptr; }
  // Selects the previous object back now.
  void reset();
  // Forgets the selection and returns the previous object, which the caller restores.
  [[nodiscard]] HGDIOBJ release();

 private:
  HDC dc_ = nullptr;
  HGDIOBJ selected_ = nullptr;
  HGDIOBJ previous_ = nullptr;
};


// The header of a 32-bit top-down DIB of the given size.
BITMAPINFO topDownBitmapInfo(int width, int height);

// A 32-bit top-down DIB section of the given size, every pixel zero.
OwnedBitmap createDibSection(int width, int height, void** bits = nullptr);

}  // namespace draw
