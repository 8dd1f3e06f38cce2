#pragma once
// Objects over the GDI+ flat API. Each owns one native object and deletes it once;
// copying is not allowed, moving hands the native object over. Every operation
// stores the library's status in lastDrawingStatus and returns true when it is Ok;
// value readers return the value (0 or empty on failure). An object whose creation
// failed stays empty, and later operations on it fail, so a painter that meets an
// undecodable picture or a missing font simply draws less.
//
// Enumeration arguments are the library's values as plain numbers (smoothing 4 is
// anti-alias, pixel offset 3 none, and so on). Texts are process code page (UTF-8)
// and converted to UTF-16 on the way in and back on the way out.

#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "draw/gdi_handles.h"
#include "draw/picture_stream.h"

namespace draw {

using Argb = Gdiplus::ARGB;  // 0xAARRGGBB

struct PointF {
  float x = 0;
  float y = 0;
};

struct RectF {
  float x = 0;
  float y = 0;
  float width = 0;
  float height = 0;
};

struct SizeF {
  float width = 0;
  float height = 0;
};

// Token of the running library, 0 when not started.
inline ULONG_PTR drawingToken = 0;
// Status of the most recent library call made through any object; 0 is success.
inline int lastDrawingStatus = 0;

// Starts GDI+ (version 1 when not given) and keeps the token in drawingToken.
// Returns the token, 0 on failure.
ULONG_PTR startGdiPlus(std::optional<UINT32> version = std::nullopt);
// Without a token, shuts down drawingToken and sets it to 0; a token of 0 does nothing.
void stopGdiPlus(std::optional<ULONG_PTR> token = std::nullopt);

// Image format identifiers, as GUID texts.
inline constexpr const char* pngFormat = "{B96B3CAF-0728-11D3-9D7B-0000F81EF32E}";
inline constexpr const char* bmpFormat = "{B96B3CAB-0728-11D3-9D7B-0000F81EF32E}";
inline constexpr const char* jpegFormat = "{B96B3CAE-0728-11D3-9D7B-0000F81EF32E}";
inline constexpr const char* memoryBmpFormat = "{B96B3CAA-0728-11D3-9D7B-0000F81EF32E}";

inline constexpr int pixelFormat32bppArgb = PixelFormat32bppARGB;  // 0x26200A

// Native objects currently owned by the classes below.
int liveDrawingObjectCount();

namespace detail {
void countDrawingObject(int delta);
// Stores the status in lastDrawingStatus; true when it is Ok.
bool keepStatus(Gdiplus::GpStatus status);
}  // namespace detail

// The ownership shared by every drawing object.
template <typename Native, auto DeleteNative>
class DrawingObject {
 public:
  using NativeType = Native;

  DrawingObject() = default;
  // Adopts a native object made elsewhere.
  explicit DrawingObject(Native* adopted) { adopt(adopted); }
  DrawingObject(const DrawingObject&) = delete;
  DrawingObject& operator=(const DrawingObject&) = delete;
  DrawingObject(DrawingObject&& other) noexcept : native_(std::exchange(other.native_, nullptr)) {}
  DrawingObject& operator=(DrawingObject&& other) noexcept {
    if (this != &other) {
      deleteNative(false);
      native_ = std::exchange(other.native_, nullptr);
    }
    return *this;
  }
  virtual ~DrawingObject() { deleteNative(false); }

  Native* native() const { return native_; }
  explicit operator bool() const { return native_ != nullptr; }

  // Deletes the native object; an empty object has nothing to delete and succeeds.
  bool destroy() { return deleteNative(true); }
  // Deletes the current native object and takes ownership of the given one.
  void adopt(Native* adopted) {
    if (adopted == native_) return;
    deleteNative(false);
    native_ = adopted;
    if (native_) detail::countDrawingObject(+1);
  }
  // Gives the native object away; the caller deletes it.
  [[nodiscard]] Native* release() {
    if (native_) detail::countDrawingObject(-1);
    return std::exchange(native_, nullptr);
  }

 protected:
  // Called after the native object went away, for what a class keeps beside it.
  virtual void nativeDeleted() {}

