// The tool exactly as it starts, built with a report: when the window has closed it
// writes when main began and each start-up step's first run to the file named on its
// command line, one "name<TAB>start<TAB>end" line each, in counter milliseconds.
#include <windows.h>

#include <cstdio>

#include "app/startup.h"
#include "draw/step_timing.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
  const double mainMs = draw::counterMs();
  const int exitCode = app::runTool(instance);
  if (FILE* report = std::fopen(commandLine, "w")) {
    std::fprintf(report, "main\t%.3f\t%.3f\n", mainMs, mainMs);
    for (const draw::StepTiming& step : draw::firstRunTimings())
      std::fprintf(report, "%s\t%.3f\t%.3f\n", step.name, step.startMs, step.endMs);
    std::fclose(report);
  }
  return exitCode;
}
