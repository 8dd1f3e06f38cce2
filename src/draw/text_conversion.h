#pragma once
// Text crosses into UTF-16 APIs through these two: the process code page (UTF-8
// through the manifest) on one side, UTF-16 on the other.

#include <string>
#include <string_view>

namespace draw {

// MultiByteToWideChar with CP_ACP; empty on failure.
std::wstring toWideText(std::string_view text);

// WideCharToMultiByte with CP_ACP; empty on failure.
std::string toAnsiText(std::wstring_view text);

}  // namespace draw
