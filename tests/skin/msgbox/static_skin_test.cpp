#include "skin/controls/static_skin.h"

#include <gtest/gtest.h>

#include <memory>

#include "skin/core/engine_state.h"
#include "draw/gdi_handles.h"
#include "skin/controls/control_installs.h"
#include "skin/core/canvas.h"
#include "skin/core/control_properties.h"
#include "skin/core/skin_theme.h"
#include "skin/core/skinned_window_record.h"
#include "support/test_windows.h"

namespace skin {
namespace {

constexpr COLORREF backgroundColour = RGB(0x33, 0x66, 0x99);

COLORREF pixelOf(HWND window, int x, int y) {
  const draw::WindowDC dc = draw::WindowDC::client(window);
  return GetPixel(dc.get(), x, y) & 0xFFFFFF;
}

bool isDark(COLORREF c) { return GetRValue(c) + GetGValue(c) + GetBValue(c) < 200; }

// A skinned window whose background is one flat colour, with statics placed on it.
class StaticSkinTest : public testing::Test {
 protected:
  void SetUp() override {
    resetEngineState();
    window_ = CreateWindowExA(WS_EX_TOOLWINDOW, testing_support::testWindowClass("StaticSkinTestWindow"), "statics",
                              WS_POPUP, 40, 40, 260, 160, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ShowWindow(window_, SW_SHOWNOACTIVATE);
    auto record = std::make_unique<SkinnedWindowRecord>();
    record->window = window_;
    record->backgroundImage.resize(260, 160);
    const draw::OwnedBrush fill(CreateSolidBrush(backgroundColour));
    const RECT all{0, 0, 260, 160};
    FillRect(record->backgroundImage.dc(), &all, fill.get());
    index_ = appendSkinnedWindow(std::move(record));
    props::setRecordIndex(window_, index_);
  }
  void TearDown() override {
    DestroyWindow(window_);
    resetEngineState();
  }

  HWND staticControl(DWORD style, int x, int y, int width, int height, const char* text = "") {
    return CreateWindowExA(0, "Static", text, WS_CHILD | WS_VISIBLE | style, x, y, width, height, window_, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
  }
  void install() { skinDialogStatics(index_, window_, 6, 1); }
  SkinnedWindowRecord& record() { return *skinnedWindowAt(index_); }
  static void repaint(HWND control) {
    InvalidateRect(control, nullptr, TRUE);
    UpdateWindow(control);
  }
  static SIZE sizeOf(HWND control) {
    RECT r{};
    GetWindowRect(control, &r);
    return SIZE{r.right - r.left, r.bottom - r.top};
  }

  HWND window_ = nullptr;
  int index_ = 0;
};

TEST(StaticLook, KindAndPlacementComeFromTheStaticType) {
  struct Case {
    LONG_PTR style;
    StaticLook look;
  };
  const Case cases[] = {
      {SS_LEFT, {textStatic, placeTopLeft}},
      {SS_CENTER | SS_NOPREFIX, {textStatic, placeTopLeft}},
      {SS_SIMPLE, {textStatic, placeTopLeft}},  // 0xB has both low bits, yet is text
      {SS_BLACKFRAME, {textStatic, placeTopLeft}},
      {SS_ICON, {iconStatic, placeTopLeft}},
      {SS_ICON | SS_CENTERIMAGE, {iconStatic, placeCentred}},
      {SS_ICON | SS_REALSIZECONTROL, {iconStatic, placeStretched}},
      {SS_ICON | SS_RIGHTJUST, {iconStatic, placeBottomRight}},
      {SS_ICON | SS_CENTERIMAGE | SS_REALSIZECONTROL, {iconStatic, placeCentred}},
      {SS_BITMAP, {bitmapStatic, placeTopLeft}},
      {SS_BITMAP | SS_REALSIZECONTROL | SS_RIGHTJUST, {bitmapStatic, placeStretched}},
  };
  for (const Case& c : cases) EXPECT_EQ(staticLookFromStyle(c.style), c.look) << std::hex << c.style;
}

TEST_F(StaticSkinTest, InstallWidensTextStaticsOnlyAndRegistersEachOnce) {
  const HWND text = staticControl(SS_LEFT, 10, 10, 120, 16, "message");
  const HWND icon = staticControl(SS_ICON | SS_REALSIZECONTROL, 10, 40, 32, 32);
  const SIZE textBefore = sizeOf(text), iconBefore = sizeOf(icon);
  const auto platformProc = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(text, GWLP_WNDPROC));

  install();
  install();

  EXPECT_EQ(sizeOf(text).cx, textBefore.cx + 6);
  EXPECT_EQ(sizeOf(text).cy, textBefore.cy);
  EXPECT_EQ(sizeOf(icon).cx, iconBefore.cx);
  ASSERT_EQ(record().dialogStatics.size(), 2);
  for (HWND control : {text, icon}) {
    const int slot = record().dialogStatics.find(control);
    ASSERT_NE(slot, 0);
    EXPECT_EQ(props::recordIndex(control), slot);
    EXPECT_EQ(props::windowIndex(control), index_);
    EXPECT_EQ(GetWindowLongPtrA(control, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&staticSkinProc));
  }
  const StaticRecord& textRecord = *record().dialogStatics.at(props::recordIndex(text));
  EXPECT_EQ(textRecord.staticKind, textStatic);
  EXPECT_EQ(textRecord.previousProc, platformProc);
  EXPECT_EQ(props::previousProcedure(text), platformProc);
  EXPECT_EQ(record().dialogStatics.at(props::recordIndex(icon))->placement, placeStretched);
}

TEST_F(StaticSkinTest, NothingIsTakenWithControlSkinsOff) {
  theme().skinControls = false;
  const HWND text = staticControl(SS_LEFT, 10, 10, 120, 16, "message");
  const SIZE before = sizeOf(text);
  install();
  EXPECT_TRUE(record().dialogStatics.empty());
  EXPECT_EQ(props::windowIndex(text), 0);
  EXPECT_EQ(sizeOf(text).cx, before.cx);
}

TEST_F(StaticSkinTest, TextIsDrawnDarkOverTheWindowBackground) {
  const HWND text = staticControl(SS_LEFT, 10, 10, 150, 20, "WWWW MMMM");
  install();
  repaint(text);

  bool ink = false;
  for (int x = 0; x < 60 && !ink; ++x)
    for (int y = 0; y < 20 && !ink; ++y) ink = isDark(pixelOf(text, x, y));
  EXPECT_TRUE(ink) << "no dark text strokes";
  // Far right of the short text: the window's own background, no grey fill.
  EXPECT_EQ(pixelOf(text, 145, 17), backgroundColour);
}

// Dark pixels of the static's client area within columns [left, right).
int inkIn(HWND control, int left = 0, int right = -1) {
  RECT client{};
  GetClientRect(control, &client);
  if (right < 0) right = client.right;
  int ink = 0;
  for (int y = 0; y < client.bottom; ++y)
    for (int x = left; x < right; ++x) ink += isDark(pixelOf(control, x, y));
  return ink;
}

TEST_F(StaticSkinTest, AWrappedTextShowsEveryWordOfIt) {
  const char* words = "Every word of this message must reach the reader";
  const HWND wide = staticControl(SS_LEFT, 4, 4, 240, 60, words);
  install();
  repaint(wide);
  const int onWideLines = inkIn(wide);
  ASSERT_GT(onWideLines, 0);
  DestroyWindow(wide);

  const HWND narrow = staticControl(SS_LEFT, 4, 4, 70, 150, words);
  install();
  repaint(narrow);
  const int width = sizeOf(narrow).cx;
  // Lines laid out wider than the static would run into its edge and lose their ends.
  EXPECT_EQ(inkIn(narrow, width - 2, width), 0) << "strokes cut at the right edge";
  EXPECT_NEAR(inkIn(narrow), onWideLines, onWideLines / 20) << "the same words, wrapped";
}

TEST_F(StaticSkinTest, BlankTextLeavesThePaintingToThePlatform) {
  for (const char* blank : {"", "   "}) {
    const HWND text = staticControl(SS_LEFT, 10, 10, 150, 20, blank);
    install();
    repaint(text);
    int darkPixels = 0;
    for (int x = 0; x < 150; x += 3)
      for (int y = 0; y < 20; y += 3) darkPixels += isDark(pixelOf(text, x, y));
    EXPECT_EQ(darkPixels, 0) << "'" << blank << "' was drawn as text";
    DestroyWindow(text);
  }
  EXPECT_TRUE(canvasList().empty());
}

// What the static showed on screen when its platform procedure was handed WM_SETTEXT.
struct SeenAtSetText {
  int ink = -1;
  COLORREF corner = 0;
};
SeenAtSetText seenAtSetText;
constexpr char platformProcKey[] = "Test_platformProc";

LRESULT CALLBACK platformSideProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_SETTEXT) seenAtSetText = {inkIn(handle), pixelOf(handle, 145, 17)};
  const auto platform = reinterpret_cast<WNDPROC>(GetPropA(handle, platformProcKey));
  return CallWindowProcA(platform, handle, message, wParam, lParam);
}

// The platform draws the new text straight away in its own look; just before, the skin
// lays the text the static still holds over the window's background, so that whatever
// stood there (a stale picture, the platform's grey) is gone first.
TEST_F(StaticSkinTest, ANewTextFindsTheOldOnePaintedOverTheBackground) {
  const HWND text = staticControl(SS_LEFT, 10, 10, 150, 20, "WWWW MMMM");
  const LONG_PTR platform = SetWindowLongPtrA(text, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&platformSideProc));
  SetPropA(text, platformProcKey, reinterpret_cast<HANDLE>(platform));
  install();
  repaint(text);
  const int oldInk = inkIn(text);
  ASSERT_GT(oldInk, 0);
  {
    const draw::WindowDC dc = draw::WindowDC::client(text);
    const draw::OwnedBrush marker(CreateSolidBrush(RGB(0xFF, 0x00, 0xFE)));
    const RECT all{0, 0, 156, 20};
    FillRect(dc.get(), &all, marker.get());
  }
  seenAtSetText = {};

