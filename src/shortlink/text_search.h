#pragma once
// Byte-position text search that never starts a match inside a multi-byte character.

#include <cstddef>
#include <string_view>

namespace shortlink {

// The 1-based position of the first whole occurrence of `marker` in `text`, searching
// forward and case-sensitively from the 1-based position `from`; 0 when there is none,
// when `marker` is empty or when `from` is outside 1..size. The scan steps one character
// of `codePage` at a time: a UTF-8 sequence whole under UTF-8 (65001), and under any
// other (double-byte) code page a byte of 0x80 or above together with the byte after it.
size_t findMarker(std::string_view text, std::string_view marker, size_t from,
                  unsigned codePage);

}  // namespace shortlink