  // Destruction does not touch lastDrawingStatus, so that a temporary going out of
  // scope does not hide the status of the call a painter is checking.
  bool deleteNative(bool keep) {
    if (!native_) return keep ? detail::keepStatus(Gdiplus::Ok) : true;
    const Gdiplus::GpStatus status = DeleteNative(native_);
    native_ = nullptr;
    detail::countDrawingObject(-1);
    nativeDeleted();
    return keep ? detail::keepStatus(status) : status == Gdiplus::Ok;
  }

  // Adopts the result of a creation call; the old object is deleted first.
  bool adoptCreated(Gdiplus::GpStatus status, Native* created) {
    adopt(status == Gdiplus::Ok ? created : nullptr);
    return detail::keepStatus(status);
  }

 private:
  Native* native_ = nullptr;
};

class DrawingSurface;
class DrawingPath;
class DrawingImage;
class DrawingFontFamily;
class DrawingStringFormat;

// Base of every brush, so that fills take any brush.
class DrawingBrush : public DrawingObject<Gdiplus::GpBrush, &Gdiplus::DllExports::GdipDeleteBrush> {
 public:
  using DrawingObject::DrawingObject;
  // BrushType: 0 solid, 1 hatch, 2 texture, 3 path gradient, 4 linear gradient; -1 when empty.
  int type() const;
};

class DrawingSolidBrush : public DrawingBrush {
 public:
  DrawingSolidBrush() = default;
  explicit DrawingSolidBrush(Argb colour) { create(colour); }
  bool create(Argb colour);
  DrawingSolidBrush clone() const;
  bool setColour(Argb colour);
  Argb colour() const;
};

class DrawingLinearBrush : public DrawingBrush {
 public:
  DrawingLinearBrush() = default;
  DrawingLinearBrush(PointF from, PointF to, Argb fromColour, Argb toColour) {
    create(from, to, fromColour, toColour);
  }
  // From fromColour at from to toColour at to, repeating (tile wrap) outside the segment.
  bool create(PointF from, PointF to, Argb fromColour, Argb toColour, Gdiplus::WrapMode wrapMode = Gdiplus::WrapModeTile);
  bool createFromRect(RectF rect, Argb fromColour, Argb toColour, Gdiplus::LinearGradientMode mode,
                      Gdiplus::WrapMode wrapMode = Gdiplus::WrapModeTile);
  bool createFromRectWithAngle(RectF rect, Argb fromColour, Argb toColour, float angle,
                               bool angleIsScalable = false, Gdiplus::WrapMode wrapMode = Gdiplus::WrapModeTile);
  DrawingLinearBrush clone() const;
  bool setColours(Argb fromColour, Argb toColour);
  // Both end colours; {0, 0} on failure.
  std::pair<Argb, Argb> colours() const;
  RectF rect() const;
  bool setGammaCorrection(bool on);
  bool setBlend(std::span<const float> factors, std::span<const float> positions);
  bool setPresetBlend(std::span<const Argb> colours, std::span<const float> positions);
  bool setSigmaBlend(float focus, float scale = 1.0f);
  bool setLinearBlend(float focus, float scale = 1.0f);
  bool setWrapMode(Gdiplus::WrapMode wrapMode);
  Gdiplus::WrapMode wrapMode() const;

 private:
  Gdiplus::GpLineGradient* gradient() const { return static_cast<Gdiplus::GpLineGradient*>(native()); }
};

class DrawingPathBrush : public DrawingBrush {
 public:
  DrawingPathBrush() = default;
  // WrapMode as the library's: 0 tile, 4 clamp (the library's usual choice for these).
  bool createFromPoints(std::span<const PointF> points, Gdiplus::WrapMode wrapMode = Gdiplus::WrapModeClamp);
  bool createFromPath(const DrawingPath& path);
  DrawingPathBrush clone() const;
  bool setCentreColour(Argb colour);
  Argb centreColour() const;
  bool setCentrePoint(PointF point);
  PointF centrePoint() const;
  int pointCount() const;
  int surroundColourCount() const;
  // Colours for the boundary points, in order; the last repeats for the rest.
  bool setSurroundColours(std::span<const Argb> colours);
  std::vector<Argb> surroundColours() const;
  RectF rect() const;
  bool setGammaCorrection(bool on);
  bool setBlend(std::span<const float> factors, std::span<const float> positions);
  bool setPresetBlend(std::span<const Argb> colours, std::span<const float> positions);
  bool setSigmaBlend(float focus, float scale = 1.0f);
  bool setLinearBlend(float focus, float scale = 1.0f);
  bool setFocusScales(float x, float y);
  bool setWrapMode(Gdiplus::WrapMode wrapMode);
  Gdiplus::WrapMode wrapMode() const;

