#include "skin/core/canvas.h"

#include <gtest/gtest.h>

#include <vector>

#include "draw/gdi_handles.h"
#include "skin/core/drawing_primitives.h"
#include "skinned_window_fixture.h"
#include "support/pixels.h"

namespace skin {
namespace {

using test::backgroundPixel;
using test::SkinnedTestWindow;
using test::windowImageFill;
using testing_support::rgbAt;

void fillDc(HDC dc, const RECT& area, COLORREF colour) {
  const draw::OwnedBrush brush(CreateSolidBrush(colour));
  FillRect(dc, &area, brush.get());
}

class CanvasTest : public testing::Test {
 protected:
  void TearDown() override { EXPECT_TRUE(canvasList().empty()); }
  SkinnedTestWindow skinned;
};

TEST_F(CanvasTest, ShowsTheBackgroundBehindThePaintedRectangle) {
  const HWND direct = skinned.child("STATIC", 30, 40, 50, 20);
  const HWND box = skinned.container(100, 60, 80, 60);
  const HWND inBox = test::createChild(box, "STATIC", 10, 5, 40, 30);
  struct Case {
    HWND control;
    RECT rect;
    POINT origin;  // where rect starts in the window's background
  } cases[] = {
      {direct, {0, 0, 50, 20}, {30, 40}},
      {direct, {5, 3, 25, 13}, {35, 43}},
      {inBox, {0, 0, 40, 30}, {110, 65}},
      {skinned.window(), {20, 10, 60, 30}, {20, 10}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "origin " << c.origin.x << "," << c.origin.y);
    const HDC canvas = makeControlCanvas(c.control, c.rect);
    ASSERT_NE(canvas, nullptr);
    const int w = c.rect.right - c.rect.left;
    const int h = c.rect.bottom - c.rect.top;
    for (POINT p : {POINT{0, 0}, POINT{w - 1, 0}, POINT{0, h - 1}, POINT{w - 1, h - 1}, POINT{w / 2, h / 2}})
      EXPECT_EQ(rgbAt(canvas, p.x, p.y), backgroundPixel(c.origin.x + p.x, c.origin.y + p.y)) << p.x << "," << p.y;
    EXPECT_EQ(GetPixel(canvas, w, h), CLR_INVALID) << "the canvas has exactly the rectangle's size";
    EXPECT_EQ(releaseCanvas(canvas), 1);
  }
}

TEST_F(CanvasTest, AControlWithoutSkinnedOwnerGetsNoCanvasAndLeavesNothingBehind) {
  const HWND loose = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 40, 20, nullptr, nullptr, nullptr, nullptr);
  const int before = draw::liveGdiObjectCount();
  EXPECT_EQ(makeControlCanvas(loose, {0, 0, 40, 20}), nullptr);
  EXPECT_EQ(makeControlCanvas(skinned.window(), {0, 0, 0, 20}), nullptr) << "an empty rectangle";
  EXPECT_TRUE(canvasList().empty());
  EXPECT_EQ(draw::liveGdiObjectCount(), before);

