#include "skin/msgbox/window_styles.h"

namespace skin {

void setLayeredStyle(HWND window, bool clickThrough) {
  const LONG_PTR style = GetWindowLongPtrA(window, GWL_EXSTYLE);
  const LONG_PTR wanted = clickThrough ? (WS_EX_LAYERED | WS_EX_TRANSPARENT) : WS_EX_LAYERED;
  if ((style & wanted) != wanted) SetWindowLongPtrA(window, GWL_EXSTYLE, style | wanted);
}

std::string windowClassName(HWND window) {
  char name[256] = {};
  const int length = GetClassNameA(window, name, sizeof name);
  return std::string(name, length > 0 ? static_cast<size_t>(length) : 0);
}

}  // namespace skin
