#include "app/startup.h"

#include <ole2.h>

#include "app/main_window.h"
#include "app/skin_activation.h"
#include "draw/step_timing.h"

namespace app {
namespace {

std::unique_ptr<shortlink::ShortLinkClient>& clientSlot() {
  static std::unique_ptr<shortlink::ShortLinkClient> client;
  return client;
}

int runMessageLoop(HWND window) {
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    // Tab moves between the units, as in any dialog-like window.
    if (IsWindow(window) && IsDialogMessageA(window, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return static_cast<int>(message.wParam);
}

}  // namespace

shortlink::ShortLinkClient& shortLinkClient() {
  if (!clientSlot()) clientSlot() = std::make_unique<shortlink::ShortLinkClient>();
  return *clientSlot();
}

void createGlobalObjects(std::unique_ptr<shortlink::ShortLinkClient> client) {
  clientSlot() = std::move(client);
  createSkinLists();
}

void releaseGlobals() {
  clientSlot().reset();
  releaseSkinLists();
}

int runTool(HINSTANCE instance) {
  {
    const draw::FirstRunTimer timer("OLE");
    OleInitialize(nullptr);
  }
  createGlobalObjects(std::make_unique<shortlink::ShortLinkClient>());
  initSkinModule();
  HWND window = nullptr;
  {
    const draw::FirstRunTimer timer("main window");
    window = createMainWindow(instance);
  }
  int exitCode = 1;
  if (window) {
    {
      const draw::FirstRunTimer timer("show window");
      ShowWindow(window, SW_SHOW);
    }
    {
      const draw::FirstRunTimer timer("first paint");
      UpdateWindow(window);
    }
    exitCode = runMessageLoop(window);
  }
  // Here, not in an exit handler: the C++ runtime destroys the lists and the theme
  // before any handler registered ahead of their construction would run.
  releaseGlobals();
  OleUninitialize();
  return exitCode;
}

}  // namespace app