  ControlCanvas canvas(loose, {0, 0, 40, 20});
  EXPECT_FALSE(canvas);
  EXPECT_FALSE(canvas.surface());
  canvas.commit(nullptr);  // nothing to commit, and no fault
  DestroyWindow(loose);
}

TEST_F(CanvasTest, ReleasingFreesAListedCanvasOnce) {
  const HWND control = skinned.child("STATIC", 10, 10, 30, 30);
  const int before = draw::liveGdiObjectCount();
  EXPECT_EQ(releaseCanvas(nullptr), 0);
  const HDC first = makeControlCanvas(control, {0, 0, 30, 30});
  const HDC second = makeControlCanvas(control, {0, 0, 10, 10});
  ASSERT_EQ(canvasList().size(), 2u);
  EXPECT_EQ(draw::liveGdiObjectCount(), before + 4) << "a context and a DIB section per canvas";

  EXPECT_EQ(releaseCanvas(first), 1);
  EXPECT_EQ(releaseCanvas(first), 0);
  ASSERT_EQ(canvasList().size(), 1u);
  EXPECT_EQ(canvasList().front().dc, second);
  EXPECT_EQ(releaseCanvas(second), 1);
  EXPECT_EQ(draw::liveGdiObjectCount(), before);
}

TEST_F(CanvasTest, AnotherCanvasOfTheSameSizeStartsAsANewOne) {
  const HWND control = skinned.child("STATIC", 30, 40, 50, 20);
  // A painter that leaves its marks: pixels, colours, a brush and a clip.
  const HDC first = makeControlCanvas(control, {0, 0, 50, 20});
  ASSERT_NE(first, nullptr);
  fillDc(first, {0, 0, 50, 20}, RGB(0xAA, 0xBB, 0xCC));
  SetTextColor(first, RGB(255, 0, 0));
  SetBkMode(first, TRANSPARENT);
  SelectObject(first, GetStockObject(BLACK_BRUSH));
  IntersectClipRect(first, 5, 5, 10, 10);
  ASSERT_EQ(releaseCanvas(first), 1);

  const HDC second = makeControlCanvas(control, {0, 0, 50, 20});
  ASSERT_NE(second, nullptr);
  for (POINT p : {POINT{0, 0}, POINT{49, 19}, POINT{25, 10}})
    EXPECT_EQ(rgbAt(second, p.x, p.y), backgroundPixel(30 + p.x, 40 + p.y)) << p.x << "," << p.y;
  EXPECT_EQ(GetTextColor(second), RGB(0, 0, 0));
  EXPECT_EQ(GetBkMode(second), OPAQUE);
  EXPECT_EQ(GetCurrentObject(second, OBJ_BRUSH), GetStockObject(WHITE_BRUSH));
  RECT clip{};
  EXPECT_EQ(GetClipBox(second, &clip), SIMPLEREGION);
  EXPECT_EQ(clip.right - clip.left, 50) << "no clip left behind";
  EXPECT_EQ(GetPixel(second, 50, 20), CLR_INVALID);
  EXPECT_EQ(releaseCanvas(second), 1);
}

TEST_F(CanvasTest, WherePastTheBackgroundACanvasIsBlack) {
  const HWND inside = skinned.child("STATIC", 10, 10, 40, 30);
  const HWND overTheEdge = skinned.child("STATIC", 180, 130, 40, 30);  // the window is 200 x 150
  {
    ControlCanvas painted(inside, {0, 0, 40, 30});
    fillDc(painted.dc(), {0, 0, 40, 30}, RGB(255, 255, 255));
  }
  const HDC canvas = makeControlCanvas(overTheEdge, {0, 0, 40, 30});
  ASSERT_NE(canvas, nullptr);
  EXPECT_EQ(rgbAt(canvas, 5, 5), backgroundPixel(185, 135));
  EXPECT_EQ(rgbAt(canvas, 30, 5), 0u);
  EXPECT_EQ(rgbAt(canvas, 5, 25), 0u);
  EXPECT_EQ(releaseCanvas(canvas), 1);
}

TEST_F(CanvasTest, OnlyAFewReleasedCanvasesAreKept) {
  const HWND control = skinned.child("STATIC", 0, 0, 200, 150);
  std::vector<HDC> released;
  for (int size = 10; size < 30; ++size) {
    const HDC canvas = makeControlCanvas(control, {0, 0, size, size});
    ASSERT_NE(canvas, nullptr);
    released.push_back(canvas);
    releaseCanvas(canvas);
  }
  int stillThere = 0;
  for (const HDC dc : released) stillThere += GetObjectType(dc) == OBJ_MEMDC;
  EXPECT_LE(stillThere, 8) << "of " << released.size() << " sizes";
}

TEST_F(CanvasTest, CommitCopiesIntoTheWindowImageAroundVisibleChildren) {
  const HWND control = skinned.child("STATIC", 20, 30, 100, 40);
  props::setWindowIndex(control, skinned.index());
  test::createChild(control, "STATIC", 10, 10, 20, 20);                                // protects its area
  test::createChild(control, "STATIC", 40, 10, 20, 20, WS_VISIBLE, WS_EX_TRANSPARENT);  // does not
  test::createChild(control, "STATIC", 70, 10, 20, 20, 0);                             // hidden: does not
  const HDC image = skinned.record().windowImage.dc();
  {
    ControlCanvas canvas(control, {0, 0, 100, 40});
    ASSERT_TRUE(canvas);
    fillDc(canvas.dc(), {0, 0, 100, 40}, RGB(0xAA, 0xBB, 0xCC));
    canvas.commit(nullptr);
  }
  const auto& windowImage = skinned.record().windowImage;
  EXPECT_EQ(rgbAt(windowImage, 20 + 5, 30 + 5), 0xAABBCCu);
  EXPECT_EQ(rgbAt(windowImage, 20 + 20, 30 + 20), windowImageFill) << "visible child";
  EXPECT_EQ(rgbAt(windowImage, 20 + 50, 30 + 20), 0xAABBCCu) << "transparent child";
  EXPECT_EQ(rgbAt(windowImage, 20 + 80, 30 + 20), 0xAABBCCu) << "hidden child";
  EXPECT_EQ(rgbAt(windowImage, 19, 29), windowImageFill) << "outside the control";
  EXPECT_EQ(rgbAt(windowImage, 120, 70), windowImageFill) << "outside the control";

  RECT clip{};
  EXPECT_EQ(GetClipBox(image, &clip), SIMPLEREGION) << "the clip is reset afterwards";
  EXPECT_EQ(clip.right, 200);
}

TEST_F(CanvasTest, PainterObjectDrawsIntoTheWindowImageAndTheTarget) {
  const HWND control = skinned.child("STATIC", 50, 20, 60, 30);
  props::setWindowIndex(control, skinned.index());
  const draw::MemoryDC target = draw::MemoryDC::createCompatible();
  const draw::OwnedBitmap targetBitmap = draw::createDibSection(60, 30);
  const draw::ScopedSelectObject selected(target.get(), targetBitmap.get());
  {
    ControlCanvas canvas(control, {0, 0, 60, 30});
    const draw::DrawingSolidBrush brush(toArgb(0x0000FF, 255));  // red
    ASSERT_TRUE(canvas.surface().fillRectangle(brush, 0, 0, 30, 30));
    canvas.commit(target.get());
  }
  EXPECT_EQ(rgbAt(target.get(), 10, 15), 0xFF0000u);
  EXPECT_EQ(rgbAt(target.get(), 45, 15), backgroundPixel(95, 35)) << "undrawn parts show the background";
  EXPECT_EQ(rgbAt(skinned.record().windowImage, 60, 35), 0xFF0000u);
  EXPECT_EQ(rgbAt(skinned.record().windowImage, 95, 35), backgroundPixel(95, 35));
}

TEST_F(CanvasTest, FrameCommitKeepsTheKeyColouredClientPart) {
  const HWND control = skinned.child("STATIC", 40, 40, 40, 30);
  props::setWindowIndex(control, skinned.index());
  {
    ControlCanvas canvas(control, {0, 0, 40, 30});
    fillDc(canvas.dc(), {0, 0, 40, 30}, RGB(0x10, 0x80, 0x10));
    fillDc(canvas.dc(), {2, 2, 38, 28}, 0xFF00FF);
    canvas.commitFrame(0xFF00FF);
  }
  const auto& windowImage = skinned.record().windowImage;
  EXPECT_EQ(rgbAt(windowImage, 40, 40), 0x108010u);
  EXPECT_EQ(rgbAt(windowImage, 79, 69), 0x108010u);
  EXPECT_EQ(rgbAt(windowImage, 60, 55), windowImageFill);
}

TEST_F(CanvasTest, AThousandPaintsLeakNothing) {
  const HWND control = skinned.child("STATIC", 10, 10, 80, 24);
  const int before = draw::liveGdiObjectCount();
  const int drawingObjects = draw::liveDrawingObjectCount();
  for (int i = 0; i < 1000; ++i) {
    ControlCanvas canvas(control, {0, 0, 80, 24});
    draw::DrawingPath path;
    path.create();
    addRoundedRect(path, 0, 0, 79, 23, 5);
    canvas.surface().fillPath(draw::DrawingSolidBrush(toArgb(0xFFFFFF, 120)), path);
    if (i % 2) continue;  // a painter that leaves early commits nothing and still frees it all
    canvas.commit(nullptr);
  }
  EXPECT_TRUE(canvasList().empty());
  EXPECT_EQ(draw::liveGdiObjectCount(), before);
  EXPECT_EQ(draw::liveDrawingObjectCount(), drawingObjects);
}

}  // namespace
}  // namespace skin
