#include "skin/controls/child_messages.h"

#include <commctrl.h>

#include <utility>

#include "draw/gdi_handles.h"
#include "skin/controls/scroll_overlay.h"
#include "skin/core/control_properties.h"
#include "skin/core/drawing_primitives.h"
#include "skin/core/paint_helpers.h"
#include "skin/core/skin_theme.h"
#include "skin/core/window_helpers.h"

namespace skin {
namespace {

bool translucentControlsOn() { return theme().skinControls && theme().translucentControls; }

void prepareText(HDC dc, HWND control) {
  SetTextColor(dc, props::textColour(control));
  SetBkMode(dc, TRANSPARENT);
}

}  // namespace

LRESULT translucentBrushAnswer(HDC dc, HWND control) {
  prepareText(dc, control);
  // The previous answer's bitmap is painted afresh while it fits the control: new
  // pixel memory at every keystroke would cost more than the painting.
  const HBITMAP kept = props::colourBitmap(control);
  if (paintTranslucentBackground(control, kept)) {
    draw::OwnedBrush brush(CreatePatternBrush(kept));
    const HBRUSH answer = brush.get();
    props::replaceColourBrush(control, std::move(brush));
    return reinterpret_cast<LRESULT>(answer);
  }
  draw::OwnedBitmap background = makeTranslucentBackground(control);
  draw::OwnedBrush brush(background ? CreatePatternBrush(background.get()) : nullptr);
  const HBRUSH answer = brush.get();
  props::replaceColourObjects(control, std::move(brush), std::move(background));
  return reinterpret_cast<LRESULT>(answer);
}

LRESULT hollowBrushAnswer(HDC dc, HWND control) {
  prepareText(dc, control);
  props::replaceWithNullBrush(control);
  return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
}

std::optional<LRESULT> answerChildColour(UINT message, WPARAM wParam, LPARAM lParam) {
  if (!translucentControlsOn()) return std::nullopt;
  const HDC dc = reinterpret_cast<HDC>(wParam);
  const HWND control = reinterpret_cast<HWND>(lParam);
  switch (message) {
    case WM_CTLCOLOREDIT:
      if (isWindowOfClass(GetParent(control), "ComboBox")) return std::nullopt;
      return translucentBrushAnswer(dc, control);
    case WM_CTLCOLORSTATIC:
      return translucentBrushAnswer(dc, control);
    case WM_CTLCOLORLISTBOX:
      if (!isWindowOfClass(control, "ListBox") || isOwnerDrawnListBox(control)) return std::nullopt;
      return hollowBrushAnswer(dc, control);
    case WM_CTLCOLORBTN:
      return hollowBrushAnswer(dc, control);
  }
  return std::nullopt;
}

void onChildCommand(WPARAM wParam, LPARAM lParam) {
  const HWND control = reinterpret_cast<HWND>(lParam);
  if (!control || !translucentControlsOn()) return;
  const WORD code = HIWORD(wParam);
  if (isWindowOfClass(control, "Edit")) {
    if (code == EN_CHANGE || code == EN_UPDATE || code == EN_HSCROLL || code == EN_VSCROLL)
      InvalidateRect(control, nullptr, TRUE);
    // A change of text can move the thumbs of the edit's visible scroll bars.
    if (code == EN_CHANGE) repaintScrollOverlays(control, OverlayCheck::withVisibleBar);
  } else if (isWindowOfClass(control, "ListBox")) {
    if (code == LBN_SELCHANGE || code == LBN_SELCANCEL) InvalidateRect(control, nullptr, FALSE);
  } else if (isWindowOfClass(control, "ComboBox")) {
    if (code == CBN_SELCHANGE || code == CBN_KILLFOCUS) InvalidateRect(control, nullptr, FALSE);
  }
}

void onChildNotify(LPARAM lParam) {
  const auto* header = reinterpret_cast<const NMHDR*>(lParam);
  if (header && (header->code == TVN_ITEMEXPANDINGA || header->code == TVN_ITEMEXPANDEDA))
    InvalidateRect(header->hwndFrom, nullptr, TRUE);
}

}  // namespace skin
