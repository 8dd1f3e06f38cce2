#pragma once
// Finding a control's records again: from its window properties to its skinned window
// and the record of its kind, and the font the painters draw its text with.

#include <windows.h>

#include <string>

#include "skin/core/control_properties.h"
#include "skin/core/control_records.h"
#include "skin/core/control_registry.h"
#include "skin/core/skinned_window_record.h"

namespace skin {

// Selects one registry of a SkinnedWindowRecord, for example &SkinnedWindowRecord::buttons.
template <typename Record>
using RegistryOf = ControlRegistry<Record> SkinnedWindowRecord::*;

// 1-based position of the first record of handle in that registry of the window at
// windowIndex; 0 when there is none or the index names no window.
template <typename Record>
int findRecordIndex(int windowIndex, RegistryOf<Record> registry, HWND handle) {
  SkinnedWindowRecord* window = skinnedWindowAt(windowIndex);
  return window ? (window->*registry).find(handle) : 0;
}

// A replacement procedure's view of its control: the skinned window named by its key
// family's "..._FuID" and the record named by "..._lbID" in the given registry
// ("Hw_" keys unless told otherwise). Both are null when a property is stale (the
// window left the list, the index is out of range or names another control's record).
template <typename Record>
struct SkinnedControl {
  HWND handle = nullptr;
  int windowIndex = 0;
  int index = 0;
  SkinnedWindowRecord* window = nullptr;
  Record* record = nullptr;
  explicit operator bool() const { return record != nullptr; }
};

template <typename Record>
SkinnedControl<Record> lookUpControl(HWND handle, RegistryOf<Record> registry,
                                     const props::KeyFamily& keys = props::controlKeys) {
  SkinnedControl<Record> control;
  control.handle = handle;
  control.windowIndex = props::windowIndex(handle, keys);
  control.index = props::recordIndex(handle, keys);
  control.window = skinnedWindowAt(control.windowIndex);
  if (control.window) control.record = (control.window->*registry).at(control.index);
  if (control.record && control.record->window != handle) control.record = nullptr;  // a stale index
  if (!control.record) control.window = nullptr;
  return control;
}

// The index of the skinned window a window belongs to, as the painters read it:
// the window index of its key family ("Hw_FuID", or "Kj_FuID" for the toolbar family);
// when that is 0, "Hw_lbID", which the skinned window carries itself.
int owningWindowIndex(HWND window, const props::KeyFamily& keys = props::controlKeys);

// The container record of window in the container registry of the window at
// windowIndex; null when it is not registered there.
ContainerRecord* findContainer(int windowIndex, HWND window);
// The same over every skinned window; owner, when given, receives the window's index.
ContainerRecord* findRegisteredContainer(HWND window, int* ownerIndex = nullptr);

struct ControlFont {
  std::string family = "宋体";
  int size = 12;
  int style = 0;  // the drawing layer's style flags: 1 bold, 2 italic, ...
};

// The family, size and style of the font the control answers to WM_GETFONT; ("宋体", 12, 0)
// when it has none, 12 for a size of 0 and "宋体" for an empty family.
ControlFont controlFont(HWND control);

}  // namespace skin
