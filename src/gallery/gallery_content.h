#pragma once
// The icons of the toolbar and the list view, drawn here in code, and what every control
// of the gallery is filled with once it exists.

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <utility>

namespace gallery {

// An image list, destroyed with its owner.
class OwnedImageList {
 public:
  OwnedImageList() = default;
  explicit OwnedImageList(HIMAGELIST list) : list_(list) {}
  OwnedImageList(const OwnedImageList&) = delete;
  OwnedImageList& operator=(const OwnedImageList&) = delete;
  OwnedImageList(OwnedImageList&& other) noexcept : list_(std::exchange(other.list_, nullptr)) {}
  OwnedImageList& operator=(OwnedImageList&& other) noexcept {
    if (this != &other) {
      reset();
      list_ = std::exchange(other.list_, nullptr);
    }
    return *this;
  }
  ~OwnedImageList() { reset(); }

  HIMAGELIST get() const { return list_; }
  // For a control that destroys the list itself (a list view without shared lists).
  [[nodiscard]] HIMAGELIST release() { return std::exchange(list_, nullptr); }
  void reset() {
    if (list_) ImageList_Destroy(list_);
    list_ = nullptr;
  }

 private:
  HIMAGELIST list_ = nullptr;
};

enum GalleryIcon : int {
  iconCircle,
  iconSquare,
  iconTriangle,
  iconDiamond,
  iconDocument,
  iconFolder,
  iconCross,
  iconTick,
  galleryIconCount,
};

inline constexpr int iconSize = 16;
// The eight 16 x 16 icons above, with a mask.
OwnedImageList makeGalleryIcons();

// The multi-line edit box's 40 lines, each longer than the box is wide.
std::string multiLineText();

// Items, positions, ranges, columns, buddies and the toolbar's buttons and combo box,
// for controls made from the layout tables. toolbarIcons stays with the caller.
void fillGalleryControls(HWND gallery, HIMAGELIST toolbarIcons);

}  // namespace gallery
