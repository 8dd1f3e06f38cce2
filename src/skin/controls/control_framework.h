#pragma once
// What every control skin shares: registering the controls of one kind, sub-classing
// them, finding a control's records again, forwarding, and the hover, focus, pressed
// and position behaviours of the replacement procedures.
//
// A kind's install and procedure, in full:
//
//   void skinFoos(int windowIndex, HWND container) {
//     installControls(windowIndex, container, "Foo", &SkinnedWindowRecord::foos, fooSkinProc,
//                     [](HWND child) { return acceptsFoo(child); },
//                     [](FooRecord& record, HWND child) { record.caption = windowText(child); });
//   }
//
//   LRESULT CALLBACK fooSkinProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
//     const SkinnedControl<FooRecord> control = lookUpControl(handle, &SkinnedWindowRecord::foos);
//     if (!control) return forwardMessage(handle, message, wParam, lParam);
//     switch (message) {
//       case WM_MOUSEMOVE:
//         hoverStart(handle, buttonHotKind, [&] { paintNow(handle, [&](HDC dc) { paintFoo(handle, dc, true); }); });
//         break;
//       case WM_MOUSELEAVE:
//         hoverEnd(handle, [&] { paintNow(handle, [&](HDC dc) { paintFoo(handle, dc, false); }); });
//         break;
//       case WM_SETFOCUS:
//       case WM_KILLFOCUS: trackFocus(message, control.record->focused); break;
//       case WM_LBUTTONDOWN:
//       case WM_LBUTTONUP: trackPress(handle, message, control.record->pressed); break;
//       case WM_WINDOWPOSCHANGING: notifyPositionChanging(handle); break;
//     }
//     return forwardMessage(handle, message, wParam, lParam);
//   }
//
// A control found another way (a grandchild such as a combo box's edit field) is
// registered alone with registerControl. The toolbar family passes props::toolbarKeys
// to registerControl, lookUpControl and forwardMessage, which use "Hw_" keys otherwise.
//
// Everything here runs on the user-interface thread and reports failure by return value.

#include <windows.h>

#include <string>
#include <utility>

#include "skin/core/control_lookup.h"
#include "skin/core/control_properties.h"
#include "skin/core/skin_theme.h"
#include "skin/core/skinned_window_record.h"
#include "skin/core/window_helpers.h"

