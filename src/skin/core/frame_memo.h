#pragma once
// The kept looks of a skinned window's frame: the pixels a repaint left in an area,
// found again by everything they were drawn from (see PaintMemo in frame_cache.h).

#include <windows.h>

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "skin/core/frame_cache.h"
#include "skin/core/offscreen_image.h"

namespace skin {

// FNV-1a: tells a changed picture from the one that was placed.
std::uint64_t pictureHash(std::span<const std::uint8_t> bytes);

// Everything a repaint's pixels depend on, run together into one text.
class MemoKey {
 public:
  MemoKey& add(std::int64_t value) {
    key_.append(reinterpret_cast<const char*>(&value), sizeof value);
    return *this;
  }
  MemoKey& add(std::string_view text) {
    add(static_cast<std::int64_t>(text.size()));
    key_.append(text);
    return *this;
  }
  MemoKey& add(const RECT& r) { return add(r.left).add(r.top).add(r.right).add(r.bottom); }
  std::string take() { return std::move(key_); }

 private:
  std::string key_;
};

// A key of what is drawn in an area over the cache's current background.
MemoKey memoKeyOver(const FrameCache& cache, std::string_view what, const RECT& area);

// The memo of that key; null for an empty key or none kept.
const PaintMemo* findMemo(const FrameCache& cache, const std::string& key);

// Keeps the area of the image, which lies inside it, row by row. A title that changes
// would otherwise pile up memos of its old texts: areas kept alone keep one memo each.
void keepMemo(FrameCache& cache, std::string key, const OffscreenImage& image, const RECT& area,
              bool aloneInArea = false);

// Writes the memo's pixels back into its area of the image.
void putBack(OffscreenImage& image, const PaintMemo& memo);

}  // namespace skin
