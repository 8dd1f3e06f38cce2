#include "skin/core/drawing_primitives.h"

#include <gtest/gtest.h>

#include <vector>

#include "skin/core/engine_state.h"
#include "draw/embedded_resources.h"
#include "skin/core/canvas.h"
#include "skin/core/skin_theme.h"
#include "skinned_window_fixture.h"
#include "support/pixels.h"

namespace skin {
namespace {

int alphaOf(draw::Argb colour) { return static_cast<int>(colour >> 24); }
std::uint32_t rgbOf(draw::Argb colour) { return colour & 0xFFFFFF; }

TEST(ToArgb, SwapsRedAndBlueAndTakesTheAlphaOnlyWhenAsked) {
  EXPECT_EQ(toArgb(0xDDCA22, 120, true), 0x7822CADDu);
  EXPECT_EQ(toArgb(0xDDCA22, 120, false), 0xFF22CADDu);
  EXPECT_EQ(toArgb(0x0000FF, 0, true), 0x00FF0000u);
  EXPECT_EQ(toArgb(0x01FFFFFF, 255, true), 0xFFFFFFFFu) << "bits above the colour are not part of it";
}

struct PathData {
  std::vector<draw::PointF> points;
  std::vector<std::uint8_t> types;
};

PathData roundedRect(float x, float y, float w, float h, int d) {
  draw::DrawingPath path;
  path.create();
  addRoundedRect(path, x, y, w, h, d);
  return {path.points(), path.types()};
}

bool samePoints(const PathData& a, const PathData& b) {
  if (a.points.size() != b.points.size() || a.types != b.types) return false;
  for (size_t i = 0; i < a.points.size(); ++i)
    if (a.points[i].x != b.points[i].x || a.points[i].y != b.points[i].y) return false;
  return true;
}

TEST(AddRoundedRect, ClampsTheCornerSizeToOneAndAHundred) {
  const float x = 4, y = 6, w = 300, h = 250;
  EXPECT_TRUE(samePoints(roundedRect(x, y, w, h, 0), roundedRect(x, y, w, h, 1)));
  EXPECT_TRUE(samePoints(roundedRect(x, y, w, h, -7), roundedRect(x, y, w, h, 1)));
  EXPECT_TRUE(samePoints(roundedRect(x, y, w, h, 500), roundedRect(x, y, w, h, 100)));
  EXPECT_FALSE(samePoints(roundedRect(x, y, w, h, 99), roundedRect(x, y, w, h, 100)));
}

TEST(AddRoundedRect, IsOneClosedFigureWithinTheRectangle) {
  draw::DrawingPath path;
  path.create();
  addRoundedRect(path, 10, 20, 60, 40, 8);
  const std::vector<std::uint8_t> types = path.types();
  ASSERT_FALSE(types.empty());
  EXPECT_EQ(types.front() & 0x7, 0) << "starts one figure";
  for (size_t i = 1; i < types.size(); ++i) EXPECT_NE(types[i] & 0x7, 0) << "no second figure at " << i;
  EXPECT_TRUE(types.back() & 0x80) << "closed";
  const draw::RectF bounds = path.bounds();
  EXPECT_FLOAT_EQ(bounds.x, 10);
  EXPECT_FLOAT_EQ(bounds.y, 20);
  EXPECT_FLOAT_EQ(bounds.x + bounds.width, 70);
  EXPECT_FLOAT_EQ(bounds.y + bounds.height, 60);
}

TEST(AddTopRoundedOutline, IsAnOpenFigureFromBottomLeftOverTheTopToBottomRight) {
  draw::DrawingPath path;
  path.create();
  addTopRoundedOutline(path, 5, 10, 50, 20, 6);
  const std::vector<draw::PointF> points = path.points();
  const std::vector<std::uint8_t> types = path.types();
  ASSERT_GE(points.size(), 6u);
  EXPECT_FLOAT_EQ(points.front().x, 5);
  EXPECT_FLOAT_EQ(points.front().y, 30);
  EXPECT_FLOAT_EQ(points.back().x, 55);
  EXPECT_FLOAT_EQ(points.back().y, 30);
  EXPECT_FALSE(types.back() & 0x80) << "left open";
  const draw::RectF bounds = path.bounds();
  EXPECT_FLOAT_EQ(bounds.y, 10);
  EXPECT_FLOAT_EQ(bounds.width, 50);
}

TEST(DrawGlowPath, IsStrongestOnThePathAndFadesOutwardsOverCountPixels) {
  draw::DrawingBitmap bitmap(60, 60);
  {
    draw::DrawingSurface surface = draw::DrawingSurface::fromImage(bitmap);
    draw::DrawingPath path;
    path.create();
    path.addRectangle(20, 20, 20, 20);
    drawGlowPath(surface, path, 4, 0x0000FF, 60);
  }
  const draw::Argb onPath = bitmap.getPixel(20, 30);
  const draw::Argb nearPath = bitmap.getPixel(19, 30);
  EXPECT_EQ(rgbOf(onPath), 0xFF0000u);
  EXPECT_GT(alphaOf(onPath), 60) << "strokes pile up on the path";
  EXPECT_GT(alphaOf(onPath), alphaOf(nearPath));
  EXPECT_GT(alphaOf(nearPath), 0);
  EXPECT_EQ(alphaOf(bitmap.getPixel(14, 30)), 0) << "nothing beyond the widest stroke";
  EXPECT_EQ(alphaOf(bitmap.getPixel(30, 30)), 0) << "the inside is not filled";
}

TEST(DrawGlowText, InksTheTextOverAHaloOfTheGlowColour) {
  draw::DrawingBitmap bitmap(120, 60);
  {
    draw::DrawingSurface surface = draw::DrawingSurface::fromImage(bitmap);
    GlowTextOptions options;
    options.family = "DejaVu Sans";
    options.size = 36;
    options.style = 1;
    drawGlowText(surface, "HH", 10, 5, 100, 50, 0x000000, 0xFFFFFF, options);
  }
  int ink = 0, halo = 0, other = 0;
  for (int y = 0; y < 60; ++y) {
    for (int x = 0; x < 120; ++x) {
      const draw::Argb p = bitmap.getPixel(x, y);
      if (alphaOf(p) == 0) continue;
      if (alphaOf(p) == 255 && rgbOf(p) == 0) ++ink;
      else if (rgbOf(p) == 0xFFFFFF) ++halo;
      else ++other;  // edges where the two meet
    }
  }
  EXPECT_GT(ink, 50);
  EXPECT_GT(halo, 50);
  EXPECT_EQ(alphaOf(bitmap.getPixel(2, 2)), 0) << "nothing left of the layout rectangle";
}

class TintGlyphTest : public testing::Test {
 protected:
  void TearDown() override { resetEngineState(); }
};

TEST_F(TintGlyphTest, DarkStrokesTakeTheThemeColourAndTheGroundStaysClear) {
  const draw::DrawingBitmap original =
      draw::DrawingBitmap::fromBytes(draw::loadResourceBytes("CHECK_MARK_PNG"));
  ASSERT_TRUE(original);
  ASSERT_EQ(original.width(), 13u);
  ASSERT_EQ(original.height(), 12u);

  for (COLORREF themeColour : {COLORREF{0xDDCA22}, COLORREF{0x2040F0}}) {
    SCOPED_TRACE(themeColour);
    theme().themeColour = themeColour;
    const draw::DrawingBitmap tinted = draw::DrawingBitmap::fromBytes(tintGlyph());
    ASSERT_TRUE(tinted);
    ASSERT_EQ(tinted.width(), 13u);
    int strokes = 0;
    for (int y = 0; y < 12; ++y) {
      for (int x = 0; x < 13; ++x) {
        const draw::Argb before = original.getPixel(x, y);
        const draw::Argb after = tinted.getPixel(x, y);
        if (alphaOf(before) == 0) {
          EXPECT_EQ(alphaOf(after), 0) << x << "," << y;
        } else if (rgbOf(before) == 0) {
          ++strokes;
          EXPECT_EQ(after, toArgb(themeColour, 255)) << x << "," << y;
        }
      }
    }
    EXPECT_GT(strokes, 5);
  }
}

TEST(MakeTranslucentBackground, IsTheBackgroundUnderAWhiteVeilAndBelongsToTheCaller) {
  test::SkinnedTestWindow skinned;
  const HWND edit = skinned.child("EDIT", 20, 30, 80, 24, WS_VISIBLE | WS_BORDER);
  theme().controlAlpha = 128;
  const int before = draw::liveGdiObjectCount();
  {
    const draw::OwnedBitmap bitmap = makeTranslucentBackground(edit);
    ASSERT_TRUE(bitmap);
    EXPECT_EQ(draw::liveGdiObjectCount(), before + 1);
    EXPECT_TRUE(canvasList().empty());
    BITMAP info{};
    GetObjectA(bitmap.get(), sizeof info, &info);
    RECT client{};
    GetClientRect(edit, &client);
    EXPECT_EQ(info.bmWidth, client.right);
    EXPECT_EQ(info.bmHeight, client.bottom);

    const draw::MemoryDC dc = draw::MemoryDC::createCompatible();
    const draw::ScopedSelectObject selected(dc.get(), bitmap.get());
    const std::uint32_t seen = testing_support::rgbAt(dc.get(), 10, 5);
    // The client area starts one pixel in, behind the flat border.
    const std::uint32_t behind = test::backgroundPixel(20 + 1 + 10, 30 + 1 + 5);
    for (int shift : {0, 8, 16}) {
      const int b = static_cast<int>((behind >> shift) & 0xFF);
      const int expected = b + (255 - b) * 128 / 255;
      EXPECT_NEAR(static_cast<int>((seen >> shift) & 0xFF), expected, 2) << "channel at bit " << shift;
    }
  }
  EXPECT_EQ(draw::liveGdiObjectCount(), before);
  resetTheme();
}

}  // namespace
}  // namespace skin
