#include "skin/window/theme_pictures.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "skin/core/engine_state.h"
#include "draw/drawing.h"
#include "draw/embedded_resources.h"
#include "framed_window_fixture.h"
#include "skin/core/skin_theme.h"
#include "skin/window/frame_background.h"
#include "skin/window/frame_renderer.h"

namespace skin {
namespace {

using test::FramedWindow;
using testing_support::rgbAt;
using testing_support::rgbNear;

bool isPng(const std::vector<std::uint8_t>& bytes) {
  return bytes.size() > 8 && bytes[0] == 0x89 && bytes[1] == 'P' && bytes[2] == 'N' && bytes[3] == 'G';
}

// A file in the temporary folder, removed again.
struct TemporaryFile {
  std::string path;
  explicit TemporaryFile(const std::vector<std::uint8_t>& bytes) {
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    path = std::string(folder) + "theme_picture_test.png";
    FILE* file = std::fopen(path.c_str(), "wb");
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
  }
  ~TemporaryFile() { DeleteFileA(path.c_str()); }
};

constexpr std::uint32_t pictureRgb = 0x208040;
constexpr COLORREF fadeColour = 0x0000FF;  // red as 0x00BBGGRR
constexpr std::uint32_t fadeRgb = 0xFF0000;

std::vector<std::uint8_t> flatPicture(int w = 200, int h = 100) { return testing_support::solidPng(w, h, 0xFF000000 | pictureRgb); }

// A flat BMP of 24 bits a pixel, which it decodes to again.
std::vector<std::uint8_t> flat24BitBmp(int w, int h) {
  draw::DrawingBitmap bitmap(w, h, PixelFormat24bppRGB);
  draw::DrawingSurface::fromImage(bitmap).clear(0xFF000000 | pictureRgb);
  return bitmap.saveToBytes(draw::bmpFormat);
}

// A flat BMP with a palette of one colour, which decodes paletted.
std::vector<std::uint8_t> flatPalettedBmp(int w, int h) {
  const int stride = (w + 3) & ~3;
  BITMAPFILEHEADER file{};
  BITMAPINFOHEADER info{};
  const RGBQUAD colour{pictureRgb & 0xFF, (pictureRgb >> 8) & 0xFF, (pictureRgb >> 16) & 0xFF, 0};
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = sizeof file + sizeof info + sizeof colour;
  file.bfSize = file.bfOffBits + stride * h;
  info.biSize = sizeof info;
  info.biWidth = w;
  info.biHeight = h;
  info.biPlanes = 1;
  info.biBitCount = 8;
  info.biClrUsed = 1;
  std::vector<std::uint8_t> bytes(file.bfSize);  // every pixel the palette's first colour
  std::memcpy(bytes.data(), &file, sizeof file);
  std::memcpy(bytes.data() + sizeof file, &info, sizeof info);
  std::memcpy(bytes.data() + sizeof file + sizeof info, &colour, sizeof colour);
  return bytes;
}

class ThemePicturesTest : public testing::Test {
 protected:
  void SetUp() override { resetEngineState(); }
  void TearDown() override { resetEngineState(); }
};

struct ThemeCase {
  const char* name;
  ThemeSettings settings;
  COLORREF themeColour;
  bool pictureKept;
  COLORREF baseColour;
  bool refreshed;
};

TEST_F(ThemePicturesTest, SettingsWithoutAPictureChangeOnlyWhatTheyName) {
  const std::vector<std::uint8_t> keptPicture = flatPicture(40, 20);
  const ThemeCase cases[] = {
      {"no arguments", {}, 0xDDCA22, true, 0x010203, false},
      {"only -1", {.themeColour = -1}, 0x123456, true, 0x010203, false},
      {"only a theme colour", {.themeColour = 0x00FF00}, 0x00FF00, true, 0x010203, false},
      {"only a base colour", {.baseColour = 0x3050A0}, 0xDDCA22, false, 0x3050A0, true},
      {"a base colour and -1", {.baseColour = 0x3050A0, .themeColour = -1}, 0x3050A0, false, 0x3050A0, true},
  };
  for (const ThemeCase& c : cases) {
    SCOPED_TRACE(c.name);
    theme().themeColour = 0x123456;
    theme().baseColour = 0x010203;
    theme().pictureMode = pictureCentred;
    theme().backgroundPicture = keptPicture;
    FramedWindow shown(200, 80);
    FramedWindow hidden(200, 80);
    ShowWindow(hidden.window(), SW_HIDE);
    UpdateWindow(shown.window());

    setSkinTheme(c.settings);

    EXPECT_EQ(theme().themeColour, c.themeColour);
    EXPECT_EQ(theme().baseColour, c.baseColour);
    EXPECT_EQ(theme().pictureMode, pictureCentred);
    EXPECT_EQ(theme().backgroundPicture.empty(), !c.pictureKept);
    EXPECT_EQ(!shown.record().frameDirty, c.refreshed);
    EXPECT_EQ(GetUpdateRect(shown.window(), nullptr, FALSE) != FALSE, c.refreshed);
    EXPECT_TRUE(hidden.record().frameDirty) << "hidden windows wait for their next render";
    if (c.refreshed) {
      ASSERT_TRUE(shown.background());
      const COLORREF base = c.baseColour;
      EXPECT_EQ(rgbAt(shown.background(), 100, 50),
                static_cast<std::uint32_t>(GetRValue(base) << 16 | GetGValue(base) << 8 | GetBValue(base)));
    }
  }
}

TEST_F(ThemePicturesTest, PictureBytesWithoutModeAreKeptAsTheyAreAndGiveTheirAverage) {
  const std::vector<std::uint8_t> jpeg = draw::loadResourceBytes("BACKGROUND_JPG");
  ASSERT_FALSE(jpeg.empty());
  FramedWindow shown(200, 80);

  setSkinTheme({.pictureBytes = jpeg, .themeColour = -1});

  EXPECT_EQ(theme().pictureMode, pictureAtOrigin);
  EXPECT_EQ(theme().backgroundPicture, jpeg) << "JPEG stays JPEG";
  const COLORREF average = averageColour({.bytes = jpeg}, 2000);
  EXPECT_EQ(theme().baseColour, average);
  EXPECT_EQ(theme().themeColour, average);
  EXPECT_NE(average, 0u);
  EXPECT_FALSE(shown.record().frameDirty) << "visible windows show the new picture";

  setSkinTheme({.pictureBytes = jpeg, .themeColour = 0xFF8800, .pictureMode = pictureStretched});
  EXPECT_EQ(theme().baseColour, average) << "the same picture gives the same colour all day";
  EXPECT_EQ(theme().themeColour, 0xFF8800u);
  EXPECT_EQ(theme().pictureMode, pictureStretched);
}

TEST_F(ThemePicturesTest, TheFirstRenderPlacesThePictureDecodedForTheAverageAsItsOwnDecodeWould) {
  const std::vector<std::uint8_t> jpeg = draw::loadResourceBytes("BACKGROUND_JPG");
  FramedWindow window(200, 80);
  ShowWindow(window.window(), SW_HIDE);  // the render below is the first

  setSkinTheme({.pictureBytes = jpeg, .themeColour = 0xFF8800, .pictureMode = pictureStretched});
  EXPECT_FALSE(takeDecodedThemePicture(flatPicture())) << "other bytes take nothing";
  renderWindowFrame(window.index());
  const std::vector<std::uint32_t> placedDecoded = test::snapshot(window.background());
  EXPECT_FALSE(takeDecodedThemePicture(jpeg)) << "the render took it";

  discardKeptPicture(window.index());
  renderWindowFrame(window.index());
  EXPECT_TRUE(test::samePixels(test::snapshot(window.background()), placedDecoded, 200));
}

TEST_F(ThemePicturesTest, ThePathWinsOverTheBytesAndIsStoredAsPng) {
  const std::vector<std::uint8_t> fromFile = testing_support::solidPng(64, 32, 0xFF2060A0);
  TemporaryFile file(draw::DrawingBitmap::fromBytes(fromFile).saveToBytes(draw::jpegFormat));
  FramedWindow shown(200, 80);

  setSkinTheme({.picturePath = file.path, .pictureBytes = flatPicture(), .pictureMode = pictureStretched});

  ASSERT_TRUE(isPng(theme().backgroundPicture));
  const draw::DrawingBitmap stored = draw::DrawingBitmap::fromBytes(theme().backgroundPicture);
  EXPECT_EQ(stored.width(), 64u);
  EXPECT_EQ(stored.height(), 32u);
  EXPECT_TRUE(rgbNear(stored.getPixel(32, 16), 0x2060A0, 6));
  // The average of a flat picture is its colour, less the samples that fall just outside.
  EXPECT_TRUE(rgbNear(RGB(GetBValue(theme().baseColour), GetGValue(theme().baseColour), GetRValue(theme().baseColour)),
                      0x2060A0, 10));
  EXPECT_TRUE(rgbNear(rgbAt(shown.background(), 100, 50), 0x2060A0, 6));
}

TEST_F(ThemePicturesTest, AverageColourSamplesTheWholePictureTheSameWayAllDay) {
  struct Case {
    const char* name;
    std::vector<std::uint8_t> picture;
    std::uint32_t expectedRgb;
    int tolerance;
  };
  const Case cases[] = {
      {"flat", flatPicture(), pictureRgb, 4},
      // Three bytes a pixel, and rows padded to whole words.
      {"flat, 24 bits a pixel", flat24BitBmp(201, 100), pictureRgb, 4},
      {"flat, paletted", flatPalettedBmp(201, 100), pictureRgb, 4},
      {"black and white halves", testing_support::twoColourPng(100, 100, 0xFF000000, 0xFFFFFFFF), 0x7F7F7F, 14},
      // The draws run one past the last pixel, which reads as black: 7 of 16 miss a 4 x 4 picture.
      {"small white", testing_support::solidPng(4, 4, 0xFFFFFFFF), 0x8F8F8F, 14},
      {"single pixel", testing_support::solidPng(1, 1, 0xFFFFFFFF), 0, 0},
      {"not a picture", {1, 2, 3, 4}, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const COLORREF average = averageColour({.bytes = c.picture}, 2000);
    EXPECT_TRUE(rgbNear(RGB(GetBValue(average), GetGValue(average), GetRValue(average)), c.expectedRgb, c.tolerance));
    EXPECT_EQ(averageColour({.bytes = c.picture}, 2000), average);
  }
  EXPECT_EQ(draw::DrawingBitmap::fromBytes(cases[1].picture).pixelFormat(), PixelFormat24bppRGB);
  EXPECT_EQ(draw::DrawingBitmap::fromBytes(cases[2].picture).pixelFormat(), PixelFormat8bppIndexed);
  const std::vector<std::uint8_t> halves = testing_support::twoColourPng(100, 100, 0xFF000000, 0xFFFFFFFF);
  TemporaryFile file(halves);
  EXPECT_EQ(averageColour({.path = file.path}, 2000), averageColour({.bytes = halves}, 2000));
  EXPECT_EQ(averageColour({.bytes = halves}, 0), 0u);
}

struct FadeCase {
  const char* name;
  std::optional<int> fadeLength;
  std::optional<bool> rightEdge;
  std::vector<POINT> untouched;
  std::vector<POINT> touched;  // on the way to the colour
  std::vector<POINT> faded;    // all but reached the colour
};

TEST_F(ThemePicturesTest, FadingBlendsTwoEdgesIntoTheColour) {
  const FadeCase cases[] = {
      {"right and bottom, 60 of 200", std::nullopt, std::nullopt,
       {{100, 20}, {140, 20}, {100, 40}, {0, 0}},
       {{150, 20}, {100, 50}},
       {{199, 20}, {100, 99}, {199, 99}}},
      {"left and bottom", std::nullopt, false,
       {{100, 20}, {199, 20}, {100, 40}},
       {{45, 20}, {100, 50}},
       {{0, 20}, {100, 99}}},
      {"given length", 20, std::nullopt,
       {{170, 20}, {100, 75}, {150, 50}},
       {{185, 20}, {100, 85}},
       {{199, 20}, {100, 99}}},
  };
  for (const FadeCase& c : cases) {
    SCOPED_TRACE(c.name);
    const std::vector<std::uint8_t> bytes = fadePictureEdges({.bytes = flatPicture()}, c.fadeLength, fadeColour, c.rightEdge);
    ASSERT_TRUE(isPng(bytes));
    const draw::DrawingBitmap faded = draw::DrawingBitmap::fromBytes(bytes);
    ASSERT_EQ(faded.width(), 200u);
    ASSERT_EQ(faded.height(), 100u);
    for (const POINT p : c.untouched) EXPECT_TRUE(rgbNear(faded.getPixel(p.x, p.y), pictureRgb, 1)) << p.x << "," << p.y;
    for (const POINT p : c.touched) EXPECT_FALSE(rgbNear(faded.getPixel(p.x, p.y), pictureRgb, 10)) << p.x << "," << p.y;
    for (const POINT p : c.faded) EXPECT_TRUE(rgbNear(faded.getPixel(p.x, p.y), fadeRgb, 16)) << p.x << "," << p.y;
  }
  EXPECT_TRUE(fadePictureEdges({.bytes = {1, 2, 3}}, std::nullopt, fadeColour).empty());
}

TEST_F(ThemePicturesTest, ModesZeroAndOneStoreTheFadedPicture) {
  setSkinTheme({.pictureBytes = flatPicture(), .baseColour = fadeColour, .pictureMode = pictureAtOriginFadedRight});
  ASSERT_TRUE(isPng(theme().backgroundPicture));
  draw::DrawingBitmap stored = draw::DrawingBitmap::fromBytes(theme().backgroundPicture);
  EXPECT_TRUE(rgbNear(stored.getPixel(199, 20), fadeRgb, 16));
  EXPECT_TRUE(rgbNear(stored.getPixel(0, 20), pictureRgb, 1));
  EXPECT_TRUE(rgbNear(stored.getPixel(100, 99), fadeRgb, 16));

  setSkinTheme({.pictureBytes = flatPicture(), .baseColour = fadeColour, .pictureMode = pictureAtTopRightFadedLeft});
  stored = draw::DrawingBitmap::fromBytes(theme().backgroundPicture);
  EXPECT_TRUE(rgbNear(stored.getPixel(0, 20), fadeRgb, 16));
  EXPECT_TRUE(rgbNear(stored.getPixel(199, 20), pictureRgb, 1));
  EXPECT_EQ(theme().baseColour, fadeColour);
}

}  // namespace
}  // namespace skin