 private:
  Gdiplus::GpPathGradient* gradient() const { return static_cast<Gdiplus::GpPathGradient*>(native()); }
};

class DrawingTextureBrush : public DrawingBrush {
 public:
  DrawingTextureBrush() = default;
  bool create(const DrawingImage& image, Gdiplus::WrapMode wrapMode = Gdiplus::WrapModeTile);
  bool createFromRect(const DrawingImage& image, Gdiplus::WrapMode wrapMode, RectF sourceRect);
  bool setWrapMode(Gdiplus::WrapMode wrapMode);
  Gdiplus::WrapMode wrapMode() const;

 private:
  Gdiplus::GpTexture* texture() const { return static_cast<Gdiplus::GpTexture*>(native()); }
};

class DrawingPen : public DrawingObject<Gdiplus::GpPen, &Gdiplus::DllExports::GdipDeletePen> {
 public:
  using DrawingObject::DrawingObject;
  DrawingPen() = default;
  DrawingPen(Argb colour, float width, Gdiplus::Unit unit = Gdiplus::UnitWorld) { create(colour, width, unit); }
  // Unit 0 is world units, 2 pixels.
  bool create(Argb colour, float width, Gdiplus::Unit unit = Gdiplus::UnitWorld);
  bool createFromBrush(const DrawingBrush& brush, float width, Gdiplus::Unit unit = Gdiplus::UnitWorld);
  DrawingPen clone() const;
  bool setWidth(float width);
  float width() const;
  bool setColour(Argb colour);
  Argb colour() const;
  // The pen then paints with the brush (a gradient stroke).
  bool setBrushFill(const DrawingBrush& brush);
  bool setLineCap(Gdiplus::LineCap startCap, Gdiplus::LineCap endCap, Gdiplus::DashCap dashCap);
  bool setStartCap(Gdiplus::LineCap cap);
  bool setEndCap(Gdiplus::LineCap cap);
  bool setLineJoin(Gdiplus::LineJoin join);
  Gdiplus::LineJoin lineJoin() const;
  bool setMiterLimit(float limit);
  bool setAlignment(Gdiplus::PenAlignment alignment);
  Gdiplus::PenAlignment alignment() const;
  bool setDashStyle(Gdiplus::DashStyle style);
  Gdiplus::DashStyle dashStyle() const;
  bool setDashOffset(float offset);
  bool setDashArray(std::span<const float> dashes);
};

class DrawingPath : public DrawingObject<Gdiplus::GpPath, &Gdiplus::DllExports::GdipDeletePath> {
 public:
  using DrawingObject::DrawingObject;
  DrawingPath() = default;
  bool create(Gdiplus::FillMode fillMode = Gdiplus::FillModeAlternate);
  bool createFromPoints(std::span<const PointF> points, std::span<const std::uint8_t> types,
                        Gdiplus::FillMode fillMode = Gdiplus::FillModeAlternate);
  DrawingPath clone() const;
  bool reset();
  bool setFillMode(Gdiplus::FillMode fillMode);
  Gdiplus::FillMode fillMode() const;
  int pointCount() const;
  std::vector<PointF> points() const;
  // PathPointType per point: 0 start, 1 line, 3 Bézier, with 0x20 marker and 0x80 close flags.
  std::vector<std::uint8_t> types() const;
  bool startFigure();
  bool closeFigure();
  bool closeAllFigures();
  bool setMarker();
  bool clearMarkers();
  bool reverse();
  PointF lastPoint() const;

