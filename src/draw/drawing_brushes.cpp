// Brushes and pens.
#include "draw/drawing_internal.h"

namespace draw {

using namespace detail;

namespace {

// Clones a brush into a new object of the same class.
template <typename Brush>
Brush cloneBrush(const Brush& source) {
  Brush copy;
  Gdiplus::GpBrush* cloned = nullptr;
  if (keepStatus(flat::GdipCloneBrush(source.native(), &cloned))) copy.adopt(cloned);
  return copy;
}

bool validBlend(std::size_t values, std::size_t positions) {
  return values == positions && values >= 2 && fitsInt(values);
}

}  // namespace

int DrawingBrush::type() const {
  Gdiplus::GpBrushType type = Gdiplus::BrushTypeSolidColor;
  const GpStatus status = flat::GdipGetBrushType(native(), &type);
  return keptValue(status, static_cast<int>(type), -1);
}

// DrawingSolidBrush

bool DrawingSolidBrush::create(Argb colour) {
  Gdiplus::GpSolidFill* brush = nullptr;
  const GpStatus status = flat::GdipCreateSolidFill(colour, &brush);
  return adoptCreated(status, brush);
}

DrawingSolidBrush DrawingSolidBrush::clone() const { return cloneBrush(*this); }

bool DrawingSolidBrush::setColour(Argb colour) {
  return keepStatus(flat::GdipSetSolidFillColor(static_cast<Gdiplus::GpSolidFill*>(native()), colour));
}

Argb DrawingSolidBrush::colour() const {
  Gdiplus::ARGB colour = 0;
  const GpStatus status = flat::GdipGetSolidFillColor(static_cast<Gdiplus::GpSolidFill*>(native()), &colour);
  return keptValue<Argb>(status, colour);
}

// DrawingLinearBrush

bool DrawingLinearBrush::create(PointF from, PointF to, Argb fromColour, Argb toColour, Gdiplus::WrapMode wrapMode) {
  const Gdiplus::PointF start = toNative(from);
  const Gdiplus::PointF end = toNative(to);
  Gdiplus::GpLineGradient* brush = nullptr;
  const GpStatus status = flat::GdipCreateLineBrush(&start, &end, fromColour, toColour,
                                                    wrapMode, &brush);
  return adoptCreated(status, brush);
}

bool DrawingLinearBrush::createFromRect(RectF rect, Argb fromColour, Argb toColour, Gdiplus::LinearGradientMode mode, Gdiplus::WrapMode wrapMode) {
  const Gdiplus::RectF area = toNative(rect);
  Gdiplus::GpLineGradient* brush = nullptr;
  const GpStatus status =
      flat::GdipCreateLineBrushFromRect(&area, fromColour, toColour, mode,
                                        wrapMode, &brush);
  return adoptCreated(status, brush);
}

bool DrawingLinearBrush::createFromRectWithAngle(RectF rect, Argb fromColour, Argb toColour, float angle,
                                                 bool angleIsScalable, Gdiplus::WrapMode wrapMode) {
  const Gdiplus::RectF area = toNative(rect);
  Gdiplus::GpLineGradient* brush = nullptr;
  const GpStatus status =
      flat::GdipCreateLineBrushFromRectWithAngle(&area, fromColour, toColour, angle, angleIsScalable ? TRUE : FALSE,
                                                 wrapMode, &brush);
  return adoptCreated(status, brush);
}

DrawingLinearBrush DrawingLinearBrush::clone() const { return cloneBrush(*this); }

bool DrawingLinearBrush::setColours(Argb fromColour, Argb toColour) {
  return keepStatus(flat::GdipSetLineColors(gradient(), fromColour, toColour));
}

std::pair<Argb, Argb> DrawingLinearBrush::colours() const {
  Gdiplus::ARGB colours[2] = {0, 0};
  if (!keepStatus(flat::GdipGetLineColors(gradient(), colours))) return {0, 0};
  return {colours[0], colours[1]};
}

RectF DrawingLinearBrush::rect() const {
  Gdiplus::RectF rect;
  const GpStatus status = flat::GdipGetLineRect(gradient(), &rect);
  return keptValue(status, fromNative(rect));
}

bool DrawingLinearBrush::setGammaCorrection(bool on) {
  return keepStatus(flat::GdipSetLineGammaCorrection(gradient(), on ? TRUE : FALSE));
}

bool DrawingLinearBrush::setBlend(std::span<const float> factors, std::span<const float> positions) {
  if (!validBlend(factors.size(), positions.size())) return keepStatus(Gdiplus::InvalidParameter);
  return keepStatus(
      flat::GdipSetLineBlend(gradient(), factors.data(), positions.data(), static_cast<INT>(factors.size())));
}

bool DrawingLinearBrush::setPresetBlend(std::span<const Argb> colours, std::span<const float> positions) {
  if (!validBlend(colours.size(), positions.size())) return keepStatus(Gdiplus::InvalidParameter);
  return keepStatus(flat::GdipSetLinePresetBlend(gradient(), colours.data(), positions.data(),
                                                 static_cast<INT>(colours.size())));
}

bool DrawingLinearBrush::setSigmaBlend(float focus, float scale) {
  return keepStatus(flat::GdipSetLineSigmaBlend(gradient(), focus, scale));
}

bool DrawingLinearBrush::setLinearBlend(float focus, float scale) {
  return keepStatus(flat::GdipSetLineLinearBlend(gradient(), focus, scale));
}

bool DrawingLinearBrush::setWrapMode(Gdiplus::WrapMode wrapMode) {
  return keepStatus(flat::GdipSetLineWrapMode(gradient(), wrapMode));
}

Gdiplus::WrapMode DrawingLinearBrush::wrapMode() const {
  Gdiplus::GpWrapMode mode = Gdiplus::WrapModeTile;
  const GpStatus status = flat::GdipGetLineWrapMode(gradient(), &mode);
  return keptValue(status, mode);
}

// DrawingPathBrush

bool DrawingPathBrush::createFromPoints(std::span<const PointF> points, Gdiplus::WrapMode wrapMode) {
  if (!fitsInt(points.size())) return keepStatus(Gdiplus::InvalidParameter);
  const std::vector<Gdiplus::PointF> native = toNative(points);
  Gdiplus::GpPathGradient* brush = nullptr;
  const GpStatus status = flat::GdipCreatePathGradient(native.data(), static_cast<INT>(native.size()),
                                                       wrapMode, &brush);
  return adoptCreated(status, brush);
}

bool DrawingPathBrush::createFromPath(const DrawingPath& path) {
  Gdiplus::GpPathGradient* brush = nullptr;
  const GpStatus status = flat::GdipCreatePathGradientFromPath(path.native(), &brush);
  return adoptCreated(status, brush);
}

DrawingPathBrush DrawingPathBrush::clone() const { return cloneBrush(*this); }

bool DrawingPathBrush::setCentreColour(Argb colour) {
  return keepStatus(flat::GdipSetPathGradientCenterColor(gradient(), colour));
}

Argb DrawingPathBrush::centreColour() const {
  Gdiplus::ARGB colour = 0;
  const GpStatus status = flat::GdipGetPathGradientCenterColor(gradient(), &colour);
  return keptValue<Argb>(status, colour);
}

bool DrawingPathBrush::setCentrePoint(PointF point) {
  const Gdiplus::PointF centre = toNative(point);
  return keepStatus(flat::GdipSetPathGradientCenterPoint(gradient(), &centre));
}

PointF DrawingPathBrush::centrePoint() const {
  Gdiplus::PointF centre;
  const GpStatus status = flat::GdipGetPathGradientCenterPoint(gradient(), &centre);
  return keptValue(status, fromNative(centre));
}

int DrawingPathBrush::pointCount() const {
  INT count = 0;
  const GpStatus status = flat::GdipGetPathGradientPointCount(gradient(), &count);
  return keptValue<int>(status, count);
}

int DrawingPathBrush::surroundColourCount() const {
  INT count = 0;
  const GpStatus status = flat::GdipGetPathGradientSurroundColorCount(gradient(), &count);
  return keptValue<int>(status, count);
}

bool DrawingPathBrush::setSurroundColours(std::span<const Argb> colours) {
  if (colours.empty() || !fitsInt(colours.size())) return keepStatus(Gdiplus::InvalidParameter);
  INT count = static_cast<INT>(colours.size());
  return keepStatus(flat::GdipSetPathGradientSurroundColorsWithCount(gradient(), colours.data(), &count));
}

std::vector<Argb> DrawingPathBrush::surroundColours() const {
  INT count = 0;
  if (!keepStatus(flat::GdipGetPathGradientSurroundColorCount(gradient(), &count)) || count <= 0) return {};
  std::vector<Gdiplus::ARGB> colours(static_cast<std::size_t>(count));
  if (!keepStatus(flat::GdipGetPathGradientSurroundColorsWithCount(gradient(), colours.data(), &count))) return {};
  colours.resize(static_cast<std::size_t>(count));
  return std::vector<Argb>(colours.begin(), colours.end());
}

RectF DrawingPathBrush::rect() const {
  Gdiplus::RectF rect;
  const GpStatus status = flat::GdipGetPathGradientRect(gradient(), &rect);
  return keptValue(status, fromNative(rect));
}

bool DrawingPathBrush::setGammaCorrection(bool on) {
  return keepStatus(flat::GdipSetPathGradientGammaCorrection(gradient(), on ? TRUE : FALSE));
}

bool DrawingPathBrush::setBlend(std::span<const float> factors, std::span<const float> positions) {
  if (!validBlend(factors.size(), positions.size())) return keepStatus(Gdiplus::InvalidParameter);
  return keepStatus(
      flat::GdipSetPathGradientBlend(gradient(), factors.data(), positions.data(), static_cast<INT>(factors.size())));
}

bool DrawingPathBrush::setPresetBlend(std::span<const Argb> colours, std::span<const float> positions) {
  if (!validBlend(colours.size(), positions.size())) return keepStatus(Gdiplus::InvalidParameter);
  return keepStatus(flat::GdipSetPathGradientPresetBlend(gradient(), colours.data(), positions.data(),
                                                         static_cast<INT>(colours.size())));
}

bool DrawingPathBrush::setSigmaBlend(float focus, float scale) {
  return keepStatus(flat::GdipSetPathGradientSigmaBlend(gradient(), focus, scale));
}

bool DrawingPathBrush::setLinearBlend(float focus, float scale) {
  return keepStatus(flat::GdipSetPathGradientLinearBlend(gradient(), focus, scale));
}

bool DrawingPathBrush::setFocusScales(float x, float y) {
  return keepStatus(flat::GdipSetPathGradientFocusScales(gradient(), x, y));
}

bool DrawingPathBrush::setWrapMode(Gdiplus::WrapMode wrapMode) {
  return keepStatus(flat::GdipSetPathGradientWrapMode(gradient(), wrapMode));
}

Gdiplus::WrapMode DrawingPathBrush::wrapMode() const {
  Gdiplus::GpWrapMode mode = Gdiplus::WrapModeTile;
  const GpStatus status = flat::GdipGetPathGradientWrapMode(gradient(), &mode);
  return keptValue(status, mode);
}

// DrawingTextureBrush

bool DrawingTextureBrush::create(const DrawingImage& image, Gdiplus::WrapMode wrapMode) {
  Gdiplus::GpTexture* brush = nullptr;
  const GpStatus status =
      flat::GdipCreateTexture(image.native(), wrapMode, &brush);
  return adoptCreated(status, brush);
}

bool DrawingTextureBrush::createFromRect(const DrawingImage& image, Gdiplus::WrapMode wrapMode, RectF sourceRect) {
  Gdiplus::GpTexture* brush = nullptr;
  const GpStatus status =
      flat::GdipCreateTexture2(image.native(), wrapMode, sourceRect.x,
                               sourceRect.y, sourceRect.width, sourceRect.height, &brush);
  return adoptCreated(status, brush);
}

bool DrawingTextureBrush::setWrapMode(Gdiplus::WrapMode wrapMode) {
  return keepStatus(flat::GdipSetTextureWrapMode(texture(), wrapMode));
}

Gdiplus::WrapMode DrawingTextureBrush::wrapMode() const {
  Gdiplus::GpWrapMode mode = Gdiplus::WrapModeTile;
  const GpStatus status = flat::GdipGetTextureWrapMode(texture(), &mode);
  return keptValue(status, mode);
}

// DrawingPen

bool DrawingPen::create(Argb colour, float width, Gdiplus::Unit unit) {
  Gdiplus::GpPen* pen = nullptr;
  const GpStatus status = flat::GdipCreatePen1(colour, width, unit, &pen);
  return adoptCreated(status, pen);
}

bool DrawingPen::createFromBrush(const DrawingBrush& brush, float width, Gdiplus::Unit unit) {
  Gdiplus::GpPen* pen = nullptr;
  const GpStatus status = flat::GdipCreatePen2(brush.native(), width, unit, &pen);
  return adoptCreated(status, pen);
}

DrawingPen DrawingPen::clone() const {
  DrawingPen copy;
  Gdiplus::GpPen* cloned = nullptr;
  if (keepStatus(flat::GdipClonePen(native(), &cloned))) copy.adopt(cloned);
  return copy;
}

bool DrawingPen::setWidth(float width) { return keepStatus(flat::GdipSetPenWidth(native(), width)); }

float DrawingPen::width() const {
  Gdiplus::REAL width = 0;
  const GpStatus status = flat::GdipGetPenWidth(native(), &width);
  return keptValue<float>(status, width);
}

bool DrawingPen::setColour(Argb colour) { return keepStatus(flat::GdipSetPenColor(native(), colour)); }

Argb DrawingPen::colour() const {
  Gdiplus::ARGB colour = 0;
  const GpStatus status = flat::GdipGetPenColor(native(), &colour);
  return keptValue<Argb>(status, colour);
}

bool DrawingPen::setBrushFill(const DrawingBrush& brush) {
  return keepStatus(flat::GdipSetPenBrushFill(native(), brush.native()));
}

bool DrawingPen::setLineCap(Gdiplus::LineCap startCap, Gdiplus::LineCap endCap, Gdiplus::DashCap dashCap) {
  return keepStatus(flat::GdipSetPenLineCap197819(native(), startCap,
                                                  endCap,
                                                  dashCap));
}

bool DrawingPen::setStartCap(Gdiplus::LineCap cap) {
  return keepStatus(flat::GdipSetPenStartCap(native(), cap));
}

bool DrawingPen::setEndCap(Gdiplus::LineCap cap) {
  return keepStatus(flat::GdipSetPenEndCap(native(), cap));
}

bool DrawingPen::setLineJoin(Gdiplus::LineJoin join) {
  return keepStatus(flat::GdipSetPenLineJoin(native(), join));
}

Gdiplus::LineJoin DrawingPen::lineJoin() const {
  Gdiplus::GpLineJoin join = Gdiplus::LineJoinMiter;
  const GpStatus status = flat::GdipGetPenLineJoin(native(), &join);
  return keptValue(status, join);
}

bool DrawingPen::setMiterLimit(float limit) { return keepStatus(flat::GdipSetPenMiterLimit(native(), limit)); }

bool DrawingPen::setAlignment(Gdiplus::PenAlignment alignment) {
  return keepStatus(flat::GdipSetPenMode(native(), alignment));
}

Gdiplus::PenAlignment DrawingPen::alignment() const {
  Gdiplus::GpPenAlignment alignment = Gdiplus::PenAlignmentCenter;
  const GpStatus status = flat::GdipGetPenMode(native(), &alignment);
  return keptValue(status, alignment);
}

bool DrawingPen::setDashStyle(Gdiplus::DashStyle style) {
  return keepStatus(flat::GdipSetPenDashStyle(native(), style));
}

Gdiplus::DashStyle DrawingPen::dashStyle() const {
  Gdiplus::GpDashStyle style = Gdiplus::DashStyleSolid;
  const GpStatus status = flat::GdipGetPenDashStyle(native(), &style);
  return keptValue(status, style);
}

bool DrawingPen::setDashOffset(float offset) { return keepStatus(flat::GdipSetPenDashOffset(native(), offset)); }

bool DrawingPen::setDashArray(std::span<const float> dashes) {
  if (dashes.empty() || !fitsInt(dashes.size())) return keepStatus(Gdiplus::InvalidParameter);
  return keepStatus(flat::GdipSetPenDashArray(native(), dashes.data(), static_cast<INT>(dashes.size())));
}

}  // namespace draw
