// The tool's own start-up and shutdown with a heap that notices a block freed twice.
// Every block carries a mark that says whether it is live, and no block is ever given
// back, so that a second free always meets its own mark and not another block's. When
// the last exit handler has run, a second free ends the program with its own status.

#include <windows.h>

#include <cstdint>
#include <cstdlib>
#include <new>

#include "app/startup.h"

namespace {

constexpr std::uint64_t liveMark = 0x4C495645424C4F43ull;   // "COLBEVIL"
constexpr std::uint64_t freedMark = 0x46524545444C4F43ull;  // "COLDEERF"
constexpr int freedTwiceStatus = 3;

// The mark sits in a 16-byte header, so the block stays as aligned as malloc's.
struct alignas(16) BlockHeader {
  std::uint64_t mark;
};

volatile LONG blocksFreedTwice = 0;

void* allocate(std::size_t size) noexcept {
  auto* header = static_cast<BlockHeader*>(std::malloc(sizeof(BlockHeader) + (size ? size : 1)));
  if (!header) return nullptr;
  header->mark = liveMark;
  return header + 1;
}

void* allocateOrThrow(std::size_t size) {
  void* block = allocate(size);
  if (!block) throw std::bad_alloc();
  return block;
}

void release(void* block) noexcept {
  if (!block) return;
  BlockHeader* header = static_cast<BlockHeader*>(block) - 1;
  if (header->mark != liveMark) {
    InterlockedIncrement(&blocksFreedTwice);
    return;
  }
  header->mark = freedMark;
}

// Registered before anything of the tool exists, so it runs after all of its exit
// handlers and destructors.
void reportBlocksFreedTwice() {
  if (blocksFreedTwice != 0) ExitProcess(freedTwiceStatus);
}

}  // namespace

void* operator new(std::size_t size) { return allocateOrThrow(size); }
void* operator new[](std::size_t size) { return allocateOrThrow(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return allocate(size); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return allocate(size); }
void operator delete(void* block) noexcept { release(block); }
void operator delete[](void* block) noexcept { release(block); }
void operator delete(void* block, std::size_t) noexcept { release(block); }
void operator delete[](void* block, std::size_t) noexcept { release(block); }

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  std::atexit(reportBlocksFreedTwice);
  return app::runTool(instance);
}
