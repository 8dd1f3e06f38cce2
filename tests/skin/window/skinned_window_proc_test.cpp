#include "skin/window/skinned_window_proc.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "draw/embedded_resources.h"
#include "draw/gdi_handles.h"
#include "skin/core/control_properties.h"
#include "skin_window_harness.h"
#include "support/message_sequence.h"
#include "support/pixels.h"

namespace skin::test {
namespace {

using testing_support::beneath;
using testing_support::MessageRecorder;
using testing_support::posted;
using testing_support::sent;
using testing_support::withWParam;
using testing_support::rgbAt;
using testing_support::rgbOnScreen;

constexpr int minimiseButton = 1;
constexpr int closeButton = 2;

// The client points the tests use on a 300 x 200 window with minimise and close:
// minimise covers x 235..261, close 262..302, both y 1..19.
const LPARAM onMinimise = pointParam(248, 10);
const LPARAM onClose = pointParam(280, 10);
const LPARAM inCaption = pointParam(100, 10);

int channelDistance(std::uint32_t a, std::uint32_t b) {
  int sum = 0;
  for (int shift : {0, 8, 16}) sum += std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF));
  return sum;
}

class SkinnedWindowProcTest : public SkinnedWindowTest {
 protected:
  // A shown, rendered window with minimise and close.
  HWND shownWindow(const InstallOptions& options = {}, DWORD style = WS_MINIMIZEBOX) {
    const HWND window = skinnedPopup(style, options);
    ShowWindow(window, SW_SHOWNOACTIVATE);
    UpdateWindow(window);
    return window;
  }
  static void tick(HWND window, int times = 1) {
    for (int i = 0; i < times; ++i) SendMessageA(window, WM_TIMER, fadeTimerId(window), 0);
  }
  static void hoverAt(HWND window, LPARAM point) {
    SendMessageA(window, WM_MOUSEMOVE, 0, point);
    SendMessageA(window, WM_MOUSEHOVER, 0, point);
  }
  // A pixel of the button's hover area, clear of its glyph and highlight.
  static std::uint32_t buttonPixel(HWND window, int button) {
    const SkinnedWindowRecord& record = recordOf(window);
    const FloatRect& hit = record.titleButtons[button - 1].hitRect;
    return rgbAt(record.backgroundImage, static_cast<int>(hit.x) + 5, 5);
  }
};

TEST_F(SkinnedWindowProcTest, MovingFromMinimiseToCloseFadesBothOverEightTicks) {
  const HWND window = shownWindow();
  const std::uint32_t normalMinimise = buttonPixel(window, minimiseButton);
  const std::uint32_t normalClose = buttonPixel(window, closeButton);

  hoverAt(window, onMinimise);
  tick(window, 8);
  const std::uint32_t hoveredMinimise = buttonPixel(window, minimiseButton);
  ASSERT_GT(channelDistance(hoveredMinimise, normalMinimise), 60);

  SendMessageA(window, WM_MOUSEMOVE, 0, onClose);
  int lastCloseDistance = 0;
  int lastMinimiseDistance = channelDistance(hoveredMinimise, normalMinimise);
  for (int step = 1; step <= 8; ++step) {
    SCOPED_TRACE(step);
    tick(window);
    const SkinnedWindowRecord& record = recordOf(window);
    EXPECT_EQ(record.hover.fadeIn.button, closeButton);
    EXPECT_EQ(record.hover.fadeIn.step, step);
    EXPECT_EQ(record.hover.fadeOut.button, minimiseButton);
    EXPECT_EQ(record.hover.fadeOut.step, step);
    const int closeDistance = channelDistance(buttonPixel(window, closeButton), normalClose);
    const int minimiseDistance = channelDistance(buttonPixel(window, minimiseButton), normalMinimise);
    EXPECT_GT(closeDistance, lastCloseDistance);
    EXPECT_LT(minimiseDistance, lastMinimiseDistance);
    lastCloseDistance = closeDistance;
    lastMinimiseDistance = minimiseDistance;
  }
  EXPECT_LE(lastMinimiseDistance, 3);  // back to the normal look
  const std::uint32_t hoveredClose = buttonPixel(window, closeButton);
  EXPECT_GT((hoveredClose >> 16) & 0xFF, ((normalClose >> 16) & 0xFF) + 60) << "close hovers red";
  // Nothing more is painted while the mouse rests on close.
  tick(window, 3);
  EXPECT_EQ(buttonPixel(window, closeButton), hoveredClose);
  EXPECT_TRUE(recordOf(window).hover.timerRunning);
}

