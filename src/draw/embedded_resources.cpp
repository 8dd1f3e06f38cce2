#include "draw/embedded_resources.h"

namespace draw {

std::vector<std::uint8_t> loadResourceBytes(const char* name, const char* type) {
  // Everything is linked into one executable, so its own module holds the resources.
  HMODULE module = GetModuleHandleA(nullptr);
  HRSRC resource = FindResourceA(module, name, type);
  if (!resource) return {};
  const DWORD size = SizeofResource(module, resource);
  HGLOBAL loaded = LoadResource(module, resource);
  if (!loaded || size == 0) return {};
  const auto* bytes = static_cast<const std::uint8_t*>(LockResource(loaded));
  if (!bytes) return {};
  return std::vector<std::uint8_t>(bytes, bytes + size);
}

}  // namespace draw