  SendMessageA(text, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("ii"));

  EXPECT_EQ(seenAtSetText.corner, backgroundColour);
  EXPECT_NEAR(seenAtSetText.ink, oldInk, oldInk / 20) << "the old text, whole";
  DestroyWindow(text);
}

// A 16 x 16 icon of one colour.
draw::OwnedBitmap solidBitmap(int size, COLORREF colour) {
  const draw::WindowDC screen = draw::WindowDC::client(nullptr);
  draw::OwnedBitmap bitmap(CreateCompatibleBitmap(screen.get(), size, size));
  draw::MemoryDC dc = draw::MemoryDC::createCompatible();
  const draw::ScopedSelectObject selected(dc.get(), bitmap.get());
  const draw::OwnedBrush brush(CreateSolidBrush(colour));
  const RECT all{0, 0, size, size};
  FillRect(dc.get(), &all, brush.get());
  return bitmap;
}

struct OwnedIcon {
  HICON icon = nullptr;
  ~OwnedIcon() { DestroyIcon(icon); }
};

OwnedIcon solidIcon(COLORREF colour) {
  draw::OwnedBitmap colourBits = solidBitmap(16, colour);
  draw::OwnedBitmap mask = solidBitmap(16, RGB(0, 0, 0));  // all opaque
  ICONINFO info{TRUE, 0, 0, mask.get(), colourBits.get()};
  return OwnedIcon{CreateIconIndirect(&info)};
}

