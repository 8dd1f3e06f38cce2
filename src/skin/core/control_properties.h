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

// Integer values (indices, colours) kept in a property.
LONG_PTR integer(HWND window, const char* key);
void setInteger(HWND window, const char* key, LONG_PTR value);

inline WNDPROC previousProcedure(HWND window) {
  return reinterpret_cast<WNDPROC>(GetPropA(window, previousProcedureKey));
}
inline void setPreviousProcedure(HWND window, WNDPROC procedure) {
  SetPropA(window, previousProcedureKey, reinterpret_cast<HANDLE>(procedure));
}
inline bool hasPreviousProcedure(HWND window) { return GetPropA(window, previousProcedureKey) != nullptr; }

inline int recordIndex(HWND window) { return static_cast<int>(integer(window, recordIndexKey)); }
inline void setRecordIndex(HWND window, int index) { setInteger(window, recordIndexKey, index); }

inline int windowIndex(HWND window) { return static_cast<int>(integer(window, windowIndexKey)); }
inline void setWindowIndex(HWND window, int index) { setInteger(window, windowIndexKey, index); }

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
