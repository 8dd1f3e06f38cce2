// Start-up of the tool, from process start to its first skinned paint, against a bare
// Win32 program that opens an empty window, measured in the same run. For the tool the first wait for input comes after the skin's first render.
#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <cstdio>
#include <string>
#include <vector>

#include "program_start.h"

using bench::besideThisProgram;
using bench::median;
using bench::timeToFirstIdle;

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 11;
  const std::string bare = besideThisProgram("bare_window.exe");
  const std::string tool = besideThisProgram("..\\src\\app\\shortlinktool.exe");
  timeToFirstIdle(bare);  // warm the file cache and Wine's services for both
  timeToFirstIdle(tool);
  std::vector<double> bareTimes, toolTimes;
  for (int i = 0; i < runs; ++i) {  // interleaved, so that drift affects both alike
    bareTimes.push_back(timeToFirstIdle(bare));
    toolTimes.push_back(timeToFirstIdle(tool));
  }
  if (std::count(bareTimes.begin(), bareTimes.end(), -1.0) || std::count(toolTimes.begin(), toolTimes.end(), -1.0)) {
    std::printf("a program did not start or never became idle\n");
    return 1;
  }
  const double bareMedian = median(bareTimes), toolMedian = median(toolTimes);
  std::printf("start-up to first paint, median of %d runs\n", runs);
  std::printf("  bare Win32 window   %8.1f ms\n", bareMedian);
  std::printf("  skinned tool        %8.1f ms   ratio %.2f (target < 1.50)\n", toolMedian, toolMedian / bareMedian);
  return 0;
}
