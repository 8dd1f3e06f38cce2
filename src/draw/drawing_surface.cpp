// Drawing surfaces: state, shapes, text, images and clipping.
#include "draw/drawing_internal.h"

namespace draw {

using namespace detail;

DrawingSurface DrawingSurface::fromHdc(HDC dc) {
  DrawingSurface surface;
  surface.createFromHdc(dc);
  return surface;
}

DrawingSurface DrawingSurface::fromImage(DrawingImage& image) {
  DrawingSurface surface;
  surface.createFromImage(image);
  return surface;
}

bool DrawingSurface::createFromHdc(HDC dc) {
  Gdiplus::GpGraphics* graphics = nullptr;
  const GpStatus status = flat::GdipCreateFromHDC(dc, &graphics);
  return adoptCreated(status, graphics);
}

bool DrawingSurface::createFromHdc(HDC dc, HANDLE device) {
  Gdiplus::GpGraphics* graphics = nullptr;
  const GpStatus status = flat::GdipCreateFromHDC2(dc, device, &graphics);
  return adoptCreated(status, graphics);
}

bool DrawingSurface::createFromHwnd(HWND window, bool useIcm) {
  Gdiplus::GpGraphics* graphics = nullptr;
  const GpStatus status =
      useIcm ? flat::GdipCreateFromHWNDICM(window, &graphics) : flat::GdipCreateFromHWND(window, &graphics);
  return adoptCreated(status, graphics);
}

bool DrawingSurface::createFromImage(DrawingImage& image) {
  Gdiplus::GpGraphics* graphics = nullptr;
  const GpStatus status = flat::GdipGetImageGraphicsContext(image.native(), &graphics);
  return adoptCreated(status, graphics);
}

bool DrawingSurface::flush(Gdiplus::FlushIntention intention) {
  return keepStatus(flat::GdipFlush(native(), intention));
}

HDC DrawingSurface::getHdc() {
  HDC dc = nullptr;
  const GpStatus status = flat::GdipGetDC(native(), &dc);
  return keptValue<HDC>(status, dc);
}

bool DrawingSurface::releaseHdc(HDC dc) { return keepStatus(flat::GdipReleaseDC(native(), dc)); }

// State

bool DrawingSurface::setCompositingMode(Gdiplus::CompositingMode mode) {
  return keepStatus(flat::GdipSetCompositingMode(native(), mode));
}

Gdiplus::CompositingMode DrawingSurface::compositingMode() const {
  Gdiplus::CompositingMode mode = Gdiplus::CompositingModeSourceOver;
  const GpStatus status = flat::GdipGetCompositingMode(native(), &mode);
  return keptValue(status, mode);
}

bool DrawingSurface::setCompositingQuality(Gdiplus::CompositingQuality quality) {
  return keepStatus(flat::GdipSetCompositingQuality(native(), quality));
}

Gdiplus::CompositingQuality DrawingSurface::compositingQuality() const {
  Gdiplus::CompositingQuality quality = Gdiplus::CompositingQualityDefault;
  const GpStatus status = flat::GdipGetCompositingQuality(native(), &quality);
  return keptValue(status, quality);
}

bool DrawingSurface::setSmoothingMode(Gdiplus::SmoothingMode mode) {
  return keepStatus(flat::GdipSetSmoothingMode(native(), mode));
}

Gdiplus::SmoothingMode DrawingSurface::smoothingMode() const {
  Gdiplus::SmoothingMode mode = Gdiplus::SmoothingModeDefault;
  const GpStatus status = flat::GdipGetSmoothingMode(native(), &mode);
  return keptValue(status, mode);
}

bool DrawingSurface::setTextRenderingHint(Gdiplus::TextRenderingHint hint) {
  return keepStatus(flat::GdipSetTextRenderingHint(native(), hint));
}

Gdiplus::TextRenderingHint DrawingSurface::textRenderingHint() const {
  Gdiplus::TextRenderingHint hint = Gdiplus::TextRenderingHintSystemDefault;
  const GpStatus status = flat::GdipGetTextRenderingHint(native(), &hint);
  return keptValue(status, hint);
}

bool DrawingSurface::setInterpolationMode(Gdiplus::InterpolationMode mode) {
  return keepStatus(flat::GdipSetInterpolationMode(native(), mode));
}

Gdiplus::InterpolationMode DrawingSurface::interpolationMode() const {
  Gdiplus::InterpolationMode mode = Gdiplus::InterpolationModeDefault;
  const GpStatus status = flat::GdipGetInterpolationMode(native(), &mode);
  return keptValue(status, mode);
}

bool DrawingSurface::setPixelOffsetMode(Gdiplus::PixelOffsetMode mode) {
  return keepStatus(flat::GdipSetPixelOffsetMode(native(), mode));
}

Gdiplus::PixelOffsetMode DrawingSurface::pixelOffsetMode() const {
  Gdiplus::PixelOffsetMode mode = Gdiplus::PixelOffsetModeDefault;
  const GpStatus status = flat::GdipGetPixelOffsetMode(native(), &mode);
  return keptValue(status, mode);
}

bool DrawingSurface::setRenderingOrigin(int x, int y) {
  return keepStatus(flat::GdipSetRenderingOrigin(native(), x, y));
}

bool DrawingSurface::setTextContrast(unsigned contrast) {
  return keepStatus(flat::GdipSetTextContrast(native(), contrast));
}

bool DrawingSurface::resetTransform() { return keepStatus(flat::GdipResetWorldTransform(native())); }

bool DrawingSurface::translateTransform(float dx, float dy, Gdiplus::MatrixOrder order) {
  return keepStatus(flat::GdipTranslateWorldTransform(native(), dx, dy, order));
}

bool DrawingSurface::scaleTransform(float sx, float sy, Gdiplus::MatrixOrder order) {
  return keepStatus(flat::GdipScaleWorldTransform(native(), sx, sy, order));
}

bool DrawingSurface::rotateTransform(float angle, Gdiplus::MatrixOrder order) {
  return keepStatus(flat::GdipRotateWorldTransform(native(), angle, order));
}

bool DrawingSurface::setPageUnit(Gdiplus::Unit unit) {
  return keepStatus(flat::GdipSetPageUnit(native(), unit));
}

bool DrawingSurface::setPageScale(float scale) { return keepStatus(flat::GdipSetPageScale(native(), scale)); }

float DrawingSurface::dpiX() const {
  Gdiplus::REAL dpi = 0;
  const GpStatus status = flat::GdipGetDpiX(native(), &dpi);
  return keptValue<float>(status, dpi);
}

float DrawingSurface::dpiY() const {
  Gdiplus::REAL dpi = 0;
  const GpStatus status = flat::GdipGetDpiY(native(), &dpi);
  return keptValue<float>(status, dpi);
}

// Outlines

bool DrawingSurface::drawLine(const DrawingPen& pen, float x1, float y1, float x2, float y2) {
  return keepStatus(flat::GdipDrawLine(native(), pen.native(), x1, y1, x2, y2));
}

bool DrawingSurface::drawLines(const DrawingPen& pen, std::span<const PointF> points) {
  if (!fitsInt(points.size())) return keepStatus(Gdiplus::InvalidParameter);
  const std::vector<Gdiplus::PointF> native = toNative(points);
  return keepStatus(flat::GdipDrawLines(this->native(), pen.native(), native.data(), static_cast<INT>(native.size())));
}

bool DrawingSurface::drawArc(const DrawingPen& pen, float x, float y, float width, float height, float startAngle,
                             float sweepAngle) {
  return keepStatus(flat::GdipDrawArc(native(), pen.native(), x, y, width, height, startAngle, sweepAngle));
}

bool DrawingSurface::drawBezier(const DrawingPen& pen, PointF p1, PointF p2, PointF p3, PointF p4) {
  return keepStatus(flat::GdipDrawBezier(native(), pen.native(), p1.x, p1.y, p2.x, p2.y, p3.x, p3.y, p4.x, p4.y));
}

bool DrawingSurface::drawRectangle(const DrawingPen& pen, float x, float y, float width, float height) {
  return keepStatus(flat::GdipDrawRectangle(native(), pen.native(), x, y, width, height));
}

bool DrawingSurface::drawEllipse(const DrawingPen& pen, float x, float y, float width, float height) {
  return keepStatus(flat::GdipDrawEllipse(native(), pen.native(), x, y, width, height));
}

bool DrawingSurface::drawPie(const DrawingPen& pen, float x, float y, float width, float height, float startAngle,
                             float sweepAngle) {
  return keepStatus(flat::GdipDrawPie(native(), pen.native(), x, y, width, height, startAngle, sweepAngle));
}

bool DrawingSurface::drawPolygon(const DrawingPen& pen, std::span<const PointF> points) {
  if (!fitsInt(points.size())) return keepStatus(Gdiplus::InvalidParameter);
  const std::vector<Gdiplus::PointF> native = toNative(points);
  return keepStatus(
      flat::GdipDrawPolygon(this->native(), pen.native(), native.data(), static_cast<INT>(native.size())));
}

bool DrawingSurface::drawPath(const DrawingPen& pen, const DrawingPath& path) {
  return keepStatus(flat::GdipDrawPath(native(), pen.native(), path.native()));
}

bool DrawingSurface::drawCurve(const DrawingPen& pen, std::span<const PointF> points, float tension) {
  if (!fitsInt(points.size())) return keepStatus(Gdiplus::InvalidParameter);
  const std::vector<Gdiplus::PointF> native = toNative(points);
  return keepStatus(
      flat::GdipDrawCurve2(this->native(), pen.native(), native.data(), static_cast<INT>(native.size()), tension));
}

bool DrawingSurface::drawClosedCurve(const DrawingPen& pen, std::span<const PointF> points, float tension) {
  if (!fitsInt(points.size())) return keepStatus(Gdiplus::InvalidParameter);
  const std::vector<Gdiplus::PointF> native = toNative(points);
  return keepStatus(flat::GdipDrawClosedCurve2(this->native(), pen.native(), native.data(),
                                               static_cast<INT>(native.size()), tension));
}

// Fills

bool DrawingSurface::clear(Argb colour) { return keepStatus(flat::GdipGraphicsClear(native(), colour)); }

bool DrawingSurface::fillRectangle(const DrawingBrush& brush, float x, float y, float width, float height) {
  return keepStatus(flat::GdipFillRectangle(native(), brush.native(), x, y, width, height));
}

bool DrawingSurface::fillPolygon(const DrawingBrush& brush, std::span<const PointF> points, Gdiplus::FillMode fillMode) {
  if (!fitsInt(points.size())) return keepStatus(Gdiplus::InvalidParameter);
  const std::vector<Gdiplus::PointF> native = toNative(points);
  return keepStatus(flat::GdipFillPolygon(this->native(), brush.native(), native.data(),
                                          static_cast<INT>(native.size()), fillMode));
}

bool DrawingSurface::fillEllipse(const DrawingBrush& brush, float x, float y, float width, float height) {
  return keepStatus(flat::GdipFillEllipse(native(), brush.native(), x, y, width, height));
}

bool DrawingSurface::fillPie(const DrawingBrush& brush, float x, float y, float width, float height,
                             float startAngle, float sweepAngle) {
  return keepStatus(flat::GdipFillPie(native(), brush.native(), x, y, width, height, startAngle, sweepAngle));
}

bool DrawingSurface::fillPath(const DrawingBrush& brush, const DrawingPath& path) {
  return keepStatus(flat::GdipFillPath(native(), brush.native(), path.native()));
}

bool DrawingSurface::fillClosedCurve(const DrawingBrush& brush, std::span<const PointF> points, float tension,
                                     Gdiplus::FillMode fillMode) {
  if (!fitsInt(points.size())) return keepStatus(Gdiplus::InvalidParameter);
  const std::vector<Gdiplus::PointF> native = toNative(points);
  return keepStatus(flat::GdipFillClosedCurve2(this->native(), brush.native(), native.data(),
                                               static_cast<INT>(native.size()), tension,
                                               fillMode));
}

bool DrawingSurface::fillRegion(const DrawingBrush& brush, const DrawingRegion& region) {
  return keepStatus(flat::GdipFillRegion(native(), brush.native(), region.native()));
}

// Text

bool DrawingSurface::drawString(std::string_view text, const DrawingFont& font, const DrawingBrush& brush,
                                RectF layout, const DrawingStringFormat& format) {
  const std::wstring wide = toWideText(text);
  if (!fitsInt(wide.size())) return keepStatus(Gdiplus::InvalidParameter);
  const Gdiplus::RectF area = toNative(layout);
  return keepStatus(flat::GdipDrawString(native(), wide.c_str(), static_cast<INT>(wide.size()), font.native(), &area,
                                         format.native(), brush.native()));
}

RectF DrawingSurface::measureString(std::string_view text, const DrawingFont& font, RectF layout,
                                    const DrawingStringFormat& format, int* charactersFitted,
                                    int* linesFilled) const {
  const std::wstring wide = toWideText(text);
  if (!fitsInt(wide.size())) return keptValue(Gdiplus::InvalidParameter, RectF{});
  const Gdiplus::RectF area = toNative(layout);
  Gdiplus::RectF box;
  INT fitted = 0;
  INT lines = 0;
  const GpStatus status = flat::GdipMeasureString(native(), wide.c_str(), static_cast<INT>(wide.size()),
                                                  font.native(), &area, format.native(), &box, &fitted, &lines);
  if (charactersFitted) *charactersFitted = status == Gdiplus::Ok ? fitted : 0;
  if (linesFilled) *linesFilled = status == Gdiplus::Ok ? lines : 0;
  return keptValue(status, fromNative(box));
}

// Images

bool DrawingSurface::drawImage(const DrawingImage& image, float x, float y) {
  // GdipDrawImage scales by the picture's resolution; the skins place pictures by
  // their pixel size, so the whole picture goes 1:1 into a rectangle of that size.
  UINT width = 0;
  UINT height = 0;
  if (!keepStatus(flat::GdipGetImageWidth(image.native(), &width)) ||
      !keepStatus(flat::GdipGetImageHeight(image.native(), &height))) {
    return false;
  }
  return drawImage(image, RectF{x, y, static_cast<float>(width), static_cast<float>(height)},
                   RectF{0, 0, static_cast<float>(width), static_cast<float>(height)}, Gdiplus::UnitPixel);
}

bool DrawingSurface::drawImage(const DrawingImage& image, float x, float y, float width, float height) {
  UINT imageWidth = 0;
  UINT imageHeight = 0;
  if (!keepStatus(flat::GdipGetImageWidth(image.native(), &imageWidth)) ||
      !keepStatus(flat::GdipGetImageHeight(image.native(), &imageHeight))) {
    return false;
  }
  return drawImage(image, RectF{x, y, width, height},
                   RectF{0, 0, static_cast<float>(imageWidth), static_cast<float>(imageHeight)}, Gdiplus::UnitPixel);
}

bool DrawingSurface::drawImage(const DrawingImage& image, RectF destination, RectF source, Gdiplus::Unit sourceUnit) {
  return keepStatus(flat::GdipDrawImageRectRect(native(), image.native(), destination.x, destination.y,
                                                destination.width, destination.height, source.x, source.y,
                                                source.width, source.height, sourceUnit,
                                                nullptr, nullptr, nullptr));
}

// Clipping

bool DrawingSurface::setClipRect(float x, float y, float width, float height, Gdiplus::CombineMode combineMode) {
  return keepStatus(
      flat::GdipSetClipRect(native(), x, y, width, height, combineMode));
}

bool DrawingSurface::setClipPath(const DrawingPath& path, Gdiplus::CombineMode combineMode) {
  return keepStatus(flat::GdipSetClipPath(native(), path.native(), combineMode));
}

bool DrawingSurface::setClipRegion(const DrawingRegion& region, Gdiplus::CombineMode combineMode) {
  return keepStatus(
      flat::GdipSetClipRegion(native(), region.native(), combineMode));
}

bool DrawingSurface::setClipHrgn(HRGN region, Gdiplus::CombineMode combineMode) {
  return keepStatus(flat::GdipSetClipHrgn(native(), region, combineMode));
}

bool DrawingSurface::setClipSurface(const DrawingSurface& other, Gdiplus::CombineMode combineMode) {
  return keepStatus(
      flat::GdipSetClipGraphics(native(), other.native(), combineMode));
}

bool DrawingSurface::resetClip() { return keepStatus(flat::GdipResetClip(native())); }

bool DrawingSurface::translateClip(float dx, float dy) { return keepStatus(flat::GdipTranslateClip(native(), dx, dy)); }

RectF DrawingSurface::clipBounds() const {
  Gdiplus::RectF rect;
  const GpStatus status = flat::GdipGetClipBounds(native(), &rect);
  return keptValue(status, fromNative(rect));
}

RectF DrawingSurface::visibleClipBounds() const {
  Gdiplus::RectF rect;
  const GpStatus status = flat::GdipGetVisibleClipBounds(native(), &rect);
  return keptValue(status, fromNative(rect));
}

bool DrawingSurface::isClipEmpty() const {
  BOOL empty = FALSE;
  const GpStatus status = flat::GdipIsClipEmpty(native(), &empty);
  return keptValue(status, empty != FALSE);
}

bool DrawingSurface::isVisible(float x, float y) const {
  BOOL visible = FALSE;
  const GpStatus status = flat::GdipIsVisiblePoint(native(), x, y, &visible);
  return keptValue(status, visible != FALSE);
}

unsigned DrawingSurface::save() {
  Gdiplus::GraphicsState state = 0;
  const GpStatus status = flat::GdipSaveGraphics(native(), &state);
  return keptValue<unsigned>(status, state);
}

bool DrawingSurface::restore(unsigned state) { return keepStatus(flat::GdipRestoreGraphics(native(), state)); }

}  // namespace draw