  bool addLine(float x1, float y1, float x2, float y2);
  bool addLines(std::span<const PointF> points);
  bool addArc(float x, float y, float width, float height, float startAngle, float sweepAngle);
  bool addBezier(PointF p1, PointF p2, PointF p3, PointF p4);
  bool addBeziers(std::span<const PointF> points);
  bool addCurve(std::span<const PointF> points, float tension = 0.5f);
  bool addClosedCurve(std::span<const PointF> points, float tension = 0.5f);
  bool addRectangle(float x, float y, float width, float height);
  // One closed figure: four corner arcs of a d x d square each, then close figure.
  bool addRoundedRectangle(float x, float y, float width, float height, float d);
  bool addEllipse(float x, float y, float width, float height);
  bool addPie(float x, float y, float width, float height, float startAngle, float sweepAngle);
  bool addPolygon(std::span<const PointF> points);
  bool addPath(const DrawingPath& other, bool connect = false);
  // Outlines of the text laid out in the rectangle; FontStyle: 1 bold, 2 italic.
  bool addString(std::string_view text, const DrawingFontFamily& family, int style, float emSize,
                 RectF layout, const DrawingStringFormat& format);
  bool flatten(float flatness = 0.25f);
  bool widen(const DrawingPen& pen, float flatness = 0.25f);
  RectF bounds() const;
  bool isVisible(float x, float y) const;
  bool isOutlineVisible(float x, float y, const DrawingPen& pen) const;
};

class DrawingFontFamily
    : public DrawingObject<Gdiplus::GpFontFamily, &Gdiplus::DllExports::GdipDeleteFontFamily> {
 public:
  using DrawingObject::DrawingObject;
  DrawingFontFamily() = default;
  explicit DrawingFontFamily(std::string_view name) { create(name); }
  // The installed family of that name; collection null means the installed fonts.
  bool create(std::string_view name, Gdiplus::GpFontCollection* collection = nullptr);
  bool createGenericSansSerif();
  bool createGenericSerif();
  bool createGenericMonospace();
  DrawingFontFamily clone() const;
  std::string name(LANGID language = 0) const;
  bool isStyleAvailable(int style) const;
  int emHeight(int style = 0) const;
  int cellAscent(int style = 0) const;
  int cellDescent(int style = 0) const;
  int lineSpacing(int style = 0) const;
};

class DrawingFont : public DrawingObject<Gdiplus::GpFont, &Gdiplus::DllExports::GdipDeleteFont> {
 public:
  using DrawingObject::DrawingObject;
  DrawingFont() = default;
  DrawingFont(const DrawingFontFamily& family, float size, int style = 0, Gdiplus::Unit unit = Gdiplus::UnitWorld) {
    create(family, size, style, unit);
  }
  // FontStyle flags: 1 bold, 2 italic, 4 underline, 8 strikeout.
  bool create(const DrawingFontFamily& family, float size, int style = 0, Gdiplus::Unit unit = Gdiplus::UnitWorld);
  // The font currently selected into the device context.
  bool createFromHdc(HDC dc);
  bool createFromLogFont(HDC dc, const LOGFONTA& logFont);
  // The stock DEFAULT_GUI_FONT.
  bool createDefaultGui();
  DrawingFont clone() const;
  LOGFONTA logFont(const DrawingSurface& surface) const;
  DrawingFontFamily family() const;
  std::string familyName() const;
  int style() const;
  float size() const;
  Gdiplus::Unit unit() const;
  float height(const DrawingSurface& surface) const;
};

class DrawingStringFormat
    : public DrawingObject<Gdiplus::GpStringFormat, &Gdiplus::DllExports::GdipDeleteStringFormat> {
 public:
  using DrawingObject::DrawingObject;
  DrawingStringFormat() = default;
  // Gdiplus::StringFormatFlags combined.
  bool create(int flags = 0, LANGID language = 0);
  // Own copies of the library's shared generic formats.
  bool createGenericDefault();
  bool createGenericTypographic();
  DrawingStringFormat clone() const;
  bool setFlags(int flags);
  int flags() const;
  bool setAlignment(Gdiplus::StringAlignment alignment);
  Gdiplus::StringAlignment alignment() const;
  bool setLineAlignment(Gdiplus::StringAlignment alignment);
  Gdiplus::StringAlignment lineAlignment() const;
  bool setTrimming(Gdiplus::StringTrimming trimming);
  Gdiplus::StringTrimming trimming() const;
  // HotkeyPrefix: 0 none, 1 show, 2 hide.
  bool setHotkeyPrefix(int prefix);
  int hotkeyPrefix() const;
  bool setTabStops(float firstOffset, std::span<const float> stops);
  bool setDigitSubstitution(LANGID language, int substitute);
  // Pairs of (first character, length) in UTF-16 units.
  bool setMeasurableCharacterRanges(std::span<const std::pair<int, int>> ranges);
};

class DrawingImage : public DrawingObject<Gdiplus::GpImage, &Gdiplus::DllExports::GdipDisposeImage> {
 public:
  using DrawingObject::DrawingObject;
  DrawingImage() = default;
  DrawingImage(DrawingImage&&) noexcept = default;
  DrawingImage& operator=(DrawingImage&&) noexcept = default;
  ~DrawingImage() override;

