#include "skin/core/control_geometry.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "skinned_window_fixture.h"

namespace skin {
namespace {

using test::SkinnedTestWindow;

// Where the control's client area really is, relative to its own window rectangle.
RECT platformClientRect(HWND control) {
  RECT window{}, client{};
  GetWindowRect(control, &window);
  GetClientRect(control, &client);
  POINT origin{0, 0};
  ClientToScreen(control, &origin);
  OffsetRect(&client, origin.x - window.left, origin.y - window.top);
  return client;
}

RECT offset(RECT r, int dx, int dy) {
  OffsetRect(&r, dx, dy);
  return r;
}

void expectRect(const RECT& actual, const RECT& expected) {
  EXPECT_EQ(actual.left, expected.left);
  EXPECT_EQ(actual.top, expected.top);
  EXPECT_EQ(actual.right, expected.right);
  EXPECT_EQ(actual.bottom, expected.bottom);
}

TEST(ControlGeometry, FindsTheSkinnedWindowOfAWindowOrOfItsAncestors) {
  SkinnedTestWindow first;
  SkinnedTestWindow second;
  const HWND child = second.child("STATIC", 10, 10, 80, 80);
  const HWND grandchild = test::createChild(child, "BUTTON", 5, 5, 20, 20);
  const HWND loose = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 40, 40, nullptr, nullptr, nullptr, nullptr);
  const HWND looseChild = test::createChild(loose, "STATIC", 0, 0, 10, 10);

  EXPECT_EQ(findSkinnedWindowIndex(second.window()), 2);
  EXPECT_EQ(findSkinnedWindowIndex(child), 2);
  EXPECT_EQ(findSkinnedWindowIndex(grandchild), 2);
  EXPECT_EQ(findSkinnedWindowIndex(first.window()), 1);
  EXPECT_EQ(findSkinnedWindowIndex(loose), 0);
  EXPECT_EQ(findSkinnedWindowIndex(looseChild), 0);
  EXPECT_EQ(findSkinnedWindowIndex(nullptr), 0);
  DestroyWindow(loose);
}

TEST(ControlGeometry, PlacesControlsInTheirSkinnedWindowAndTheirParent) {
  SkinnedTestWindow skinned;
  const HWND panel = skinned.child("STATIC", 20, 30, 120, 100, WS_VISIBLE | WS_BORDER);
  const HWND inner = test::createChild(panel, "BUTTON", 10, 15, 40, 20);
  const RECT panelClient = platformClientRect(panel);  // one pixel of border

  expectRect(rectInSkinnedWindow(panel), {20, 30, 140, 130});
  expectRect(rectInSkinnedWindow(inner), offset({10, 15, 50, 35}, 20 + panelClient.left, 30 + panelClient.top));
  expectRect(childRectInParent(inner, ParentOrigin::window),
             offset({10, 15, 50, 35}, panelClient.left, panelClient.top));
  expectRect(childRectInParent(panel, ParentOrigin::window), {20, 30, 140, 130});
  expectRect(childRectInParent(skinned.window(), ParentOrigin::window), {0, 0, 0, 0});
}

TEST(ControlGeometry, ClientAreasLeaveOutBordersAndScrollBars) {
  SkinnedTestWindow skinned(300, 200);
  struct Case {
    const char* name;
    DWORD style;
    DWORD exStyle;
  } cases[] = {
      {"plain", 0, 0},
      {"border", WS_BORDER, 0},
      {"client edge", 0, WS_EX_CLIENTEDGE},
      {"border and vertical bar", WS_BORDER | WS_VSCROLL | ES_MULTILINE, 0},
      {"edge and both bars", WS_VSCROLL | WS_HSCROLL | ES_MULTILINE, WS_EX_CLIENTEDGE},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const HWND edit = skinned.child("EDIT", 40, 50, 120, 80, WS_VISIBLE | c.style, c.exStyle);
    const RECT real = platformClientRect(edit);
    expectRect(clientRectInSkinnedWindow(edit), offset(real, 40, 50));
    DestroyWindow(edit);
  }
}

TEST(ControlGeometry, ClientRectInWindowAssumesSeventeenPixelScrollBars) {
  SkinnedTestWindow skinned(300, 200);
  const HWND plain = skinned.child("EDIT", 10, 10, 120, 80, WS_VISIBLE | WS_BORDER | ES_MULTILINE);
  const HWND scrolled = skinned.child("EDIT", 10, 100, 120, 80, WS_VISIBLE | WS_BORDER | WS_VSCROLL | ES_MULTILINE);
  const RECT withoutBar = clientRectInWindow(plain);
  const RECT withBar = clientRectInWindow(scrolled);
  expectRect(withoutBar, platformClientRect(plain));

  RECT window{}, client{};
  GetWindowRect(scrolled, &window);
  GetClientRect(scrolled, &client);
  // The client keeps its real width and sits centred in what an assumed 17-pixel bar
  // leaves of the window: the border to its left matches the one right of the bar.
  const int windowWidth = window.right - window.left;
  EXPECT_EQ(withBar.right - withBar.left, client.right);
  EXPECT_LE(std::abs((windowWidth - withBar.right - 17) - withBar.left), 1);
  EXPECT_EQ(withBar.top, withoutBar.top);
  EXPECT_EQ(withBar.bottom - withBar.top, client.bottom);
}

TEST(ControlGeometry, BorderKinds) {
  SkinnedTestWindow skinned;
  struct Case {
    DWORD style;
    DWORD exStyle;
    int kind;
  } cases[] = {
      {0, 0, 0},
      {WS_BORDER, 0, 1},
      {WS_BORDER, WS_EX_CLIENTEDGE, 1},
      {0, WS_EX_CLIENTEDGE, 2},
      {0, WS_EX_DLGMODALFRAME, 2},
      {0, WS_EX_STATICEDGE, 0},
  };
  for (const Case& c : cases) {
    const HWND control = skinned.child("STATIC", 0, 0, 30, 30, WS_VISIBLE | c.style, c.exStyle);
    EXPECT_EQ(borderKind(control), c.kind) << std::hex << c.style << " " << c.exStyle;
    DestroyWindow(control);
  }
}

}  // namespace
}  // namespace skin
