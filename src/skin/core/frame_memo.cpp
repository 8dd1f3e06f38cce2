#include "skin/core/frame_memo.h"

#include <cstring>
#include <utility>
#include <vector>

namespace skin {
namespace {

constexpr size_t keptMemoLimit = 64;

}  // namespace

// FNV-1a over eight bytes at a time, in four lanes that do not wait for each other:
// every full render hashes the picture, which may be an uncompressed one of the client
// area's size.
std::uint64_t pictureHash(std::span<const std::uint8_t> bytes) {
  constexpr std::uint64_t prime = 0x100000001B3ull;
  std::uint64_t lanes[4] = {0xCBF29CE484222325ull, 0x84222325CBF29CE4ull, 0x9CE484222325CBF2ull,
                            0x2325CBF29CE48422ull};
  size_t at = 0;
  for (; at + 32 <= bytes.size(); at += 32) {
    for (int lane = 0; lane < 4; ++lane) {
      std::uint64_t word = 0;
      std::memcpy(&word, bytes.data() + at + 8 * lane, sizeof word);
      lanes[lane] = (lanes[lane] ^ word) * prime;
    }
  }
  std::uint64_t hash = (lanes[0] ^ (lanes[1] * prime)) * prime ^ (lanes[2] * prime * prime) ^ (lanes[3] * prime);
  for (; at < bytes.size(); ++at) hash = (hash ^ bytes[at]) * prime;
  return (hash ^ bytes.size()) * prime;
}

// Memos hold only over a background that is kept; without one there is no key.
MemoKey memoKeyOver(const FrameCache& cache, std::string_view what, const RECT& area) {
  MemoKey key;
  key.add(what).add(cache.backgroundGeneration).add(area);
  return key;
}

const PaintMemo* findMemo(const FrameCache& cache, const std::string& key) {
  if (key.empty()) return nullptr;
  for (const PaintMemo& memo : cache.memos)
    if (memo.key == key) return &memo;
  return nullptr;
}

void keepMemo(FrameCache& cache, std::string key, const OffscreenImage& image, const RECT& area,
              bool aloneInArea) {
  if (key.empty() || !image.pixels()) return;
  if (aloneInArea)
    std::erase_if(cache.memos, [&](const PaintMemo& memo) { return EqualRect(&memo.area, &area); });
  if (cache.memos.size() >= keptMemoLimit) cache.memos.clear();
  PaintMemo memo{std::move(key), area, {}};
  const int width = area.right - area.left;
  memo.pixels.reserve(static_cast<size_t>(width) * (area.bottom - area.top));
  for (int y = area.top; y < area.bottom; ++y) {
    const std::uint32_t* row = image.pixels() + static_cast<size_t>(y) * image.width() + area.left;
    memo.pixels.insert(memo.pixels.end(), row, row + width);
  }
  cache.memos.push_back(std::move(memo));
}

void putBack(OffscreenImage& image, const PaintMemo& memo) {
  GdiFlush();
  auto* pixels = const_cast<std::uint32_t*>(image.pixels());
  const int width = memo.area.right - memo.area.left;
  for (int y = memo.area.top; y < memo.area.bottom; ++y) {
    std::memcpy(pixels + static_cast<size_t>(y) * image.width() + memo.area.left,
                memo.pixels.data() + static_cast<size_t>(y - memo.area.top) * width, width * sizeof(std::uint32_t));
  }
}

}  // namespace skin
