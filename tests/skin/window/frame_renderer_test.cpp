#include "skin/window/caption_title.h"
#include "skin/window/frame_background.h"
#include "skin/window/frame_renderer.h"
#include "skin/window/status_bar_painter.h"
#include "skin/window/title_button_painter.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>

#include "skin/core/engine_state.h"
#include "draw/gdi_handles.h"
#include "framed_window_fixture.h"
#include "skin/core/control_properties.h"
#include "skin/core/skin_theme.h"

namespace skin {
namespace {

using test::changedArea;
using test::FramedWindow;
using test::samePixels;
using test::snapshot;
using testing_support::blue;
using testing_support::green;
using testing_support::red;
using testing_support::rgbAt;
using testing_support::rgbNear;

constexpr std::uint32_t grey = 0x404040;

// colour (0x00RRGGBB) at opacity alpha over an opaque pixel.
std::uint32_t over(std::uint32_t below, std::uint32_t colour, int alpha) {
  const auto mix = [alpha](int b, int c) { return b + (c - b) * alpha / 255; };
  return (mix(red(below), red(colour)) << 16) | (mix(green(below), green(colour)) << 8) |
         mix(blue(below), blue(colour));
}

bool contains(const RECT& outer, const RECT& inner) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

std::string text(const RECT& r) {
  return "(" + std::to_string(r.left) + ", " + std::to_string(r.top) + ", " + std::to_string(r.right) + ", " +
         std::to_string(r.bottom) + ")";
}

// Each test starts from a flat grey theme picture stretched over the client area.
class FrameRendererTest : public testing::Test {
 protected:
  void SetUp() override {
    resetEngineState();
    theme().backgroundPicture = testing_support::solidPng(40, 20, 0xFF000000 | grey);
    theme().pictureMode = pictureStretched;
  }
  void TearDown() override { resetEngineState(); }
};

TEST_F(FrameRendererTest, TheStretchedPictureFillsTheClientAreaUnderTheOutline) {
  theme().backgroundPicture = testing_support::twoColourPng(40, 20, 0xFFC03020, 0xFF2040C0);
  theme().baseColour = 0x00FF00;
  theme().programIcon = static_cast<HICON>(
      LoadImageA(GetModuleHandleA(nullptr), "DEFAULT_ICON", IMAGE_ICON, 32, 32, LR_DEFAULTCOLOR));
  FramedWindow framed(300, 120);
  const SkinnedWindowRecord& record = framed.record();

  renderWindowFrame(framed.index());
  DestroyIcon(theme().programIcon);

  const OffscreenImage& image = framed.background();
  ASSERT_EQ(image.width(), 300);
  ASSERT_EQ(image.height(), 120);
  EXPECT_TRUE(rgbNear(rgbAt(image, 75, 60), 0xC03020, 2));
  EXPECT_TRUE(rgbNear(rgbAt(image, 250, 90), 0x2040C0, 2));
  EXPECT_TRUE(rgbNear(rgbAt(image, 5, 60), 0xC03020, 2)) << "inside the outline";
  // With the caption band's defaults nothing lies between the picture and the caption.
  EXPECT_TRUE(rgbNear(rgbAt(image, 60, 12), 0xC03020, 2));
  // The icon's 17 x 17 place at (9, 4): its transparent corner shows the picture.
  EXPECT_TRUE(rgbNear(rgbAt(image, 9, 4), 0xC03020, 2));
  EXPECT_FALSE(rgbNear(rgbAt(image, 17, 12), 0xC03020, 40)) << "icon drawn";
  EXPECT_TRUE(rgbNear(rgbAt(image, 0, 60), over(0xC03020, 0x000000, 180), 12)) << "black outer outline";
  EXPECT_TRUE(rgbNear(rgbAt(image, 150, 0), over(0x2040C0, 0x000000, 180), 12));

  EXPECT_FALSE(record.frameDirty);
  EXPECT_EQ(record.frameWidth, 300);
  EXPECT_EQ(record.frameHeight, 120);
  EXPECT_TRUE(samePixels(snapshot(record.windowImage), snapshot(image), 300));
  EXPECT_EQ(rgbAt(record.captionCache, 60, 12), rgbAt(image, 60, 12));
  EXPECT_EQ(GetPropA(framed.window(), props::originalBackgroundBitmapKey), image.originalBitmap());
}

TEST_F(FrameRendererTest, AnIconWithoutAlphaIsDrawnThroughItsMask) {
  // 17 x 17 of solid green whose mask leaves the left columns transparent.
  draw::OwnedBitmap colour(draw::createDibSection(17, 17));
  {
    draw::MemoryDC dc = draw::MemoryDC::createCompatible();
    draw::ScopedSelectObject selected(dc.get(), colour.get());
    draw::OwnedBrush green(CreateSolidBrush(RGB(0, 0xC0, 0)));
    const RECT all{0, 0, 17, 17};
    FillRect(dc.get(), &all, green.get());
  }
  draw::OwnedBitmap mask(CreateBitmap(17, 17, 1, 1, nullptr));
  {
    draw::MemoryDC dc = draw::MemoryDC::createCompatible();
    draw::ScopedSelectObject selected(dc.get(), mask.get());
    PatBlt(dc.get(), 0, 0, 17, 17, BLACKNESS);
    PatBlt(dc.get(), 0, 0, 8, 17, WHITENESS);
  }
  ICONINFO parts{TRUE, 0, 0, mask.get(), colour.get()};
  theme().programIcon = CreateIconIndirect(&parts);
  ASSERT_TRUE(theme().programIcon);
  FramedWindow framed(300, 120);

  renderWindowFrame(framed.index());

  EXPECT_TRUE(rgbNear(rgbAt(framed.background(), 9 + 3, 4 + 8), grey, 2)) << "masked out";
  EXPECT_TRUE(rgbNear(rgbAt(framed.background(), 9 + 13, 4 + 8), 0x00C000, 2));
  DestroyIcon(theme().programIcon);
}

struct BandCase {
  const char* name;
  int colour;  // 0x00BBGGRR, negative for none
  bool band;
  int alpha;
  std::uint32_t colourRgb;  // the same colour as 0x00RRGGBB, for the expectations
};

TEST_F(FrameRendererTest, CaptionBandTintsTheBodyAndShadesTheCaption) {
  const BandCase cases[] = {
      {"defaults", -1, false, 255, 0},
      {"black tint with white gloss", 0, true, 128, 0x000000},
      {"red over everything", 0x0000FF, false, 255, 0xFF0000},
      {"green tint with green band", 0x00FF00, true, 200, 0x00FF00},
  };
  for (const BandCase& c : cases) {
    SCOPED_TRACE(c.name);
    FramedWindow framed(300, 120);
    SkinnedWindowRecord& record = framed.record();
    record.showTitle = false;
    record.captionBandColour = c.colour;
    record.captionBand = c.band;
    record.captionBandAlpha = c.alpha;

    renderWindowFrame(framed.index());

    const std::uint32_t body = c.colour < 0 ? grey : over(grey, c.colourRgb, c.alpha);
    EXPECT_TRUE(rgbNear(rgbAt(framed.background(), 60, 80), body, 3));
    for (const int y : {5, 20}) {
      SCOPED_TRACE(y);
      std::uint32_t expected = c.colour < 0 || !c.band ? body : grey;
      if (c.band) {
        const double t = (y + 0.5) / 25.0;
        const int from = c.colour > 0 ? c.alpha / 5 : 150;
        const int to = c.colour > 0 ? c.alpha : 0;
        expected = over(grey, c.colour > 0 ? c.colourRgb : 0xFFFFFF, static_cast<int>(from + (to - from) * t));
      }
      EXPECT_TRUE(rgbNear(rgbAt(framed.background(), 60, y), expected, 12));
    }
  }
}

struct ButtonLookCase {
  const char* name;
  int button;
  bool pressed;
  int opacity;
  POINT offset;  // from the button's top-left corner as drawn
  std::function<bool(std::uint32_t)> looksRight;
};

TEST_F(FrameRendererTest, PressedAndHoveredButtonsTakeTheirColours) {
  theme().themeColour = 0xFF8800;  // 0x00BBGGRR: a strong blue
  const auto redDominates = [](std::uint32_t c) { return red(c) > 180 && green(c) < 120 && blue(c) < 120; };
  const auto notRed = [](std::uint32_t c) { return std::abs(red(c) - green(c)) < 30; };
  const auto darkerGrey = [](std::uint32_t c) { return red(c) < 0x40 && std::abs(red(c) - green(c)) < 10; };
  const auto themeBlue = [](std::uint32_t c) { return blue(c) > red(c) + 60; };
  const ButtonLookCase cases[] = {
      {"close pressed", 2, true, 0, {3, 2}, redDominates},
      {"minimise pressed", 1, true, 0, {3, 2}, darkerGrey},
      {"close hovered", 2, false, 240, {3, 3}, redDominates},
      {"close hovered, rounded top-right corner", 2, false, 240, {37, 0}, notRed},
      {"close hovered, square top-left corner", 2, false, 240, {1, 1}, redDominates},
      {"minimise hovered", 1, false, 240, {3, 3}, themeBlue},
      {"close normal", 2, false, 0, {3, 3}, notRed},
  };
  FramedWindow framed(300, 120);
  renderWindowFrame(framed.index());
  for (const ButtonLookCase& c : cases) {
    SCOPED_TRACE(c.name);
    paintTitleButton(framed.index(), c.button, nullptr, c.pressed, c.opacity);
    const RECT area = titleButtonRect(framed.record(), c.button);
    const std::uint32_t pixel = rgbAt(framed.background(), area.left + 1 + c.offset.x, area.top + c.offset.y);
    EXPECT_TRUE(c.looksRight(pixel)) << std::hex << pixel;
    paintTitleButton(framed.index(), c.button);
  }
}

TEST_F(FrameRendererTest, TheMaximiseButtonShowsTheRestoreGlyphExactlyWhileMaximised) {
  FramedWindow framed(300, 120, test::minimiseMaximiseAndClose);
  SkinnedWindowRecord& record = framed.record();
  constexpr std::uint32_t maximiseGreen = 0x00C000, restoreBlue = 0x0000C0;
  record.titleButtons[1].image = testing_support::solidPng(26, 18, 0xFF000000 | maximiseGreen);
  record.titleButtons[1].altImage = testing_support::solidPng(26, 18, 0xFF000000 | restoreBlue);
  const POINT centre = framed.buttonCentre(2);
  const auto glyphAtCentre = [&] { return rgbAt(framed.background(), centre.x, centre.y); };

  renderWindowFrame(framed.index());
  EXPECT_EQ(glyphAtCentre(), maximiseGreen);

  record.maximised = true;
  paintTitleButton(framed.index(), 2);
  EXPECT_EQ(glyphAtCentre(), restoreBlue);
  paintTitleButton(framed.index(), 2, nullptr, false, 150);
  EXPECT_EQ(glyphAtCentre(), restoreBlue);
  paintTitleButton(framed.index(), 2, nullptr, true);
  EXPECT_EQ(glyphAtCentre(), restoreBlue);
  renderWindowFrame(framed.index());
  EXPECT_EQ(glyphAtCentre(), restoreBlue);

  record.maximised = false;
  paintTitleButton(framed.index(), 2, nullptr, false, 90);
  EXPECT_EQ(glyphAtCentre(), maximiseGreen);
}

TEST_F(FrameRendererTest, ALongTitleStaysInTheTitleAreaAndNeverReachesTheButtons) {
  std::string longTitle;
  for (int i = 0; i < 40; ++i) longTitle += "很长的窗口标题 Long title ";
  FramedWindow framed(300, 120);
  renderWindowFrame(framed.index());
  const auto untitled = snapshot(framed.background());
  const RECT titleArea = captionTitleRect(framed.record(), 300);
  ASSERT_LT(titleArea.right, framed.record().buttonStrip.x);
  ASSERT_LE(titleArea.bottom, 25);

  SetWindowTextA(framed.window(), longTitle.c_str());
  renderWindowFrame(framed.index());
  RECT changed = changedArea(untitled, snapshot(framed.background()), 300);
  EXPECT_FALSE(IsRectEmpty(&changed)) << "the title was drawn";
  EXPECT_TRUE(contains(titleArea, changed)) << text(changed) << " outside " << text(titleArea);

  // A title change repaints the strip on its own, over a clean caption.
  paintCaptionTitle(framed.index(), nullptr, std::string("短"));
  const auto shortTitle = snapshot(framed.background());
  changed = changedArea(untitled, shortTitle, 300);
  EXPECT_TRUE(contains(titleArea, changed)) << text(changed);
  paintCaptionTitle(framed.index(), nullptr, longTitle);
  paintCaptionTitle(framed.index(), nullptr, std::string("短"));
  EXPECT_TRUE(samePixels(snapshot(framed.background()), shortTitle, 300)) << "no shadow piles up";
}

TEST_F(FrameRendererTest, AButtonRepaintTouchesOnlyThatButtonAndTheNormalLookComesBackExactly) {
  FramedWindow framed(300, 120, test::minimiseMaximiseAndClose, "标题");
  renderWindowFrame(framed.index());
  const auto normal = snapshot(framed.background());
  const std::function<void(int)> repaints[] = {
      [&](int n) { paintTitleButton(framed.index(), n, nullptr, false, 120); },
      [&](int n) { paintTitleButton(framed.index(), n, nullptr, true); },
      [&](int n) {
        for (int step = 1; step <= 8; ++step) paintTitleButton(framed.index(), n, nullptr, false, step * 30);
        for (int step = 1; step <= 7; ++step) paintTitleButton(framed.index(), n, nullptr, false, 240 - step * 30);
      },
  };
  for (int n = 1; n <= 3; ++n) {
    SCOPED_TRACE(n);
    const RECT button = titleButtonRect(framed.record(), n);
    for (const auto& repaint : repaints) {
      repaint(n);
      const RECT changed = changedArea(normal, snapshot(framed.background()), 300);
      EXPECT_FALSE(IsRectEmpty(&changed));
      EXPECT_TRUE(contains(button, changed)) << text(changed) << " outside " << text(button);
      paintTitleButton(framed.index(), n);
      EXPECT_TRUE(samePixels(snapshot(framed.background()), normal, 300));
    }
  }
}

TEST_F(FrameRendererTest, AButtonRepaintReachesTheWindow) {
  FramedWindow framed(300, 120);
  renderWindowFrame(framed.index());  // off screen only
  UpdateWindow(framed.window());
  paintTitleButton(framed.index(), 2, nullptr, true);

  draw::WindowDC screen = draw::WindowDC::client(framed.window());
  const POINT inside{framed.buttonCentre(2).x - 15, 4};
  const COLORREF shown = GetPixel(screen.get(), inside.x, inside.y);
  EXPECT_EQ((GetRValue(shown) << 16) | (GetGValue(shown) << 8) | GetBValue(shown),
            rgbAt(framed.background(), inside.x, inside.y));
}

TEST_F(FrameRendererTest, RenderingWithATargetClipsTheWindowAndInvalidatesItsSkinnedControls) {
  FramedWindow framed(300, 120);
  const HWND control = CreateWindowExA(0, "BUTTON", "ok", WS_CHILD | WS_VISIBLE, 100, 60, 60, 24, framed.window(),
                                       nullptr, nullptr, nullptr);
  SkinnedWindowRecord& record = framed.record();
  record.buttons.at(record.buttons.takeSlot())->window = control;
  UpdateWindow(framed.window());
  ValidateRect(control, nullptr);
  draw::OwnedRegion region(CreateRectRgn(0, 0, 0, 0));

  renderWindowFrame(framed.index());
  EXPECT_EQ(GetWindowRgn(framed.window(), region.get()), ERROR) << "no region without a target";
  EXPECT_FALSE(GetUpdateRect(control, nullptr, FALSE));

  renderWindowFrame(framed.index(), nullptr);
  ASSERT_NE(GetWindowRgn(framed.window(), region.get()), ERROR);
  EXPECT_FALSE(PtInRegion(region.get(), 0, 0)) << "rounded corner";
  EXPECT_TRUE(PtInRegion(region.get(), 150, 60));
  EXPECT_TRUE(PtInRegion(region.get(), 299, 60));
  EXPECT_TRUE(GetUpdateRect(control, nullptr, FALSE));

  // A given target receives the whole frame.
  draw::MemoryDC memory = draw::MemoryDC::createCompatible();
  draw::OwnedBitmap bitmap(draw::createDibSection(300, 120));
  draw::ScopedSelectObject selected(memory.get(), bitmap.get());
  renderWindowFrame(framed.index(), memory.get());
  EXPECT_EQ(GetPixel(memory.get(), 60, 80), RGB(0x40, 0x40, 0x40));
  PatBlt(memory.get(), 0, 0, 300, 120, WHITENESS);
  presentFrame(framed.index(), memory.get());
  EXPECT_EQ(GetPixel(memory.get(), 60, 80), RGB(0x40, 0x40, 0x40));
  DestroyWindow(control);
}

TEST_F(FrameRendererTest, StatusBarPartsArePaintedOverTheBarAndRepaintCleanly) {
  FramedWindow framed(300, 120);
  SkinnedWindowRecord& record = framed.record();
  record.statusBarHeight = 20;
  record.statusBarRect = PixelRect{3, 96, 294, 20};
  record.statusParts = {StatusPart{100, "就绪", {}, 0xFFFFFF},
                        StatusPart{-1, "图", testing_support::solidPng(40, 40, 0xFF00C000), 0xFFFFFF}};
  record.statusPartRects = {PixelRect{3, 96, 100, 20}, PixelRect{103, 96, 194, 20}};

  renderWindowFrame(framed.index());
  const auto rendered = snapshot(framed.background());
  EXPECT_GT(red(rgbAt(framed.background(), 90, 99)), 0x40 + 10) << "white veil over the part";
  EXPECT_TRUE(rgbNear(rgbAt(framed.background(), 60, 80), grey, 2)) << "above the bar";
  // A picture as tall as the bar shrinks to a square of 0.7 of its height.
  EXPECT_EQ(green(rgbAt(framed.background(), 105 + 6, 96 + 10)), 0xC0);
  EXPECT_NE(green(rgbAt(framed.background(), 105 + 16, 96 + 10)), 0xC0);

  for (int i = 0; i < 3; ++i) paintStatusBarPart(framed.index(), 1);
  EXPECT_TRUE(samePixels(snapshot(framed.background()), rendered, 300));
  record.statusParts[0].text = "忙";
  paintStatusBarPart(framed.index(), 1);
  const RECT changed = changedArea(rendered, snapshot(framed.background()), 300);
  EXPECT_TRUE(contains(RECT{3, 96, 103, 116}, changed)) << text(changed);
}

// An uncompressed picture: two of the same size have the same length.
std::vector<std::uint8_t> bmpOf(const std::vector<std::uint8_t>& png) {
  return draw::DrawingBitmap::fromBytes(png).saveToBytes(draw::bmpFormat);
}

TEST_F(FrameRendererTest, TheKeptPictureGivesTheSamePixelsAndFollowsEveryChange) {
  const std::vector<std::uint8_t> picture = bmpOf(testing_support::solidPng(40, 20, 0xFF000000 | grey));
  const std::vector<std::uint8_t> other = bmpOf(testing_support::twoColourPng(40, 20, 0xFF802040, 0xFF208040));
  ASSERT_EQ(picture.size(), other.size());
  struct Change {
    const char* name;
    std::function<void(FramedWindow&)> apply;
  };
  const Change changes[] = {
      {"nothing", [](FramedWindow&) {}},
      {"theme picture", [&](FramedWindow&) { theme().backgroundPicture = other; }},
      {"picture mode", [](FramedWindow&) { theme().pictureMode = pictureCentred; }},
      {"base colour", [](FramedWindow&) {
         theme().pictureMode = pictureCentred;
         theme().baseColour = 0x2080FF;
       }},
      {"own picture", [&](FramedWindow& framed) {
         framed.record().ownPicture = other;
         framed.record().ownPictureMode = pictureAtOrigin;
         framed.record().ownBaseColour = 0x00FF00;
       }},
      {"size", [](FramedWindow& framed) {
         SetWindowPos(framed.window(), nullptr, 0, 0, 260, 100, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
         layoutTitleButtons(framed.index());
       }},
  };
  for (const Change& change : changes) {
    SCOPED_TRACE(change.name);
    theme().backgroundPicture = picture;
    theme().pictureMode = pictureStretched;
    theme().baseColour = 0;
    FramedWindow framed(300, 120, test::minimiseAndClose, "标题");
    renderWindowFrame(framed.index());
    paintTitleButton(framed.index(), 2, nullptr, false, 120);
    const auto before = snapshot(framed.background());

    change.apply(framed);
    const auto renderAndHover = [&] {
      renderWindowFrame(framed.index());
      paintTitleButton(framed.index(), 2, nullptr, false, 120);
    };
    renderAndHover();
    renderAndHover();  // drawn from what the first one kept
    const auto kept = snapshot(framed.background());
    discardKeptPicture(framed.index());
    renderAndHover();
    EXPECT_TRUE(samePixels(snapshot(framed.background()), kept, framed.background().width()));
    EXPECT_EQ(kept == before, std::string(change.name) == "nothing");
  }
}

TEST_F(FrameRendererTest, RepaintsFollowWhatTheyAreDrawnFrom) {
  struct Case {
    const char* name;
    std::function<void(FramedWindow&)> paint;
    std::function<void(FramedWindow&)> change;
  };
  const auto hoverMinimise = [](FramedWindow& framed) { paintTitleButton(framed.index(), 1, nullptr, false, 240); };
  const auto title = [](FramedWindow& framed) { paintCaptionTitle(framed.index()); };
  const Case cases[] = {
      {"theme colour", hoverMinimise, [](FramedWindow&) { theme().themeColour = 0x00C000; }},
      {"glyph", hoverMinimise,
       [](FramedWindow& framed) { framed.record().titleButtons[0].image = testing_support::solidPng(26, 18, 0xFF00C000); }},
      {"title colour", title, [](FramedWindow& framed) { framed.record().titleColour = 0x0000FF; }},
      {"title text", title, [](FramedWindow& framed) { SetWindowTextA(framed.window(), "另一个标题"); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    theme().themeColour = 0xFF8800;
    FramedWindow framed(300, 120, test::minimiseAndClose, "标题");
    renderWindowFrame(framed.index());
    c.paint(framed);
    const auto before = snapshot(framed.background());

    c.change(framed);
    c.paint(framed);
    const auto after = snapshot(framed.background());
    EXPECT_NE(after, before);
    discardKeptPicture(framed.index());
    renderWindowFrame(framed.index());
    c.paint(framed);
    EXPECT_TRUE(samePixels(snapshot(framed.background()), after, 300)) << "a fresh repaint looks the same";
  }
}

TEST_F(FrameRendererTest, RepeatedRendersAndRepaintsLeaveNoObjectsBehind) {
  theme().programIcon = static_cast<HICON>(
      LoadImageA(GetModuleHandleA(nullptr), "DEFAULT_ICON", IMAGE_ICON, 32, 32, LR_DEFAULTCOLOR));
  FramedWindow framed(300, 120, test::minimiseMaximiseAndClose, "标题");
  SkinnedWindowRecord& record = framed.record();
  record.statusBarHeight = 20;
  record.statusBarRect = PixelRect{3, 96, 294, 20};
  record.statusParts = {StatusPart{-1, "就绪", {}, 0xFFFFFF}};
  record.statusPartRects = {PixelRect{3, 96, 294, 20}};
  renderWindowFrame(framed.index(), nullptr);
  const int gdiObjects = draw::liveGdiObjectCount();
  const int drawingObjects = draw::liveDrawingObjectCount();

  for (int i = 0; i < 5; ++i) {
    const int width = i % 2 ? 300 : 280;
    SetWindowPos(framed.window(), nullptr, 0, 0, width, 120, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    layoutTitleButtons(framed.index());
    renderWindowFrame(framed.index(), nullptr);
    renderWindowFrame(framed.index());
    presentFrame(framed.index());
    paintCaptionTitle(framed.index());
    paintStatusBarPart(framed.index(), 1);
    for (int n = 1; n <= 3; ++n) {
      paintTitleButton(framed.index(), n, nullptr, false, 150);
      paintTitleButton(framed.index(), n, nullptr, true);
    }
  }

  EXPECT_EQ(draw::liveGdiObjectCount(), gdiObjects);
  EXPECT_EQ(draw::liveDrawingObjectCount(), drawingObjects);
  DestroyIcon(theme().programIcon);
}

TEST_F(FrameRendererTest, OperationsOnAMissingWindowOrButtonDoNothing) {
  FramedWindow framed(300, 120);
  paintTitleButton(framed.index(), 1);  // nothing rendered yet
  EXPECT_FALSE(framed.background());
  renderWindowFrame(framed.index());
  const auto rendered = snapshot(framed.background());
  for (const int index : {0, -1, framed.index() + 1}) {
    renderWindowFrame(index, nullptr);
    presentFrame(index);
    paintCaptionTitle(index);
    paintTitleButton(index, 1);
    paintStatusBarPart(index, 1);
    restoreBackgroundRect(index, RECT{0, 0, 10, 10});
  }
  paintTitleButton(framed.index(), 0);
  paintTitleButton(framed.index(), 3);
  paintStatusBarPart(framed.index(), 1);
  EXPECT_TRUE(samePixels(snapshot(framed.background()), rendered, 300));

  // A window with no client area renders to nothing, and its painters draw nothing.
  SetWindowPos(framed.window(), nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  renderWindowFrame(framed.index(), nullptr);
  paintCaptionTitle(framed.index());
  paintTitleButton(framed.index(), 2, nullptr, false, 120);
  EXPECT_EQ(framed.record().frameWidth, 0);
  EXPECT_EQ(framed.background().width(), 0);
}

// An opaque gradient of w x h, as 24-bit BMP bytes (decoded without alpha) and as
// 32-bit PNG bytes with alpha (decoded with it) of the same pixels.
struct SamePictureTwice {
  std::vector<std::uint8_t> withoutAlpha, withAlpha;
};
SamePictureTwice gradientPicture(int w, int h) {
  draw::DrawingBitmap argb(w, h);
  {
    draw::DrawingSurface surface = draw::DrawingSurface::fromImage(argb);
    surface.fillRectangle(draw::DrawingLinearBrush({0, 0}, {static_cast<float>(w), static_cast<float>(h)},
                                                   0xFFC03020, 0xFF20A0E0),
                          0, 0, static_cast<float>(w), static_cast<float>(h));
  }
  draw::DrawingBitmap rgb(w, h, PixelFormat24bppRGB);
  draw::DrawingSurface::fromImage(rgb).drawImage(argb, 0, 0);
  return {rgb.saveToBytes(draw::bmpFormat), argb.saveToBytes(draw::pngFormat)};
}

// A picture without alpha at its own size is copied, not drawn: it must look the same.
TEST_F(FrameRendererTest, AnOpaquePictureAtItsOwnSizeLooksAsTheLibraryDrawsIt) {
  struct Case {
    int mode, pictureWidth, pictureHeight;
  };
  const Case cases[] = {
      {pictureStretched, 300, 120}, {pictureAtOrigin, 300, 120}, {pictureAtOrigin, 200, 80}, {pictureCentred, 200, 80}};
  for (const Case& c : cases) {
    const SamePictureTwice picture = gradientPicture(c.pictureWidth, c.pictureHeight);
    FramedWindow framed(300, 120);
    theme().pictureMode = c.mode;
    theme().backgroundPicture = picture.withAlpha;
    renderWindowFrame(framed.index());
    const std::vector<std::uint32_t> drawn = snapshot(framed.background());
    theme().backgroundPicture = picture.withoutAlpha;
    renderWindowFrame(framed.index());
    EXPECT_TRUE(samePixels(snapshot(framed.background()), drawn, 300))
        << "mode " << c.mode << ", " << c.pictureWidth << " x " << c.pictureHeight;
  }
}

TEST(FramePlacement, PicturesArePlacedByMode) {
  struct Case {
    int mode, pictureWidth, pictureHeight;
    draw::RectF expected;
  };
  const Case cases[] = {
      {pictureAtOriginFadedRight, 100, 50, {0, 0, 100, 50}},
      {pictureAtOrigin, 100, 50, {0, 0, 100, 50}},
      {pictureAtTopRightFadedLeft, 100, 50, {200, 0, 100, 50}},
      {pictureCentred, 100, 50, {100, 35, 100, 50}},
      {pictureCentred, 401, 201, {-50, -40, 401, 201}},  // larger than the client: overhangs evenly
      {pictureStretched, 100, 50, {0, 0, 300, 120}},
  };
  for (const Case& c : cases) {
    const draw::RectF place = pictureDestination(c.mode, c.pictureWidth, c.pictureHeight, 300, 120);
    EXPECT_EQ(place.x, c.expected.x) << c.mode;
    EXPECT_EQ(place.y, c.expected.y) << c.mode;
    EXPECT_EQ(place.width, c.expected.width) << c.mode;
    EXPECT_EQ(place.height, c.expected.height) << c.mode;
  }
}

}  // namespace
}  // namespace skin