  virtual bool loadFromFile(std::string_view path, bool useIcm = false);
  // Decodes a picture held in memory. The bytes are copied into this object's own
  // stream, which stays open for the life of the image because the library may read
  // the picture from it lazily. Bytes that do not decode leave the object empty.
  virtual bool loadFromBytes(std::span<const std::uint8_t> bytes, bool useIcm = false);
  static DrawingImage fromBytes(std::span<const std::uint8_t> bytes, bool useIcm = false);

  DrawingImage clone() const;
  // Encodes with the encoder of the format (GUID text; BMP when not given).
  bool saveToFile(std::string_view path, std::optional<std::string_view> format = std::nullopt,
                  const Gdiplus::EncoderParameters* parameters = nullptr) const;
  // Encodes with the encoder of the format (GUID text; the image's own raw format
  // when not given). Empty when no encoder has that format or encoding fails.
  std::vector<std::uint8_t> saveToBytes(std::optional<std::string_view> format = std::nullopt,
                                        const Gdiplus::EncoderParameters* parameters = nullptr) const;
  // GUID text of the format the image was decoded from (memoryBmpFormat for bitmaps
  // made in memory); empty on failure.
  std::string rawFormat() const;
  RectF bounds() const;
  SizeF dimension() const;
  // ImageType: 1 bitmap, 2 metafile.
  int type() const;
  unsigned width() const;
  unsigned height() const;
  float horizontalResolution() const;
  float verticalResolution() const;
  unsigned flags() const;
  int pixelFormat() const;
  DrawingImage thumbnail(unsigned width, unsigned height) const;
  unsigned frameCount(const GUID& dimension) const;
  bool selectFrame(const GUID& dimension, unsigned index);
  // RotateFlipType: 1 rotate 90, 2 rotate 180, 3 rotate 270, 4 flip x, ...
  bool rotateFlip(int rotateFlipType);

  const PictureStream& pictureStream() const { return stream_; }

 protected:
  void nativeDeleted() override { stream_.close(); }
  PictureStream& ownStream() { return stream_; }

 private:
  PictureStream stream_;
};

class DrawingBitmap : public DrawingImage {
 public:
  DrawingBitmap() = default;
  explicit DrawingBitmap(Gdiplus::GpBitmap* adopted) : DrawingImage(adopted) {}
  DrawingBitmap(int width, int height, int pixelFormat = pixelFormat32bppArgb) { create(width, height, pixelFormat); }

  // Every pixel transparent black.
  bool create(int width, int height, int pixelFormat = pixelFormat32bppArgb);
  // Over caller-owned pixels that must outlive the bitmap; null scan0 makes its own.
  bool createFromScan0(int width, int height, int stride, int pixelFormat, BYTE* scan0);
  bool createFromSurface(int width, int height, const DrawingSurface& surface);
  bool createFromGdiDib(const BITMAPINFO* info, void* bits);
  bool createFromHbitmap(HBITMAP bitmap, HPALETTE palette = nullptr);
  bool createFromHicon(HICON icon);
  bool createFromResource(HINSTANCE instance, std::string_view name);
  bool loadFromFile(std::string_view path, bool useIcm = false) override;
  bool loadFromBytes(std::span<const std::uint8_t> bytes, bool useIcm = false) override;
  static DrawingBitmap fromBytes(std::span<const std::uint8_t> bytes, bool useIcm = false);

