// Stands for a trim program that hangs: it says it runs, then waits up to a minute for
// the test to let it go.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  HANDLE running = CreateEventA(nullptr, TRUE, TRUE, "ShortLinkToolBlockingProgramRuns");
  HANDLE release = CreateEventA(nullptr, TRUE, FALSE, "ShortLinkToolBlockingProgramRelease");
  WaitForSingleObject(release, 60000);
  CloseHandle(release);
  CloseHandle(running);
  return 0;
}
