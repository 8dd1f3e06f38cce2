#include "skin/core/skinned_window_record.h"

#include "skin/core/control_properties.h"
#include "skin/core/engine_state.h"

namespace skin {
namespace {

struct Renumbering {
  int from;
  int to;
};

// Every skinned control of a window carries its window index: the controls, the
// scroll-bar overlays and the controls inside containers and toolbars, all of them
// descendants of the window.
BOOL CALLBACK renumberDescendant(HWND child, LPARAM lParam) {
  const Renumbering& change = *reinterpret_cast<const Renumbering*>(lParam);
  for (const props::KeyFamily& keys : {props::controlKeys, props::toolbarKeys})
    if (props::windowIndex(child, keys) == change.from) props::setWindowIndex(child, change.to, keys);
  return TRUE;
}

void renumber(SkinnedWindowRecord& record, int from, int to) {
  props::setRecordIndex(record.window, to);
  Renumbering change{from, to};
  EnumChildWindows(record.window, renumberDescendant, reinterpret_cast<LPARAM>(&change));
}

}  // namespace

SkinnedWindowRecord::SkinnedWindowRecord() = default;
SkinnedWindowRecord::~SkinnedWindowRecord() = default;

SkinnedWindowList& skinnedWindows() {
  return enginePart<SkinnedWindowList>();
}

SkinnedWindowRecord* skinnedWindowAt(int windowIndex) {
  SkinnedWindowList& list = skinnedWindows();
  if (windowIndex < 1 || windowIndex > static_cast<int>(list.size())) return nullptr;
  return list[windowIndex - 1].get();
}

int skinnedWindowIndex(HWND window) {
  if (!window) return 0;
  const SkinnedWindowList& list = skinnedWindows();
  for (size_t i = 0; i < list.size(); ++i)
    if (list[i]->window == window) return static_cast<int>(i) + 1;
  return 0;
}

int indexOfRecord(const SkinnedWindowRecord& record) {
  const SkinnedWindowList& list = skinnedWindows();
  for (size_t i = 0; i < list.size(); ++i)
    if (list[i].get() == &record) return static_cast<int>(i) + 1;
  return 0;
}

SkinnedWindowRecord* findSkinnedWindow(HWND window) { return skinnedWindowAt(skinnedWindowIndex(window)); }

SkinnedWindowRecord* recordOfWindow(HWND skinnedWindow) {
  return skinnedWindowAt(props::recordIndex(skinnedWindow));
}

SkinnedWindowRecord* recordOfControl(HWND control) { return skinnedWindowAt(props::windowIndex(control)); }

int appendSkinnedWindow(std::unique_ptr<SkinnedWindowRecord> record) {
  skinnedWindows().push_back(std::move(record));
  return static_cast<int>(skinnedWindows().size());
}

std::unique_ptr<SkinnedWindowRecord> removeSkinnedWindow(int windowIndex) {
  SkinnedWindowList& list = skinnedWindows();
  if (windowIndex < 1 || windowIndex > static_cast<int>(list.size())) return nullptr;
  std::unique_ptr<SkinnedWindowRecord> removed = std::move(list[windowIndex - 1]);
  list.erase(list.begin() + (windowIndex - 1));
  for (size_t j = windowIndex - 1; j < list.size(); ++j)
    renumber(*list[j], static_cast<int>(j) + 2, static_cast<int>(j) + 1);
  return removed;
}

void clearSkinnedWindows() { skinnedWindows().clear(); }

}  // namespace skin
