#pragma once
// Owning, move-only wrappers for every kind of handle: GDI objects, device contexts,
// icons and kernel handles. Every GDI object and device context they adopt and free is
// counted, because GetGuiResources is of no help under Wine: tests and benchmarks
// compare liveGdiObjectCount() before and after to prove nothing leaks.

#include <windows.h>

#include <utility>

namespace draw {

// Bitmaps, brushes, regions, fonts, pens, memory DCs, window DCs and paint DCs
// currently owned by the types below.
int liveGdiObjectCount();

namespace detail {
void countGdiObject(int delta);
}

// One owner for every kind of handle. A kind's traits say what is held (Value), what
// an empty owner holds (none), when a value is a live handle (valid), how it is given
// back (close, false when the platform refused) and whether liveGdiObjectCount counts
// it (counted: GDI objects and device contexts).
template <typename Traits>
class UniqueHandle {
 public:
  using Value = typename Traits::Value;

  UniqueHandle() = default;
  // Adopts a handle made elsewhere.
  explicit UniqueHandle(Value adopted) : value_(adopted) { count(+1); }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  UniqueHandle(UniqueHandle&& other) noexcept : value_(std::exchange(other.value_, Traits::none())) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) {
      reset();
      value_ = std::exchange(other.value_, Traits::none());
    }
    return *this;
  }
  ~UniqueHandle() { reset(); }

  auto get() const { return Traits::handle(value_); }
  const Value& value() const { return value_; }
  explicit operator bool() const { return Traits::valid(value_); }

  // Gives the current handle back and adopts the given one; adopting the handle
  // already held changes nothing.
  void reset(Value adopted = Traits::none()) {
    if (Traits::valid(adopted) && Traits::handle(adopted) == Traits::handle(value_)) {
      value_ = adopted;
      return;
    }
    close();
    value_ = adopted;
    count(+1);
  }

  // Gives the handle back now. False when the platform refused (a file whose last
  // writes failed); true for an empty owner.
  bool close() {
    if (!Traits::valid(value_)) return true;
    count(-1);
    const bool closed = Traits::close(value_);
    value_ = Traits::none();
    return closed;
  }

  // Gives ownership away (for example a region handed to SetWindowRgn).
  [[nodiscard]] Value release() {
    count(-1);
    return std::exchange(value_, Traits::none());
  }

 private:
  void count(int delta) const {
    if constexpr (Traits::counted)
      if (Traits::valid(value_)) detail::countGdiObject(delta);
  }

  Value value_ = Traits::none();
};

// Traits of a handle that is its own value.
template <typename Handle, bool countedKind>
struct PlainHandleTraits {
  using Value = Handle;
  static constexpr bool counted = countedKind;
  static Value none() { return nullptr; }
  static bool valid(Value value) { return value != nullptr; }
  static Handle handle(Value value) { return value; }
};

// One owned HGDIOBJ of a given kind, deleted with DeleteObject. Declare it before
// any ScopedSelectObject that selects it, so that the selection is undone first.
template <typename Handle>
struct GdiObjectTraits : PlainHandleTraits<Handle, true> {
  static bool close(Handle handle) { return DeleteObject(handle) != FALSE; }
};
template <typename Handle>
using OwnedGdiObject = UniqueHandle<GdiObjectTraits<Handle>>;

using OwnedBitmap = OwnedGdiObject<HBITMAP>;
using OwnedBrush = OwnedGdiObject<HBRUSH>;
using OwnedRegion = OwnedGdiObject<HRGN>;
using OwnedFont = OwnedGdiObject<HFONT>;
using OwnedPen = OwnedGdiObject<HPEN>;

// An icon made by the program (CreateIconIndirect, CopyImage, ...), destroyed with
// DestroyIcon. Icons are not GDI objects and are not counted.
struct IconTraits : PlainHandleTraits<HICON, false> {
  static bool close(HICON icon) { return DestroyIcon(icon) != FALSE; }
};
using OwnedIcon = UniqueHandle<IconTraits>;

// A kernel handle (a thread, a process, a file), closed with CloseHandle. CreateFileA's
// INVALID_HANDLE_VALUE counts as empty.
struct KernelHandleTraits : PlainHandleTraits<HANDLE, false> {
  static bool valid(Value value) { return value != nullptr && value != INVALID_HANDLE_VALUE; }
  static bool close(HANDLE handle) { return CloseHandle(handle) != FALSE; }
};
using OwnedHandle = UniqueHandle<KernelHandleTraits>;

// A memory device context, deleted with DeleteDC.
struct MemoryDCTraits : PlainHandleTraits<HDC, true> {
  static bool close(HDC dc) { return DeleteDC(dc) != FALSE; }
};
class MemoryDC : public UniqueHandle<MemoryDCTraits> {
 public:
  using UniqueHandle::UniqueHandle;
  // CreateCompatibleDC(reference); a null reference means the screen.
  static MemoryDC createCompatible(HDC reference = nullptr);
};

// A device context fetched with GetDC or GetWindowDC, given back with ReleaseDC.
struct WindowDCValue {
  HWND window = nullptr;
  HDC dc = nullptr;
};
struct WindowDCTraits {
  using Value = WindowDCValue;
  static constexpr bool counted = true;
  static Value none() { return {}; }
  static bool valid(const Value& value) { return value.dc != nullptr; }
  static HDC handle(const Value& value) { return value.dc; }
  static bool close(const Value& value) { return ReleaseDC(value.window, value.dc) != 0; }
};
class WindowDC : public UniqueHandle<WindowDCTraits> {
 public:
  WindowDC() = default;
  // Adopts a context fetched for window (null window: the screen).
  WindowDC(HWND window, HDC adopted) : UniqueHandle(WindowDCValue{window, adopted}) {}
  static WindowDC client(HWND window);  // GetDC
  static WindowDC whole(HWND window);   // GetWindowDC

  HWND window() const { return value().window; }
  using UniqueHandle::reset;
  void reset(HWND window, HDC adopted) { UniqueHandle::reset(WindowDCValue{window, adopted}); }
  // The caller then calls ReleaseDC(window(), dc) itself.
  [[nodiscard]] HDC release() { return UniqueHandle::release().dc; }
};

// BeginPaint / EndPaint.
struct PaintDCValue {
  HWND window = nullptr;
  PAINTSTRUCT paint{};
};
struct PaintDCTraits {
  using Value = PaintDCValue;
  static constexpr bool counted = true;
  static Value none() { return {}; }
  static bool valid(const Value& value) { return value.paint.hdc != nullptr; }
  static HDC handle(const Value& value) { return value.paint.hdc; }
  static bool close(const Value& value) { return EndPaint(value.window, &value.paint) != FALSE; }
};
class PaintDC : public UniqueHandle<PaintDCTraits> {
 public:
  PaintDC() = default;
  // Adopts a BeginPaint already made.
  PaintDC(HWND window, const PAINTSTRUCT& paint) : UniqueHandle(PaintDCValue{window, paint}) {}
  static PaintDC begin(HWND window);

  HWND window() const { return value().window; }
  const PAINTSTRUCT& paintStruct() const { return value().paint; }
  // The caller then calls EndPaint(window, &result) itself.
  [[nodiscard]] PAINTSTRUCT release() { return UniqueHandle::release().paint; }
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