namespace skin {

// The kind codes kept in lastHotKind: which kind of control was last painted hot.
enum HotKind : int {
  buttonHotKind = 0,
  editHotKind = 1,
  trackBarHotKind = 2,
  comboHotKind = 3,
  listHotKind = 4,
  upDownHotKind = 8,
  headerHotKind = 9,
};

// Replaces the window procedure and keeps the one it replaced in the family's
// "..._hProc" property. Returns the replaced procedure.
WNDPROC subclassControl(HWND control, WNDPROC procedure, const props::KeyFamily& keys = props::controlKeys);

// CallWindowProcA with the procedure kept in the family's "..._hProc"; DefWindowProcA
// when there is none.
LRESULT forwardMessage(HWND handle, UINT message, WPARAM wParam, LPARAM lParam,
                       const props::KeyFamily& keys = props::controlKeys);

// Registers one control of the skinned window, whatever its parent: a skin may
// register a grandchild (a combo box's edit field and list, a list view's header) as
// well as a direct child. Takes the registry's initial empty record or appends one,
// sets the record's window, lets fill(record, control) add the kind's fields,
// sub-classes the control with procedure (previousProc and "..._hProc"), and sets the
// family's "..._lbID" to the record's index and "..._FuID" to the window's index.
// A control the registry already holds keeps its record and its one sub-classing.
// Returns the record's index; 0, with nothing done, when the window record is not in
// skinnedWindows or control is null.
template <typename Record, typename Fill>
int registerControl(SkinnedWindowRecord& window, RegistryOf<Record> registry, HWND control, WNDPROC procedure,
                    Fill&& fill, const props::KeyFamily& keys = props::controlKeys) {
  const int windowIndex = indexOfRecord(window);
  if (!windowIndex || !control) return 0;
  ControlRegistry<Record>& controls = window.*registry;
  if (const int known = controls.find(control)) return known;
  const int index = controls.takeSlot();
  Record& record = *controls.at(index);
  record.window = control;
  fill(record, control);
  record.previousProc = subclassControl(control, procedure, keys);
  props::setRecordIndex(control, index, keys);
  props::setWindowIndex(control, windowIndex, keys);
  return index;
}

// The install steps every kind shares. Does nothing when control skins are off or
// windowIndex names no window. Otherwise registers (registerControl) each direct child
// of container of the window class (FindWindowExA, case-insensitive) that
// accept(child) takes; a child already registered is skipped.
template <typename Record, typename Accept, typename Fill>
void installControls(int windowIndex, HWND container, const char* windowClass, RegistryOf<Record> registry,
                     WNDPROC procedure, Accept&& accept, Fill&& fill) {
  if (!theme().skinControls) return;
  SkinnedWindowRecord* window = skinnedWindowAt(windowIndex);
  if (!window || !container) return;
  forEachChild(
      container,
      [&](HWND child) {
        if (accept(child)) registerControl(*window, registry, child, procedure, fill);
      },
      windowClass);
}

// Without a filter or extra fields.
template <typename Record>
void installControls(int windowIndex, HWND container, const char* windowClass, RegistryOf<Record> registry,
                     WNDPROC procedure) {
  installControls(
      windowIndex, container, windowClass, registry, procedure, [](HWND) { return true; },
      [](Record&, HWND) {});
}

// How hoverStart compares with what was last painted hot.
struct HoverRule {
  bool compareParent = false;      // edit boxes: a control of another parent repaints too
  bool needsOwnIndex = false;      // combo boxes, list-like controls: a changed index counts only from 1
  DWORD trackFlags = TME_LEAVE;    // what TrackMouseEvent asks for; 0 asks for nothing
};

// The hover bookkeeping of WM_MOUSEMOVE without the painting: asks for the rule's
// mouse tracking (WM_MOUSELEAVE unless told otherwise), sets hotIndex to the control's
// "Hw_lbID", and returns whether the control must be painted hot now (another
// control, kind or parent was painted hot last).
bool hoverNeedsHotPaint(HWND control, int hotKind, HoverRule rule = {});
// Records the control as the one last painted hot.
void markHotPainted(HWND control, int hotKind, HoverRule rule = {});

// WM_MOUSEMOVE: calls paintHot() once when the mouse comes onto the control (not on
// every move within it), then records it as painted hot.
template <typename PaintHot>
void hoverStart(HWND control, int hotKind, PaintHot&& paintHot, HoverRule rule = {}) {
  if (!hoverNeedsHotPaint(control, hotKind, rule)) return;
  paintHot();
  markHotPainted(control, hotKind, rule);
}

// WM_MOUSELEAVE: forgets the hot control (lastHotIndex 0), then calls paintNormal(),
// which paints the normal or, for a focused control, the focused state.
void clearLastHot(HWND control);
template <typename PaintNormal>
void hoverEnd(HWND control, PaintNormal&& paintNormal) {
  clearLastHot(control);
  paintNormal();
}

// WM_SETFOCUS / WM_KILLFOCUS set focused to 1 / 0. True when it was one of them.
bool trackFocus(UINT message, bool& focused);
// WM_LBUTTONDOWN / WM_LBUTTONUP set pressed to 1 / 0; a release also clears
// lastHotIndex when clearHotOnRelease, so that the next move paints hot again.
bool trackPress(HWND control, UINT message, bool& pressed, bool clearHotOnRelease = true);

// WM_WINDOWPOSCHANGING: when the control's parent is a registered container of its
// skinned window, that container's kept background is stale.
void notifyPositionChanging(HWND control);

// Paints at once through the control's own device context (GetDC / ReleaseDC):
// paint(HDC) is called only when a context was given.
template <typename Paint>
void paintNow(HWND control, Paint&& paint) {
  const draw::WindowDC dc = draw::WindowDC::client(control);
  if (dc) paint(dc.get());
}

}  // namespace skin
