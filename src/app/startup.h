#pragma once
// Start-up of the tool and the process-wide objects it creates.

#include <windows.h>

#include <memory>

#include "shortlink/short_link_client.h"

namespace app {

// The one short-link client of the process; created by createGlobalObjects.
shortlink::ShortLinkClient& shortLinkClient();

// Creates the short-link client (with an empty key) and the skin's empty lists.
// Tests pass a client aimed at their local service.
void createGlobalObjects(std::unique_ptr<shortlink::ShortLinkClient> client);

// Destroys the client and frees the skin's lists and stored picture; runTool calls it
// once the message loop has ended.
void releaseGlobals();

// The whole run: OLE, the global objects, the skin start-up, the main window and the
// message loop until the window closes. Returns the process exit code.
int runTool(HINSTANCE instance);

}  // namespace app
