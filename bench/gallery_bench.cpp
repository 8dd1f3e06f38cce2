// The gallery: a full paint of its window with every control painted once, skinned
// against the same window and controls in the platform's look; and the gallery
// program's start-up to its first paint against a bare Win32 window, measured in the
// same run.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "gallery/gallery_window.h"
#include "skin/window/program_skin.h"
#include "skin/window/theme_pictures.h"

#include "program_start.h"

namespace {

// Shows the window alone on the screen, so that nothing covers what it paints.
double fullPaintMs(HWND window, int runs, void (*paint)(HWND)) {
  ShowWindow(window, SW_SHOW);
  UpdateWindow(window);
  bench::pumpMessages();
  const double ms = bench::medianMs(runs, [&] {
    paint(window);
    bench::pumpMessages();
  });
  ShowWindow(window, SW_HIDE);
  bench::pumpMessages();
  return ms;
}

void paintPlatformLook(HWND window) {
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

// A theme change's repaint: the frame rendered again and every control's picture stale.
void paintSkinned(HWND window) {
  skin::refreshSkinnedWindows();
  RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

bool startUp(int runs) {
  const std::string bare = bench::besideThisProgram("bare_window.exe");
  const std::string gallery = bench::besideThisProgram("..\\src\\gallery\\skingallery.exe");
  bench::timeToFirstIdle(bare);  // warm the file cache and Wine's services for both
  bench::timeToFirstIdle(gallery);
  std::vector<double> bareTimes, galleryTimes;
  for (int i = 0; i < runs; ++i) {  // interleaved, so that drift affects both alike
    bareTimes.push_back(bench::timeToFirstIdle(bare));
    galleryTimes.push_back(bench::timeToFirstIdle(gallery));
  }
  if (std::count(bareTimes.begin(), bareTimes.end(), -1.0) ||
      std::count(galleryTimes.begin(), galleryTimes.end(), -1.0)) {
    std::printf("a program did not start or never became idle\n");
    return false;
  }
  const double bareMedian = bench::median(bareTimes), galleryMedian = bench::median(galleryTimes);
  std::printf("gallery start-up to first paint, median of %d runs\n", runs);
  std::printf("  bare Win32 window   %8.1f ms\n", bareMedian);
  std::printf("  skinned gallery     %8.1f ms   ratio %.2f\n", galleryMedian, galleryMedian / bareMedian);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 11;
  skin::createSkinLists();
  skin::initSkinModule();
  const HINSTANCE instance = GetModuleHandleA(nullptr);
  const HWND platform = gallery::createGalleryWindow(instance, gallery::GallerySkin::none);
  const HWND skinned = gallery::createGalleryWindow(instance, gallery::GallerySkin::installed);
  if (!platform || !skinned) {
    std::printf("the gallery could not be created\n");
    return 1;
  }
  std::printf("gallery full paint, every control once, median of %d runs\n", runs * 3);
  const double baseline = fullPaintMs(platform, runs * 3, paintPlatformLook);
  const double skinnedMs = fullPaintMs(skinned, runs * 3, paintSkinned);
  bench::report("platform look (baseline)", baseline, baseline);
  bench::report("skinned", skinnedMs, baseline);
  DestroyWindow(platform);
  DestroyWindow(skinned);
  bench::pumpMessages();
  skin::releaseSkinLists();
  return startUp(runs) ? 0 : 1;
}
