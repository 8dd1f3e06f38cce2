#pragma once
// A flat toolbar on a skinned form, with buttons of given states and styles and no
// image list unless a test gives one, so that each button's face is flat where its
// icon and text would be.

#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "common_controls.h"
#include "skinned_form.h"

namespace skin::test {

inline constexpr DWORD testToolbarStyle = TBSTYLE_FLAT | CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NODIVIDER;

inline HWND addToolbar(const SkinnedForm& form, int width = 300, int height = 40) {
  loadCommonControls();
  const HWND toolbar = form.add(TOOLBARCLASSNAMEA, 10, 30, width, height, testToolbarStyle);
  SendMessageA(toolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  SendMessageA(toolbar, TB_SETBUTTONSIZE, 0, MAKELPARAM(30, 30));
  return toolbar;
}

struct ButtonSpec {
  BYTE state = TBSTATE_ENABLED;
  BYTE style = BTNS_BUTTON;
  int image = I_IMAGENONE;
};

inline void addButtons(HWND toolbar, const std::vector<ButtonSpec>& specs) {
  std::vector<TBBUTTON> buttons;
  int command = 100;
  for (const ButtonSpec& spec : specs) {
    TBBUTTON button{};
    button.iBitmap = spec.style == BTNS_SEP ? 8 : spec.image;
    button.idCommand = command++;
    button.fsState = spec.state;
    button.fsStyle = spec.style;
    button.iString = -1;
    buttons.push_back(button);
  }
  SendMessageA(toolbar, TB_ADDBUTTONSA, buttons.size(), reinterpret_cast<LPARAM>(buttons.data()));
}

inline RECT buttonRect(HWND toolbar, int index) {
  RECT rect{};
  SendMessageA(toolbar, TB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&rect));
  return rect;
}

}  // namespace skin::test
