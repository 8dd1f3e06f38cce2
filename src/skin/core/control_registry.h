#pragma once
// A registry of skinned controls of one kind, addressed by 1-based index.

#include <windows.h>

#include <deque>

#include "skin/core/control_properties.h"

namespace skin {

// Records are kept in a deque, so a record stays where it is while others are added
// (removing one moves the records after it).
// Every record type has `window` as its first field; a record whose window is null is
// empty and waits for the first control to take it.
template <typename Record>
class ControlRegistry {
 public:
  int size() const { return static_cast<int>(records_.size()); }
  bool empty() const { return records_.empty(); }

  // The record at a 1-based index, or null outside 1..size().
  Record* at(int index) { return index >= 1 && index <= size() ? &records_[index - 1] : nullptr; }
  const Record* at(int index) const {
    return index >= 1 && index <= size() ? &records_[index - 1] : nullptr;
  }

  // 1-based index of the first record of this control, 0 when there is none.
  int find(HWND control) const {
    for (int i = 0; i < size(); ++i)
      if (records_[i].window == control) return i + 1;
    return 0;
  }

  // Adds the empty record a registry may start with.
  void addInitialEmptyRecord() { records_.emplace_back(); }

  // Where the next control goes: the initial empty record when it is the only one,
  // else a fresh record appended at the end.
  int takeSlot() {
    if (size() == 1 && records_.front().window == nullptr) return 1;
    records_.emplace_back();
    return size();
  }

  // Removes the record at a 1-based index. The later records move up one place and
  // their controls' record-index property (of that key family) follows them. False,
  // with nothing changed, for an index outside 1..size().
  bool remove(int index, const props::KeyFamily& keys = props::controlKeys) {
    if (!at(index)) return false;
    records_.erase(records_.begin() + (index - 1));
    for (int later = index; later <= size(); ++later)
      if (const HWND control = records_[later - 1].window) props::setRecordIndex(control, later, keys);
    return true;
  }

  auto begin() { return records_.begin(); }
  auto end() { return records_.end(); }
  auto begin() const { return records_.begin(); }
  auto end() const { return records_.end(); }

 private:
  std::deque<Record> records_;
};

}  // namespace skin
