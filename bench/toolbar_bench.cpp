// The gallery's toolbar: a full paint by the skin (every button drawn afresh) and a
// clean repaint (the last picture copied back, as a whole WM_PAINT and as the copy alone), against the same toolbar's own paint
// in the gallery without the skin, measured in the same run.
#include <windows.h>
#include <commctrl.h>
#include <ole2.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "bench_timing.h"
#include "draw/drawing.h"
#include "gallery/gallery_layout.h"
#include "gallery/gallery_window.h"
#include "skin/controls/toolbar_skin.h"
#include "skin/core/control_properties.h"
#include "skin/core/skinned_window_record.h"
#include "skin/core/window_helpers.h"

using namespace gallery;

namespace {

const char* verdict(bool met) { return met ? "met" : "MISSED"; }

void repaint(HWND toolbar) { RedrawWindow(toolbar, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW); }

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(11, std::atoi(argv[1])) : 201;
  OleInitialize(nullptr);
  draw::startGdiPlus();
  const HINSTANCE instance = GetModuleHandleA(nullptr);
  const HWND plainGallery = createGalleryWindow(instance, GallerySkin::none);
  const HWND skinnedGallery = createGalleryWindow(instance);
  if (!plainGallery || !skinnedGallery) {
    std::printf("the gallery did not open\n");
    return 1;
  }
  ShowWindow(plainGallery, SW_SHOWNOACTIVATE);
  ShowWindow(skinnedGallery, SW_SHOWNOACTIVATE);
  UpdateWindow(plainGallery);
  UpdateWindow(skinnedGallery);
  bench::pumpMessages();
  const HWND plain = galleryControl(plainGallery, idToolbar);
  const HWND skinned = galleryControl(skinnedGallery, idToolbar);
  skin::SkinnedWindowRecord* owner = skin::findSkinnedWindow(skinnedGallery);
  const int index = skin::props::recordIndex(skinned, skin::props::toolbarKeys);
  if (!owner || !owner->toolbars.at(index)) {
    std::printf("the toolbar was not skinned\n");
    return 1;
  }

  const double platform = bench::medianMs(runs, [&] { repaint(plain); });
  const double full = bench::medianMs(runs, [&] { skin::paintToolbar(skinned); });
  const double clean = bench::medianMs(runs, [&] {
    owner->toolbars.at(index)->stale = false;
    repaint(skinned);
  });

  const double copy = bench::medianMs(runs, [&] { skin::restoreFromWindowImage(skinned, skin::props::toolbarKeys, false); });

  std::printf("toolbar paint (%d runs each; ratio against the platform's own paint)\n", runs);
  bench::report("platform toolbar paint", platform, platform);
  char note[64];
  std::snprintf(note, sizeof note, "(target < 2 ms: %s)", verdict(full < 2.0));
  bench::report("skinned toolbar, full paint", full, platform, note);
  std::snprintf(note, sizeof note, "(target < 0.1 ms: %s)", verdict(clean < 0.1));
  bench::report("skinned toolbar, clean repaint", clean, platform, note);
  std::snprintf(note, sizeof note, "(target < 0.1 ms: %s)", verdict(copy < 0.1));
  bench::report("  of which the copy from the window image", copy, platform, note);
  DestroyWindow(skinnedGallery);
  DestroyWindow(plainGallery);
  return 0;
}
