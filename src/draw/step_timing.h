#pragma once
// When the first run of each named step began and ended, in milliseconds of the
// performance counter, which every process of the machine shares. The start-up
// benchmark reads them to show where the time before the first paint goes; once a
// step has run, timing it again costs a look through a short list.

#include <span>

namespace draw {

struct StepTiming {
  const char* name = nullptr;
  double startMs = 0;
  double endMs = 0;
};

double counterMs();

// Times the scope it lives in, the first time a step of that name runs.
class FirstRunTimer {
 public:
  explicit FirstRunTimer(const char* name);
  FirstRunTimer(const FirstRunTimer&) = delete;
  FirstRunTimer& operator=(const FirstRunTimer&) = delete;
  ~FirstRunTimer();

 private:
  const char* name_ = nullptr;  // null once the step has been timed before
  double startMs_ = 0;
};

// Every step timed so far, in the order the steps ended; read it once the steps are done.
std::span<const StepTiming> firstRunTimings();

}  // namespace draw
