// Install steps and painters of kinds being written now; each moves to its own skin's
// file when that skin lands.
#include "skin/controls/button_skin.h"
#include "skin/controls/control_installs.h"
#include "skin/controls/edit_skin.h"

namespace skin {

void skinComboBoxes(int, HWND) {}
void paintCheckBox(HWND, UINT) {}
void paintRadioButton(HWND, UINT) {}

}  // namespace skin
