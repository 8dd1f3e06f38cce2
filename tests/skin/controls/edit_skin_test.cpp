#include "skin/controls/edit_skin.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "draw/drawing.h"
#include "draw/gdi_handles.h"
#include "skin/controls/scroll_overlay.h"
#include "skin/core/control_properties.h"
#include "skin/core/window_helpers.h"
#include "skinned_form.h"

namespace skin::test {
namespace {

constexpr DWORD resultBoxStyle = WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;
constexpr DWORD inputBoxStyle = WS_TABSTOP | ES_AUTOHSCROLL;

LPARAM screenParam(POINT p) { return MAKELPARAM(static_cast<WORD>(p.x), static_cast<WORD>(p.y)); }

SCROLLBARINFO barInfo(HWND control, LONG objectId) {
  SCROLLBARINFO info{};
  info.cbSize = sizeof info;
  GetScrollBarInfo(control, objectId, &info);
  return info;
}

RECT windowRect(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return rect;
}

// The overlay lies exactly over the native bar.
testing::AssertionResult coversBar(HWND overlay, HWND control, LONG objectId) {
  const RECT place = windowRect(overlay);
  const RECT bar = barInfo(control, objectId).rcScrollBar;
  if (EqualRect(&place, &bar)) return testing::AssertionSuccess();
  return testing::AssertionFailure() << "overlay (" << place.left << ", " << place.top << ", " << place.right << ", "
                                     << place.bottom << "), bar (" << bar.left << ", " << bar.top << ", " << bar.right
                                     << ", " << bar.bottom << ")";
}

std::string lines(int count) {
  std::string text;
  for (int i = 1; i <= count; ++i) text += "line " + std::to_string(i) + "\r\n";
  return text;
}

// Forwards to the platform's edit procedure and remembers what reached it.
std::vector<UINT>& platformMessages() {
  static std::vector<UINT> messages;
  return messages;
}
WNDPROC platformEditProc = nullptr;
LRESULT CALLBACK recordingEditProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
  platformMessages().push_back(message);
  return CallWindowProcA(platformEditProc, edit, message, wParam, lParam);
}

class EditSkinTest : public testing::Test {
 protected:
  HWND addEdit(int x, int y, int width, int height, DWORD style, DWORD exStyle = WS_EX_CLIENTEDGE,
               const char* text = "") {
    return form.add("EDIT", x, y, width, height, style, exStyle, text);
  }
  EditRecord& recordOf(HWND edit) const { return *form.record().edits.at(props::recordIndex(edit)); }
  Rgb at(HWND window, int x, int y) const { return form.imagePixel(window, x, y); }

