#pragma once
// An IStream over a movable global memory block: the form in which GDI+ reads
// pictures held in memory and writes encoded ones.

#include <windows.h>
#include <objidl.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace draw {

class PictureStream {
 public:
  PictureStream() = default;
  PictureStream(const PictureStream&) = delete;
  PictureStream& operator=(const PictureStream&) = delete;
  PictureStream(PictureStream&& other) noexcept;
  PictureStream& operator=(PictureStream&& other) noexcept;
  ~PictureStream();

  // Closes what is held, then makes a zero-filled block of size bytes (the number
  // of bytes when not given) holding the bytes, and a stream over it. Bytes beyond
  // the size are not copied. Null on failure.
  IStream* open(std::span<const std::uint8_t> bytes, std::optional<std::size_t> size = std::nullopt);
  // Releases the stream; its block goes with the stream's last reference.
  void close();

  // The stream's own size (what was written into it), not the block's capacity.
  std::size_t size() const;
  IStream* stream() const { return stream_; }
  HGLOBAL memory() const { return memory_; }
  // Holds a reference to a stream made elsewhere (closing what is held first).
  bool attach(IStream* stream);
  std::vector<std::uint8_t> readBytes() const;

 private:
  IStream* stream_ = nullptr;
  HGLOBAL memory_ = nullptr;
};

}  // namespace draw
