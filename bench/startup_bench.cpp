// Start-up of the tool, from process start to its first skinned paint, against a bare
// Win32 program that opens an empty window, measured in the same run; and a table of
// where the tool's start-up time goes, from a build of the tool that reports when each
// of its steps ran.
//
// A program's start-up ends when its user-interface thread first waits for input:
// WaitForInputIdle returns once the window has been created, shown and painted and the
// message loop blocks, which for the tool is after the skin's first render.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "program_start.h"

namespace {

using bench::besideThisProgram;
using bench::fastest;
using bench::Launch;
using bench::launchToFirstIdle;
using bench::median;

struct Span {
  double startMs = 0;
  double endMs = 0;
  double length() const { return endMs - startMs; }
};

// The probe's report: step name to when it began and ended.
std::map<std::string, Span> readReport(const std::string& path) {
  std::map<std::string, Span> steps;
  std::ifstream report(path);
  std::string line;
  while (std::getline(report, line)) {
    std::istringstream fields(line);
    std::string name;
    Span span;
    if (std::getline(fields, name, '\t') && fields >> span.startMs >> span.endMs) steps[name] = span;
  }
  return steps;
}

std::string temporaryFile(const char* name) {
  char folder[MAX_PATH];
  GetTempPathA(MAX_PATH, folder);
  return std::string(folder) + name;
}

// One row of the table: a step of the probe's report, or a figure made of several.
struct Row {
  const char* label;
  int depth;  // rows inside the row above them are indented
  // When the step began and how long it took, in ms after process start; false when
  // the step did not run.
  bool (*measure)(const std::map<std::string, Span>& steps, const Launch& launch, double& at, double& takes);
};

template <const char* name>
bool step(const std::map<std::string, Span>& steps, const Launch& launch, double& at, double& takes) {
  const auto found = steps.find(name);
  if (found == steps.end()) return false;
  at = found->second.startMs - launch.startMs;
  takes = found->second.length();
  return true;
}

constexpr char ole[] = "OLE", drawingStart[] = "drawing library start", icon[] = "icon",
               activation[] = "skin activation", decode[] = "theme picture decode",
               average[] = "theme picture average colour", installation[] = "skin installation",
               showWindow[] = "show window", fullRender[] = "full render", placement[] = "picture placement",
               familyByName[] = "font family by name", fontFromFamily[] = "font from family",
               fontFromDc[] = "font from device context", firstPaint[] = "first paint";

bool toMain(const std::map<std::string, Span>& steps, const Launch& launch, double& at, double& takes) {
  const auto main = steps.find("main");
  if (main == steps.end()) return false;
  at = 0;
  takes = main->second.startMs - launch.startMs;
  return true;
}

// The window and its units, without the skin activation their created handler runs.
bool windowAndControls(const std::map<std::string, Span>& steps, const Launch& launch, double& at, double& takes) {
  const auto window = steps.find("main window");
  const auto skin = steps.find(activation);
  if (window == steps.end()) return false;
  at = window->second.startMs - launch.startMs;
  takes = window->second.length() - (skin == steps.end() ? 0 : skin->second.length());
  return true;
}

// From the end of the first paint to the message loop's first wait for input.
bool toFirstIdle(const std::map<std::string, Span>& steps, const Launch& launch, double& at, double& takes) {
  const auto paint = steps.find(firstPaint);
  if (paint == steps.end() || launch.idleMs < 0) return false;
  at = paint->second.endMs - launch.startMs;
  takes = launch.idleMs - at;
  return true;
}

bool whole(const std::map<std::string, Span>&, const Launch& launch, double& at, double& takes) {
  at = 0;
  takes = launch.idleMs;
  return launch.idleMs >= 0;
}

const Row rows[] = {
    {"process start to main", 0, toMain},
    {"OLE", 0, step<ole>},
    {"drawing library start", 0, step<drawingStart>},
    {"program icon", 0, step<icon>},
    {"window and its controls", 0, windowAndControls},
    {"skin activation", 0, step<activation>},
    {"theme picture decode", 1, step<decode>},
    {"theme picture average colour", 1, step<average>},
    {"skin installation", 1, step<installation>},
    {"show window", 0, step<showWindow>},
    {"first full render", 1, step<fullRender>},
    {"picture placement at client size", 2, step<placement>},
    {"first paint on screen", 0, step<firstPaint>},
    // Inside whichever step above makes them first.
    {"first font from a device context", 0, step<fontFromDc>},
    {"first font family by name", 0, step<familyByName>},
    {"first font from a family", 0, step<fontFromFamily>},
    {"first paint to first wait for input", 0, toFirstIdle},
    {"process start to first wait for input", 0, whole},
};

struct ProbeRun {
  Launch launch;
  std::map<std::string, Span> steps;
};

void printStepTable(const std::vector<ProbeRun>& runs) {
  std::printf("where the tool's start-up goes, medians of %zu runs (ms after process start)\n", runs.size());
  std::printf("  %-44s %8s %8s %8s\n", "step", "at", "takes", "fastest");
  for (const Row& row : rows) {
    std::vector<double> starts, lengths;
    for (const ProbeRun& run : runs) {
      double at = 0, takes = 0;
      if (row.measure(run.steps, run.launch, at, takes)) {
        starts.push_back(at);
        lengths.push_back(takes);
      }
    }
    const std::string label = std::string(2 * row.depth, ' ') + row.label;
    if (lengths.empty())
      std::printf("  %-44s %8s %8s\n", label.c_str(), "-", "not run");
    else
      std::printf("  %-44s %8.1f %8.1f %8.1f\n", label.c_str(), median(starts), median(lengths), fastest(lengths));
  }
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 11;
  const std::string bare = besideThisProgram("bare_window.exe");
  const std::string tool = besideThisProgram("..\\src\\app\\shortlinktool.exe");
  const std::string probe = besideThisProgram("startup_probe.exe");
  const std::string report = temporaryFile("startup_probe_report.txt");
  launchToFirstIdle(bare);  // warm the file cache and Wine's services for all three
  launchToFirstIdle(tool);
  launchToFirstIdle(probe, report);
  std::vector<double> bareTimes, toolTimes;
  std::vector<ProbeRun> probeRuns;
  bool failed = false;
  for (int i = 0; i < runs; ++i) {  // interleaved, so that drift affects all alike
    bareTimes.push_back(launchToFirstIdle(bare).idleMs);
    toolTimes.push_back(launchToFirstIdle(tool).idleMs);
    DeleteFileA(report.c_str());
    ProbeRun run{launchToFirstIdle(probe, report), {}};
    run.steps = readReport(report);
    failed = failed || run.launch.idleMs < 0 || run.steps.empty();
    probeRuns.push_back(std::move(run));
  }
  DeleteFileA(report.c_str());
  if (failed || std::count(bareTimes.begin(), bareTimes.end(), -1.0) ||
      std::count(toolTimes.begin(), toolTimes.end(), -1.0)) {
    std::printf("a program did not start, never became idle or wrote no report\n");
    return 1;
  }
  const double bareMedian = median(bareTimes), toolMedian = median(toolTimes);
  std::printf("start-up to first paint, median of %d runs (fastest run)\n", runs);
  std::printf("  bare Win32 window   %8.1f ms (%5.1f)\n", bareMedian, fastest(bareTimes));
  std::printf("  skinned tool        %8.1f ms (%5.1f)   ratio %.2f (target < 1.50)\n", toolMedian, fastest(toolTimes),
              toolMedian / bareMedian);
  printStepTable(probeRuns);
  return 0;
}
