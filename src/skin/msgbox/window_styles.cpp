#include "skin/msgbox/window_styles.h"

namespace skin {

void setLayeredStyle(HWND window, bool clickThrough) {
  const LONG_PTR style = GetWindowLongPtrA(window, GWL_EXSTYLE);
  const LONG_PTR wanted = clickThrough ? (WS_EX_LAYERED | WS_EX_TRANSPARENT) : WS_EX_LAYERED;
  if ((style & wanted) != wanted) SetWindowLongPtrA(window, GWL_EXSTYLE, style | wanted);
}

}  // namespace skin