  SkinnedForm form;
};

TEST_F(EditSkinTest, OverlaysCoverExactlyTheScrollBarsTheEditHas) {
  const struct {
    const char* name;
    DWORD style;
    bool vertical, horizontal;
  } cases[] = {
      {"no scroll bar", ES_MULTILINE, false, false},
      {"vertical", ES_MULTILINE | WS_VSCROLL, true, false},
      {"horizontal", ES_MULTILINE | ES_AUTOHSCROLL | WS_HSCROLL, false, true},
      {"both", ES_MULTILINE | ES_AUTOHSCROLL | WS_VSCROLL | WS_HSCROLL, true, true},
  };
  std::vector<HWND> edits;
  for (size_t i = 0; i < std::size(cases); ++i)
    edits.push_back(addEdit(10 + static_cast<int>(i % 2) * 170, 35 + static_cast<int>(i / 2) * 100, 150, 80,
                            cases[i].style));
  form.install();

  for (size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(cases[i].name);
    const HWND edit = edits[i];
    const EditRecord& record = recordOf(edit);
    EXPECT_EQ(record.verticalOverlay != nullptr, cases[i].vertical);
    EXPECT_EQ(record.horizontalOverlay != nullptr, cases[i].horizontal);
    EXPECT_EQ(props::textColour(edit), 0u);
    const std::pair<HWND, LONG> bars[] = {{record.verticalOverlay, OBJID_VSCROLL},
                                          {record.horizontalOverlay, OBJID_HSCROLL}};
    for (const auto& [overlay, objectId] : bars) {
      if (!overlay) continue;
      EXPECT_EQ(GetParent(overlay), form.window());
      EXPECT_TRUE(isWindowOfClass(overlay, "Static"));
      EXPECT_TRUE(IsWindowVisible(overlay));
      EXPECT_FALSE(IsWindowEnabled(overlay)) << "it takes no input";
      EXPECT_EQ(props::coveredControl(overlay), edit);
      EXPECT_EQ(props::windowIndex(overlay), form.index());
      EXPECT_TRUE(coversBar(overlay, edit, objectId));
    }
  }
}

TEST_F(EditSkinTest, OverlaysFollowMovesAndHideWithTheirBar) {
  const HWND edit = addEdit(20, 40, 160, 90, ES_MULTILINE | ES_AUTOHSCROLL | WS_VSCROLL | WS_HSCROLL);
  const HWND hiddenAtInstall = addEdit(200, 40, 120, 90, ES_MULTILINE | WS_VSCROLL);
  ShowWindow(hiddenAtInstall, SW_HIDE);
  form.install();
  const EditRecord& record = recordOf(edit);
  const HWND vertical = record.verticalOverlay;
  const HWND horizontal = record.horizontalOverlay;
  const HWND late = recordOf(hiddenAtInstall).verticalOverlay;
  EXPECT_FALSE(IsWindowVisible(late));

  MoveWindow(edit, 30, 60, 150, 80, TRUE);
  EXPECT_TRUE(coversBar(vertical, edit, OBJID_VSCROLL));
  EXPECT_TRUE(coversBar(horizontal, edit, OBJID_HSCROLL));

  ShowScrollBar(edit, SB_VERT, FALSE);
  MoveWindow(edit, 30, 60, 150, 81, TRUE);
  EXPECT_FALSE(IsWindowVisible(vertical));
  EXPECT_TRUE(IsWindowVisible(horizontal));
  EXPECT_TRUE(coversBar(horizontal, edit, OBJID_HSCROLL));

  ShowWindow(edit, SW_HIDE);
  EXPECT_FALSE(IsWindowVisible(horizontal));

  ShowWindow(hiddenAtInstall, SW_SHOW);
  EXPECT_TRUE(IsWindowVisible(late));
  EXPECT_TRUE(coversBar(late, hiddenAtInstall, OBJID_VSCROLL));
}

// One scroll bar of a box as a test walks it: across and along the bar, in the bar's
// own coordinates.
struct BarUnderTest {
  ScrollDirection direction;
  LONG objectId;
  WPARAM hitCode;
  SCROLLBARINFO info;
  bool vertical() const { return direction == ScrollDirection::vertical; }
  int thickness() const {
    return vertical() ? info.rcScrollBar.right - info.rcScrollBar.left : info.rcScrollBar.bottom - info.rcScrollBar.top;
  }
  int length() const {
    return vertical() ? info.rcScrollBar.bottom - info.rcScrollBar.top : info.rcScrollBar.right - info.rcScrollBar.left;
  }
  int thumbMiddle() const { return (info.xyThumbTop + info.xyThumbBottom) / 2; }
  int trackPastThumb() const { return (info.xyThumbBottom + length() - 17) / 2; }
  POINT inBar(int across, int along) const { return vertical() ? POINT{across, along} : POINT{along, across}; }
  POINT onScreen(int across, int along) const {
    const POINT p = inBar(across, along);
    return {info.rcScrollBar.left + p.x, info.rcScrollBar.top + p.y};
  }
};

// A result box with more lines and longer lines than it shows: both bars have a thumb.
class ScrolledBoxTest : public EditSkinTest {
 protected:
  void SetUp() override {
    std::string text;
    for (int i = 1; i <= 40; ++i) text += "line " + std::to_string(i) + std::string(60, 'x') + "\r\n";
    box = addEdit(40, 50, 200, 120, resultBoxStyle | WS_HSCROLL | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, text.c_str());
    form.install();
    bars = {BarUnderTest{ScrollDirection::vertical, OBJID_VSCROLL, HTVSCROLL, barInfo(box, OBJID_VSCROLL)},
            BarUnderTest{ScrollDirection::horizontal, OBJID_HSCROLL, HTHSCROLL, barInfo(box, OBJID_HSCROLL)}};
    for (const BarUnderTest& bar : bars) ASSERT_GT(bar.info.xyThumbBottom, bar.info.xyThumbTop);
  }
  HWND overlayOf(const BarUnderTest& bar) const { return findScrolledControl(box).bar(bar.direction).overlay; }
  Rgb at(const BarUnderTest& bar, int across, int along) const {
    const POINT p = bar.inBar(across, along);
    return form.imagePixel(overlayOf(bar), p.x, p.y);
  }
  void hover(const BarUnderTest& bar, int across, int along) {
    SendMessageA(box, WM_NCMOUSEMOVE, bar.hitCode, screenParam(bar.onScreen(across, along)));
  }

