#include "skin/msgbox/message_box_skin.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "skin/core/engine_state.h"
#include "draw/gdi_handles.h"
#include "message_box_harness.h"
#include "skin/controls/control_installs.h"
#include "skin/core/canvas.h"
#include "skin/core/control_properties.h"
#include "skin/core/skin_theme.h"
#include "skin/core/window_helpers.h"
#include "skin/msgbox/window_styles.h"
#include "skin/window/close_effect.h"
#include "skin/window/skin_installation.h"
#include "support/pixels.h"
#include "support/test_windows.h"

namespace skin::test {
namespace {

using testing_support::blue;
using testing_support::green;
using testing_support::red;
using testing_support::rgbAt;

class MessageBoxSkinTest : public testing::Test {
 protected:
  void SetUp() override { resetEngineState(); }
  void TearDown() override {
    EXPECT_FALSE(messageBoxHookInstalled());
    EXPECT_TRUE(skinnedWindows().empty()) << "a closed box kept its record";
    resetEngineState();
  }
};

HWND textStaticOf(HWND box) { return GetDlgItem(box, 0xFFFF); }

LONG widthOf(HWND window) { return windowSizeOf(window).cx; }

TEST(DialogHitCode, CloseZoneCaptionAndClientOnly) {
  // A dialog at (100, 50) of width 200 whose strip starts at 200 - 36.
  const RECT frame{100, 50, 300, 150};
  const int stripX = 164;
  struct Case {
    int x, y;
    int expected;
  };
  const Case cases[] = {
      {265, 60, HTCLOSE},   {264, 60, HTCAPTION},  // left bound is strict
      {294, 60, HTCLOSE},   {295, 60, HTCAPTION},  // right bound: strictly before right - 5
      {280, 54, HTCLOSE},   {280, 53, HTCAPTION},  // top bound is strict
      {280, 70, HTCLOSE},   {280, 71, HTCAPTION},  // bottom bound is inclusive
      {120, 75, HTCAPTION}, {120, 76, HTCLIENT},   // the caption is 25 deep
      {100, 50, HTCAPTION}, {299, 149, HTCLIENT},  // corners: never a border code
      {100, 100, HTCLIENT}, {299, 100, HTCLIENT},
  };
  for (const Case& c : cases) EXPECT_EQ(dialogHitCode(frame, stripX, c.x, c.y), c.expected) << c.x << "," << c.y;
}

TEST(CloseCommand, ClosesLikeTheSystemCloseForEachButtonSet) {
  struct Case {
    std::vector<int> buttons;
    int expected;
  };
  const Case cases[] = {
      {{IDOK}, IDOK},
      {{IDOK, IDHELP}, IDOK},
      {{IDOK, IDCANCEL}, IDCANCEL},
      {{IDYES, IDNO, IDCANCEL}, IDCANCEL},
      {{IDRETRY, IDCANCEL}, IDCANCEL},
      {{IDYES, IDNO}, 0},
      {{IDABORT, IDRETRY, IDIGNORE}, 0},
      {{}, 0},
  };
  for (const Case& c : cases) EXPECT_EQ(closeCommandFor(c.buttons), c.expected) << c.buttons.size();
}

TEST(LayeredStyle, AddsOnlyWhatIsMissing) {
  struct Case {
    DWORD initial;
    bool clickThrough;
    DWORD expected;
  };
  const Case cases[] = {
      {0, false, WS_EX_LAYERED},
      {WS_EX_TRANSPARENT, false, WS_EX_LAYERED | WS_EX_TRANSPARENT},
      {0, true, WS_EX_LAYERED | WS_EX_TRANSPARENT},
      {WS_EX_LAYERED, true, WS_EX_LAYERED | WS_EX_TRANSPARENT},
  };
  for (const Case& c : cases) {
    const HWND window = CreateWindowExA(WS_EX_TOOLWINDOW | c.initial, "Static", "", WS_POPUP, 0, 0, 20, 20, nullptr,
                                        nullptr, nullptr, nullptr);
    setLayeredStyle(window, c.clickThrough);
    EXPECT_EQ(GetWindowLongPtrA(window, GWL_EXSTYLE) & (WS_EX_LAYERED | WS_EX_TRANSPARENT), c.expected);
    DestroyWindow(window);
  }
  EXPECT_EQ(windowClassName(nullptr), "");
}

TEST_F(MessageBoxSkinTest, SkinnedBoxIsWiderRoundedAndFadesIn) {
  const char* text = "The address has been copied";
  LONG plainWidth = 0, plainTextWidth = 0, plainIconWidth = 0;
  showPlainBox(text, MB_OK | MB_ICONINFORMATION, "提示", [&](HWND box) {
    plainWidth = widthOf(box);
    plainTextWidth = widthOf(textStaticOf(box));
    plainIconWidth = widthOf(GetDlgItem(box, 1088));
    clickButton(box, IDOK);
  });
  ASSERT_GT(plainWidth, 0);
  EXPECT_TRUE(skinnedWindows().empty()) << "a box shown without the hook was skinned";

  const int result = showSkinnedBox(text, MB_OK | MB_ICONINFORMATION, "提示", [&](HWND box) {
    EXPECT_FALSE(messageBoxHookInstalled()) << "the first activation removes the hook";
    const int index = skinnedWindowIndex(box);
    ASSERT_EQ(index, 1);
    EXPECT_EQ(props::recordIndex(box), index);
    EXPECT_NE(props::previousProcedure(box), nullptr);
    EXPECT_EQ(GetWindowLongPtrA(box, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&dialogSkinProc));
    EXPECT_TRUE(GetWindowLongPtrA(box, GWL_STYLE) & WS_SYSMENU);

    const LONG width = widthOf(box);
    EXPECT_EQ(width, plainWidth + 6);
    EXPECT_EQ(widthOf(textStaticOf(box)), plainTextWidth + 6);
    EXPECT_EQ(widthOf(GetDlgItem(box, 1088)), plainIconWidth);

    const SkinnedWindowRecord& record = *skinnedWindowAt(index);
    EXPECT_EQ(record.captionHeight, 25);
    EXPECT_FALSE(record.resizable);
    ASSERT_EQ(record.titleButtons.size(), 1u);
    const TitleButton& close = record.titleButtons[0];
    EXPECT_EQ(close.kind, closeKind);
    EXPECT_EQ(close.width, 38);
    EXPECT_FALSE(close.image.empty());
    EXPECT_EQ(record.buttonStrip.x, width - 36);
    EXPECT_EQ(record.buttonStrip.width, 41);
    EXPECT_EQ(close.hitRect.x, static_cast<float>(width - 36));
    EXPECT_EQ(close.hitRect.width, 36.0f);
    EXPECT_EQ(close.hitRect.height, 22.0f);
    EXPECT_EQ(record.dialogStatics.size(), 2) << "the message text and the icon";
    const HWND ok = GetDlgItem(box, IDOK);
    EXPECT_NE(record.buttons.find(ok), 0) << "the OK button is a skinned glass button";
    EXPECT_EQ(GetWindowLongPtrA(ok, GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);

    // Rounded: the corner pixel is outside the window's region, the middle inside.
    const draw::OwnedRegion region(CreateRectRgn(0, 0, 0, 0));
    ASSERT_NE(GetWindowRgn(box, region.get()), ERROR);
    EXPECT_FALSE(PtInRegion(region.get(), 0, 0));
    EXPECT_TRUE(PtInRegion(region.get(), width / 2, 40));

    EXPECT_TRUE(GetWindowLongPtrA(box, GWL_EXSTYLE) & WS_EX_LAYERED);
    EXPECT_TRUE(pumpUntil([&] { return layeredAlpha(box) == 240; })) << int(layeredAlpha(box));
    clickButton(box, IDOK);
  });
  EXPECT_EQ(result, IDOK);
}

TEST_F(MessageBoxSkinTest, PaintLaysWashesTitleAndCloseGlyph) {
  showSkinnedBox("Paint me", MB_OK, nullptr, [](HWND box) {
    const SkinnedWindowRecord& record = *findSkinnedWindow(box);
    const OffscreenImage& image = record.backgroundImage;
    const SIZE size = windowSizeOf(box);
    ASSERT_EQ(image.width(), size.cx);
    ASSERT_EQ(image.height(), size.cy);
    EXPECT_EQ(GetPropA(box, props::dialogBackgroundBitmapKey), image.bitmap());

    // Black base under a white veil of 100 in the caption, clear of title and button.
    const std::uint32_t caption = rgbAt(image, size.cx - 45, 14);
    EXPECT_NEAR(red(caption), 100, 4);
    EXPECT_NEAR(blue(caption), 100, 4);
    // The body brightens downwards; the button band fades out again.
    const int band = static_cast<int>(0.32 * size.cy);
    const int upperBody = green(rgbAt(image, size.cx / 2, 30));
    const int lowerBody = green(rgbAt(image, size.cx / 2, size.cy - band - 4));
    const int bandTop = green(rgbAt(image, size.cx / 2, size.cy - band + 3));
    const int bandBottom = green(rgbAt(image, size.cx / 2, size.cy - 4));
    EXPECT_GT(upperBody, 150);
    EXPECT_GT(lowerBody, upperBody + 10);
    EXPECT_GT(bandTop, bandBottom + 10);

    // The platform's default caption, drawn black with a white halo.
    char title[64] = {};
    GetWindowTextA(box, title, sizeof title);
    ASSERT_STRNE(title, "");
    int darkest = 255, brightest = 0;
    for (int x = 8; x < 60; ++x)
      for (int y = 2; y < 24; ++y) {
        darkest = std::min(darkest, green(rgbAt(image, x, y)));
        brightest = std::max(brightest, green(rgbAt(image, x, y)));
      }
    EXPECT_LT(darkest, 60) << "no black title";
    EXPECT_GT(brightest, 150) << "no white halo";

    // The close glyph's dark cross at the right end of the caption.
    EXPECT_LT(green(rgbAt(image, size.cx - 19, 11)), 90);

    // The box has no icon: its empty icon static shows the dialog's background.
    const HWND icon = GetDlgItem(box, 1088);
    if (icon && IsWindowVisible(icon)) {
      RECT place{};
      GetWindowRect(icon, &place);
      RECT frame{};
      GetWindowRect(box, &frame);
      // Near its bottom, clear of the message text, which Wine lays over its top.
      const int x = 4, y = place.bottom - place.top - 4;
      const draw::WindowDC iconDc = draw::WindowDC::client(icon);
      const COLORREF iconShown = GetPixel(iconDc.get(), x, y);
      const std::uint32_t behind = rgbAt(image, place.left - frame.left + x, place.top - frame.top + y);
      EXPECT_NEAR(GetRValue(iconShown), red(behind), 4);
      EXPECT_NEAR(GetBValue(iconShown), blue(behind), 4);
    }

    // The whole window rectangle, caption included, shows the rendered image.
    const draw::WindowDC screen = draw::WindowDC::whole(box);
    const COLORREF shown = GetPixel(screen.get(), size.cx - 45, 14);
    EXPECT_NEAR(GetRValue(shown), red(caption), 4);
    clickButton(box, IDOK);
  });
}

// How a test dismisses a box, and what the box must answer.
struct Dismissal {
  const char* name;
  UINT style;
  void (*dismiss)(HWND box);
  int expected;
};

void pressSkinnedClose(HWND box) {
  const LPARAM point = screenPoint(box, widthOf(box) - 15, 10);
  ASSERT_EQ(SendMessageA(box, WM_NCHITTEST, 0, point), HTCLOSE);
  SendMessageA(box, WM_NCLBUTTONDOWN, HTCLOSE, point);
  SendMessageA(box, WM_NCLBUTTONUP, HTCLOSE, point);
}

TEST_F(MessageBoxSkinTest, ButtonCodesByButtonEnterAndSkinnedClose) {
  const Dismissal cases[] = {
      {"OK button", MB_OK, [](HWND box) { clickButton(box, IDOK); }, IDOK},
      {"Enter", MB_OK, [](HWND) { PostMessageA(GetFocus(), WM_KEYDOWN, VK_RETURN, 0); }, IDOK},
      {"close on OK only", MB_OK, pressSkinnedClose, IDOK},
      {"close with Cancel", MB_OKCANCEL, pressSkinnedClose, IDCANCEL},
      {"close on Yes/No does nothing",
       MB_YESNO,
       [](HWND box) {
         pressSkinnedClose(box);
         pumpMessages();
         EXPECT_TRUE(IsWindowVisible(box));
         clickButton(box, IDNO);
       },
       IDNO},
  };
  for (const Dismissal& c : cases) {
    const int result = showSkinnedBox(c.name, c.style, "codes", [&](HWND box) { c.dismiss(box); });
    EXPECT_EQ(result, c.expected) << c.name;
  }
}

TEST_F(MessageBoxSkinTest, CloseButtonLightsUnderTheMouseAndClosesOnlyWhenReleasedOverIt) {
  const int result = showSkinnedBox("Hover", MB_OK, "hover", [](HWND box) {
    const SkinnedWindowRecord& record = *findSkinnedWindow(box);
    const int width = widthOf(box);
    const auto sample = [&] { return rgbAt(record.backgroundImage, width - 9, 10); };
    const std::uint32_t normal = sample();
    const LPARAM overClose = screenPoint(box, width - 15, 10);
    const LPARAM overCaption = screenPoint(box, 40, 10);

    SendMessageA(box, WM_NCMOUSEMOVE, HTCLOSE, overClose);
    EXPECT_TRUE(record.closeHot);
    const std::uint32_t hot = sample();
    EXPECT_GT(red(hot), blue(hot) + 40) << std::hex << hot;

    // Into the body the close button stays hot; over the caption it goes back.
    SendMessageA(box, WM_MOUSEMOVE, 0, MAKELPARAM(30, 40));
    EXPECT_TRUE(record.closeHot);
    SendMessageA(box, WM_NCMOUSEMOVE, HTCAPTION, overCaption);
    EXPECT_FALSE(record.closeHot);
    EXPECT_EQ(sample(), normal);

    // Pressed on it, released on the caption: the box stays.
    EXPECT_EQ(SendMessageA(box, WM_NCLBUTTONDOWN, HTCLOSE, overClose), 0);
    SendMessageA(box, WM_NCLBUTTONUP, HTCAPTION, overCaption);
    pumpMessages();
    EXPECT_TRUE(IsWindowVisible(box));

    SendMessageA(box, WM_NCLBUTTONUP, HTCLOSE, overClose);
  });
  EXPECT_EQ(result, IDOK);
}

TEST_F(MessageBoxSkinTest, ResizingReclipsAndMovesTheCloseButton) {
  showSkinnedBox("Resize", MB_OK, "size", [](HWND box) {
    RECT frame{};
    GetWindowRect(box, &frame);
    const int wider = frame.right - frame.left + 50;
    SetWindowPos(box, nullptr, 0, 0, wider, frame.bottom - frame.top, SWP_NOMOVE | SWP_NOZORDER);
    const SkinnedWindowRecord& record = *findSkinnedWindow(box);
    EXPECT_EQ(record.buttonStrip.x, wider - 36);
    EXPECT_EQ(record.titleButtons[0].hitRect.x, static_cast<float>(wider - 36));
    RECT bounds{};
    const draw::OwnedRegion region(CreateRectRgn(0, 0, 0, 0));
    GetWindowRgn(box, region.get());
    GetRgnBox(region.get(), &bounds);
    EXPECT_GE(bounds.right, wider);
    clickButton(box, IDOK);
  });
}

TEST_F(MessageBoxSkinTest, ClosingPlaysTheShrinkAndFadeEffect) {
  std::vector<CloseEffectFrame> frames;
  HWND shownBox = nullptr;
  setCloseEffectObserver([&](HWND window, const CloseEffectFrame& frame, bool) {
    if (window == shownBox) frames.push_back(frame);
  });
  RECT before{};
  showSkinnedBox("Bye", MB_OK, "bye", [&](HWND box) {
    shownBox = box;
    GetWindowRect(box, &before);
    clickButton(box, IDOK);
  });
  ASSERT_EQ(frames.size(), 10u);
  EXPECT_EQ(frames.front().opacity, 230);
  EXPECT_EQ(frames.back().opacity, 5);
  EXPECT_LT(frames.back().width, (before.right - before.left) / 5);
}

TEST_F(MessageBoxSkinTest, EachBoxFadesInEvenWhileAnotherIsOpen) {
  BYTE innerAlpha = 0, laterAlpha = 0;
  showSkinnedBox("First", MB_OK, "one", [&](HWND first) {
    EXPECT_TRUE(dialogFadeStarted(first));
    showSkinnedBox("Second", MB_OK, "two", [&](HWND second) {
      EXPECT_EQ(skinnedWindowIndex(second), 2);
      pumpUntil([&] { return layeredAlpha(second) == 240; });
      innerAlpha = layeredAlpha(second);
      clickButton(second, IDOK);
    }, first);
    EXPECT_EQ(skinnedWindowIndex(first), 1);
    clickButton(first, IDOK);
  });
  showSkinnedBox("Later", MB_OK, "three", [&](HWND later) {
    pumpUntil([&] { return layeredAlpha(later) == 240; });
    laterAlpha = layeredAlpha(later);
    clickButton(later, IDOK);
  });
  EXPECT_EQ(innerAlpha, 240);
  EXPECT_EQ(laterAlpha, 240);
}

const char* plainWindowClass() { return testing_support::testWindowClass("MessageBoxSkinTestWindow"); }

TEST_F(MessageBoxSkinTest, OnlyDialogsActivatedWhileHookedAreSkinnedOnce) {
  // Another class activated under the hook is left alone, and the hook waits on.
  const HWND other = CreateWindowExA(0, plainWindowClass(), "other", WS_POPUP | WS_VISIBLE, 10, 10, 100, 80, nullptr,
                                     nullptr, GetModuleHandleA(nullptr), nullptr);
  installMessageBoxHook();
  SetActiveWindow(other);
  SetForegroundWindow(other);
  EXPECT_FALSE(props::hasPreviousProcedure(other));
  EXPECT_TRUE(skinnedWindows().empty());
  EXPECT_TRUE(messageBoxHookInstalled());

  showSkinnedBox("Once", MB_OK, "once", [&](HWND box) {
    const WNDPROC skinned = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(box, GWLP_WNDPROC));
    installMessageBoxHook();
    SetActiveWindow(other);
    SetActiveWindow(box);
    pumpMessages();
    EXPECT_EQ(skinnedWindows().size(), 1u);
    EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrA(box, GWLP_WNDPROC)), skinned);
    EXPECT_FALSE(messageBoxHookInstalled()) << "re-activation removes the hook again";
    clickButton(box, IDOK);
  });
  // The hook installed for `other` was replaced, not left behind to skin later dialogs.
  showPlainBox("Plain", MB_OK, "plain", [](HWND box) {
    EXPECT_FALSE(props::hasPreviousProcedure(box));
    clickButton(box, IDOK);
  });
  EXPECT_TRUE(skinnedWindows().empty());
  DestroyWindow(other);
}

