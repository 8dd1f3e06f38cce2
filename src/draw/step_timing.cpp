#include "draw/step_timing.h"

#include <windows.h>

#include <array>
#include <cstring>
#include <mutex>

namespace draw {
namespace {

constexpr size_t stepLimit = 32;

struct Timings {
  std::mutex lock;  // steps may run on more than one thread
  std::array<StepTiming, stepLimit> steps{};
  size_t count = 0;
  // A step runs once at a time but may be entered again before it ends (a paint
  // inside a paint): only the outermost first run counts.
  std::array<const char*, stepLimit> running{};
  size_t runningCount = 0;
};

Timings& timings() {
  static Timings kept;
  return kept;
}

bool named(const char* a, const char* b) { return a == b || std::strcmp(a, b) == 0; }

bool alreadyTimedOrRunning(const Timings& t, const char* name) {
  for (size_t i = 0; i < t.count; ++i)
    if (named(t.steps[i].name, name)) return true;
  for (size_t i = 0; i < t.runningCount; ++i)
    if (named(t.running[i], name)) return true;
  return false;
}

}  // namespace

double counterMs() {
  static const double frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return static_cast<double>(f.QuadPart);
  }();
  LARGE_INTEGER counter;
  QueryPerformanceCounter(&counter);
  return 1000.0 * static_cast<double>(counter.QuadPart) / frequency;
}

FirstRunTimer::FirstRunTimer(const char* name) {
  Timings& t = timings();
  const std::scoped_lock locked(t.lock);
  if (t.count + t.runningCount >= stepLimit || alreadyTimedOrRunning(t, name)) return;
  t.running[t.runningCount++] = name;
  name_ = name;
  startMs_ = counterMs();
}

FirstRunTimer::~FirstRunTimer() {
  if (!name_) return;
  const double endMs = counterMs();
  Timings& t = timings();
  const std::scoped_lock locked(t.lock);
  for (size_t i = 0; i < t.runningCount; ++i) {
    if (t.running[i] != name_) continue;
    t.running[i] = t.running[--t.runningCount];
    break;
  }
  t.steps[t.count++] = StepTiming{name_, startMs_, endMs};
}

std::span<const StepTiming> firstRunTimings() {
  Timings& t = timings();
  const std::scoped_lock locked(t.lock);
  return {t.steps.data(), t.count};
}

}  // namespace draw
