#include "draw/picture_stream.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace draw {

PictureStream::PictureStream(PictureStream&& other) noexcept
    : stream_(std::exchange(other.stream_, nullptr)), memory_(std::exchange(other.memory_, nullptr)) {}

PictureStream& PictureStream::operator=(PictureStream&& other) noexcept {
  if (this != &other) {
    close();
    stream_ = std::exchange(other.stream_, nullptr);
    memory_ = std::exchange(other.memory_, nullptr);
  }
  return *this;
}

PictureStream::~PictureStream() { close(); }

IStream* PictureStream::open(std::span<const std::uint8_t> bytes, std::optional<std::size_t> size) {
  close();
  const std::size_t blockSize = size.value_or(bytes.size());
  HGLOBAL memory = nullptr;
  if (blockSize > 0) {
    memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, blockSize);
    if (!memory) return nullptr;
    void* block = GlobalLock(memory);
    if (!block) {
      GlobalFree(memory);
      return nullptr;
    }
    std::memcpy(block, bytes.data(), std::min(blockSize, bytes.size()));
    GlobalUnlock(memory);
  }
  // The stream frees the block when its last reference goes, not when this object
  // closes: the library may still hold the stream of a cloned or released image.
  // A null block makes the stream allocate an empty one of its own.
  IStream* stream = nullptr;
  if (FAILED(CreateStreamOnHGlobal(memory, TRUE, &stream)) || !stream) {
    if (memory) GlobalFree(memory);
    return nullptr;
  }
  stream_ = stream;
  if (FAILED(GetHGlobalFromStream(stream_, &memory_))) memory_ = nullptr;
  return stream_;
}

void PictureStream::close() {
  if (stream_) stream_->Release();
  stream_ = nullptr;
  memory_ = nullptr;
}

std::size_t PictureStream::size() const {
  if (!stream_) return 0;
  STATSTG stat{};
  if (FAILED(stream_->Stat(&stat, STATFLAG_NONAME))) return 0;
  return static_cast<std::size_t>(stat.cbSize.QuadPart);
}

bool PictureStream::attach(IStream* stream) {
  close();
  if (!stream) return false;
  stream->AddRef();
  stream_ = stream;
  if (FAILED(GetHGlobalFromStream(stream_, &memory_))) memory_ = nullptr;
  return true;
}

std::vector<std::uint8_t> PictureStream::readBytes() const {
  const std::size_t length = size();
  if (length == 0) return {};
  std::vector<std::uint8_t> bytes(length);
  HGLOBAL memory = nullptr;
  if (SUCCEEDED(GetHGlobalFromStream(stream_, &memory)) && memory) {
    // The block can be larger than what was written; the stream's size counts.
    if (GlobalSize(memory) < length) return {};
    const void* block = GlobalLock(memory);
    if (!block) return {};
    std::memcpy(bytes.data(), block, length);
    GlobalUnlock(memory);
    return bytes;
  }
  // Not a memory stream: read it from the start, keeping its position.
  LARGE_INTEGER zero{};
  ULARGE_INTEGER position{};
  if (FAILED(stream_->Seek(zero, STREAM_SEEK_CUR, &position))) return {};
  stream_->Seek(zero, STREAM_SEEK_SET, nullptr);
  ULONG read = 0;
  const HRESULT result = stream_->Read(bytes.data(), static_cast<ULONG>(length), &read);
  LARGE_INTEGER back{};
  back.QuadPart = static_cast<LONGLONG>(position.QuadPart);
  stream_->Seek(back, STREAM_SEEK_SET, nullptr);
  if (FAILED(result)) return {};
  bytes.resize(read);
  return bytes;
}

}  // namespace draw