TEST_F(MessageBoxSkinTest, FiftyBoxesLeaveEveryListAndCountAsTheyWere) {
  const HWND main = CreateWindowExA(WS_EX_TOOLWINDOW, plainWindowClass(), "main", WS_POPUP | WS_VISIBLE, 20, 20, 300,
                                    200, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  const HWND label = CreateWindowExA(0, "Static", "label", WS_CHILD | WS_VISIBLE, 10, 40, 100, 20, main, nullptr,
                                     nullptr, nullptr);
  installSkin(main);
  skinDialogStatics(skinnedWindowIndex(main), main, 0, 1);
  ASSERT_EQ(skinnedWindowIndex(main), 1);
  ASSERT_EQ(props::windowIndex(label), 1);
  pumpMessages();

  const size_t windowsBefore = skinnedWindows().size();
  const int gdiBefore = draw::liveGdiObjectCount();
  for (int i = 0; i < 50; ++i) {
    HWND shown = nullptr;
    const int result = showSkinnedBox("Again", MB_OK, "fifty", [&](HWND box) {
      shown = box;
      EXPECT_EQ(skinnedWindowIndex(box), 2);
      EXPECT_EQ(props::recordIndex(main), 1);
      EXPECT_EQ(props::windowIndex(label), 1);
      clickButton(box, IDOK);
    }, main);
    ASSERT_EQ(result, IDOK);
    // The fade, finished or not, is forgotten with its box (its thread handle closed).
    EXPECT_FALSE(dialogFadeStarted(shown));
    EXPECT_EQ(skinnedWindows().size(), windowsBefore);
    EXPECT_TRUE(canvasList().empty());
    EXPECT_EQ(props::recordIndex(main), 1);
    EXPECT_EQ(props::windowIndex(label), 1);
  }
  EXPECT_EQ(draw::liveGdiObjectCount(), gdiBefore);
  DestroyWindow(main);
}

}  // namespace
}  // namespace skin::test