TEST_F(SkinnedWindowProcTest, LeavingMidFadeSnapsTheFadingButtonAndFadesTheHoveredOneOut) {
  const HWND window = shownWindow();
  const std::uint32_t normalMinimise = buttonPixel(window, minimiseButton);
  const std::uint32_t normalClose = buttonPixel(window, closeButton);
  hoverAt(window, onMinimise);
  tick(window, 8);
  SendMessageA(window, WM_MOUSEMOVE, 0, onClose);
  tick(window, 3);
  ASSERT_GT(channelDistance(buttonPixel(window, minimiseButton), normalMinimise), 10);

  SendMessageA(window, WM_MOUSELEAVE, 0, 0);
  EXPECT_LE(channelDistance(buttonPixel(window, minimiseButton), normalMinimise), 3);
  EXPECT_EQ(recordOf(window).hover.hoveredButton, 0);
  const int closeAtLeave = channelDistance(buttonPixel(window, closeButton), normalClose);
  tick(window);
  EXPECT_GT(channelDistance(buttonPixel(window, closeButton), normalClose), closeAtLeave)
      << "the fade-out starts from full hover";
  tick(window, 7);
  EXPECT_LE(channelDistance(buttonPixel(window, closeButton), normalClose), 3);

  const SkinnedWindowRecord& record = recordOf(window);
  EXPECT_FALSE(record.hover.timerRunning);
  EXPECT_EQ(record.hover.fadeIn.button, 0);
  EXPECT_EQ(record.hover.fadeOut.button, 0);
  EXPECT_FALSE(KillTimer(window, fadeTimerId(window))) << "the fade timer was stopped";
}

TEST_F(SkinnedWindowProcTest, ATitleButtonActsOnlyWhenPressedAndReleasedOnIt) {
  const struct {
    const char* name;
    LPARAM press;
    LPARAM release;
    std::vector<WPARAM> commands;
  } cases[] = {
      {"close", onClose, onClose, {SC_CLOSE}},
      {"minimise", onMinimise, onMinimise, {SC_MINIMIZE}},
      {"close, released in the caption", onClose, inCaption, {}},
      {"close, released over minimise", onClose, onMinimise, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const HWND window = shownWindow();
    messageLog().clear();
    SendMessageA(window, WM_MOUSEMOVE, 0, c.press);
    SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, c.press);
    SendMessageA(window, WM_MOUSEMOVE, MK_LBUTTON, c.release);
    SendMessageA(window, WM_LBUTTONUP, 0, c.release);
    EXPECT_EQ(loggedParameters(window, WM_SYSCOMMAND), c.commands);
    EXPECT_TRUE(loggedParameters(window, WM_NCLBUTTONDOWN).empty()) << "a press on a button drags nothing";
    DestroyWindow(window);
  }
}

TEST_F(SkinnedWindowProcTest, AReleaseWithoutAPressOnTheButtonDoesNothing) {
  const HWND window = shownWindow();
  messageLog().clear();
  SendMessageA(window, WM_MOUSEMOVE, MK_LBUTTON, onClose);  // the button went down elsewhere
  SendMessageA(window, WM_LBUTTONUP, 0, onClose);
  EXPECT_TRUE(loggedParameters(window, WM_SYSCOMMAND).empty());
  DestroyWindow(window);
}

TEST_F(SkinnedWindowProcTest, PressingTheCloseButtonPaintsItPressed) {
  const HWND window = shownWindow();
  const std::uint32_t normal = buttonPixel(window, closeButton);
  SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, onClose);
  const std::uint32_t pressed = buttonPixel(window, closeButton);
  EXPECT_GT((pressed >> 16) & 0xFF, 0xC0u);
  EXPECT_GT(channelDistance(pressed, normal), 100);
  EXPECT_EQ(recordOf(window).pressedButton, closeButton);
}

