#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "draw/drawing.h"
#include "draw/gdi_handles.h"
#include "draw/text_conversion.h"
#include "pixel_checks.h"

using namespace draw;
using drawtest::alphaOf;
using drawtest::Canvas;
using drawtest::colourNear;

namespace {

constexpr Argb opaqueRed = 0xFFFF0000;
constexpr Argb opaqueGreen = 0xFF00FF00;
constexpr Argb opaqueBlue = 0xFF0000FF;
constexpr Argb opaqueWhite = 0xFFFFFFFF;
constexpr Argb opaqueBlack = 0xFF000000;

int inkedPixels(Canvas& canvas, int left, int top, int right, int bottom) {
  int count = 0;
  for (int y = top; y < bottom; ++y)
    for (int x = left; x < right; ++x) count += alphaOf(canvas.at(x, y)) > 128 ? 1 : 0;
  return count;
}

}  // namespace

TEST(Drawing, RoundedRectangleIsOneClosedFigureOfFourArcs) {
  DrawingPath path;
  ASSERT_TRUE(path.create());
  ASSERT_TRUE(path.addRoundedRectangle(10, 10, 60, 40, 16));

  const std::vector<PointF> points = path.points();
  const std::vector<std::uint8_t> types = path.types();
  ASSERT_EQ(path.pointCount(), 16) << "four quarter arcs of one Bezier each, joined by lines";
  ASSERT_EQ(points.size(), 16u);
  EXPECT_EQ(types.front() & 0x7, 0) << "one figure start";
  EXPECT_EQ(std::count_if(types.begin(), types.end(), [](std::uint8_t t) { return (t & 0x7) == 0; }), 1);
  EXPECT_NE(types.back() & 0x80, 0) << "the figure is closed";
  // Top-right arc starts at the top edge, top-left arc ends there.
  EXPECT_NEAR(points.front().x, 62, 0.01);
  EXPECT_NEAR(points.front().y, 10, 0.01);
  EXPECT_NEAR(points.back().x, 18, 0.01);
  EXPECT_NEAR(points.back().y, 10, 0.01);

  Canvas canvas(80, 60);
  ASSERT_TRUE(canvas.surface.setSmoothingMode(Gdiplus::SmoothingModeAntiAlias));
  DrawingSolidBrush blue(opaqueBlue);
  ASSERT_TRUE(canvas.surface.fillPath(blue, path));
  EXPECT_TRUE(colourNear(canvas.at(40, 30), opaqueBlue));
  EXPECT_TRUE(colourNear(canvas.at(40, 11), opaqueBlue)) << "inside the straight top edge";
  EXPECT_TRUE(colourNear(canvas.at(11, 30), opaqueBlue)) << "inside the straight left edge";
  for (auto [x, y] : {std::pair{11, 11}, {68, 11}, {11, 48}, {68, 48}, {9, 30}, {40, 51}}) {
    EXPECT_EQ(alphaOf(canvas.at(x, y)), 0) << "outside the rounded shape at " << x << "," << y;
  }
}

TEST(Drawing, LinearGradientRunsBetweenItsColoursAndRepeats) {
  DrawingLinearBrush gradient(PointF{0, 0}, PointF{50, 0}, opaqueRed, opaqueBlue);
  ASSERT_TRUE(gradient);
  EXPECT_EQ(gradient.wrapMode(), 0) << "tile";
  EXPECT_EQ(gradient.colours(), std::make_pair(opaqueRed, opaqueBlue));

  Canvas canvas(100, 10);
  ASSERT_TRUE(canvas.surface.fillRectangle(gradient, 0, 0, 100, 10));
  EXPECT_TRUE(colourNear(canvas.at(0, 5), opaqueRed, 12));
  EXPECT_TRUE(colourNear(canvas.at(25, 5), 0xFF800080, 12)) << "half way";
  EXPECT_TRUE(colourNear(canvas.at(49, 5), opaqueBlue, 12));
  EXPECT_TRUE(colourNear(canvas.at(50, 5), opaqueRed, 12)) << "repeats past the end point";
  EXPECT_TRUE(colourNear(canvas.at(99, 5), opaqueBlue, 12));
}

