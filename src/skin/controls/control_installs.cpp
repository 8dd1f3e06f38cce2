#include "skin/controls/control_installs.h"

#include "skin/controls/button_skin.h"
#include "skin/controls/edit_skin.h"

namespace skin {

// Kinds whose skins are not written yet take nothing and paint nothing: each moves to
// its own skin's file when that skin is written.
void skinTrackBars(int, HWND) {}
void skinProgressBars(int, HWND) {}
void skinListControls(int, HWND) {}
void skinUpDownControls(int, HWND) {}
void skinHeaders(int, HWND) {}
void skinToolbars(int, HWND) {}

namespace {

// Every kind before the toolbars, in the fixed order.
void skinControlsBeforeToolbars(int windowIndex, HWND container) {
  skinPushButtons(windowIndex, container);
  skinCheckAndRadioButtons(windowIndex, container);
  skinEditAndComboBoxes(windowIndex, container);
  skinTrackBars(windowIndex, container);
  skinProgressBars(windowIndex, container);
  skinListControls(windowIndex, container);
  skinUpDownControls(windowIndex, container);
  skinHeaders(windowIndex, container);
}

}  // namespace

void skinChildControls(int windowIndex, HWND container) {
  skinControlsBeforeToolbars(windowIndex, container);
  skinToolbars(windowIndex, container);
}

void skinDialogControls(int windowIndex, HWND dialog) {
  skinControlsBeforeToolbars(windowIndex, dialog);
  skinDialogStatics(windowIndex, dialog, 6, 1);
  skinToolbars(windowIndex, dialog);
}

}  // namespace skin
