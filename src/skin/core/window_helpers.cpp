#include "skin/core/window_helpers.h"

#include <algorithm>
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

bool isOpaqueVisible(HWND child) {
  return IsWindowVisible(child) && !(GetWindowLongA(child, GWL_EXSTYLE) & WS_EX_TRANSPARENT);
}
bool isVisibleUnskinned(HWND child) { return IsWindowVisible(child) && props::windowIndex(child) == 0; }
bool isVisible(HWND child) { return IsWindowVisible(child) != FALSE; }

RECT inParentClient(HWND child) { return childRectInParent(child, ParentOrigin::client); }
RECT inParentWindow(HWND child) { return childRectInParent(child, ParentOrigin::window); }

// Which children a context spares, and where each lies on it.
struct ChildClip {
  bool (*spares)(HWND child);
  RECT (*place)(HWND child);
  std::optional<SizeLimit> limit = std::nullopt;  // the areas stay within (0, 0) and this size
  bool cutAtOrigin = false;
};

HDC excludeChildren(HWND window, HDC dc, const ChildClip& clip) {
  if (!dc) return nullptr;
  forEachChild(window, [&](HWND child) {
    if (!clip.spares(child)) return;
    RECT area = clip.place(child);
    if (clip.cutAtOrigin) {
      area.left = std::max<LONG>(area.left, 0);
      area.top = std::max<LONG>(area.top, 0);
    }
    if (clip.limit) {
      area.right = std::min<LONG>(area.right, clip.limit->width);
      area.bottom = std::min<LONG>(area.bottom, clip.limit->height);
    }
    if (clip.cutAtOrigin) {
      area.right = std::max(area.right, area.left);
      area.bottom = std::max(area.bottom, area.top);
    }
    ExcludeClipRect(dc, area.left, area.top, area.right, area.bottom);
  });
  return dc;
}

}  // namespace

std::string windowText(HWND window) {
  const int length = GetWindowTextLengthA(window);
  if (length <= 0) return {};
  std::vector<char> buffer(static_cast<size_t>(length) + 1);
  const int copied = GetWindowTextA(window, buffer.data(), length + 1);
  return std::string(buffer.data(), copied > 0 ? static_cast<size_t>(copied) : 0);
}

std::string windowClassName(HWND window) {
  char name[256] = {};
  const int length = GetClassNameA(window, name, sizeof name);
  return std::string(name, length > 0 ? static_cast<size_t>(length) : 0);
}

bool isWindowOfClass(HWND window, const char* className) {
  return lstrcmpiA(windowClassName(window).c_str(), className) == 0;
}

bool isOwnerDrawnListBox(HWND window) {
  if (!isWindowOfClass(window, "ListBox")) return false;
  return (GetWindowLongA(window, GWL_STYLE) & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE)) != 0;
}

HDC excludeOpaqueChildren(HWND window, HDC dc) {
  return excludeChildren(window, dc, {isOpaqueVisible, inParentClient, clipLimit(window), true});
}

draw::WindowDC getClippedDC(HWND window) {
  draw::WindowDC dc = draw::WindowDC::client(window);
  excludeOpaqueChildren(window, dc.get());
  return dc;
}

HDC excludeUnskinnedChildren(HWND window, HDC dc) {
  return excludeChildren(window, dc, {isVisibleUnskinned, inParentClient});
}

draw::WindowDC getDCExcludingUnskinnedChildren(HWND window) {
  draw::WindowDC dc = draw::WindowDC::client(window);
  excludeUnskinnedChildren(window, dc.get());
  return dc;
}

draw::WindowDC getWindowDCExcludingChildren(HWND window) {
  draw::WindowDC dc = draw::WindowDC::whole(window);
  excludeChildren(window, dc.get(), {isVisible, inParentWindow});
  return dc;
}

HDC excludeChildrenFromImage(HWND control, HDC image) {
  return excludeChildren(control, image, {isOpaqueVisible, rectInSkinnedWindow});
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
  const auto copyTo = [&](HDC target) {
    if (target)
      BitBlt(target, 0, 0, place.right - place.left, place.bottom - place.top, owner->windowImage.dc(), place.left,
             place.top, SRCCOPY);
  };
  if (excludeUnskinned) {
    copyTo(getDCExcludingUnskinnedChildren(window).get());
  } else if (dc) {
    copyTo(excludeOpaqueChildren(window, dc));
  } else {
    copyTo(getClippedDC(window).get());
  }
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

}  // namespace skin
