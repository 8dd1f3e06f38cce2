#include "draw/text_conversion.h"

#include <windows.h>

#include <climits>

namespace draw {

std::wstring toWideText(std::string_view text) {
  if (text.empty() || text.size() > INT_MAX) return {};
  const int length = static_cast<int>(text.size());
  const int wideLength = MultiByteToWideChar(CP_ACP, 0, text.data(), length, nullptr, 0);
  if (wideLength <= 0) return {};
  std::wstring wide(static_cast<std::size_t>(wideLength), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), length, wide.data(), wideLength);
  return wide;
}

std::string toAnsiText(std::wstring_view text) {
  if (text.empty() || text.size() > INT_MAX) return {};
  const int length = static_cast<int>(text.size());
  const int ansiLength = WideCharToMultiByte(CP_ACP, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
  if (ansiLength <= 0) return {};
  std::string ansi(static_cast<std::size_t>(ansiLength), '\0');
  WideCharToMultiByte(CP_ACP, 0, text.data(), length, ansi.data(), ansiLength, nullptr, nullptr);
  return ansi;
}

}  // namespace draw
