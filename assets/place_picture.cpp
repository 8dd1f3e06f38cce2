// Makes the theme picture the tool embeds: the source picture placed at the main
// window's client size exactly as a render places it (stretched through the drawing
// library), written as a 24-bit BMP, which decodes with no decompression at start-up.
//
//   place_picture.exe SOURCE WIDTH HEIGHT OUTPUT.bmp
//
// Run through tools/make_theme_picture after make_assets.py has drawn the source.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

#include "draw/drawing.h"

namespace {

std::vector<std::uint8_t> readFile(const char* path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// The source stretched over a transparent client area of width x height, on the same
// kind of surface a render draws on: straight over premultiplied 32-bit pixels.
bool placeStretched(const std::vector<std::uint8_t>& source, int width, int height,
                    std::vector<std::uint32_t>& pixels) {
  pixels.assign(static_cast<size_t>(width) * height, 0);
  draw::DrawingBitmap target;
  if (!target.createFromScan0(width, height, width * 4, PixelFormat32bppPARGB,
                              reinterpret_cast<BYTE*>(pixels.data())))
    return false;
  const draw::DrawingImage picture = draw::DrawingImage::fromBytes(source);
  if (!picture) return false;
  draw::DrawingSurface surface = draw::DrawingSurface::fromImage(target);
  return surface && surface.drawImage(picture, 0, 0, static_cast<float>(width), static_cast<float>(height));
}

bool writeBmp(const char* path, const std::vector<std::uint32_t>& pixels, int width, int height) {
  const int rowBytes = (width * 3 + 3) & ~3;
  BITMAPFILEHEADER file{};
  BITMAPINFOHEADER info{};
  info.biSize = sizeof info;
  info.biWidth = width;
  info.biHeight = height;  // bottom-up, as every decoder reads it
  info.biPlanes = 1;
  info.biBitCount = 24;
  info.biCompression = BI_RGB;
  info.biSizeImage = static_cast<DWORD>(rowBytes) * height;
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = sizeof file + sizeof info;
  file.bfSize = file.bfOffBits + info.biSizeImage;
  std::vector<std::uint8_t> bytes(file.bfSize);
  std::memcpy(bytes.data(), &file, sizeof file);
  std::memcpy(bytes.data() + sizeof file, &info, sizeof info);
  for (int y = 0; y < height; ++y) {
    std::uint8_t* row = bytes.data() + file.bfOffBits + static_cast<size_t>(height - 1 - y) * rowBytes;
    for (int x = 0; x < width; ++x) {
      const std::uint32_t pixel = pixels[static_cast<size_t>(y) * width + x];
      row[3 * x] = pixel & 0xFF;
      row[3 * x + 1] = (pixel >> 8) & 0xFF;
      row[3 * x + 2] = (pixel >> 16) & 0xFF;
    }
  }
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 5) {
    std::fprintf(stderr, "usage: place_picture SOURCE WIDTH HEIGHT OUTPUT.bmp\n");
    return 2;
  }
  const int width = std::atoi(argv[2]);
  const int height = std::atoi(argv[3]);
  if (width <= 0 || height <= 0 || !draw::startGdiPlus()) return 1;
  std::vector<std::uint32_t> pixels;
  if (!placeStretched(readFile(argv[1]), width, height, pixels)) {
    std::fprintf(stderr, "cannot decode or place %s\n", argv[1]);
    return 1;
  }
  // Where a stretch leaves an edge translucent, a render lets the base colour show
  // through, which a picture without alpha cannot keep.
  for (const std::uint32_t pixel : pixels) {
    if ((pixel >> 24) != 0xFF) {
      std::fprintf(stderr, "the placed picture is not opaque everywhere\n");
      return 1;
    }
  }
  return writeBmp(argv[4], pixels, width, height) ? 0 : 1;
}
