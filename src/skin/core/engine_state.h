#pragma once
// The one owner of what the skin engine keeps for the whole process: the window list,
// the theme, decoded pictures, kept canvases, look memos, the message-box hook and fades
// and the like. Each layer keeps its part here, made on first use; resetEngineState()
// drops every part, the last made first, so that shutdown and tests between cases start
// again from nothing. A part is named by its type, and by a tag where two parts share one.

#include <cstddef>
#include <memory>
#include <vector>

namespace skin {

class EngineState {
 public:
  template <typename Part, typename Tag = Part>
  Part& part() {
    static const std::size_t slot = nextSlot();
    if (slot >= parts_.size()) parts_.resize(slot + 1);
    if (!parts_[slot]) {
      parts_[slot] = std::make_unique<Holder<Part>>();
      madeInOrder_.push_back(slot);
    }
    return static_cast<Holder<Part>&>(*parts_[slot]).value;
  }
  // Drops every part, the last made first.
  void reset();

 private:
  struct AnyPart {
    virtual ~AnyPart() = default;
  };
  template <typename Part>
  struct Holder final : AnyPart {
    Part value{};
  };
  static std::size_t nextSlot();

  std::vector<std::unique_ptr<AnyPart>> parts_;
  std::vector<std::size_t> madeInOrder_;
};

EngineState& engineState();

template <typename Part, typename Tag = Part>
Part& enginePart() {
  return engineState().part<Part, Tag>();
}

// Drops all the engine keeps for the process: at shutdown, and in tests between cases.
void resetEngineState();

}  // namespace skin
