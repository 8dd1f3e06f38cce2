#pragma once
// Pictures and other data built into the executable as resources.

#include <windows.h>

#include <cstdint>
#include <vector>

namespace draw {

// The bytes of the named resource in the executable; empty when it is missing.
std::vector<std::uint8_t> loadResourceBytes(const char* name, const char* type = MAKEINTRESOURCEA(10) /* RT_RCDATA */);

}  // namespace draw
