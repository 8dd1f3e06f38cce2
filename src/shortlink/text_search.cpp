#include "shortlink/text_search.h"

namespace shortlink {

namespace {

constexpr unsigned utf8CodePage = 65001;

bool isUtf8Continuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

size_t utf8SequenceLength(unsigned char leadByte) {
  if (leadByte >= 0xC2 && leadByte <= 0xDF) return 2;
  if (leadByte >= 0xE0 && leadByte <= 0xEF) return 3;
  if (leadByte >= 0xF0 && leadByte <= 0xF4) return 4;
  return 1;
}

// The length of the character starting at `index`. A malformed UTF-8 sequence covers only
// the continuation bytes that really follow it, so no marker after it is stepped over.
size_t characterLength(std::string_view text, size_t index, unsigned codePage) {
  const auto leadByte = static_cast<unsigned char>(text[index]);
  if (leadByte < 0x80) return 1;
  if (codePage != utf8CodePage) return 2;
  const size_t expected = utf8SequenceLength(leadByte);
  size_t length = 1;
  while (length < expected && index + length < text.size() &&
         isUtf8Continuation(static_cast<unsigned char>(text[index + length]))) {
    ++length;
  }
  return length;
}

}  // namespace

size_t findMarker(std::string_view text, std::string_view marker, size_t from,
                  unsigned codePage) {
  if (marker.empty() || from < 1) return 0;
  for (size_t index = from - 1; index < text.size();
       index += characterLength(text, index, codePage)) {
    if (text.size() - index >= marker.size() && text.compare(index, marker.size(), marker) == 0) {
      return index + 1;
    }
  }
  return 0;
}

}  // namespace shortlink