  HWND box = nullptr;
  std::vector<BarUnderTest> bars;
};

TEST_F(ScrolledBoxTest, HitTestFindsArrowsThumbAndTrack) {
  const ScrolledControl scrolled = findScrolledControl(box);
  for (const BarUnderTest& bar : bars) {
    SCOPED_TRACE(bar.vertical() ? "vertical" : "horizontal");
    const struct {
      const char* name;
      int across, along;
      int part;
    } cases[] = {
        {"first arrow", 8, 8, firstArrowPart},
        {"first arrow's inner edge", 8, 17, firstArrowPart},
        {"second arrow", 8, bar.length() - 8, secondArrowPart},
        {"thumb", 8, bar.thumbMiddle(), thumbPart},
        {"track past the thumb", 8, bar.trackPastThumb(), noScrollPart},
        {"beside the bar", -5, bar.thumbMiddle(), noScrollPart},
    };
    paintScrollBar(scrolled, bar.direction, noScrollPart);
    for (const auto& c : cases) {
      SCOPED_TRACE(c.name);
      EXPECT_EQ(hitTestScrollBar(scrolled, bar.direction, screenParam(bar.onScreen(c.across, c.along))), c.part);
    }
  }
}

TEST_F(ScrolledBoxTest, HoveringTheThumbAndAnArrowLightsThem) {
  for (const BarUnderTest& bar : bars) {
    SCOPED_TRACE(bar.vertical() ? "vertical" : "horizontal");
    const int middle = bar.thickness() / 2;
    const int thumbAt = bar.thumbMiddle();
    const POINT inArrow{13, 5};  // across, along: inside the first arrow's button, beside its picture
    const Rgb thumb = at(bar, middle, thumbAt);
    const Rgb arrow = at(bar, inArrow.x, inArrow.y);
    EXPECT_NE(thumb.g, at(bar, middle, bar.trackPastThumb()).g) << "a thumb is drawn";

    hover(bar, middle, thumbAt);
    EXPECT_GT(at(bar, middle, thumbAt).g, thumb.g + 10) << "the white underlay";
    EXPECT_TRUE(closeTo(at(bar, inArrow.x, inArrow.y), arrow, 2));

    hover(bar, inArrow.x, inArrow.y);
    EXPECT_GT(redness(at(bar, inArrow.x, inArrow.y)), redness(arrow) + 20);
    EXPECT_TRUE(closeTo(at(bar, middle, thumbAt), thumb, 2));
  }
}

class ResultBoxTest : public EditSkinTest {
 protected:
  void SetUp() override {
    box = addEdit(40, 50, 200, 120, resultBoxStyle, WS_EX_CLIENTEDGE, lines(40).c_str());
    form.install();
    overlay = recordOf(box).verticalOverlay;
    ASSERT_NE(overlay, nullptr);
    bar = barInfo(box, OBJID_VSCROLL);
  }
  // A point of the bar in screen coordinates, from its left and top.
  POINT onBar(int x, int y) const { return {bar.rcScrollBar.left + x, bar.rcScrollBar.top + y}; }
  int barHeight() const { return bar.rcScrollBar.bottom - bar.rcScrollBar.top; }
  void hoverBar(POINT p) { SendMessageA(box, WM_NCMOUSEMOVE, HTVSCROLL, screenParam(p)); }

