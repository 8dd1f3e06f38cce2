// Paths and regions.
#include "draw/drawing_internal.h"

namespace draw {

using namespace detail;

// DrawingPath

bool DrawingPath::create(Gdiplus::FillMode fillMode) {
  Gdiplus::GpPath* path = nullptr;
  const GpStatus status = flat::GdipCreatePath(fillMode, &path);
  return adoptCreated(status, path);
}

bool DrawingPath::createFromPoints(std::span<const PointF> points, std::span<const std::uint8_t> types,
                                   Gdiplus::FillMode fillMode) {
  if (points.size() != types.size() || !fitsInt(points.size())) return keepStatus(Gdiplus::InvalidParameter);
  const std::vector<Gdiplus::PointF> native = toNative(points);
  Gdiplus::GpPath* path = nullptr;
  const GpStatus status = flat::GdipCreatePath2(native.data(), types.data(), static_cast<INT>(native.size()),
                                                fillMode, &path);
  return adoptCreated(status, path);
}

DrawingPath DrawingPath::clone() const {
  DrawingPath copy;
  Gdiplus::GpPath* cloned = nullptr;
  if (keepStatus(flat::GdipClonePath(native(), &cloned))) copy.adopt(cloned);
  return copy;
}

bool DrawingPath::reset() { return keepStatus(flat::GdipResetPath(native())); }

bool DrawingPath::setFillMode(Gdiplus::FillMode fillMode) {
  return keepStatus(flat::GdipSetPathFillMode(native(), fillMode));
}

Gdiplus::FillMode DrawingPath::fillMode() const {
  Gdiplus::GpFillMode mode = Gdiplus::FillModeAlternate;
  const GpStatus status = flat::GdipGetPathFillMode(native(), &mode);
  return keptValue(status, mode);
}

int DrawingPath::pointCount() const {
  INT count = 0;
  const GpStatus status = flat::GdipGetPointCount(native(), &count);
  return keptValue<int>(status, count);
}

std::vector<PointF> DrawingPath::points() const {
  INT count = 0;
  if (!keepStatus(flat::GdipGetPointCount(native(), &count)) || count <= 0) return {};
  std::vector<Gdiplus::PointF> native(static_cast<std::size_t>(count));
  if (!keepStatus(flat::GdipGetPathPoints(this->native(), native.data(), count))) return {};
  std::vector<PointF> points;
  points.reserve(native.size());
  for (const Gdiplus::PointF& point : native) points.push_back(fromNative(point));
  return points;
}

std::vector<std::uint8_t> DrawingPath::types() const {
  INT count = 0;
  if (!keepStatus(flat::GdipGetPointCount(native(), &count)) || count <= 0) return {};
  std::vector<std::uint8_t> types(static_cast<std::size_t>(count));
  if (!keepStatus(flat::GdipGetPathTypes(native(), types.data(), count))) return {};
  return types;
}

bool DrawingPath::startFigure() { return keepStatus(flat::GdipStartPathFigure(native())); }
bool DrawingPath::closeFigure() { return keepStatus(flat::GdipClosePathFigure(native())); }
bool DrawingPath::closeAllFigures() { return keepStatus(flat::GdipClosePathFigures(native())); }
bool DrawingPath::setMarker() { return keepStatus(flat::GdipSetPathMarker(native())); }
bool DrawingPath::clearMarkers() { return keepStatus(flat::GdipClearPathMarkers(native())); }
bool DrawingPath::reverse() { return keepStatus(flat::GdipReversePath(native())); }

PointF DrawingPath::lastPoint() const {
  Gdiplus::PointF point;
  const GpStatus status = flat::GdipGetPathLastPoint(native(), &point);
  return keptValue(status, fromNative(point));
}

bool DrawingPath::addLine(float x1, float y1, float x2, float y2) {
  return keepStatus(flat::GdipAddPathLine(native(), x1, y1, x2, y2));
}

bool DrawingPath::addLines(std::span<const PointF> points) {
  if (!fitsInt(points.size())) return keepStatus(Gdiplus::InvalidParameter);
  const std::vector<Gdiplus::PointF> native = toNative(points);
  return keepStatus(flat::GdipAddPathLine2(this->native(), native.data(), static_cast<INT>(native.size())));
}

bool DrawingPath::addArc(float x, float y, float width, float height, float startAngle, float sweepAngle) {
  return keepStatus(flat::GdipAddPathArc(native(), x, y, width, height, startAngle, sweepAngle));
}

bool DrawingPath::addBezier(PointF p1, PointF p2, PointF p3, PointF p4) {
  return keepStatus(flat::GdipAddPathBezier(native(), p1.x, p1.y, p2.x, p2.y, p3.x, p3.y, p4.x, p4.y));
}

bool DrawingPath::addBeziers(std::span<const PointF> points) {
  if (!fitsInt(points.size())) return keepStatus(Gdiplus::InvalidParameter);
  const std::vector<Gdiplus::PointF> native = toNative(points);
  return keepStatus(flat::GdipAddPathBeziers(this->native(), native.data(), static_cast<INT>(native.size())));
}

bool DrawingPath::addCurve(std::span<const PointF> points, float tension) {
  if (!fitsInt(points.size())) return keepStatus(Gdiplus::InvalidParameter);
  const std::vector<Gdiplus::PointF> native = toNative(points);
  return keepStatus(
      flat::GdipAddPathCurve2(this->native(), native.data(), static_cast<INT>(native.size()), tension));
}

bool DrawingPath::addClosedCurve(std::span<const PointF> points, float tension) {
  if (!fitsInt(points.size())) return keepStatus(Gdiplus::InvalidParameter);
  const std::vector<Gdiplus::PointF> native = toNative(points);
  return keepStatus(
      flat::GdipAddPathClosedCurve2(this->native(), native.data(), static_cast<INT>(native.size()), tension));
}

bool DrawingPath::addRectangle(float x, float y, float width, float height) {
  return keepStatus(flat::GdipAddPathRectangle(native(), x, y, width, height));
}

bool DrawingPath::addRoundedRectangle(float x, float y, float width, float height, float d) {
  const float right = x + width;
  const float bottom = y + height;
  return addArc(right - d, y, d, d, 270, 90) && addArc(right - d, bottom - d, d, d, 0, 90) &&
         addArc(x, bottom - d, d, d, 90, 90) && addArc(x, y, d, d, 180, 90) && closeFigure();
}

bool DrawingPath::addEllipse(float x, float y, float width, float height) {
  return keepStatus(flat::GdipAddPathEllipse(native(), x, y, width, height));
}

bool DrawingPath::addPie(float x, float y, float width, float height, float startAngle, float sweepAngle) {
  return keepStatus(flat::GdipAddPathPie(native(), x, y, width, height, startAngle, sweepAngle));
}

bool DrawingPath::addPolygon(std::span<const PointF> points) {
  if (!fitsInt(points.size())) return keepStatus(Gdiplus::InvalidParameter);
  const std::vector<Gdiplus::PointF> native = toNative(points);
  return keepStatus(flat::GdipAddPathPolygon(this->native(), native.data(), static_cast<INT>(native.size())));
}

bool DrawingPath::addPath(const DrawingPath& other, bool connect) {
  return keepStatus(flat::GdipAddPathPath(native(), other.native(), connect ? TRUE : FALSE));
}

bool DrawingPath::addString(std::string_view text, const DrawingFontFamily& family, int style, float emSize,
                            RectF layout, const DrawingStringFormat& format) {
  const std::wstring wide = toWideText(text);
  if (!fitsInt(wide.size())) return keepStatus(Gdiplus::InvalidParameter);
  const Gdiplus::RectF area = toNative(layout);
  return keepStatus(flat::GdipAddPathString(native(), wide.c_str(), static_cast<INT>(wide.size()), family.native(),
                                            style, emSize, &area, format.native()));
}

bool DrawingPath::flatten(float flatness) { return keepStatus(flat::GdipFlattenPath(native(), nullptr, flatness)); }

bool DrawingPath::widen(const DrawingPen& pen, float flatness) {
  return keepStatus(flat::GdipWidenPath(native(), pen.native(), nullptr, flatness));
}

RectF DrawingPath::bounds() const {
  Gdiplus::RectF rect;
  const GpStatus status = flat::GdipGetPathWorldBounds(native(), &rect, nullptr, nullptr);
  return keptValue(status, fromNative(rect));
}

bool DrawingPath::isVisible(float x, float y) const {
  BOOL visible = FALSE;
  const GpStatus status = flat::GdipIsVisiblePathPoint(native(), x, y, nullptr, &visible);
  return keptValue(status, visible != FALSE);
}

bool DrawingPath::isOutlineVisible(float x, float y, const DrawingPen& pen) const {
  BOOL visible = FALSE;
  const GpStatus status = flat::GdipIsOutlineVisiblePathPoint(native(), x, y, pen.native(), nullptr, &visible);
  return keptValue(status, visible != FALSE);
}

// DrawingRegion

bool DrawingRegion::createInfinite() {
  Gdiplus::GpRegion* region = nullptr;
  const GpStatus status = flat::GdipCreateRegion(&region);
  return adoptCreated(status, region);
}

bool DrawingRegion::createRect(RectF rect) {
  const Gdiplus::RectF area = toNative(rect);
  Gdiplus::GpRegion* region = nullptr;
  const GpStatus status = flat::GdipCreateRegionRect(&area, &region);
  return adoptCreated(status, region);
}

bool DrawingRegion::createPath(const DrawingPath& path) {
  Gdiplus::GpRegion* region = nullptr;
  const GpStatus status = flat::GdipCreateRegionPath(path.native(), &region);
  return adoptCreated(status, region);
}

bool DrawingRegion::createHrgn(HRGN platformRegion) {
  Gdiplus::GpRegion* region = nullptr;
  const GpStatus status = flat::GdipCreateRegionHrgn(platformRegion, &region);
  return adoptCreated(status, region);
}

bool DrawingRegion::createFromData(std::span<const std::uint8_t> data) {
  if (data.empty() || !fitsInt(data.size())) return keepStatus(Gdiplus::InvalidParameter);
  Gdiplus::GpRegion* region = nullptr;
  const GpStatus status = flat::GdipCreateRegionRgnData(data.data(), static_cast<INT>(data.size()), &region);
  return adoptCreated(status, region);
}

DrawingRegion DrawingRegion::clone() const {
  DrawingRegion copy;
  Gdiplus::GpRegion* cloned = nullptr;
  if (keepStatus(flat::GdipCloneRegion(native(), &cloned))) copy.adopt(cloned);
  return copy;
}

bool DrawingRegion::makeInfinite() { return keepStatus(flat::GdipSetInfinite(native())); }
bool DrawingRegion::makeEmpty() { return keepStatus(flat::GdipSetEmpty(native())); }

bool DrawingRegion::combineRect(RectF rect, Gdiplus::CombineMode combineMode) {
  const Gdiplus::RectF area = toNative(rect);
  return keepStatus(flat::GdipCombineRegionRect(native(), &area, combineMode));
}

bool DrawingRegion::combineRegion(const DrawingRegion& other, Gdiplus::CombineMode combineMode) {
  return keepStatus(
      flat::GdipCombineRegionRegion(native(), other.native(), combineMode));
}

bool DrawingRegion::combinePath(const DrawingPath& path, Gdiplus::CombineMode combineMode) {
  return keepStatus(
      flat::GdipCombineRegionPath(native(), path.native(), combineMode));
}

bool DrawingRegion::translate(float dx, float dy) { return keepStatus(flat::GdipTranslateRegion(native(), dx, dy)); }

RectF DrawingRegion::bounds(const DrawingSurface& surface) const {
  Gdiplus::RectF rect;
  const GpStatus status = flat::GdipGetRegionBounds(native(), surface.native(), &rect);
  return keptValue(status, fromNative(rect));
}

std::vector<std::uint8_t> DrawingRegion::data() const {
  UINT size = 0;
  if (!keepStatus(flat::GdipGetRegionDataSize(native(), &size)) || size == 0) return {};
  std::vector<std::uint8_t> data(size);
  UINT filled = 0;
  if (!keepStatus(flat::GdipGetRegionData(native(), data.data(), size, &filled))) return {};
  data.resize(filled);
  return data;
}

OwnedRegion DrawingRegion::toHrgn(const DrawingSurface& surface) const {
  HRGN region = nullptr;
  if (!keepStatus(flat::GdipGetRegionHRgn(native(), surface.native(), &region))) return OwnedRegion();
  return OwnedRegion(region);
}

bool DrawingRegion::isEmpty(const DrawingSurface& surface) const {
  BOOL empty = FALSE;
  const GpStatus status = flat::GdipIsEmptyRegion(native(), surface.native(), &empty);
  return keptValue(status, empty != FALSE);
}

bool DrawingRegion::isInfinite(const DrawingSurface& surface) const {
  BOOL infinite = FALSE;
  const GpStatus status = flat::GdipIsInfiniteRegion(native(), surface.native(), &infinite);
  return keptValue(status, infinite != FALSE);
}

bool DrawingRegion::equals(const DrawingRegion& other, const DrawingSurface& surface) const {
  BOOL equal = FALSE;
  const GpStatus status = flat::GdipIsEqualRegion(native(), other.native(), surface.native(), &equal);
  return keptValue(status, equal != FALSE);
}

bool DrawingRegion::isVisible(float x, float y, const DrawingSurface& surface) const {
  BOOL visible = FALSE;
  const GpStatus status = flat::GdipIsVisibleRegionPoint(native(), x, y, surface.native(), &visible);
  return keptValue(status, visible != FALSE);
}

}  // namespace draw