TEST(Drawing, PathGradientShowsItsCentreColour) {
  DrawingPath circle;
  ASSERT_TRUE(circle.create());
  ASSERT_TRUE(circle.addEllipse(0, 0, 60, 60));
  DrawingPathBrush glow;
  ASSERT_TRUE(glow.createFromPath(circle));
  ASSERT_TRUE(glow.setCentreColour(opaqueWhite));
  const Argb surround[] = {opaqueBlack};
  ASSERT_TRUE(glow.setSurroundColours(surround));
  EXPECT_EQ(glow.centreColour(), opaqueWhite);
  EXPECT_EQ(glow.surroundColours().front(), opaqueBlack);

  Canvas canvas(60, 60);
  ASSERT_TRUE(canvas.surface.fillPath(glow, circle));
  EXPECT_TRUE(colourNear(canvas.at(30, 30), opaqueWhite, 20));
  const Argb nearEdge = canvas.at(30, 3);
  EXPECT_EQ(alphaOf(nearEdge), 255);
  EXPECT_LT(nearEdge & 0xFF, 100u) << "darkens towards the surround colour";
}

TEST(Drawing, ClipLimitsFillsAndClears) {
  Canvas canvas(40, 40);
  DrawingSolidBrush green(opaqueGreen);

  // Clear replaces (no blending) and obeys the clip.
  ASSERT_TRUE(canvas.surface.clear(opaqueRed));
  ASSERT_TRUE(canvas.surface.setClipRect(0, 0, 20, 40));
  ASSERT_TRUE(canvas.surface.clear(0x80000000));
  EXPECT_TRUE(colourNear(canvas.at(5, 20), 0x80000000, 1));
  EXPECT_TRUE(colourNear(canvas.at(30, 20), opaqueRed));

  // A rectangle combined with a circle by exclusive or leaves the ring around it.
  DrawingPath circle;
  ASSERT_TRUE(circle.create());
  ASSERT_TRUE(circle.addEllipse(10, 10, 20, 20));
  ASSERT_TRUE(canvas.surface.setClipRect(0, 0, 40, 40));
  ASSERT_TRUE(canvas.surface.setClipPath(circle, Gdiplus::CombineModeXor));
  ASSERT_TRUE(canvas.surface.fillRectangle(green, 0, 0, 40, 40));
  EXPECT_TRUE(colourNear(canvas.at(2, 2), opaqueGreen));
  EXPECT_TRUE(colourNear(canvas.at(20, 20), opaqueRed)) << "the circle is cut out";

  ASSERT_TRUE(canvas.surface.resetClip());
  ASSERT_TRUE(canvas.surface.fillRectangle(green, 0, 0, 40, 40));
  EXPECT_TRUE(colourNear(canvas.at(20, 20), opaqueGreen));
}

TEST(Drawing, SurfaceOnAMemoryDcChangesItsPixels) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = 20;
  info.bmiHeader.biHeight = -20;  // top-down rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  OwnedBitmap section(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  ASSERT_TRUE(section);
  MemoryDC memory = MemoryDC::createCompatible();
  ScopedSelectObject selection(memory.get(), section.get());
  PatBlt(memory.get(), 0, 0, 20, 20, WHITENESS);
  GdiFlush();

  {
    DrawingSurface surface = DrawingSurface::fromHdc(memory.get());
    ASSERT_TRUE(surface);
    DrawingSolidBrush red(opaqueRed);
    ASSERT_TRUE(surface.fillRectangle(red, 5, 5, 10, 10));
    DrawingPen black(opaqueBlack, 1);
    ASSERT_TRUE(surface.drawLine(black, 0, 17, 20, 17));
  }
  GdiFlush();
  const auto* pixels = static_cast<const std::uint32_t*>(bits);
  auto rgb = [&](int x, int y) { return pixels[y * 20 + x] & 0xFFFFFFu; };
  EXPECT_EQ(rgb(10, 10), 0xFF0000u);
  EXPECT_EQ(rgb(2, 2), 0xFFFFFFu);
  EXPECT_EQ(rgb(10, 17), 0x000000u);
}

