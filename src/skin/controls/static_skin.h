#pragma once
// The statics of skinned message boxes: text drawn black with a soft white glow, icons
// and pictures drawn over the dialog's own background instead of the platform's grey.
// The install, skinDialogStatics, is declared with the other installs in
// control_installs.h.

#include <windows.h>

namespace skin {

struct StaticLook {
  int staticKind = 0;  // StaticKind: text, bitmap or icon
  int placement = 0;   // StaticPlacement of a picture; 0 for text
  bool operator==(const StaticLook&) const = default;
};

// What a static with this window style shows and where its picture goes.
StaticLook staticLookFromStyle(LONG_PTR style);

LRESULT CALLBACK staticSkinProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam);

// Paints the static at recordIndex of the dialog statics of the window at windowIndex
// straight onto the control (it is not committed into the window image).
void paintStatic(int windowIndex, int recordIndex);

}  // namespace skin