  DrawingBitmap cloneBitmap() const;
  DrawingBitmap cloneArea(float x, float y, float width, float height, int pixelFormat = pixelFormat32bppArgb) const;
  // A new platform bitmap with the pixels composed over the background colour.
  OwnedBitmap toHbitmap(Argb background) const;
  // A new icon, owned by the result.
  OwnedIcon toHicon() const;
  // LockBits flags: 1 read, 2 write, 4 user buffer.
  bool lockBits(const RECT* rect, unsigned flags, int pixelFormat, Gdiplus::BitmapData& data);
  bool unlockBits(Gdiplus::BitmapData& data);
  Argb getPixel(int x, int y) const;
  bool setPixel(int x, int y, Argb colour);
  bool setResolution(float dpiX, float dpiY);

  Gdiplus::GpBitmap* bitmap() const { return static_cast<Gdiplus::GpBitmap*>(native()); }
};

class DrawingRegion : public DrawingObject<Gdiplus::GpRegion, &Gdiplus::DllExports::GdipDeleteRegion> {
 public:
  using DrawingObject::DrawingObject;
  DrawingRegion() = default;
  bool createInfinite();
  bool createRect(RectF rect);
  bool createPath(const DrawingPath& path);
  bool createHrgn(HRGN region);
  bool createFromData(std::span<const std::uint8_t> data);
  DrawingRegion clone() const;
  bool makeInfinite();
  bool makeEmpty();
  bool combineRect(RectF rect, Gdiplus::CombineMode combineMode);
  bool combineRegion(const DrawingRegion& other, Gdiplus::CombineMode combineMode);
  bool combinePath(const DrawingPath& path, Gdiplus::CombineMode combineMode);
  bool translate(float dx, float dy);
  RectF bounds(const DrawingSurface& surface) const;
  std::vector<std::uint8_t> data() const;
  // A new platform region; empty on failure.
  OwnedRegion toHrgn(const DrawingSurface& surface) const;
  bool isEmpty(const DrawingSurface& surface) const;
  bool isInfinite(const DrawingSurface& surface) const;
  bool equals(const DrawingRegion& other, const DrawingSurface& surface) const;
  bool isVisible(float x, float y, const DrawingSurface& surface) const;
};

class DrawingSurface : public DrawingObject<Gdiplus::GpGraphics, &Gdiplus::DllExports::GdipDeleteGraphics> {
 public:
  using DrawingObject::DrawingObject;
  DrawingSurface() = default;
  // Drawing into a device context is complete once the surface is destroyed.
  static DrawingSurface fromHdc(HDC dc);
  static DrawingSurface fromImage(DrawingImage& image);

  bool createFromHdc(HDC dc);
  bool createFromHdc(HDC dc, HANDLE device);
  bool createFromHwnd(HWND window, bool useIcm = false);
  bool createFromImage(DrawingImage& image);
  bool flush(Gdiplus::FlushIntention intention = Gdiplus::FlushIntentionFlush);
  // Null on failure; give it back with releaseHdc before drawing again.
  HDC getHdc();
  bool releaseHdc(HDC dc);

  bool setCompositingMode(Gdiplus::CompositingMode mode);
  Gdiplus::CompositingMode compositingMode() const;
  bool setCompositingQuality(Gdiplus::CompositingQuality quality);
  Gdiplus::CompositingQuality compositingQuality() const;
  bool setSmoothingMode(Gdiplus::SmoothingMode mode);
  Gdiplus::SmoothingMode smoothingMode() const;
  bool setTextRenderingHint(Gdiplus::TextRenderingHint hint);
  Gdiplus::TextRenderingHint textRenderingHint() const;
  bool setInterpolationMode(Gdiplus::InterpolationMode mode);
  Gdiplus::InterpolationMode interpolationMode() const;
  bool setPixelOffsetMode(Gdiplus::PixelOffsetMode mode);
  Gdiplus::PixelOffsetMode pixelOffsetMode() const;
  bool setRenderingOrigin(int x, int y);
  bool setTextContrast(unsigned contrast);
  bool resetTransform();
  bool translateTransform(float dx, float dy, Gdiplus::MatrixOrder order = Gdiplus::MatrixOrderPrepend);
  bool scaleTransform(float sx, float sy, Gdiplus::MatrixOrder order = Gdiplus::MatrixOrderPrepend);
  bool rotateTransform(float angle, Gdiplus::MatrixOrder order = Gdiplus::MatrixOrderPrepend);
  bool setPageUnit(Gdiplus::Unit unit);
  bool setPageScale(float scale);
  float dpiX() const;
  float dpiY() const;

