#include "skin/core/window_helpers.h"

#include <gtest/gtest.h>

#include "draw/gdi_handles.h"
#include "skin/core/control_geometry.h"
#include "skin/core/offscreen_image.h"
#include "skinned_window_fixture.h"
#include "support/pixels.h"

namespace skin {
namespace {

using test::SkinnedTestWindow;
using testing_support::rgbAt;

// A black memory surface: what a clipped fill leaves black was excluded.
struct Surface {
  draw::MemoryDC dc = draw::MemoryDC::createCompatible();
  draw::OwnedBitmap bitmap;
  draw::ScopedSelectObject selected;
  Surface(int width, int height) : bitmap(draw::createDibSection(width, height)), selected(dc.get(), bitmap.get()) {}
  void paintWhite(int width, int height) { PatBlt(dc.get(), 0, 0, width, height, WHITENESS); }
  bool excluded(int x, int y) { return rgbAt(dc.get(), x, y) == 0; }
};

TEST(GetClippedDC, OnASkinnedWindowExcludesVisibleChildrenCutToTheRecordedSize) {
  SkinnedTestWindow skinned(200, 150);
  skinned.record().frameWidth = 150;  // the size recorded at installation
  skinned.child("STATIC", 10, 10, 30, 30);
  skinned.child("STATIC", 130, 10, 60, 30);  // reaches past the recorded width
  skinned.child("STATIC", 50, 60, 30, 30, WS_VISIBLE, WS_EX_TRANSPARENT);
  skinned.child("STATIC", 100, 60, 30, 30, 0);  // hidden
  Surface surface(200, 150);

  EXPECT_EQ(excludeOpaqueChildren(skinned.window(), surface.dc.get()), surface.dc.get());
  surface.paintWhite(200, 150);

  EXPECT_TRUE(surface.excluded(25, 25));
  EXPECT_TRUE(surface.excluded(140, 25));
  EXPECT_FALSE(surface.excluded(160, 25)) << "beyond the recorded width";
  EXPECT_FALSE(surface.excluded(65, 75)) << "transparent child";
  EXPECT_FALSE(surface.excluded(115, 75)) << "hidden child";
  EXPECT_FALSE(surface.excluded(5, 5));
}

TEST(GetClippedDC, OnASkinnedControlExcludesNothingButOnAContainerItsChildren) {
  SkinnedTestWindow skinned;
  const HWND control = skinned.child("STATIC", 10, 10, 100, 80);
  props::setWindowIndex(control, skinned.index());
  test::createChild(control, "STATIC", 10, 10, 30, 30);
  const HWND box = skinned.container(10, 10, 100, 80);
  test::createChild(box, "STATIC", 10, 10, 30, 30);

  Surface onControl(100, 80);
  excludeOpaqueChildren(control, onControl.dc.get());
  onControl.paintWhite(100, 80);
  EXPECT_FALSE(onControl.excluded(25, 25));

  Surface onBox(100, 80);
  excludeOpaqueChildren(box, onBox.dc.get());
  onBox.paintWhite(100, 80);
  EXPECT_TRUE(onBox.excluded(25, 25));
  EXPECT_FALSE(onBox.excluded(50, 50));
}

TEST(GetDCExcludingUnskinnedChildren, SparesOnlyChildrenWithoutWindowIndex) {
  SkinnedTestWindow skinned;
  skinned.child("STATIC", 10, 10, 30, 30);
  const HWND skinnedChild = skinned.child("STATIC", 60, 10, 30, 30);
  props::setWindowIndex(skinnedChild, skinned.index());
  Surface surface(200, 150);
  excludeUnskinnedChildren(skinned.window(), surface.dc.get());
  surface.paintWhite(200, 150);
  EXPECT_TRUE(surface.excluded(25, 25));
  EXPECT_FALSE(surface.excluded(75, 25));
}

TEST(ChildRectInParent, IsTheRectangleInTheParentsClientAreaAndEmptyForASkinnedWindow) {
  SkinnedTestWindow skinned;
  const HWND panel = skinned.child("STATIC", 20, 30, 120, 100, WS_VISIBLE | WS_BORDER);
  const HWND inner = test::createChild(panel, "STATIC", 7, 9, 40, 20);
  const RECT top = childRectInParent(skinned.window());
  EXPECT_TRUE(top.left == 0 && top.top == 0 && top.right == 0 && top.bottom == 0);
  const RECT r = childRectInParent(inner);
  EXPECT_EQ(r.left, 7);
  EXPECT_EQ(r.top, 9);
  EXPECT_EQ(r.right, 47);
  EXPECT_EQ(r.bottom, 29);
}

TEST(RestoreFromWindowImage, CopiesTheWindowsOwnPictureBack) {
  SkinnedTestWindow skinned(120, 90);
  test::fill(skinned.record().windowImage, test::backgroundPixel);
  const HWND control = skinned.child("STATIC", 30, 20, 40, 30);
  props::setWindowIndex(control, skinned.index());
  struct Case {
    HWND window;
    POINT from;  // where the picture starts in windowImage
    POINT last;  // its bottom-right pixel in the target
  } cases[] = {{skinned.window(), {0, 0}, {119, 89}}, {control, {30, 20}, {39, 29}}};
  for (const Case& c : cases) {
    Surface target(120, 90);
    restoreFromWindowImage(c.window, props::controlKeys, false, target.dc.get());
    EXPECT_EQ(rgbAt(target.dc.get(), 0, 0), test::backgroundPixel(c.from.x, c.from.y));
    EXPECT_EQ(rgbAt(target.dc.get(), c.last.x, c.last.y),
              test::backgroundPixel(c.from.x + c.last.x, c.from.y + c.last.y));
    EXPECT_NE(GetPixel(target.dc.get(), 5, 5), CLR_INVALID) << "a passed context is not released";
  }
  // The skinned window's own children keep their place on the screen.
  Surface target(120, 90);
  restoreFromWindowImage(skinned.window(), props::controlKeys, false, target.dc.get());
  EXPECT_EQ(rgbAt(target.dc.get(), 40, 30), 0u);
}

TEST(MarkWindowImagesStale, FlagsEveryKeptPictureAndInvalidatesVisibleChildren) {
  SkinnedTestWindow skinned;
  SkinnedWindowRecord& record = skinned.record();
  record.containers.at(record.containers.takeSlot())->backgroundStale = false;
  record.containers.at(1)->repaint = false;
  record.toolbars.at(record.toolbars.takeSlot())->stale = false;
  for (int i = 0; i < 2; ++i) {
    ListSkinRecord& list = *record.lists.at(record.lists.takeSlot());
    list.window = skinned.child("LISTBOX", 100, 60 + 40 * i, 60, 30, 0);
    list.dirty = false;
  }
  const HWND shown = skinned.child("STATIC", 10, 10, 30, 30);
  const HWND hidden = skinned.child("STATIC", 50, 10, 30, 30, 0);
  UpdateWindow(skinned.window());
  ValidateRect(shown, nullptr);

  markWindowImagesStale(skinned.window());

  EXPECT_TRUE(record.containers.at(1)->backgroundStale);
  EXPECT_TRUE(record.containers.at(1)->repaint);
  EXPECT_TRUE(record.toolbars.at(1)->stale);
  EXPECT_TRUE(record.lists.at(1)->dirty);
  EXPECT_TRUE(record.lists.at(2)->dirty);
  EXPECT_TRUE(GetUpdateRect(shown, nullptr, FALSE));
  EXPECT_FALSE(GetUpdateRect(hidden, nullptr, FALSE));
}

TEST(IsOwnerDrawnListBox, OnlyListBoxesWithAnOwnerDrawStyle) {
  SkinnedTestWindow skinned;
  struct Case {
    const char* windowClass;
    DWORD style;
    bool ownerDrawn;
  } cases[] = {
      {"ListBox", 0, false},
      {"ListBox", LBS_OWNERDRAWFIXED | LBS_HASSTRINGS, true},
      {"ListBox", LBS_OWNERDRAWVARIABLE, true},
      {"ComboBox", CBS_OWNERDRAWFIXED | CBS_DROPDOWNLIST, false},
      {"STATIC", 0x10, false},
  };
  for (const Case& c : cases) {
    const HWND control = skinned.child(c.windowClass, 0, 0, 60, 60, WS_VISIBLE | c.style);
    EXPECT_EQ(isOwnerDrawnListBox(control), c.ownerDrawn) << c.windowClass << " " << std::hex << c.style;
    DestroyWindow(control);
  }
}

}  // namespace
}  // namespace skin
