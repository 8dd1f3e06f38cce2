#include "skin/window/title_bar_geometry.h"

#include <gtest/gtest.h>

#include <vector>

namespace skin {
namespace {

TEST(TitleBarGeometryTest, CaptionHeightIsAtLeast25) {
  const struct {
    std::optional<int> given;
    int expected;
  } cases[] = {{std::nullopt, 25}, {0, 25}, {-7, 25}, {24, 25}, {25, 25}, {40, 40}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.given.value_or(-999));
    EXPECT_EQ(captionHeightFrom(c.given), c.expected);
  }
}

// A strip laid out the way installation and layout do it, for a client area 300 wide.
struct LaidOutStrip {
  PixelRect strip;
  std::vector<TitleButton> buttons;
};

LaidOutStrip layOut(const std::vector<int>& kinds, int clientWidth = 300) {
  LaidOutStrip laid;
  std::vector<int> widths;
  for (int kind : kinds) {
    TitleButton button;
    button.kind = kind;
    button.width = kind == closeKind ? 38 : 26;
    button.height = 18;
    laid.buttons.push_back(button);
    widths.push_back(button.width);
  }
  laid.strip.width = buttonStripWidth(widths);
  laid.strip.height = buttonStripHeight;
  laid.strip.x = buttonStripX(clientWidth, laid.strip.width);
  for (size_t i = 0; i < laid.buttons.size(); ++i)
    laid.buttons[i].hitRect = titleButtonHitRect(laid.strip, static_cast<int>(i) + 1, laid.buttons[i].kind);
  return laid;
}

TEST(TitleBarGeometryTest, StripWidthsAndButtonOffsetsFromTheRightEdge) {
  const struct {
    const char* name;
    std::vector<int> kinds;
    int stripWidth;
    std::vector<int> offsetsFromRight;  // right edge minus each hit rectangle's x
  } cases[] = {
      {"close only", {closeKind}, 41, {38}},
      {"minimise and close", {minimiseKind, closeKind}, 68, {65, 38}},
      {"all five", {helpKind, menuKind, minimiseKind, maximiseKind, closeKind}, 149, {146, 119, 92, 65, 38}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const LaidOutStrip laid = layOut(c.kinds);
    EXPECT_EQ(laid.strip.width, c.stripWidth);
    ASSERT_EQ(laid.buttons.size(), c.offsetsFromRight.size());
    for (size_t i = 0; i < laid.buttons.size(); ++i) {
      EXPECT_EQ(300 - laid.buttons[i].hitRect.x, c.offsetsFromRight[i]) << "button " << i + 1;
      EXPECT_EQ(laid.buttons[i].hitRect.y, 1);
      EXPECT_EQ(laid.buttons[i].hitRect.height, 18);
    }
  }
}

TEST(TitleBarGeometryTest, HitTestNeedsThePointStrictlyInsideAButton) {
  const LaidOutStrip laid = layOut({minimiseKind, closeKind});  // minimise x 235..261, close x 262..302
  const struct {
    int x, y, expected;
  } cases[] = {
      {248, 10, 1},   // middle of minimise
      {280, 10, 2},   // middle of close
      {235, 10, 0},   // minimise's left edge itself
      {236, 10, 1},
      {261, 10, 0},   // the pixel between the buttons: minimise's right edge
      {262, 10, 0},   // close's left edge
      {263, 10, 2},
      {248, 1, 0},    // top edge
      {248, 2, 1},
      {248, 19, 0},   // bottom edge (y 1 + 18)
      {248, 23, 0},   // below the strip
      {248, -1, 0},
      {200, 10, 0},   // left of the strip
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.x << "," << c.y);
    EXPECT_EQ(hitTitleButton(c.x, c.y, laid.strip, laid.buttons), c.expected);
  }
}

TEST(TitleBarGeometryTest, ButtonStripTrackingAreaHasTwoPixelsOfSlackToTheLeft) {
  const PixelRect strip{233, 0, 68, 22};
  EXPECT_TRUE(pointInButtonStrip(231, 0, strip));
  EXPECT_FALSE(pointInButtonStrip(230, 5, strip));
  EXPECT_TRUE(pointInButtonStrip(301, 22, strip));
  EXPECT_FALSE(pointInButtonStrip(302, 5, strip));
  EXPECT_FALSE(pointInButtonStrip(250, 23, strip));
  EXPECT_FALSE(pointInButtonStrip(250, -1, strip));
}

TEST(TitleBarGeometryTest, SizingZonesOfA300By200ClientArea) {
  const struct {
    int x, y;
    SizingZone zone;
    WPARAM command;
    LPCSTR cursor;
  } cases[] = {
      {2, 100, SizingZone::left, 0xF001, IDC_SIZEWE},
      {3, 11, SizingZone::left, 0xF001, IDC_SIZEWE},
      {297, 100, SizingZone::right, 0xF002, IDC_SIZEWE},
      {150, 3, SizingZone::top, 0xF003, IDC_SIZENS},
      {150, 197, SizingZone::bottom, 0xF006, IDC_SIZENS},
      {2, 5, SizingZone::topLeft, 0xF004, IDC_SIZENWSE},    // the edges stop 11 from a corner
      {10, 10, SizingZone::topLeft, 0xF004, IDC_SIZENWSE},
      {295, 2, SizingZone::topRight, 0xF005, IDC_SIZENESW},
      {5, 195, SizingZone::bottomLeft, 0xF007, IDC_SIZENESW},
      {290, 190, SizingZone::bottomRight, 0xF008, IDC_SIZENWSE},
      {4, 100, SizingZone::none, 0, nullptr},
      {150, 100, SizingZone::none, 0, nullptr},
      {11, 4, SizingZone::none, 0, nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.x << "," << c.y);
    const SizingZone zone = sizingZoneAt(c.x, c.y, 300, 200, 3);
    EXPECT_EQ(zone, c.zone);
    EXPECT_EQ(sizingCommand(zone), c.command);
    EXPECT_EQ(sizingCursor(zone), c.cursor);
  }
}

TEST(TitleBarGeometryTest, PressStartsDragResizeOrNothing) {
  TitleBarGeometry resizable{300, 200, PixelRect{233, 0, 68, 22}, 25, true, 3};
  TitleBarGeometry fixed = resizable;
  fixed.resizable = false;
  const struct {
    const char* name;
    const TitleBarGeometry& geometry;
    int x, y;
    PressAction action;
    SizingZone zone;
  } cases[] = {
      {"caption", resizable, 100, 10, PressAction::captionDrag, SizingZone::none},
      {"button strip", resizable, 280, 10, PressAction::nothing, SizingZone::none},
      {"strip's top rows go to the top edge", resizable, 280, 2, PressAction::resize, SizingZone::top},
      {"left edge below the caption", resizable, 2, 100, PressAction::resize, SizingZone::left},
      {"left edge inside the caption", resizable, 2, 20, PressAction::resize, SizingZone::left},
      {"client area", resizable, 150, 100, PressAction::nothing, SizingZone::none},
      {"fixed: left edge inside the caption moves", fixed, 2, 20, PressAction::captionDrag, SizingZone::none},
      {"fixed: left edge below the caption", fixed, 2, 100, PressAction::nothing, SizingZone::none},
      {"fixed: bottom-right corner", fixed, 298, 198, PressAction::nothing, SizingZone::none},
      {"top-left corner", resizable, 2, 2, PressAction::resize, SizingZone::topLeft},
      {"fixed: top-left corner is caption", fixed, 2, 2, PressAction::captionDrag, SizingZone::none},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const PressChoice choice = choosePressAction(c.x, c.y, c.geometry);
    EXPECT_EQ(choice.action, c.action);
    if (c.action == PressAction::resize) {
      EXPECT_EQ(choice.zone, c.zone);
    }
  }
  EXPECT_EQ(cursorZoneAt(2, 100, resizable), SizingZone::left);
  EXPECT_EQ(cursorZoneAt(2, 100, fixed), SizingZone::none);
}

TEST(TitleBarGeometryTest, WorkAreaLeavesAVisibleTaskbarFree) {
  const struct {
    const char* name;
    RECT taskbar;
    bool visible;
    SIZE expected;
  } cases[] = {
      {"bottom, 40 high", {0, 1040, 1920, 1080}, true, {1920, 1040}},
      {"top, 40 high", {0, 0, 1920, 40}, true, {1920, 1040}},
      {"hidden above the top", {0, -38, 1920, 2}, true, {1920, 1080}},
      {"hidden at the bottom edge", {0, 1078, 1920, 1118}, true, {1920, 1080}},
      {"left, 60 wide", {0, 0, 60, 1080}, true, {1860, 1080}},
      {"left, not visible", {0, 0, 60, 1080}, false, {1920, 1080}},
      {"none (an empty rectangle)", {0, 0, 0, 0}, false, {1920, 1080}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const SIZE area = workAreaFromMetrics(ScreenMetrics{c.taskbar, c.visible, 1920, 1080});
    EXPECT_EQ(area.cx, c.expected.cx);
    EXPECT_EQ(area.cy, c.expected.cy);
  }
}

}  // namespace
}  // namespace skin