  bool drawLine(const DrawingPen& pen, float x1, float y1, float x2, float y2);
  bool drawLines(const DrawingPen& pen, std::span<const PointF> points);
  bool drawArc(const DrawingPen& pen, float x, float y, float width, float height, float startAngle,
               float sweepAngle);
  bool drawBezier(const DrawingPen& pen, PointF p1, PointF p2, PointF p3, PointF p4);
  bool drawRectangle(const DrawingPen& pen, float x, float y, float width, float height);
  bool drawEllipse(const DrawingPen& pen, float x, float y, float width, float height);
  bool drawPie(const DrawingPen& pen, float x, float y, float width, float height, float startAngle,
               float sweepAngle);
  bool drawPolygon(const DrawingPen& pen, std::span<const PointF> points);
  bool drawPath(const DrawingPen& pen, const DrawingPath& path);
  bool drawCurve(const DrawingPen& pen, std::span<const PointF> points, float tension = 0.5f);
  bool drawClosedCurve(const DrawingPen& pen, std::span<const PointF> points, float tension = 0.5f);

  // Fills the surface with the colour, replacing what is there; the clip applies.
  bool clear(Argb colour);
  bool fillRectangle(const DrawingBrush& brush, float x, float y, float width, float height);
  bool fillPolygon(const DrawingBrush& brush, std::span<const PointF> points, Gdiplus::FillMode fillMode = Gdiplus::FillModeAlternate);
  bool fillEllipse(const DrawingBrush& brush, float x, float y, float width, float height);
  bool fillPie(const DrawingBrush& brush, float x, float y, float width, float height, float startAngle,
               float sweepAngle);
  bool fillPath(const DrawingBrush& brush, const DrawingPath& path);
  bool fillClosedCurve(const DrawingBrush& brush, std::span<const PointF> points, float tension = 0.5f,
                       Gdiplus::FillMode fillMode = Gdiplus::FillModeAlternate);
  bool fillRegion(const DrawingBrush& brush, const DrawingRegion& region);

  // An empty format object stands for the library's default layout.
  bool drawString(std::string_view text, const DrawingFont& font, const DrawingBrush& brush, RectF layout,
                  const DrawingStringFormat& format);
  // The bounding box of the laid-out text; zero on failure.
  RectF measureString(std::string_view text, const DrawingFont& font, RectF layout,
                      const DrawingStringFormat& format, int* charactersFitted = nullptr,
                      int* linesFilled = nullptr) const;

  // The whole image at its pixel size with its top-left corner at (x, y).
  bool drawImage(const DrawingImage& image, float x, float y);
  // The whole image scaled into the rectangle.
  bool drawImage(const DrawingImage& image, float x, float y, float width, float height);
  // Part of the image (source in the unit, pixels by default) scaled into the destination.
  bool drawImage(const DrawingImage& image, RectF destination, RectF source, Gdiplus::Unit sourceUnit = Gdiplus::UnitPixel);

  bool setClipRect(float x, float y, float width, float height, Gdiplus::CombineMode combineMode = Gdiplus::CombineModeReplace);
  bool setClipPath(const DrawingPath& path, Gdiplus::CombineMode combineMode = Gdiplus::CombineModeReplace);
  bool setClipRegion(const DrawingRegion& region, Gdiplus::CombineMode combineMode = Gdiplus::CombineModeReplace);
  bool setClipHrgn(HRGN region, Gdiplus::CombineMode combineMode = Gdiplus::CombineModeReplace);
  bool setClipSurface(const DrawingSurface& other, Gdiplus::CombineMode combineMode = Gdiplus::CombineModeReplace);
  bool resetClip();
  bool translateClip(float dx, float dy);
  RectF clipBounds() const;
  RectF visibleClipBounds() const;
  bool isClipEmpty() const;
  bool isVisible(float x, float y) const;

  // A state token for restore; 0 on failure.
  unsigned save();
  bool restore(unsigned state);
};

}  // namespace draw
