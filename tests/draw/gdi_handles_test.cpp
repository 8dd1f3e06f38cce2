#include <gtest/gtest.h>

#include <windows.h>

#include "draw/gdi_handles.h"

using namespace draw;

namespace {

// A plain top-level window to paint in.
HWND makePaintWindow() {
  return CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 40, 30, nullptr, nullptr, nullptr, nullptr);
}

}  // namespace

TEST(GdiHandles, CountOwnedObjectsAndDeleteThemWhenDestroyed) {
  const int before = liveGdiObjectCount();
  HWND window = makePaintWindow();
  ASSERT_NE(window, nullptr);
  InvalidateRect(window, nullptr, FALSE);

  HGDIOBJ bitmapHandle = nullptr;
  HGDIOBJ brushHandle = nullptr;
  HGDIOBJ regionHandle = nullptr;
  HGDIOBJ fontHandle = nullptr;
  HGDIOBJ penHandle = nullptr;
  HDC memoryHandle = nullptr;
  {
    WindowDC screen = WindowDC::client(nullptr);
    OwnedBitmap bitmap(CreateCompatibleBitmap(screen.get(), 4, 4));
    OwnedBrush brush(CreateSolidBrush(RGB(1, 2, 3)));
    OwnedRegion region(CreateRectRgn(0, 0, 5, 5));
    OwnedFont font(CreateFontA(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "DejaVu Sans"));
    OwnedPen pen(CreatePen(PS_SOLID, 1, RGB(4, 5, 6)));
    MemoryDC memory = MemoryDC::createCompatible();
    PaintDC paint = PaintDC::begin(window);
    ASSERT_TRUE(screen && bitmap && brush && region && font && pen && memory && paint);
    EXPECT_EQ(liveGdiObjectCount(), before + 8);

    bitmapHandle = bitmap.get();
    brushHandle = brush.get();
    regionHandle = region.get();
    fontHandle = font.get();
    penHandle = pen.get();
    memoryHandle = memory.get();

    // Moving hands ownership over without counting twice or deleting.
    OwnedBitmap moved = std::move(bitmap);
    MemoryDC movedMemory = std::move(memory);
    EXPECT_FALSE(bitmap);
    EXPECT_EQ(moved.get(), bitmapHandle);
    EXPECT_EQ(movedMemory.get(), memoryHandle);
    EXPECT_EQ(liveGdiObjectCount(), before + 8);
  }
  EXPECT_EQ(liveGdiObjectCount(), before);
  for (HGDIOBJ deleted : {bitmapHandle, brushHandle, regionHandle, fontHandle, penHandle}) {
    EXPECT_EQ(GetObjectType(deleted), 0u);
  }
  EXPECT_EQ(GetObjectType(memoryHandle), 0u);
  DestroyWindow(window);
}

TEST(GdiHandles, ReleaseGivesOwnershipAwayAndResetReplaces) {
  const int before = liveGdiObjectCount();
  OwnedRegion region(CreateRectRgn(0, 0, 5, 5));
  HRGN first = region.get();
  region.reset(CreateRectRgn(0, 0, 6, 6));
  EXPECT_EQ(GetObjectType(first), 0u) << "reset deletes the previous handle";
  EXPECT_EQ(liveGdiObjectCount(), before + 1);

  HRGN given = region.release();
  EXPECT_FALSE(region);
  EXPECT_EQ(liveGdiObjectCount(), before);
  EXPECT_EQ(GetObjectType(given), static_cast<DWORD>(OBJ_REGION)) << "a released handle stays alive";
  DeleteObject(given);

  WindowDC screen = WindowDC::whole(nullptr);
  ASSERT_TRUE(screen);
  HDC raw = screen.release();
  EXPECT_EQ(liveGdiObjectCount(), before);
  ReleaseDC(nullptr, raw);
}

TEST(GdiHandles, ScopedSelectObjectRestoresThePreviousObject) {
  MemoryDC memory = MemoryDC::createCompatible();
  ASSERT_TRUE(memory);
  HGDIOBJ original = GetCurrentObject(memory.get(), OBJ_BITMAP);
  WindowDC screen = WindowDC::client(nullptr);

  HGDIOBJ ownHandle = nullptr;
  {
    OwnedBitmap bitmap(CreateCompatibleBitmap(screen.get(), 8, 8));
    ownHandle = bitmap.get();
    ScopedSelectObject selection(memory.get(), bitmap.get());
    ASSERT_TRUE(selection);
    EXPECT_EQ(selection.previous(), original);
    EXPECT_EQ(GetCurrentObject(memory.get(), OBJ_BITMAP), bitmap.get());
  }
  EXPECT_EQ(GetCurrentObject(memory.get(), OBJ_BITMAP), original);
  EXPECT_EQ(GetObjectType(ownHandle), 0u) << "deselected first, so the bitmap could be deleted";

  OwnedBitmap kept(CreateCompatibleBitmap(screen.get(), 8, 8));
  HGDIOBJ previous = nullptr;
  {
    ScopedSelectObject selection(memory.get(), kept.get());
    previous = selection.release();
  }
  EXPECT_EQ(GetCurrentObject(memory.get(), OBJ_BITMAP), kept.get()) << "a released selection stays";
  SelectObject(memory.get(), previous);
}

TEST(GdiHandles, IconsAndKernelHandlesAreGivenBackAndNotCounted) {
  const int before = liveGdiObjectCount();
  HANDLE eventHandle = nullptr;
  HICON iconHandle = nullptr;
  {
    OwnedHandle event(CreateEventA(nullptr, TRUE, FALSE, nullptr));
    ICONINFO parts{TRUE, 0, 0, nullptr, nullptr};
    const OwnedBitmap mask(CreateBitmap(8, 8, 1, 1, nullptr));
    const OwnedBitmap colour(CreateBitmap(8, 8, 1, 32, nullptr));
    parts.hbmMask = mask.get();
    parts.hbmColor = colour.get();
    OwnedIcon icon(CreateIconIndirect(&parts));
    ASSERT_TRUE(event && icon);
    eventHandle = event.get();
    iconHandle = icon.get();
    EXPECT_EQ(liveGdiObjectCount(), before + 2) << "the two bitmaps only";
  }
  DWORD flags = 0;
  EXPECT_FALSE(GetHandleInformation(eventHandle, &flags)) << "closed";
  ICONINFO info{};
  EXPECT_FALSE(GetIconInfo(iconHandle, &info)) << "destroyed";
  EXPECT_EQ(liveGdiObjectCount(), before);

  // CreateFileA's failure value is no handle, and closing an owner reports the result.
  OwnedHandle missing(CreateFileA("Z:\\no\\such\\folder\\file", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
  EXPECT_FALSE(missing);
  EXPECT_TRUE(missing.close());
  OwnedHandle event(CreateEventA(nullptr, TRUE, FALSE, nullptr));
  EXPECT_TRUE(event.close());
  EXPECT_FALSE(event);
}
