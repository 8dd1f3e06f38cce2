#include "skin/core/engine_state.h"

#include <utility>

namespace skin {

std::size_t EngineState::nextSlot() {
  static std::size_t slots = 0;
  return slots++;
}

void EngineState::reset() {
  // Taken out first: a part that uses another while it goes finds a fresh one.
  std::vector<std::unique_ptr<AnyPart>> parts = std::move(parts_);
  const std::vector<std::size_t> order = std::move(madeInOrder_);
  parts_.clear();
  madeInOrder_.clear();
  for (auto slot = order.rbegin(); slot != order.rend(); ++slot) parts[*slot].reset();
}

EngineState& engineState() {
  // Never destroyed: what it holds goes at the reset, at a point the program chooses,
  // not in whatever order the runtime tears statics down at exit.
  static EngineState* const state = new EngineState;
  return *state;
}

void resetEngineState() { engineState().reset(); }

}  // namespace skin
