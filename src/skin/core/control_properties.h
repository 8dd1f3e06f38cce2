#pragma once
// The window properties that tie platform windows to the skin's records, with typed
// accessors: nobody else casts a HANDLE. An absent property reads as 0.

#include <windows.h>

#include "draw/gdi_handles.h"

namespace skin::props {

inline constexpr char previousProcedureKey[] = "Hw_hProc";  // the replaced window procedure
inline constexpr char recordIndexKey[] = "Hw_lbID";         // control: registry index; window: its own window index
inline constexpr char windowIndexKey[] = "Hw_FuID";         // control: index of its skinned window
inline constexpr char textColourKey[] = "Kj_Ztys";          // control text colour, 0x00BBGGRR
inline constexpr char colourBrushKey[] = "Kj_dxjb";         // brush last answered to the colour message
inline constexpr char colourBitmapKey[] = "Kj_wtjb";        // bitmap behind that brush
inline constexpr char coveredControlKey[] = "Mngd_zct";     // scroll overlay: the control it covers
inline constexpr char originalBackgroundBitmapKey[] = "Ck_Ycjdx";  // first bitmap of backgroundImage
inline constexpr char dialogBackgroundBitmapKey[] = "Ck_wtjbdx";   // skin bitmap in a dialog's backgroundImage
inline constexpr char toolbarWindowIndexKey[] = "Kj_FuID";
inline constexpr char toolbarRecordIndexKey[] = "Kj_lbID";
inline constexpr char toolbarPreviousProcedureKey[] = "Kj_hProc";

// The three keys that tie a sub-classed control to its records. Every control skin
// uses the "Hw_" family; the toolbar family keeps its own "Kj_" keys, so that a control
// placed on a toolbar can carry both.
struct KeyFamily {
  const char* previousProcedure;
  const char* recordIndex;
  const char* windowIndex;
};
inline constexpr KeyFamily controlKeys{previousProcedureKey, recordIndexKey, windowIndexKey};
inline constexpr KeyFamily toolbarKeys{toolbarPreviousProcedureKey, toolbarRecordIndexKey, toolbarWindowIndexKey};

// Integer values (indices, colours) kept in a property.
LONG_PTR integer(HWND window, const char* key);
void setInteger(HWND window, const char* key, LONG_PTR value);

inline WNDPROC previousProcedure(HWND window, const KeyFamily& keys = controlKeys) {
  return reinterpret_cast<WNDPROC>(GetPropA(window, keys.previousProcedure));
}
inline void setPreviousProcedure(HWND window, WNDPROC procedure, const KeyFamily& keys = controlKeys) {
  SetPropA(window, keys.previousProcedure, reinterpret_cast<HANDLE>(procedure));
}
inline bool hasPreviousProcedure(HWND window, const KeyFamily& keys = controlKeys) {
  return GetPropA(window, keys.previousProcedure) != nullptr;
}

inline int recordIndex(HWND window, const KeyFamily& keys = controlKeys) {
  return static_cast<int>(integer(window, keys.recordIndex));
}
inline void setRecordIndex(HWND window, int index, const KeyFamily& keys = controlKeys) {
  setInteger(window, keys.recordIndex, index);
}

inline int windowIndex(HWND window, const KeyFamily& keys = controlKeys) {
  return static_cast<int>(integer(window, keys.windowIndex));
}
inline void setWindowIndex(HWND window, int index, const KeyFamily& keys = controlKeys) {
  setInteger(window, keys.windowIndex, index);
}

inline COLORREF textColour(HWND window) { return static_cast<COLORREF>(integer(window, textColourKey)); }
inline void setTextColour(HWND window, COLORREF colour) { setInteger(window, textColourKey, colour); }

inline HWND coveredControl(HWND overlay) { return static_cast<HWND>(GetPropA(overlay, coveredControlKey)); }
inline void setCoveredControl(HWND overlay, HWND control) { SetPropA(overlay, coveredControlKey, control); }

// The brush and bitmap answered to a control's colour message. The control owns them
// through its properties; replacing deletes the previous ones, so they never pile up.
void replaceColourObjects(HWND control, draw::OwnedBrush brush, draw::OwnedBitmap bitmap);
// The stock null brush in place of an owned one (the previous objects are deleted).
void replaceWithNullBrush(HWND control);
// Deletes what the control's colour properties hold and clears them.
void deleteColourObjects(HWND control);
// Replaces the brush only, for a bitmap that was painted afresh in its property.
void replaceColourBrush(HWND control, draw::OwnedBrush brush);
HBRUSH colourBrush(HWND control);
HBITMAP colourBitmap(HWND control);

}  // namespace skin::props
