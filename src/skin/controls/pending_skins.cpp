// Install steps and the owner-draw dispatch of kinds being written now; each moves to
// its own skin's file when that skin lands.
#include "skin/controls/control_installs.h"

namespace skin {

void skinPushButtons(int, HWND) {}
void skinEditAndComboBoxes(int, HWND) {}
void skinDialogStatics(int, HWND, int, int) {}
void dispatchOwnerDraw(int, const DRAWITEMSTRUCT&) {}

}  // namespace skin
