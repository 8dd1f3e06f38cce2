#include "skin/window/theme_pictures.h"

#include <algorithm>

#include "draw/drawing.h"
#include "draw/step_timing.h"
#include "skin/core/drawing_primitives.h"
#include "skin/core/engine_state.h"
#include "skin/core/skin_theme.h"
#include "skin/core/skinned_window_record.h"
#include "skin/core/window_helpers.h"
#include "skin/window/frame_renderer.h"

namespace skin {
namespace {

constexpr COLORREF defaultThemeColour = 0xDDCA22;
constexpr int averageSamples = 2000;

// A non-empty path wins over the bytes.
draw::DrawingBitmap decodePicture(const PictureSource& picture) {
  draw::DrawingBitmap bitmap;
  if (!picture.path.empty())
    bitmap.loadFromFile(picture.path);
  else if (!picture.bytes.empty())
    bitmap.loadFromBytes(picture.bytes);
  return bitmap;
}

// Whole days since 30 December 1899 in local time: the platform's date value, truncated.
std::int64_t dayNumber() {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  FILETIME ticks{};
  SystemTimeToFileTime(&now, &ticks);
  const std::uint64_t since1601 = (static_cast<std::uint64_t>(ticks.dwHighDateTime) << 32) | ticks.dwLowDateTime;
  constexpr std::uint64_t ticksPerDay = 864000000000ull;
  constexpr std::int64_t days1601To1899 = 109205;
  return static_cast<std::int64_t>(since1601 / ticksPerDay) - days1601To1899;
}

// One draw of a generator freshly seeded with seed, uniform over 1..count.
int drawFromSeed(std::int64_t seed, int count) {
  std::uint64_t z = static_cast<std::uint64_t>(seed) + 0x9E3779B97F4A7C15ull;
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  z ^= z >> 31;
  const double unit = static_cast<double>(z >> 11) * (1.0 / 9007199254740992.0);
  return 1 + static_cast<int>(unit * count);
}

// Bytes a pixel takes in the formats read as decoded; 0 for those converted first.
// Reading the decoded pixels spares converting the whole picture for a few samples.
int bytesPerPixelAsDecoded(int pixelFormat) {
  switch (pixelFormat) {
    case PixelFormat24bppRGB:
      return 3;
    case PixelFormat32bppRGB:
    case PixelFormat32bppARGB:
      return 4;
    default:
      return 0;
  }
}

COLORREF averageOf(draw::DrawingBitmap& bitmap, int samples) {
  if (samples <= 0) return 0;
  const int width = static_cast<int>(bitmap.width());
  const int height = static_cast<int>(bitmap.height());
  if (width <= 0 || height <= 0) return 0;
  const int decodedFormat = bitmap.pixelFormat();
  int pixelBytes = bytesPerPixelAsDecoded(decodedFormat);
  const int lockFormat = pixelBytes ? decodedFormat : draw::pixelFormat32bppArgb;
  if (!pixelBytes) pixelBytes = 4;
  Gdiplus::BitmapData data{};
  if (!bitmap.lockBits(nullptr, Gdiplus::ImageLockModeRead, lockFormat, data)) return 0;

  const std::int64_t day = dayNumber();
  std::int64_t red = 0, green = 0, blue = 0;
  for (int i = 1; i <= samples; ++i) {
    const int x = drawFromSeed(day + 3 * static_cast<std::int64_t>(i), width);
    const int y = drawFromSeed(day + i, height);
    // The draws run 1..size over 0-based pixels: the last one falls outside and reads 0.
    if (x >= width || y >= height) continue;
    // Blue, green, red in every format read here.
    const auto* pixel = static_cast<const std::uint8_t*>(data.Scan0) + static_cast<std::ptrdiff_t>(y) * data.Stride +
                        static_cast<std::ptrdiff_t>(x) * pixelBytes;
    blue += pixel[0];
    green += pixel[1];
    red += pixel[2];
  }
  bitmap.unlockBits(data);
  return RGB(red / samples, green / samples, blue / samples);
}

std::vector<std::uint8_t> fadeEdges(const draw::DrawingBitmap& source, std::optional<int> fadeLength, COLORREF colour,
                                    std::optional<bool> rightEdge) {
  const int w = static_cast<int>(source.width());
  const int h = static_cast<int>(source.height());
  if (w <= 0 || h <= 0) return {};
  draw::DrawingBitmap faded(w, h);
  {
    draw::DrawingSurface surface = draw::DrawingSurface::fromImage(faded);
    surface.setCompositingQuality(Gdiplus::CompositingQualityGammaCorrected);
    surface.drawImage(source, 0, 0, static_cast<float>(w), static_cast<float>(h));
    // One length serves both bands, the vertical one too.
    const int length = fadeLength.value_or(w * 3 / 10);
    const float L = static_cast<float>(length);
    if (rightEdge.value_or(true)) {
      const int x0 = w - length;
      const draw::DrawingLinearBrush band(draw::PointF{static_cast<float>(x0), 0}, draw::PointF{static_cast<float>(w), 0},
                                          toArgb(white, 0), toArgb(colour, 255));
      surface.fillRectangle(band, static_cast<float>(x0 + 1), 0, L, static_cast<float>(h));
    } else {
      const draw::DrawingLinearBrush band(draw::PointF{0, 0}, draw::PointF{L, 0}, toArgb(colour, 255),
                                          toArgb(white, 0));
      surface.fillRectangle(band, 0, 0, L, static_cast<float>(h));
    }
    const int y0 = h - length;
    const draw::DrawingLinearBrush bottom(draw::PointF{0, static_cast<float>(y0)}, draw::PointF{0, static_cast<float>(h)},
                                          toArgb(colour, 0), toArgb(colour, 255));
    surface.fillRectangle(bottom, 0, static_cast<float>(y0 + 1), static_cast<float>(w), L);
  }
  return faded.saveToBytes(draw::pngFormat);
}

// The theme picture as setSkinTheme decoded it, kept for the first render that places it.
struct DecodedThemePicture {
  std::vector<std::uint8_t> bytes;
  draw::DrawingBitmap bitmap;
};

DecodedThemePicture& decodedThemePicture() {
  return enginePart<DecodedThemePicture>();
}

}  // namespace

COLORREF averageColour(const PictureSource& picture, int samples) {
  if (samples <= 0) return 0;
  draw::DrawingBitmap bitmap = decodePicture(picture);
  return averageOf(bitmap, samples);
}

std::vector<std::uint8_t> fadePictureEdges(const PictureSource& picture, std::optional<int> fadeLength,
                                           COLORREF colour, std::optional<bool> rightEdge) {
  return fadeEdges(decodePicture(picture), fadeLength, colour, rightEdge);
}

draw::DrawingBitmap takeDecodedThemePicture(std::span<const std::uint8_t> bytes) {
  DecodedThemePicture& kept = decodedThemePicture();
  if (!kept.bitmap || !std::ranges::equal(kept.bytes, bytes)) return {};
  kept.bytes.clear();
  return std::move(kept.bitmap);
}

void forgetDecodedThemePicture() { decodedThemePicture() = DecodedThemePicture{}; }

void setSkinTheme(const ThemeSettings& settings) {
  SkinTheme& t = theme();
  const bool themeFromBase = settings.themeColour == -1;
  if (!themeFromBase) t.themeColour = static_cast<COLORREF>(settings.themeColour.value_or(defaultThemeColour));

  const bool hasPicture = !settings.picturePath.empty() || !settings.pictureBytes.empty();
  if (!hasPicture && !settings.baseColour) return;

  forgetDecodedThemePicture();
  if (hasPicture) {
    const PictureSource picture{settings.picturePath, settings.pictureBytes};
    const int mode = settings.pictureMode.value_or(pictureAtOrigin);
    const bool faded = mode == pictureAtOriginFadedRight || mode == pictureAtTopRightFadedLeft;
    // Decoded once for everything here that reads the pixels.
    draw::DrawingBitmap decoded;
    if (!settings.baseColour || faded || !settings.picturePath.empty()) {
      const draw::FirstRunTimer timer("theme picture decode");
      decoded = decodePicture(picture);
    }
    if (settings.baseColour) {
      t.baseColour = *settings.baseColour;
    } else {
      const draw::FirstRunTimer timer("theme picture average colour");
      t.baseColour = averageOf(decoded, averageSamples);
    }
    if (themeFromBase) t.themeColour = t.baseColour;
    t.pictureMode = mode;
    if (faded) {
      t.backgroundPicture = fadeEdges(decoded, std::nullopt, t.baseColour, mode == pictureAtOriginFadedRight);
    } else if (!settings.picturePath.empty()) {
      t.backgroundPicture = decoded.saveToBytes(draw::pngFormat);
    } else {
      t.backgroundPicture = settings.pictureBytes;
      // The first render places these same bytes: it takes the pixels instead of decoding again.
      if (decoded) decodedThemePicture() = DecodedThemePicture{settings.pictureBytes, std::move(decoded)};
    }
  } else {
    t.backgroundPicture.clear();
    t.baseColour = *settings.baseColour;
    if (themeFromBase) t.themeColour = t.baseColour;
  }
  refreshSkinnedWindows();
}

void refreshSkinnedWindows() {
  const int count = static_cast<int>(skinnedWindows().size());
  for (int index = 1; index <= count; ++index) {
    const SkinnedWindowRecord* record = skinnedWindowAt(index);
    if (!record || !IsWindowVisible(record->window)) continue;
    renderWindowFrame(index);
    InvalidateRect(record->window, nullptr, FALSE);
    markWindowImagesStale(record->window);
    invalidateVisibleChildren(record->window);
  }
}

}  // namespace skin
