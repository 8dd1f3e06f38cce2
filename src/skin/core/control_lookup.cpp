#include "skin/core/control_lookup.h"

#include <utility>

#include "draw/drawing.h"
#include "draw/gdi_handles.h"

namespace skin {

namespace {

// The drawing library makes no font of a face it does not know by that name (a dialog's
// "MS Shell Dlg" is a mapping, not a family): the size and style then come from the
// platform font itself, so that text keeps the platform's size, and the family from its
// face name when the library knows it.
ControlFont fontFromLogicalFont(HDC dc, HFONT font) {
  ControlFont result;
  LOGFONTA logical{};
  TEXTMETRICA metrics{};
  if (!GetObjectA(font, sizeof logical, &logical) || !GetTextMetricsA(dc, &metrics)) return result;
  const int emHeight = metrics.tmHeight - metrics.tmInternalLeading;
  if (emHeight > 0) result.size = emHeight;
  result.style = (logical.lfWeight >= FW_SEMIBOLD ? 1 : 0) | (logical.lfItalic ? 2 : 0) |
                 (logical.lfUnderline ? 4 : 0) | (logical.lfStrikeOut ? 8 : 0);
  if (logical.lfFaceName[0] && draw::DrawingFontFamily(logical.lfFaceName)) result.family = logical.lfFaceName;
  return result;
}

}  // namespace

ControlFont controlFont(HWND control) {
  ControlFont result;
  const auto font = reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0));
  if (!font) return result;
  const draw::WindowDC dc = draw::WindowDC::client(control);
  if (!dc) return result;
  const draw::ScopedSelectObject selected(dc.get(), font);
  draw::DrawingFont drawingFont;
  if (!drawingFont.createFromHdc(dc.get())) return fontFromLogicalFont(dc.get(), font);
  // A size that truncates to 0 would draw nothing: the default size stands in.
  const int size = static_cast<int>(drawingFont.size());
  if (size != 0) result.size = size;
  result.style = drawingFont.style();
  std::string family = drawingFont.familyName();
  if (!family.empty()) result.family = std::move(family);
  return result;
}

int owningWindowIndex(HWND window, const props::KeyFamily& keys) {
  const int index = props::windowIndex(window, keys);
  return index != 0 ? index : props::recordIndex(window);
}

ContainerRecord* findContainer(int windowIndex, HWND window) {
  SkinnedWindowRecord* owner = skinnedWindowAt(windowIndex);
  if (!owner || !window) return nullptr;
  return owner->containers.at(owner->containers.find(window));
}

ContainerRecord* findRegisteredContainer(HWND window, int* ownerIndex) {
  const int count = static_cast<int>(skinnedWindows().size());
  for (int index = 1; index <= count; ++index) {
    if (ContainerRecord* container = findContainer(index, window)) {
      if (ownerIndex) *ownerIndex = index;
      return container;
    }
  }
  return nullptr;
}

}  // namespace skin
