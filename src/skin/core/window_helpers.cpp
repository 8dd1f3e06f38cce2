#include "skin/core/window_helpers.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "skin/core/control_geometry.h"
#include "skin/core/control_lookup.h"
#include "skin/core/skinned_window_record.h"

namespace skin {
namespace {

struct SizeLimit {
  int width = 0;
  int height = 0;
};

// How far the excluded child rectangles may reach: the client size recorded for a
// skinned window or a registered container, nothing for any other skinned control,
// and no limit for a window the skin does not know.
std::optional<SizeLimit> clipLimit(HWND window) {
  if (const SkinnedWindowRecord* record = findSkinnedWindow(window))
    return SizeLimit{record->frameWidth, record->frameHeight};
  const int index = props::windowIndex(window);
  if (index >= 1) {
    if (const ContainerRecord* container = findContainer(index, window))
      return SizeLimit{container->clientWidth, container->clientHeight};
    return SizeLimit{};
  }
  return std::nullopt;
}

template <typename Visit>
void forEachChild(HWND window, Visit&& visit) {
  for (HWND child = FindWindowExA(window, nullptr, nullptr, nullptr); child;
       child = FindWindowExA(window, child, nullptr, nullptr))
    visit(child);
}

bool isExcludable(HWND child) {
  return IsWindowVisible(child) && !(GetWindowLongA(child, GWL_EXSTYLE) & WS_EX_TRANSPARENT);
}

}  // namespace

std::string windowText(HWND window) {
  const int length = GetWindowTextLengthA(window);
  if (length <= 0) return {};
  std::vector<char> buffer(static_cast<size_t>(length) + 1);
  const int copied = GetWindowTextA(window, buffer.data(), length + 1);
  return std::string(buffer.data(), copied > 0 ? static_cast<size_t>(copied) : 0);
}

HDC getClippedDC(HWND window, HDC dc) {
  if (!dc) dc = GetDC(window);
  if (!dc) return nullptr;
  const std::optional<SizeLimit> limit = clipLimit(window);
  forEachChild(window, [&](HWND child) {
    if (!isExcludable(child)) return;
    RECT area = childRectInParent(child);
    area.left = std::max<LONG>(area.left, 0);
    area.top = std::max<LONG>(area.top, 0);
    if (limit) {
      area.right = std::min<LONG>(area.right, limit->width);
      area.bottom = std::min<LONG>(area.bottom, limit->height);
    }
    area.right = std::max(area.right, area.left);
    area.bottom = std::max(area.bottom, area.top);
    ExcludeClipRect(dc, area.left, area.top, area.right, area.bottom);
  });
  return dc;
}

HDC getDCExcludingUnskinnedChildren(HWND window, HDC dc) {
  if (!dc) dc = GetDC(window);
  if (!dc) return nullptr;
  forEachChild(window, [&](HWND child) {
    if (!IsWindowVisible(child) || props::windowIndex(child) != 0) return;
    const RECT area = childRectInParent(child);
    ExcludeClipRect(dc, area.left, area.top, area.right, area.bottom);
  });
  return dc;
}

RECT childRectInParent(HWND window) {
  if (skinnedWindowIndex(window)) return {};
  const HWND parent = GetAncestor(window, GA_PARENT);
  POINT origin{0, 0};
  ClientToScreen(parent, &origin);
  RECT client{};
  GetClientRect(parent, &client);
  OffsetRect(&client, origin.x, origin.y);
  RECT rect{};
  GetWindowRect(window, &rect);
  OffsetRect(&rect, -client.left, -client.top);
  return rect;
}

void invalidateVisibleChildren(HWND window) {
  forEachChild(window, [](HWND child) {
    if (IsWindowVisible(child)) InvalidateRect(child, nullptr, TRUE);
  });
}

void restoreFromWindowImage(HWND window, const props::KeyFamily& keys, bool excludeUnskinned, HDC dc) {
  const SkinnedWindowRecord* owner = skinnedWindowAt(owningWindowIndex(window, keys));
  if (!owner || !owner->windowImage) return;
  const RECT place = rectInSkinnedWindow(window);
  // A context the caller passed stays the caller's; only one fetched here is released.
  HDC target = nullptr;
  bool fetched = false;
  if (excludeUnskinned) {
    target = getDCExcludingUnskinnedChildren(window);
    fetched = true;
  } else {
    target = getClippedDC(window, dc);
    fetched = dc == nullptr;
  }
  if (!target) return;
  BitBlt(target, 0, 0, place.right - place.left, place.bottom - place.top, owner->windowImage.dc(), place.left,
         place.top, SRCCOPY);
  if (fetched) ReleaseDC(window, target);
}

void markWindowImagesStale(HWND window) {
  if (SkinnedWindowRecord* record = skinnedWindowAt(props::recordIndex(window))) {
    for (ContainerRecord& container : record->containers) {
      container.repaint = true;
      container.backgroundStale = true;
    }
    for (ToolbarRecord& toolbar : record->toolbars) toolbar.stale = true;
    for (ListSkinRecord& list : record->lists) list.dirty = true;
  }
  invalidateVisibleChildren(window);
}

bool isOwnerDrawnListBox(HWND window) {
  char name[255] = {};
  GetClassNameA(window, name, sizeof name);
  if (std::strcmp(name, "ListBox") != 0) return false;
  return (GetWindowLongA(window, GWL_STYLE) & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE)) != 0;
}

bool isWindowOfClass(HWND window, const char* className) {
  char name[256] = {};
  GetClassNameA(window, name, sizeof name);
  return lstrcmpiA(name, className) == 0;
}

}  // namespace skin
