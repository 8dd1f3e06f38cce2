#include "skin/controls/control_installs.h"

#include "skin/controls/button_skin.h"
#include "skin/controls/edit_skin.h"
#include "skin/controls/header_skin.h"
#include "skin/controls/list_skin.h"
#include "skin/controls/progress_skin.h"
#include "skin/controls/track_bar_skin.h"
#include "skin/controls/up_down_skin.h"

namespace skin {
namespace {

// Every kind before the toolbars, in the fixed order.
void skinControlsBeforeToolbars(int windowIndex, HWND container) {
  skinPushButtons(windowIndex, container);
  skinCheckAndRadioButtons(windowIndex, container);
  skinEditAndComboBoxes(windowIndex, container);
  installTrackBarSkins(windowIndex, container);
  installProgressSkins(windowIndex, container);
  installListSkins(windowIndex, container);
  installUpDownSkins(windowIndex, container);
  installHeaderSkins(windowIndex, container);
}

}  // namespace

void skinChildControls(int windowIndex, HWND container) {
  skinControlsBeforeToolbars(windowIndex, container);
  installToolbarSkins(windowIndex, container);
}

void skinDialogControls(int windowIndex, HWND dialog) {
  skinControlsBeforeToolbars(windowIndex, dialog);
  skinDialogStatics(windowIndex, dialog, 6, 1);
  installToolbarSkins(windowIndex, dialog);
}

}  // namespace skin