  HWND box = nullptr;
  HWND overlay = nullptr;
  SCROLLBARINFO bar{};
};

TEST_F(ResultBoxTest, DisabledBarShowsNoThumbAndNoHover) {
  // Wine counts a bar unavailable only when its content fits; disabled as well, it
  // still reports a thumb position, which the painter must not draw.
  SetWindowTextA(box, lines(2).c_str());
  EnableWindow(box, FALSE);
  ASSERT_TRUE(barInfo(box, OBJID_VSCROLL).rgstate[0] & STATE_SYSTEM_UNAVAILABLE);
  const ScrolledControl scrolled = findScrolledControl(box);
  paintScrollBar(scrolled, ScrollDirection::vertical, noScrollPart);
  const int x = (bar.rcScrollBar.right - bar.rcScrollBar.left) / 2;
  const POINT inArrow{13, 5};
  const Rgb arrow = at(overlay, inArrow.x, inArrow.y);

  hoverBar(onBar(inArrow.x, inArrow.y));

  EXPECT_TRUE(closeTo(at(overlay, inArrow.x, inArrow.y), arrow, 2)) << "no hover";
  // The track's gradient runs across the bar only: without a thumb every row between
  // the arrows is the same.
  const Rgb top = at(overlay, x, 20);
  for (int y = 20; y < barHeight() - 20; y += 4) EXPECT_TRUE(closeTo(at(overlay, x, y), top, 1)) << "row " << y;
}

TEST_F(ResultBoxTest, RepaintingTheEditLeavesItsOverlayOnTop) {
  const POINT onTrack{3, barHeight() / 2};
  const auto shown = [&] {
    const draw::WindowDC dc = draw::WindowDC::client(overlay);
    return GetPixel(dc.get(), onTrack.x, onTrack.y);
  };
  const COLORREF before = shown();
  const Rgb kept = at(overlay, onTrack.x, onTrack.y);
  ASSERT_GT(redness(kept), 10) << "the tinted track";

  InvalidateRect(box, nullptr, TRUE);  // the client only: a paint that repaints no overlay
  UpdateWindow(box);

  EXPECT_EQ(shown(), before);
  EXPECT_TRUE(closeTo(at(overlay, onTrack.x, onTrack.y), kept, 0));
}

TEST_F(ResultBoxTest, OverlayRepaintFollowsTheAccent) {
  const POINT onTrack{3, barHeight() / 2};
  ASSERT_GT(redness(at(overlay, onTrack.x, onTrack.y)), 10);
  theme().themeColour = 0xFF0000;  // blue
  paintScrollBar(findScrolledControl(box), ScrollDirection::vertical, noScrollPart);
  const Rgb track = at(overlay, onTrack.x, onTrack.y);
  EXPECT_GT(track.b - track.g, 10);
  EXPECT_LE(std::abs(redness(track)), 2);
}

TEST_F(ResultBoxTest, OverlayShowsWhereWheelAndKeysLeaveTheThumb) {
  const int x = (bar.rcScrollBar.right - bar.rcScrollBar.left) / 2;
  const auto column = [&] {
    std::vector<std::uint32_t> pixels;
    for (int y = 0; y < barHeight(); ++y) {
      const Rgb c = at(overlay, x, y);
      pixels.push_back(static_cast<std::uint32_t>(c.r << 16 | c.g << 8 | c.b));
    }
    return pixels;
  };
  const auto asFreshlyPainted = [&] {
    const std::vector<std::uint32_t> shown = column();
    paintScrollBar(findScrolledControl(box), ScrollDirection::vertical, noScrollPart);
    return shown == column();
  };
  const std::vector<std::uint32_t> atTop = column();

  for (int i = 0; i < 4; ++i) SendMessageA(box, WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 0);
  EXPECT_NE(column(), atTop) << "the thumb moved";
  EXPECT_TRUE(asFreshlyPainted()) << "after the wheel";

  SendMessageA(box, WM_KEYDOWN, VK_NEXT, 0);
  EXPECT_TRUE(asFreshlyPainted()) << "after a page down";
}

TEST_F(ResultBoxTest, ClickingTheOverlayScrollsTheEdit) {
  SetForegroundWindow(form.window());
  form.settle();
  const POINT downArrow = onBar((bar.rcScrollBar.right - bar.rcScrollBar.left) / 2, barHeight() - 8);
  EXPECT_EQ(WindowFromPoint(downArrow), box) << "the click passes through the overlay";
  const int before = static_cast<int>(SendMessageA(box, EM_GETFIRSTVISIBLELINE, 0, 0));

  SetCursorPos(downArrow.x, downArrow.y);
  INPUT clicks[2]{};
  clicks[0].type = clicks[1].type = INPUT_MOUSE;
  clicks[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  clicks[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(2, clicks, sizeof(INPUT));
  for (int i = 0; i < 20 && SendMessageA(box, EM_GETFIRSTVISIBLELINE, 0, 0) == before; ++i) {
    Sleep(10);
    form.settle();
  }

  EXPECT_GT(SendMessageA(box, EM_GETFIRSTVISIBLELINE, 0, 0), before);
}

TEST_F(EditSkinTest, FrameShowsFocusOnBothBordersAndHoverOnEdgesOnly) {
  const HWND edged = addEdit(20, 40, 150, 24, inputBoxStyle, WS_EX_CLIENTEDGE);
  // The edit control takes a WS_BORDER given at creation off and draws that border in
  // its client area itself; given later, it is a one-pixel non-client frame.
  const HWND bordered = addEdit(190, 40, 150, 24, inputBoxStyle, 0);
  SetWindowLongPtrA(bordered, GWL_STYLE, GetWindowLongPtrA(bordered, GWL_STYLE) | WS_BORDER);
  SetWindowPos(bordered, nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
  const HWND elsewhere = addEdit(20, 120, 150, 24, inputBoxStyle, WS_EX_CLIENTEDGE);
  form.install();  // opaque controls: the ring is white under the strokes
  const Rgb white{255, 255, 255};
  const Rgb black80{175, 175, 175};   // black at 80 over white
  const Rgb accent180{255, 75, 75};   // red at 180 over white
  const Rgb accent90{255, 165, 165};  // white at 60, then red at 90, over white
  const int middle = 12;

  const auto outer = [&](HWND edit) { return at(edit, 0, middle); };
  const auto inner = [&](HWND edit) { return at(edit, 1, middle); };
  const auto repaintFrame = [&](HWND edit) {
    RedrawWindow(edit, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  };

  for (const HWND edit : {edged, bordered}) EXPECT_TRUE(closeTo(outer(edit), black80, 4));
  EXPECT_TRUE(closeTo(inner(edged), white, 2)) << "an opaque white ring";

  for (const HWND edit : {edged, bordered}) {
    SetFocus(edit);
    repaintFrame(edit);
    EXPECT_TRUE(closeTo(outer(edit), accent180, 4)) << (edit == edged ? "client edge" : "border");
  }
  SetFocus(elsewhere);
  form.settle();
  EXPECT_TRUE(closeTo(outer(bordered), black80, 4)) << "focus gone at once";

  SendMessageA(edged, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  EXPECT_TRUE(closeTo(outer(edged), accent90, 4));
  EXPECT_TRUE(closeTo(inner(edged), accent180, 4));
  SendMessageA(bordered, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  EXPECT_TRUE(closeTo(outer(bordered), black80, 4)) << "never the hot frame";
  SendMessageA(bordered, WM_MOUSELEAVE, 0, 0);

  SendMessageA(edged, WM_MOUSELEAVE, 0, 0);
  EXPECT_TRUE(closeTo(outer(edged), black80, 4));
  EXPECT_TRUE(closeTo(inner(edged), white, 2));
}

TEST_F(EditSkinTest, EraseGoesToThePlatformOnlyWithOpaqueControls) {
  for (const bool translucent : {false, true}) {
    SCOPED_TRACE(translucent ? "translucent" : "opaque");
    SkinnedForm local;
    const HWND edit = local.add("EDIT", 20, 40, 150, 24, inputBoxStyle, WS_EX_CLIENTEDGE);
    platformEditProc =
        reinterpret_cast<WNDPROC>(SetWindowLongPtrA(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(recordingEditProc)));
    local.install(translucent);
    const Rgb ground = local.groundPixel(edit, 10, 10);

    draw::MemoryDC target = draw::MemoryDC::createCompatible();
    const draw::OwnedBitmap bitmap(CreateCompatibleBitmap(GetDC(nullptr), 146, 20));
    const draw::ScopedSelectObject selected(target.get(), bitmap.get());
    platformMessages().clear();
    SendMessageA(edit, WM_ERASEBKGND, reinterpret_cast<WPARAM>(target.get()), 0);

    const bool reachedPlatform =
        std::find(platformMessages().begin(), platformMessages().end(), WM_ERASEBKGND) != platformMessages().end();
    EXPECT_EQ(reachedPlatform, !translucent);
    if (translucent) {
      const int veiled = ground.g + (255 - ground.g) * 100 / 255;  // white at 100 over the ground
      const COLORREF pixel = GetPixel(target.get(), 70, 10);
      EXPECT_TRUE(closeTo({GetRValue(pixel), GetGValue(pixel), GetBValue(pixel)}, {veiled, veiled, veiled}, 3));
    }
    DestroyWindow(local.window());
  }
}

// Pixels of the edit's client area as shown on the screen.
Rgb shownPixel(HWND edit, int x, int y) {
  const draw::WindowDC dc = draw::WindowDC::client(edit);
  const COLORREF pixel = GetPixel(dc.get(), x, y);
  return {GetRValue(pixel), GetGValue(pixel), GetBValue(pixel)};
}

TEST_F(EditSkinTest, TypedTextIsDrawnOverTheTranslucentBackground) {
  const HWND edit = addEdit(20, 40, 200, 26, inputBoxStyle, WS_EX_CLIENTEDGE);
  form.install(true);
  SetFocus(edit);
  for (const char c : std::string("MMMMMM")) SendMessageA(edit, WM_CHAR, static_cast<WPARAM>(c), 1);
  form.settle();

  const Rgb ground = form.groundPixel(edit, 150, 12);
  const int veiled = ground.g + (255 - ground.g) * 100 / 255;
  EXPECT_TRUE(closeTo(shownPixel(edit, 150, 10), {veiled, veiled, veiled}, 4)) << "the picture shows through";
  int ink = 0;
  for (int y = 2; y < 20; ++y)
    for (int x = 1; x < 60; ++x) ink += shownPixel(edit, x, y).g < 60;
  EXPECT_GT(ink, 20) << "black text";
  EXPECT_NE(props::colourBrush(edit), nullptr);
}

TEST_F(EditSkinTest, TypingTwoThousandCharactersLeaksNothing) {
  const HWND box = addEdit(40, 50, 200, 120, resultBoxStyle, WS_EX_CLIENTEDGE);
  form.install(true);
  SetFocus(box);
  const int gdiObjects = draw::liveGdiObjectCount();
  const int drawingObjects = draw::liveDrawingObjectCount();
  for (int i = 1; i <= 2000; ++i) {
    SendMessageA(box, WM_CHAR, i % 40 == 0 ? '\r' : 'a' + i % 26, 1);
    UpdateWindow(box);
  }
  form.settle();
  EXPECT_GT(GetWindowTextLengthA(box), 2000);
  EXPECT_EQ(draw::liveGdiObjectCount(), gdiObjects);
  EXPECT_EQ(draw::liveDrawingObjectCount(), drawingObjects);
}

TEST_F(EditSkinTest, DestroyingTheEditRetiresItsOverlaysAndColourObjects) {
  const HWND box = addEdit(40, 50, 200, 120, resultBoxStyle, WS_EX_CLIENTEDGE, lines(3).c_str());
  form.install(true);
  const HWND overlay = recordOf(box).verticalOverlay;
  const int gdiObjects = draw::liveGdiObjectCount();
  ASSERT_NE(props::colourBrush(box), nullptr) << "the edit has painted with its colour brush";

  DestroyWindow(box);
  form.settle();

  EXPECT_FALSE(IsWindow(overlay));
  EXPECT_EQ(draw::liveGdiObjectCount(), gdiObjects - 2) << "its brush and bitmap are freed";
}

}  // namespace
}  // namespace skin::test