TEST(Drawing, TextIsDrawnInItsLayoutWithTheFormatsAlignment) {
  DrawingFontFamily family;
  ASSERT_TRUE(family.createGenericSansSerif());
  DrawingFont font(family, 16, 1, Gdiplus::UnitPixel);
  ASSERT_TRUE(font);
  EXPECT_FLOAT_EQ(font.size(), 16);
  EXPECT_EQ(font.style(), 1);
  EXPECT_EQ(font.unit(), 2);
  DrawingSolidBrush black(opaqueBlack);

  auto inkColumns = [&](const DrawingStringFormat& format) {
    Canvas canvas(120, 30);
    EXPECT_TRUE(canvas.surface.drawString("HH", font, black, RectF{0, 0, 120, 30}, format));
    int first = -1;
    int last = -1;
    for (int x = 0; x < 120; ++x) {
      if (inkedPixels(canvas, x, 0, x + 1, 30) > 0) {
        if (first < 0) first = x;
        last = x;
      }
    }
    return std::pair{first, last};
  };

  DrawingStringFormat centred;
  ASSERT_TRUE(centred.create());
  ASSERT_TRUE(centred.setAlignment(Gdiplus::StringAlignmentCenter));
  ASSERT_TRUE(centred.setLineAlignment(Gdiplus::StringAlignmentCenter));
  const auto [centreFirst, centreLast] = inkColumns(centred);
  ASSERT_GE(centreFirst, 0) << "some text was drawn";
  EXPECT_NEAR((centreFirst + centreLast) / 2.0, 60, 4);

  const DrawingStringFormat libraryDefault;  // empty: the library's own layout
  const auto [nearFirst, nearLast] = inkColumns(libraryDefault);
  ASSERT_GE(nearFirst, 0);
  EXPECT_LT(nearFirst, 8) << "near alignment starts at the left";

  Canvas canvas(10, 10);
  const RectF box = canvas.surface.measureString("HH", font, RectF{0, 0, 120, 30}, centred);
  EXPECT_GT(box.width, 10);
  EXPECT_LE(box.width, 120);
}

TEST(Drawing, FontFromADeviceContextReadsTheSelectedFont) {
  OwnedFont selected(
      CreateFontA(-16, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "DejaVu Sans"));
  MemoryDC memory = MemoryDC::createCompatible();
  ScopedSelectObject selection(memory.get(), selected.get());

  DrawingFont font;
  ASSERT_TRUE(font.createFromHdc(memory.get()));
  EXPECT_EQ(font.familyName(), "DejaVu Sans");
  EXPECT_NEAR(std::fabs(font.size()), 16, 0.5);
  EXPECT_EQ(font.style() & 1, 1) << "bold";
}

TEST(Drawing, MissingFamilyLeavesEmptyObjectsThatDrawNothing) {
  DrawingFontFamily family("No Such Family Anywhere");
  EXPECT_FALSE(family);
  EXPECT_EQ(lastDrawingStatus, Gdiplus::FontFamilyNotFound);

  DrawingFont font(family, 12);
  EXPECT_FALSE(font);
  Canvas canvas(40, 20);
  DrawingSolidBrush black(opaqueBlack);
  DrawingStringFormat format;
  ASSERT_TRUE(format.create());
  EXPECT_FALSE(canvas.surface.drawString("text", font, black, RectF{0, 0, 40, 20}, format));
  EXPECT_EQ(inkedPixels(canvas, 0, 0, 40, 20), 0);
}