TEST_F(SkinnedWindowProcTest, DoubleClickInTheCaptionTogglesMaximiseOnlyForResizableWindows) {
  InstallOptions fixed;
  fixed.resizable = 0;
  const HWND mainLike = shownWindow(fixed, WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
  SendMessageA(mainLike, WM_LBUTTONDBLCLK, MK_LBUTTON, inCaption);
  EXPECT_TRUE(loggedParameters(mainLike, WM_SYSCOMMAND).empty());
  EXPECT_FALSE(recordOf(mainLike).maximised);

  InstallOptions withTips;
  withTips.titleBar = 1;
  const HWND resizable = shownWindow(withTips, WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
  SendMessageA(resizable, WM_LBUTTONDBLCLK, MK_LBUTTON, pointParam(100, 120));  // below the caption
  EXPECT_TRUE(loggedParameters(resizable, WM_SYSCOMMAND).empty());

  SendMessageA(resizable, WM_LBUTTONDBLCLK, MK_LBUTTON, inCaption);
  EXPECT_EQ(loggedParameters(resizable, WM_SYSCOMMAND), std::vector<WPARAM>{SC_MAXIMIZE});
  EXPECT_TRUE(recordOf(resizable).maximised);
  EXPECT_TRUE(recordOf(resizable).frameDirty);
  EXPECT_EQ(recordOf(resizable).titleButtons[maximiseButtonNumber(recordOf(resizable)) - 1].tipText, "还原");

  SendMessageA(resizable, WM_LBUTTONDBLCLK, MK_LBUTTON, inCaption);
  EXPECT_EQ(loggedParameters(resizable, WM_SYSCOMMAND), (std::vector<WPARAM>{SC_MAXIMIZE, SC_RESTORE}));
  EXPECT_FALSE(recordOf(resizable).maximised);
  EXPECT_EQ(recordOf(resizable).titleButtons[1].tipText, "最大化");
}

TEST_F(SkinnedWindowProcTest, APressNearTheLeftEdgeResizesMovesOrDoesNothing) {
  InstallOptions fixed;
  fixed.resizable = 0;
  const struct {
    const char* name;
    InstallOptions options;
    LPARAM point;
    std::vector<WPARAM> sizeCommands;
    std::vector<WPARAM> captionPresses;
  } cases[] = {
      {"resizable, 2 pixels from the left edge", {}, pointParam(2, 100), {0xF001}, {}},
      {"resizable, in the caption", {}, inCaption, {}, {HTCAPTION}},
      {"fixed, edge inside the caption", fixed, pointParam(2, 15), {}, {HTCAPTION}},
      {"fixed, edge below the caption", fixed, pointParam(2, 100), {}, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const HWND window = shownWindow(c.options);
    messageLog().clear();
    SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, c.point);
    EXPECT_EQ(loggedParameters(window, WM_SYSCOMMAND), c.sizeCommands);
    EXPECT_EQ(loggedParameters(window, WM_NCLBUTTONDOWN), c.captionPresses);
    DestroyWindow(window);
  }

  const HWND maximised = shownWindow();
  recordOf(maximised).maximised = true;
  messageLog().clear();
  SendMessageA(maximised, WM_LBUTTONDOWN, MK_LBUTTON, inCaption);
  EXPECT_TRUE(loggedParameters(maximised, WM_NCLBUTTONDOWN).empty()) << "a maximised window stays put";
}

TEST_F(SkinnedWindowProcTest, AWindowMaximisedOverTheWholeScreenIsFittedToTheWorkArea) {
  const HWND window = shownWindow({}, WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
  const int screenWidth = GetSystemMetrics(SM_CXSCREEN), screenHeight = GetSystemMetrics(SM_CYSCREEN);
  // Under Wine the work area is the whole screen: fitting must not recurse for ever.
  SetWindowPos(window, nullptr, 0, 0, screenWidth, screenHeight, SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_TRUE(recordOf(window).maximised);
  const SIZE area = workAreaSize();
  RECT rect{};
  GetWindowRect(window, &rect);
  EXPECT_EQ(rect.left, 0);
  EXPECT_EQ(rect.top, 0);
  EXPECT_EQ(rect.right, area.cx);
  EXPECT_EQ(rect.bottom, area.cy);
  // The buttons followed the new width.
  EXPECT_EQ(recordOf(window).titleButtons.back().hitRect.x, area.cx - 38);
}

TEST_F(SkinnedWindowProcTest, TrackingLimitsComeFromTheRecord) {
  const HWND window = shownWindow({}, WS_MAXIMIZEBOX);
  SkinnedWindowRecord& record = recordOf(window);
  record.screenWidth = 1600;
  record.screenHeight = 900;
  MINMAXINFO info{};
  SendMessageA(window, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
  EXPECT_EQ(info.ptMinTrackSize.x, 200);
  EXPECT_EQ(info.ptMinTrackSize.y, 150);
  EXPECT_EQ(info.ptMaxTrackSize.x, 1600);
  EXPECT_EQ(info.ptMaxTrackSize.y, 900);

  record.maximised = true;
  SendMessageA(window, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
  EXPECT_EQ(info.ptMaxTrackSize.x, workAreaSize().cx);
  EXPECT_EQ(info.ptMaxTrackSize.y, workAreaSize().cy);
}

TEST_F(SkinnedWindowProcTest, APaintWithNothingDirtyPresentsTheKeptFrameWithoutRendering) {
  const HWND window = shownWindow();
  SkinnedWindowRecord& record = recordOf(window);
  ASSERT_FALSE(record.frameDirty);
  constexpr std::uint32_t marker = 0x00FF00FF;
  auto* pixels = const_cast<std::uint32_t*>(record.backgroundImage.pixels());
  GdiFlush();
  pixels[100 * record.backgroundImage.width() + 150] = marker;

  InvalidateRect(window, nullptr, FALSE);
  UpdateWindow(window);
  EXPECT_EQ(rgbAt(record.backgroundImage, 150, 100), marker) << "not rendered again";
  EXPECT_EQ(rgbOnScreen(window, 150, 100), marker) << "the kept frame was presented";

  record.frameDirty = true;
  InvalidateRect(window, nullptr, FALSE);
  UpdateWindow(window);
  EXPECT_FALSE(record.frameDirty);
  EXPECT_NE(rgbAt(record.backgroundImage, 150, 100), marker) << "a dirty frame is rendered";
  EXPECT_NE(rgbOnScreen(window, 150, 100), marker);
}

TEST_F(SkinnedWindowProcTest, AnEraseWhileARenderIsDueShowsTheLastPictureOnce) {
  const HWND window = shownWindow();
  SkinnedWindowRecord& record = recordOf(window);
  const auto markWindowImage = [&](std::uint32_t colour) {
    GdiFlush();
    const_cast<std::uint32_t*>(record.windowImage.pixels())[100 * record.windowImage.width() + 150] = colour;
  };
  const HDC dc = GetDC(window);
  markWindowImage(0x000000FF);
  record.frameDirty = true;  // the state after a size change, before its render
  record.shown = false;
  EXPECT_EQ(SendMessageA(window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0), 1);
  EXPECT_TRUE(record.erased);
  EXPECT_EQ(GetBkMode(dc), TRANSPARENT);
  EXPECT_EQ(rgbOnScreen(window, 150, 100), 0x0000FFu);

  markWindowImage(0x0000FF00);
  SendMessageA(window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  EXPECT_EQ(rgbOnScreen(window, 150, 100), 0x0000FFu) << "only the first erase restores";
  ReleaseDC(window, dc);
  EXPECT_TRUE(loggedParameters(window, WM_ERASEBKGND).empty()) << "the erase is not passed on";
}

// Children the skin paints have their last look in windowImage too, so the erase lays
// it under them; a child the skin does not know keeps its own pixels.
TEST_F(SkinnedWindowProcTest, AnEraseRestoresUnderSkinnedChildrenOnly) {
  const HWND window = popup(WS_MINIMIZEBOX);
  const HWND button = CreateWindowExA(0, "BUTTON", "", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 20, 60, 80, 30, window,
                                      nullptr, GetModuleHandleA(nullptr), nullptr);
  const HWND foreign = CreateWindowExA(0, "Static", "", WS_CHILD | WS_VISIBLE, 160, 60, 80, 30, window, nullptr,
                                       GetModuleHandleA(nullptr), nullptr);
  installSkin(window);
  ShowWindow(window, SW_SHOWNOACTIVATE);
  UpdateWindow(window);
  testing_support::pumpMessages();
  SkinnedWindowRecord& record = recordOf(window);
  ASSERT_EQ(props::windowIndex(button), indexOf(window));
  ASSERT_EQ(props::windowIndex(foreign), 0);
  constexpr std::uint32_t marker = 0x00FF00FE;
  GdiFlush();
  auto* bits = const_cast<std::uint32_t*>(record.windowImage.pixels());
  std::fill(bits, bits + record.windowImage.width() * record.windowImage.height(), marker);
  ASSERT_NE(rgbOnScreen(window, 60, 75), marker);
  ASSERT_NE(rgbOnScreen(window, 200, 75), marker);
  record.frameDirty = true;
  record.shown = false;
  record.erased = false;

  const HDC dc = GetDC(window);
  SendMessageA(window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  ReleaseDC(window, dc);

  EXPECT_EQ(rgbOnScreen(window, 150, 30), marker) << "the window's own area";
  EXPECT_EQ(rgbOnScreen(window, 60, 75), marker) << "under the skinned button";
  EXPECT_NE(rgbOnScreen(window, 200, 75), marker) << "over the static the skin does not paint";
}

// Showing renders the frame before the window appears: the erase then leaves it alone
// and the first paint only presents it. A show after a hide leaves the render to the
// paint, and the erase shows the last picture meanwhile.
TEST_F(SkinnedWindowProcTest, AShowRendersTheFrameOnlyTheFirstTime) {
  const HWND window = skinnedPopup(WS_MINIMIZEBOX);
  SkinnedWindowRecord& record = recordOf(window);
  ShowWindow(window, SW_SHOWNOACTIVATE);
  ASSERT_TRUE(record.windowImage) << "rendered at the show";
  constexpr std::uint32_t kept = 0x00FF00FE, last = 0x000000FF;
  const auto mark = [](const OffscreenImage& image, std::uint32_t colour) {
    GdiFlush();
    const_cast<std::uint32_t*>(image.pixels())[100 * image.width() + 150] = colour;
  };
  mark(record.backgroundImage, kept);
  mark(record.windowImage, last);
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  EXPECT_EQ(rgbAt(record.backgroundImage, 150, 100), kept) << "not rendered again";
  EXPECT_EQ(rgbOnScreen(window, 150, 100), kept) << "the paint presented the frame the show rendered";

  ShowWindow(window, SW_HIDE);
  record.frameDirty = true;  // changed while hidden
  ShowWindow(window, SW_SHOWNOACTIVATE);
  EXPECT_EQ(rgbAt(record.backgroundImage, 150, 100), kept) << "a second show does not render";
  const HDC dc = GetDC(window);
  SendMessageA(window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  ReleaseDC(window, dc);
  EXPECT_EQ(rgbOnScreen(window, 150, 100), last) << "the erase shows the last picture";
  UpdateWindow(window);
  EXPECT_NE(rgbAt(record.backgroundImage, 150, 100), kept) << "the paint renders";
}

TEST_F(SkinnedWindowProcTest, ANewTitleIsPaintedBeforeItIsStored) {
  const HWND window = shownWindow();
  SkinnedWindowRecord& record = recordOf(window);
  const auto titleRow = [&] {
    std::vector<std::uint32_t> row;
    for (int y = 4; y < 22; ++y)
      for (int x = 9; x < 120; ++x) row.push_back(rgbAt(record.backgroundImage, x, y));
    return row;
  };
  const std::vector<std::uint32_t> before = titleRow();
  SetWindowTextA(window, "WWWW MMMM");
  const std::vector<std::uint32_t> painted = titleRow();
  EXPECT_NE(painted, before);
  EXPECT_FALSE(loggedParameters(window, WM_SETTEXT).empty());

  // A full render with the stored text draws the same title.
  record.frameDirty = true;
  InvalidateRect(window, nullptr, FALSE);
  UpdateWindow(window);
  EXPECT_EQ(titleRow(), painted);
}

TEST_F(SkinnedWindowProcTest, NotificationsOfTranslucentControlsInvalidateThem) {
  const HWND window = shownWindow();
  const auto child = [&](const char* windowClass, DWORD style) {
    return CreateWindowExA(0, windowClass, "", WS_CHILD | WS_VISIBLE | style, 10, 40, 120, 60, window, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
  };
  const HWND edit = child("Edit", 0);
  const HWND list = child("ListBox", 0);
  const HWND combo = child("ComboBox", CBS_DROPDOWNLIST);
  const HWND other = child("Static", 0);
  const struct {
    const char* name;
    HWND control;
    WORD code;
    bool invalidated;
  } cases[] = {
      {"edit changed", edit, EN_CHANGE, true},
      {"edit updated", edit, EN_UPDATE, true},
      {"edit scrolled", edit, EN_VSCROLL, true},
      {"edit focused", edit, EN_SETFOCUS, false},
      {"list selection changed", list, LBN_SELCHANGE, true},
      {"list selection cancelled", list, LBN_SELCANCEL, true},
      {"list double-clicked", list, LBN_DBLCLK, false},
      {"combo selection changed", combo, CBN_SELCHANGE, true},
      {"combo lost the focus", combo, CBN_KILLFOCUS, true},
      {"static clicked", other, STN_CLICKED, false},
  };
  for (bool translucent : {true, false}) {
    if (translucent)
      setSkinSwitches(1, 100);
    else
      setSkinSwitches(1);
    for (const auto& c : cases) {
      SCOPED_TRACE(testing::Message() << c.name << (translucent ? ", translucent" : ", opaque"));
      ValidateRect(c.control, nullptr);
      messageLog().clear();
      SendMessageA(window, WM_COMMAND, MAKEWPARAM(1, c.code), reinterpret_cast<LPARAM>(c.control));
      EXPECT_EQ(GetUpdateRect(c.control, nullptr, FALSE) != FALSE, translucent && c.invalidated);
      EXPECT_EQ(loggedParameters(window, WM_COMMAND).size(), 1u);
    }
  }

  // A tree view's expansion repaints it whatever the switches.
  for (UINT code : {TVN_ITEMEXPANDINGA, TVN_ITEMEXPANDEDA}) {
    ValidateRect(other, nullptr);
    NMHDR header{other, 1, code};
    SendMessageA(window, WM_NOTIFY, 1, reinterpret_cast<LPARAM>(&header));
    EXPECT_TRUE(GetUpdateRect(other, nullptr, FALSE));
  }
}

TEST_F(SkinnedWindowProcTest, ATextChangeRepaintsTheScrollBarOverlayOfTheEdit) {
  setSkinSwitches(1, 100);
  const HWND window = popup(WS_MINIMIZEBOX);
  const HWND edit = CreateWindowExA(0, "Edit", "one\r\ntwo\r\nthree\r\nfour\r\nfive\r\nsix",
                                    WS_CHILD | WS_VISIBLE | ES_MULTILINE | WS_VSCROLL, 10, 40, 150, 60, window,
                                    nullptr, GetModuleHandleA(nullptr), nullptr);
  installSkin(window);
  ShowWindow(window, SW_SHOWNOACTIVATE);
  UpdateWindow(window);
  const EditRecord* skinned = recordOf(window).edits.at(1);
  ASSERT_NE(skinned, nullptr);
  const HWND overlay = skinned->verticalOverlay;
  ASSERT_NE(overlay, nullptr);
  RECT area{};
  GetClientRect(overlay, &area);
  const HDC dc = GetDC(overlay);
  PatBlt(dc, 0, 0, area.right, area.bottom, BLACKNESS);
  ReleaseDC(overlay, dc);
  ASSERT_EQ(rgbOnScreen(overlay, area.right / 2, area.bottom / 2), 0u);

  SendMessageA(window, WM_COMMAND, MAKEWPARAM(1, EN_CHANGE), reinterpret_cast<LPARAM>(edit));
  EXPECT_NE(rgbOnScreen(overlay, area.right / 2, area.bottom / 2), 0u);
}

TEST_F(SkinnedWindowProcTest, OnlyTheFirstSizeMessageOfTheProcessLeavesTheFrameClean) {
  const HWND window = shownWindow();
  firstSizePending() = true;
  SetWindowPos(window, nullptr, 0, 0, 320, 210, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_FALSE(firstSizePending());
  EXPECT_FALSE(recordOf(window).frameDirty);
  SetWindowPos(window, nullptr, 0, 0, 330, 220, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_TRUE(recordOf(window).frameDirty);
}

TEST_F(SkinnedWindowProcTest, StateMessagesKeepTheRecordInStep) {
  const HWND window = shownWindow();
  SkinnedWindowRecord& record = recordOf(window);
  SendMessageA(window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
  EXPECT_TRUE(record.minimised);
  SendMessageA(window, WM_QUERYOPEN, 0, 0);
  EXPECT_FALSE(record.minimised);
  EXPECT_TRUE(record.restoring);
  RECT rect{100, 80, 400, 280};
  SendMessageA(window, WM_SIZING, WMSZ_LEFT, reinterpret_cast<LPARAM>(&rect));
  SendMessageA(window, WM_MOVING, 0, reinterpret_cast<LPARAM>(&rect));
  EXPECT_TRUE(record.sizing && record.moving);
  SendMessageA(window, WM_EXITSIZEMOVE, 0, 0);
  EXPECT_FALSE(record.sizing || record.moving);

  SendMessageA(window, WM_ACTIVATE, MAKEWPARAM(WA_ACTIVE, 0), 0);
  EXPECT_TRUE(record.active);
  SendMessageA(window, WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, TRUE), 0);  // deactivated while minimised
  EXPECT_FALSE(record.active);
  // Every one of them went on to the window's own procedure.
  for (UINT message : {WM_SYSCOMMAND, WM_QUERYOPEN, WM_SIZING, WM_MOVING, WM_EXITSIZEMOVE, WM_ACTIVATE})
    EXPECT_FALSE(loggedParameters(window, message).empty()) << std::hex << message;
}

// A directory of its own under the temporary directory, removed afterwards.
class TemporaryDirectory {
 public:
  TemporaryDirectory() {
    char base[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, base);
    path_ = std::string(base) + "skin_trim_" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(path_.c_str(), nullptr);
  }
  ~TemporaryDirectory() {
    DeleteFileA(trimProgramPath(path_).c_str());
    RemoveDirectoryA(path_.c_str());
  }
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

std::string fileContent(const std::string& path) {
  std::string content;
  const HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return content;
  char buffer[4096];
  DWORD read = 0;
  while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0) content.append(buffer, read);
  CloseHandle(file);
  return content;
}

void writeFile(const std::string& path, const std::string& content) {
  const HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD written = 0;
  WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
  CloseHandle(file);
}

TEST_F(SkinnedWindowProcTest, DeactivationRunsTheTrimEachTimeAndWritesTheProgramOnce) {
  const TemporaryDirectory directory;
  std::vector<std::string> runs;
  setTrimProgramPlace(TrimProgramPlace{directory.path(), [&](const std::string& line) { runs.push_back(line); }});
  const std::string program = trimProgramPath(directory.path());
  const HWND window = shownWindow();
  messageLog().clear();

  SendMessageA(window, WM_ACTIVATEAPP, TRUE, 0);
  EXPECT_TRUE(runs.empty());
  EXPECT_TRUE(recordOf(window).active);

  SendMessageA(window, WM_ACTIVATEAPP, FALSE, 0);
  ASSERT_EQ(runs.size(), 1u);
  EXPECT_FALSE(recordOf(window).active);
  EXPECT_EQ(runs[0], "\"" + program + "\" " + std::to_string(GetCurrentProcessId()));
  const std::vector<std::uint8_t> embedded = draw::loadResourceBytes("EMPTY_EXE");
  ASSERT_FALSE(embedded.empty());
  EXPECT_EQ(fileContent(program), std::string(embedded.begin(), embedded.end()));

  writeFile(program, "a file of that name, whatever it holds");
  SendMessageA(window, WM_ACTIVATEAPP, FALSE, 0);
  EXPECT_EQ(runs.size(), 1u) << "a file of that name that is not the trim program is not run";
  EXPECT_EQ(fileContent(program), "a file of that name, whatever it holds") << "written only when missing";
  EXPECT_EQ(loggedParameters(window, WM_ACTIVATEAPP).size(), 3u);
}

TEST_F(SkinnedWindowProcTest, TheEmbeddedTrimProgramRunsHiddenOnThisProcess) {
  const TemporaryDirectory directory;
  std::string commandLine;
  setTrimProgramPlace(TrimProgramPlace{directory.path(), [&](const std::string& line) { commandLine = line; }});
  trimMemory();
  ASSERT_FALSE(commandLine.empty());
  DWORD exitCode = 99;
  ASSERT_TRUE(runHiddenAndWait(commandLine, &exitCode));
  EXPECT_EQ(exitCode, 0u);
  EXPECT_FALSE(runHiddenAndWait("\"" + directory.path() + "\\missing.exe\" 1"));
}

TEST_F(SkinnedWindowProcTest, PulseAndFadePlaysTenFramesBeforeTheWindowCloses) {
  swallowedMessages().clear();  // let the default procedure destroy the window
  const HWND window = popup(0, 500, 300, 100, 80);
  installSkin(window);
  ASSERT_EQ(setCloseEffect(window, pulseAndFade), 1);
  ShowWindow(window, SW_SHOWNOACTIVATE);
  UpdateWindow(window);
  std::vector<CloseEffectFrame> frames;
  setCloseEffectObserver([&](HWND, const CloseEffectFrame& frame, bool shown) {
    EXPECT_TRUE(shown) << "the layered window took frame " << frames.size() + 1;
    frames.push_back(frame);
    messageLog().push_back({window, WM_APP, static_cast<WPARAM>(frame.opacity)});
  });
  messageLog().clear();

  SendMessageA(window, WM_CLOSE, 0, 0);

  ASSERT_EQ(frames.size(), 10u);
  const int widths[] = {490, 480, 470, 460, 450, 460, 470, 480, 490, 500};
  const int lefts[] = {105, 110, 115, 120, 125, 120, 115, 110, 105, 100};
  for (int i = 0; i < 10; ++i) {
    SCOPED_TRACE(i + 1);
    EXPECT_EQ(frames[i].opacity, 230 - 25 * i);
    EXPECT_EQ(frames[i].width, widths[i]);
    EXPECT_EQ(frames[i].x, lefts[i]);
    EXPECT_EQ(frames[i].height, 300 - 6 * (i < 5 ? i + 1 : 9 - i));
  }
  // Frames first, then the window's own procedure sees the close and the destruction.
  std::vector<UINT> order;
  for (const LoggedMessage& m : messageLog())
    if (m.message == WM_APP || m.message == WM_CLOSE || m.message == WM_NCDESTROY) order.push_back(m.message);
  std::vector<UINT> expected(10, WM_APP);
  expected.push_back(WM_CLOSE);
  expected.push_back(WM_NCDESTROY);
  EXPECT_EQ(order, expected);
  EXPECT_FALSE(IsWindow(window));
}

TEST_F(SkinnedWindowProcTest, WithoutACloseEffectTheWindowClosesAtOnce) {
  swallowedMessages().clear();
  const HWND window = shownWindow();
  int frames = 0;
  setCloseEffectObserver([&](HWND, const CloseEffectFrame&, bool) { ++frames; });
  SendMessageA(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(frames, 0);
  EXPECT_FALSE(IsWindow(window));
}

// A click on the close button asks the window to close the way the system menu would;
// the skin passes each step on, so the window's own procedure sees the close and then
// its destruction, after which nothing more arrives.
TEST_F(SkinnedWindowProcTest, TheCloseButtonClosesThroughTheSystemCommand) {
  swallowedMessages().clear();
  const HWND window = popup(WS_MINIMIZEBOX);
  MessageRecorder recorder({window});
  recorder.recordBeneath(window);
  installSkin(window);
  ShowWindow(window, SW_SHOWNOACTIVATE);
  UpdateWindow(window);
  recorder.only({WM_LBUTTONDOWN, WM_LBUTTONUP, WM_SYSCOMMAND, WM_CLOSE, WM_DESTROY, WM_NCDESTROY});
  recorder.clear();

  SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, onClose);
  SendMessageA(window, WM_LBUTTONUP, 0, onClose);

  EXPECT_FALSE(IsWindow(window));
  EXPECT_SEQUENCE(recorder, {{WM_LBUTTONDOWN, sent},
                             {WM_LBUTTONDOWN, beneath | sent},
                             {WM_LBUTTONUP, sent},
                             {WM_SYSCOMMAND, sent | withWParam, SC_CLOSE},
                             {WM_SYSCOMMAND, beneath | sent | withWParam, SC_CLOSE},
                             {WM_CLOSE, sent},
                             {WM_CLOSE, beneath | sent},
                             {WM_DESTROY, sent},
                             {WM_DESTROY, beneath | sent},
                             {WM_NCDESTROY, sent},
                             {WM_NCDESTROY, beneath | sent}});
}

// A close posted to the window is taken from the queue and closes it as a sent one does.
TEST_F(SkinnedWindowProcTest, APostedCloseIsTakenFromTheQueueAndDestroysTheWindow) {
  swallowedMessages().clear();
  const HWND window = popup();
  MessageRecorder recorder({window});
  recorder.recordBeneath(window);
  installSkin(window);
  ShowWindow(window, SW_SHOWNOACTIVATE);
  recorder.only({WM_CLOSE, WM_DESTROY, WM_NCDESTROY});
  recorder.clear();

  PostMessageA(window, WM_CLOSE, 0, 0);
  testing_support::pumpMessages();

  EXPECT_FALSE(IsWindow(window));
  EXPECT_SEQUENCE(recorder, {{WM_CLOSE, posted},
                             {WM_CLOSE, beneath | posted},
                             {WM_DESTROY, sent},
                             {WM_DESTROY, beneath | sent},
                             {WM_NCDESTROY, sent},
                             {WM_NCDESTROY, beneath | sent}});
}

// A copy of the screen brings alpha 0 with every pixel (on Windows), and the effect
// hands the layered window per-pixel alpha, which would show such a pixel as nothing.
TEST(CloseEffectSnapshotTest, IsItsSourceMadeFullyOpaque) {
  OffscreenImage screen;
  ASSERT_TRUE(screen.resize(40, 30));
  GdiFlush();
  auto* bits = const_cast<std::uint32_t*>(screen.pixels());
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 40; ++x) bits[y * 40 + x] = x < 20 ? 0x00336699u : 0x00CC0000u;

  OffscreenImage snapshot;
  ASSERT_TRUE(takeCloseEffectSnapshot(screen.dc(), 40, 30, snapshot));
  GdiFlush();
  EXPECT_EQ(snapshot.pixels()[15 * 40 + 10], 0xFF336699u);
  EXPECT_EQ(snapshot.pixels()[15 * 40 + 30], 0xFFCC0000u);
}

TEST(CloseEffectFramesTest, ShrinkAndFadeCollapsesTowardsTheCentre) {
  const std::vector<CloseEffectFrame> frames = closeEffectFrames(shrinkAndFade, RECT{100, 80, 600, 380});
  ASSERT_EQ(frames.size(), 10u);
  EXPECT_EQ(frames.front(), (CloseEffectFrame{125, 95, 450, 270, 230}));
  EXPECT_EQ(frames.back(), (CloseEffectFrame{350, 230, 0, 0, 5}));
  EXPECT_TRUE(closeEffectFrames(noCloseEffect, RECT{0, 0, 100, 100}).empty());
  EXPECT_TRUE(closeEffectFrames(3, RECT{0, 0, 100, 100}).empty());
}

class ControlColourTest : public SkinnedWindowProcTest {
 protected:
  void SetUp() override {
    SkinnedWindowProcTest::SetUp();
    window = shownWindow();
    edit = CreateWindowExA(0, "Edit", "text", WS_CHILD | WS_VISIBLE, 10, 40, 120, 22, window, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
    button = CreateWindowExA(0, "Button", "ok", WS_CHILD | WS_VISIBLE, 10, 80, 80, 24, window, nullptr,
                             GetModuleHandleA(nullptr), nullptr);
    props::setTextColour(edit, 0x123456);
    props::setTextColour(button, 0x654321);
    dc = GetDC(edit);
  }
  void TearDown() override {
    ReleaseDC(edit, dc);
    props::deleteColourObjects(edit);
    props::deleteColourObjects(button);
    SkinnedWindowProcTest::TearDown();
  }
  LRESULT colour(UINT message, HWND control) {
    return SendMessageA(window, message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control));
  }

  HWND window = nullptr, edit = nullptr, button = nullptr;
  HDC dc = nullptr;
};

TEST_F(ControlColourTest, TranslucentControlsGetAPatternBrushOrTheNullBrush) {
  setSkinSwitches(1, 100);
  const LRESULT brush = colour(WM_CTLCOLOREDIT, edit);
  ASSERT_NE(brush, 0);
  EXPECT_EQ(reinterpret_cast<HBRUSH>(brush), props::colourBrush(edit));
  EXPECT_NE(props::colourBitmap(edit), nullptr);
  EXPECT_EQ(GetTextColor(dc), 0x123456u);
  EXPECT_EQ(GetBkMode(dc), TRANSPARENT);
  EXPECT_TRUE(loggedParameters(window, WM_CTLCOLOREDIT).empty()) << "answered by the skin";

  // Each answer replaces the previous brush and bitmap.
  const int live = draw::liveGdiObjectCount();
  colour(WM_CTLCOLORSTATIC, edit);
  colour(WM_CTLCOLOREDIT, edit);
  EXPECT_EQ(draw::liveGdiObjectCount(), live);

  EXPECT_EQ(reinterpret_cast<HGDIOBJ>(colour(WM_CTLCOLORBTN, button)), GetStockObject(NULL_BRUSH));
  EXPECT_EQ(props::colourBrush(button), GetStockObject(NULL_BRUSH));
  EXPECT_EQ(GetTextColor(dc), 0x654321u);
}

TEST_F(ControlColourTest, EachAnswerShowsTheBackgroundWhereTheControlIsNow) {
  setSkinSwitches(1, 100);
  // Background pixels that tell where they are: red is x, green is y.
  const OffscreenImage& ground = findSkinnedWindow(window)->backgroundImage;
  auto* bits = const_cast<std::uint32_t*>(ground.pixels());
  GdiFlush();
  for (int y = 0; y < ground.height(); ++y)
    for (int x = 0; x < ground.width(); ++x)
      bits[y * ground.width() + x] = static_cast<std::uint32_t>((x & 0xFF) << 16 | (y & 0xFF) << 8 | 0x40);
  const auto veiled = [](int channel) { return channel + (255 - channel) * 100 / 255; };

  const RECT places[] = {{10, 40, 130, 62}, {60, 90, 180, 112}, {30, 60, 130, 90}};  // moved, then resized
  for (const RECT& place : places) {
    SCOPED_TRACE(testing::Message() << place.left << ", " << place.top);
    MoveWindow(edit, place.left, place.top, place.right - place.left, place.bottom - place.top, FALSE);
    ASSERT_NE(colour(WM_CTLCOLOREDIT, edit), 0);
    BITMAP size{};
    GetObjectA(props::colourBitmap(edit), sizeof size, &size);
    EXPECT_EQ(size.bmWidth, place.right - place.left);
    EXPECT_EQ(size.bmHeight, place.bottom - place.top);
    const draw::MemoryDC dc = draw::MemoryDC::createCompatible();
    const draw::ScopedSelectObject selected(dc.get(), props::colourBitmap(edit));
    const COLORREF seen = GetPixel(dc.get(), 4, 3);
    EXPECT_NEAR(GetRValue(seen), veiled(place.left + 4), 1);
    EXPECT_NEAR(GetGValue(seen), veiled(place.top + 3), 1);
  }
}

TEST_F(ControlColourTest, WithoutTranslucencyOrForAComboBoxEditTheMessageIsPassedOn) {
  setSkinSwitches(1);
  colour(WM_CTLCOLOREDIT, edit);
  colour(WM_CTLCOLORBTN, button);
  EXPECT_EQ(loggedParameters(window, WM_CTLCOLOREDIT).size(), 1u);
  EXPECT_EQ(loggedParameters(window, WM_CTLCOLORBTN).size(), 1u);
  EXPECT_EQ(props::colourBrush(edit), nullptr);

  setSkinSwitches(1, 100);
  const HWND combo = CreateWindowExA(0, "ComboBox", "", WS_CHILD | WS_VISIBLE | CBS_DROPDOWN, 150, 40, 100, 120,
                                     window, nullptr, GetModuleHandleA(nullptr), nullptr);
  const HWND comboEdit = FindWindowExA(combo, nullptr, "Edit", nullptr);
  ASSERT_NE(comboEdit, nullptr);
  messageLog().clear();
  colour(WM_CTLCOLOREDIT, comboEdit);
  EXPECT_EQ(loggedParameters(window, WM_CTLCOLOREDIT).size(), 1u);
  EXPECT_EQ(props::colourBrush(comboEdit), nullptr);
}

}  // namespace
}  // namespace skin::test
