#include "app/skin_activation.h"

namespace app {

void createSkinLists() {}
void releaseSkinLists() {}
void initSkinModule() {}
void activateMainWindowSkin(HWND) {}

}  // namespace app
