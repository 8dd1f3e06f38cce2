#include "skin/core/control_properties.h"

#include <utility>

namespace skin::props {
namespace {

// Objects parked in a property stay counted as live, so that a leak of them shows.
template <typename Owned>
void park(HWND control, const char* key, Owned object) {
  if (!object) return;
  SetPropA(control, key, object.release());
  draw::detail::countGdiObject(+1);
}

void deleteParked(HGDIOBJ object) {
  if (!object || object == GetStockObject(NULL_BRUSH)) return;
  draw::OwnedGdiObject<HGDIOBJ> parked(object);
  draw::detail::countGdiObject(-1);  // the park's own count: the owner counts it again
}

HGDIOBJ takeProperty(HWND control, const char* key) { return static_cast<HGDIOBJ>(RemovePropA(control, key)); }

}  // namespace

LONG_PTR integer(HWND window, const char* key) { return reinterpret_cast<LONG_PTR>(GetPropA(window, key)); }

void setInteger(HWND window, const char* key, LONG_PTR value) {
  SetPropA(window, key, reinterpret_cast<HANDLE>(value));
}

HBRUSH colourBrush(HWND control) { return static_cast<HBRUSH>(GetPropA(control, colourBrushKey)); }
HBITMAP colourBitmap(HWND control) { return static_cast<HBITMAP>(GetPropA(control, colourBitmapKey)); }

void deleteColourObjects(HWND control) {
  deleteParked(takeProperty(control, colourBrushKey));
  deleteParked(takeProperty(control, colourBitmapKey));
}

void replaceColourBrush(HWND control, draw::OwnedBrush brush) {
  deleteParked(takeProperty(control, colourBrushKey));
  park(control, colourBrushKey, std::move(brush));
}

void replaceColourObjects(HWND control, draw::OwnedBrush brush, draw::OwnedBitmap bitmap) {
  deleteColourObjects(control);
  park(control, colourBrushKey, std::move(brush));
  park(control, colourBitmapKey, std::move(bitmap));
}

void replaceWithNullBrush(HWND control) {
  deleteColourObjects(control);
  SetPropA(control, colourBrushKey, GetStockObject(NULL_BRUSH));
}

}  // namespace skin::props
