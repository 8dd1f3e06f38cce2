#pragma once
// Conversions shared by the drawing layer's sources; not part of its interface.

#include <climits>
#include <vector>

#include "draw/drawing.h"
#include "draw/text_conversion.h"

namespace draw::detail {

namespace flat = Gdiplus::DllExports;
using Gdiplus::GpStatus;

inline Gdiplus::PointF toNative(PointF point) { return Gdiplus::PointF(point.x, point.y); }
inline PointF fromNative(const Gdiplus::PointF& point) { return PointF{point.X, point.Y}; }
inline Gdiplus::RectF toNative(RectF rect) { return Gdiplus::RectF(rect.x, rect.y, rect.width, rect.height); }
inline RectF fromNative(const Gdiplus::RectF& rect) { return RectF{rect.X, rect.Y, rect.Width, rect.Height}; }

inline std::vector<Gdiplus::PointF> toNative(std::span<const PointF> points) {
  std::vector<Gdiplus::PointF> native;
  native.reserve(points.size());
  for (const PointF& point : points) native.push_back(toNative(point));
  return native;
}

// Element counts go to the library as INT; larger spans are refused.
inline bool fitsInt(std::size_t count) { return count <= static_cast<std::size_t>(INT_MAX); }

// Records a reader call's status and returns the value read, or the neutral value
// on failure. Make the call in a statement of its own first: arguments are evaluated
// in no fixed order, so the value could be copied before the call fills it.
template <typename Value>
Value keptValue(GpStatus status, Value value, Value failed = Value{}) {
  return keepStatus(status) ? value : failed;
}

}  // namespace draw::detail