TEST_F(StaticSkinTest, IconsAreStretchedOnlyWithRealSizeControl) {
  const COLORREF red = RGB(220, 20, 20);
  const OwnedIcon icon = solidIcon(red);
  struct Case {
    DWORD style;
    COLORREF expectedFarCorner;
  };
  // DrawIcon draws at the system icon size (32) at (0, 0); DrawIconEx fills the control.
  const Case cases[] = {{SS_ICON, backgroundColour}, {SS_ICON | SS_REALSIZECONTROL, red}};
  for (const Case& c : cases) {
    const HWND control = staticControl(c.style, 10, 10, 60, 60);
    SendMessageA(control, STM_SETICON, reinterpret_cast<WPARAM>(icon.icon), 0);
    SetWindowPos(control, nullptr, 10, 10, 60, 60, SWP_NOZORDER);
    install();
    repaint(control);
    EXPECT_EQ(pixelOf(control, 8, 8), red) << std::hex << c.style;
    EXPECT_EQ(pixelOf(control, 52, 52), c.expectedFarCorner) << std::hex << c.style;
    DestroyWindow(control);
  }
}

TEST_F(StaticSkinTest, CentredBitmapSitsOnTheBackground) {
  const COLORREF green = RGB(20, 200, 60);
  draw::OwnedBitmap bitmap = solidBitmap(10, green);
  const HWND control = staticControl(SS_BITMAP | SS_CENTERIMAGE, 10, 10, 40, 40);
  SendMessageA(control, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap.get()));
  SetWindowPos(control, nullptr, 10, 10, 40, 40, SWP_NOZORDER);
  install();
  repaint(control);
  RECT client{};
  GetClientRect(control, &client);
  EXPECT_EQ(pixelOf(control, client.right / 2, client.bottom / 2), green);
  EXPECT_EQ(pixelOf(control, 2, 2), backgroundColour);
  // The bitmap is still the control's: the skin drew a copy.
  EXPECT_EQ(reinterpret_cast<HBITMAP>(SendMessageA(control, STM_GETIMAGE, IMAGE_BITMAP, 0)), bitmap.get());
  DestroyWindow(control);
}

}  // namespace
}  // namespace skin