TEST(Drawing, EveryCallLeavesItsStatus) {
  Canvas canvas(4, 4);
  const DrawingSolidBrush noBrush;
  const DrawingPen noPen;
  const DrawingPath noPath;
  DrawingBitmap noBitmap;

  EXPECT_FALSE(canvas.surface.fillRectangle(noBrush, 0, 0, 4, 4));
  EXPECT_EQ(lastDrawingStatus, Gdiplus::InvalidParameter);
  EXPECT_TRUE(canvas.surface.clear(opaqueRed));
  EXPECT_EQ(lastDrawingStatus, Gdiplus::Ok);
  EXPECT_FALSE(canvas.surface.drawPath(noPen, noPath));
  EXPECT_NE(lastDrawingStatus, Gdiplus::Ok);
  EXPECT_EQ(noBitmap.getPixel(0, 0), 0u);
  EXPECT_NE(lastDrawingStatus, Gdiplus::Ok);
  EXPECT_EQ(noBitmap.width(), 0u);
  EXPECT_TRUE(colourNear(canvas.at(2, 2), opaqueRed)) << "failed calls drew nothing";
}

TEST(Drawing, ObjectsAreCountedAndDeletedOnce) {
  const int before = liveDrawingObjectCount();
  {
    DrawingPen pen(opaqueRed, 2);
    DrawingSolidBrush brush(opaqueBlue);
    DrawingPath path;
    path.create();
    DrawingBitmap bitmap(4, 4);
    EXPECT_EQ(liveDrawingObjectCount(), before + 4);

    DrawingPen moved = std::move(pen);
    EXPECT_FALSE(pen);
    EXPECT_EQ(liveDrawingObjectCount(), before + 4);

    EXPECT_TRUE(brush.destroy());
    EXPECT_TRUE(brush.destroy()) << "nothing left to delete";
    EXPECT_EQ(liveDrawingObjectCount(), before + 3);

    Gdiplus::GpPath* given = path.release();
    EXPECT_EQ(liveDrawingObjectCount(), before + 2);
    DrawingPath adopted(given);
    EXPECT_EQ(adopted.pointCount(), 0);
    EXPECT_EQ(lastDrawingStatus, Gdiplus::Ok) << "the released path is still alive";
    EXPECT_EQ(liveDrawingObjectCount(), before + 3);
  }
  EXPECT_EQ(liveDrawingObjectCount(), before);
}

TEST(Drawing, StopWithoutTokenShutsDownOnlyOnce) {
  const ULONG_PTR running = drawingToken;
  // A nested start: the library counts starts, so a second shutdown of this token
  // would also end the instance every other test runs on (on Windows).
  const ULONG_PTR nested = startGdiPlus();
  ASSERT_NE(nested, 0u);
  EXPECT_EQ(drawingToken, nested);
  stopGdiPlus();
  EXPECT_EQ(drawingToken, 0u);
  stopGdiPlus();
  EXPECT_EQ(drawingToken, 0u);
  stopGdiPlus(0);
  drawingToken = running;

  DrawingBitmap stillWorking(2, 2);
  EXPECT_TRUE(stillWorking.setPixel(1, 1, opaqueRed));
  EXPECT_EQ(stillWorking.getPixel(1, 1), opaqueRed);
}

TEST(Drawing, TextGoesToTheLibraryAsUtf16AndComesBack) {
  EXPECT_EQ(toWideText("宋体"), std::wstring(L"\u5B8B\u4F53"));
  EXPECT_EQ(toAnsiText(L"\u5173\u95ED"), "关闭");
  EXPECT_EQ(toWideText(""), std::wstring());

  DrawingFontFamily family;
  ASSERT_TRUE(family.createGenericSansSerif());
  EXPECT_FALSE(family.name().empty());
  DrawingFontFamily byName(family.name());
  EXPECT_TRUE(byName) << "a family name read back finds the same family";

  DrawingStringFormat format;
  ASSERT_TRUE(format.create());
  DrawingPath outline;
  ASSERT_TRUE(outline.create());
  ASSERT_TRUE(outline.addString("关闭 OK", family, 0, 12, RectF{0, 0, 100, 20}, format));
  EXPECT_GT(outline.pointCount(), 8);
  const RectF bounds = outline.bounds();
  EXPECT_GE(bounds.x, 0);
  EXPECT_LE(bounds.x + bounds.width, 100);
}
