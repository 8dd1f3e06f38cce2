#include "skin/window/frame_renderer.h"

#include <algorithm>
#include <cstring>
#include <span>
#include <string_view>
#include <vector>

#include "draw/gdi_handles.h"
#include "draw/step_timing.h"
#include "skin/controls/control_framework.h"
#include "skin/controls/control_properties.h"
#include "skin/controls/drawing_primitives.h"
#include "skin/controls/paint_helpers.h"
#include "skin/controls/window_helpers.h"
#include "skin/window/skin_installation.h"
#include "skin/window/skin_theme.h"
#include "skin/window/theme_pictures.h"

namespace skin {
namespace {

constexpr int smoothingNone = 3;
constexpr int smoothingAntiAlias = 4;
constexpr int noWrap = 0x1000;
constexpr int wrapTileFlipXY = 3;
constexpr int closeCorner = 5;     // the close button's rounded top-right corner
constexpr int buttonCorner = 5;    // the other buttons' rounded top corners
constexpr int titleAreaHeight = 42;
constexpr int iconSize = 17;
constexpr size_t keptGlyphLimit = 16;
constexpr size_t keptMemoLimit = 64;

float f(int value) { return static_cast<float>(value); }

RECT rectOfSize(int x, int y, int width, int height) { return RECT{x, y, x + width, y + height}; }

RECT intersection(const RECT& a, const RECT& b) {
  RECT result{};
  IntersectRect(&result, &a, &b);
  return result;
}

RECT boundsOf(const OffscreenImage& image) { return RECT{0, 0, image.width(), image.height()}; }

// Copies rect of `from` to the same place in `to`, or with the source moved by origin.
void copyRect(HDC to, HDC from, const RECT& rect, POINT sourceOrigin = {0, 0}) {
  if (IsRectEmpty(&rect)) return;
  BitBlt(to, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, from,
         rect.left - sourceOrigin.x, rect.top - sourceOrigin.y, SRCCOPY);
}

bool ensureSize(OffscreenImage& image, int width, int height) {
  if (image && image.width() == width && image.height() == height) return true;
  return image.resize(width, height);
}

// A drawing surface straight over an off-screen image's pixels. Under Wine this is many
// times faster than a surface over the image's device context, which copies the
// bounding box of every shape out of the bitmap and back.
class PixelSurface {
 public:
  explicit PixelSurface(const OffscreenImage& image) {
    GdiFlush();  // GDI may still owe writes to these pixels
    if (!image.pixels() || image.width() <= 0 || image.height() <= 0) return;
    auto* pixels = reinterpret_cast<BYTE*>(const_cast<std::uint32_t*>(image.pixels()));
    if (bitmap_.createFromScan0(image.width(), image.height(), image.width() * 4, PixelFormat32bppPARGB, pixels))
      surface_ = draw::DrawingSurface::fromImage(bitmap_);
  }
  PixelSurface(const PixelSurface&) = delete;
  PixelSurface& operator=(const PixelSurface&) = delete;

  draw::DrawingSurface& get() { return surface_; }
  explicit operator bool() const { return static_cast<bool>(surface_); }
  // Finishes drawing, so that GDI may read the pixels.
  void close() {
    surface_.destroy();
    bitmap_.destroy();
  }

 private:
  draw::DrawingBitmap bitmap_;    // declared first: the surface over it goes first
  draw::DrawingSurface surface_;
};

// FNV-1a over eight bytes at a time, in four lanes that do not wait for each other:
// tells a changed picture from the one that was placed. Every full render hashes the
// picture, which may be an uncompressed one of the client area's size.
std::uint64_t pictureHash(std::span<const std::uint8_t> bytes) {
  constexpr std::uint64_t prime = 0x100000001B3ull;
  std::uint64_t lanes[4] = {0xCBF29CE484222325ull, 0x84222325CBF29CE4ull, 0x9CE484222325CBF2ull,
                            0x2325CBF29CE48422ull};
  size_t at = 0;
  for (; at + 32 <= bytes.size(); at += 32) {
    for (int lane = 0; lane < 4; ++lane) {
      std::uint64_t word = 0;
      std::memcpy(&word, bytes.data() + at + 8 * lane, sizeof word);
      lanes[lane] = (lanes[lane] ^ word) * prime;
    }
  }
  std::uint64_t hash = (lanes[0] ^ (lanes[1] * prime)) * prime ^ (lanes[2] * prime * prime) ^ (lanes[3] * prime);
  for (; at < bytes.size(); ++at) hash = (hash ^ bytes[at]) * prime;
  return (hash ^ bytes.size()) * prime;
}

// Mirrored beyond its ends: a tiled gradient would start over on the row where it
// ends, and a shape whose bottom edge lies there would get a line of the first colour.
draw::DrawingLinearBrush verticalGradient(float top, float bottom, draw::Argb from, draw::Argb to) {
  draw::DrawingLinearBrush brush;
  brush.create(draw::PointF{0, top}, draw::PointF{0, bottom}, from, to, wrapTileFlipXY);
  return brush;
}

// The decoded picture of these bytes, decoded on first use; null when they do not decode.
const draw::DrawingBitmap* decodedPicture(FrameCache& cache, const std::vector<std::uint8_t>& bytes) {
  if (bytes.empty()) return nullptr;
  for (const DecodedPicture& kept : cache.glyphs)
    if (kept.bytes == bytes) return kept.bitmap ? &kept.bitmap : nullptr;
  if (cache.glyphs.size() >= keptGlyphLimit) cache.glyphs.clear();
  cache.glyphs.push_back(DecodedPicture{bytes, draw::DrawingBitmap::fromBytes(bytes)});
  const DecodedPicture& added = cache.glyphs.back();
  return added.bitmap ? &added.bitmap : nullptr;
}

// The 32-bit pixels of a GDI bitmap, top row first; empty when they cannot be read.
std::vector<std::uint32_t> bitmapPixels(HBITMAP bitmap, int width, int height) {
  BITMAPINFO info = topDownBitmapInfo(width, height);
  std::vector<std::uint32_t> pixels(static_cast<size_t>(width) * height);
  const draw::WindowDC screen = draw::WindowDC::client(nullptr);
  if (GetDIBits(screen.get(), bitmap, 0, height, pixels.data(), &info, DIB_RGB_COLORS) != height) return {};
  return pixels;
}

// The icon as a picture with its alpha. GDI+'s own conversion keeps only the icon's
// mask on Windows, which gives a soft-edged icon a dark fringe.
draw::DrawingBitmap iconBitmap(HICON icon) {
  ICONINFO parts{};
  if (!GetIconInfo(icon, &parts)) return {};
  const draw::OwnedBitmap colour(parts.hbmColor);  // GetIconInfo hands both bitmaps over
  const draw::OwnedBitmap mask(parts.hbmMask);
  BITMAP size{};
  if (!colour || !GetObjectA(colour.get(), sizeof size, &size)) {
    draw::DrawingBitmap converted;
    converted.createFromHicon(icon);
    return converted;
  }
  const int width = size.bmWidth;
  const int height = size.bmHeight;
  std::vector<std::uint32_t> pixels = bitmapPixels(colour.get(), width, height);
  if (pixels.empty()) return {};
  if (std::none_of(pixels.begin(), pixels.end(), [](std::uint32_t p) { return (p >> 24) != 0; })) {
    // No alpha of its own: the mask tells transparent (white) from opaque (black).
    const std::vector<std::uint32_t> transparent = bitmapPixels(mask.get(), width, height);
    for (size_t i = 0; i < pixels.size(); ++i)
      pixels[i] = !transparent.empty() && (transparent[i] & 0xFFFFFF) ? 0 : pixels[i] | 0xFF000000;
  }
  draw::DrawingBitmap bitmap(width, height);
  Gdiplus::BitmapData data{};
  if (!bitmap.lockBits(nullptr, 2 /* write */, draw::pixelFormat32bppArgb, data)) return {};
  for (int y = 0; y < height; ++y)
    std::memcpy(static_cast<BYTE*>(data.Scan0) + static_cast<ptrdiff_t>(y) * data.Stride,
                pixels.data() + static_cast<size_t>(y) * width, width * sizeof(std::uint32_t));
  bitmap.unlockBits(data);
  return bitmap;
}

const draw::DrawingBitmap* iconPicture(FrameCache& cache, HICON icon) {
  if (!icon) return nullptr;
  if (cache.icon != icon) {
    cache.iconBitmap = iconBitmap(icon);
    cache.icon = icon;
  }
  return cache.iconBitmap ? &cache.iconBitmap : nullptr;
}

// Copies a rectangle of backgroundImage to the window, sparing its visible children.
void copyToWindow(const SkinnedWindowRecord& record, const RECT& rect) {
  const RECT visible = intersection(rect, boundsOf(record.backgroundImage));
  if (IsRectEmpty(&visible)) return;
  draw::WindowDC dc(record.window, getClippedDC(record.window));
  if (dc) copyRect(dc.get(), record.backgroundImage.dc(), visible);
}

// A rectangle with only its top-right corner rounded: the close button's shape.
void addTopRightRoundedRect(draw::DrawingPath& path, int x, int y, int w, int h, int d) {
  path.addLine(f(x), f(y + h), f(x), f(y));
  path.addLine(f(x), f(y), f(x + w - d), f(y));
  path.addArc(f(x + w - d), f(y), f(d), f(d), 270, 90);
  path.addLine(f(x + w), f(y + d), f(x + w), f(y + h));
  path.closeFigure();
}

draw::DrawingPath hoverShape(int kind, int x, int y, int w, int h) {
  draw::DrawingPath path;
  path.create();
  if (kind == closeKind)
    addTopRightRoundedRect(path, x, y, w, h, closeCorner);
  else
    addTopRoundedOutline(path, x, y, w, h, buttonCorner);
  return path;
}

const std::vector<std::uint8_t>& glyphBytes(const SkinnedWindowRecord& record, const TitleButton& button) {
  if (button.kind == maximiseKind && record.maximised && !button.altImage.empty()) return button.altImage;
  return button.image;
}

struct BackgroundSource {
  const std::vector<std::uint8_t>& picture;
  int mode;
  COLORREF baseColour;
};

// A window's own picture wins over the theme's, and brings its own colour and mode.
BackgroundSource backgroundOf(const SkinnedWindowRecord& record) {
  if (!record.ownPicture.empty()) return {record.ownPicture, record.ownPictureMode, record.ownBaseColour};
  const SkinTheme& t = theme();
  return {t.backgroundPicture, t.pictureMode, t.baseColour};
}

void paintCaptionBand(draw::DrawingSurface& surface, const SkinnedWindowRecord& record, int width, int height) {
  const int colour = record.captionBandColour;
  const int alpha = record.captionBandAlpha;
  const int caption = record.captionHeight;
  if (colour >= 0) {
    const draw::DrawingSolidBrush tint(toArgb(static_cast<COLORREF>(colour), alpha));
    if (record.captionBand)
      surface.fillRectangle(tint, 0, f(caption), f(width), f(height - caption));
    else
      surface.fillRectangle(tint, 0, 0, f(width), f(height));
  }
  if (!record.captionBand) return;
  const draw::DrawingLinearBrush band =
      colour > 0 ? verticalGradient(0, f(caption), toArgb(static_cast<COLORREF>(colour), alpha / 5),
                                    toArgb(static_cast<COLORREF>(colour), alpha))
                 : verticalGradient(0, f(caption), toArgb(white, 150), toArgb(white, 0));
  surface.fillRectangle(band, 0, 0, f(width), f(caption));
}

void paintOutline(draw::DrawingSurface& surface, int width, int height) {
  draw::DrawingPath outer;
  outer.create();
  addRoundedRect(outer, 0, 0, f(width - 1), f(height - 1), 7);
  surface.drawPath(draw::DrawingPen(toArgb(black, 180), 2), outer);
  draw::DrawingPath inner;
  inner.create();
  addRoundedRect(inner, 1, 1, f(width - 3), f(height - 3), 6);
  surface.drawPath(draw::DrawingPen(toArgb(white, 180), 1), inner);
}

// Writing an opaque colour straight into the pixels leaves them as a clear through a
// drawing surface would, in a fraction of its time.
void fillOpaque(OffscreenImage& image, draw::Argb colour) {
  GdiFlush();
  if (auto* pixels = const_cast<std::uint32_t*>(image.pixels()))
    std::fill_n(pixels, static_cast<size_t>(image.width()) * image.height(), colour);
}

// Bytes a pixel takes in the picture formats without alpha that are copied as they are.
int opaqueBytesPerPixel(int pixelFormat) {
  if (pixelFormat == PixelFormat24bppRGB) return 3;
  if (pixelFormat == PixelFormat32bppRGB) return 4;
  return 0;
}

// An opaque picture placed at its own size covers its place with its own pixels, which
// drawing it would give too: its rows go straight into the image, in a fraction of the
// time. False, with nothing written, for any other picture or place.
bool copyUnscaledOpaquePicture(OffscreenImage& image, draw::DrawingBitmap& picture, const draw::RectF& place) {
  const int width = static_cast<int>(picture.width());
  const int height = static_cast<int>(picture.height());
  const int x = static_cast<int>(place.x);
  const int y = static_cast<int>(place.y);
  const int pixelBytes = opaqueBytesPerPixel(picture.pixelFormat());
  if (!pixelBytes || f(x) != place.x || f(y) != place.y || f(width) != place.width || f(height) != place.height ||
      x < 0 || y < 0 || x + width > image.width() || y + height > image.height())
    return false;
  Gdiplus::BitmapData data{};
  if (!picture.lockBits(nullptr, 1 /* read */, picture.pixelFormat(), data)) return false;
  GdiFlush();
  auto* pixels = const_cast<std::uint32_t*>(image.pixels());
  for (int row = 0; row < height; ++row) {
    const auto* from = static_cast<const std::uint8_t*>(data.Scan0) + static_cast<std::ptrdiff_t>(row) * data.Stride;
    std::uint32_t* to = pixels + static_cast<size_t>(y + row) * image.width() + x;
    for (int column = 0; column < width; ++column, from += pixelBytes)
      to[column] = 0xFF000000u | (static_cast<std::uint32_t>(from[2]) << 16) | (from[1] << 8) | from[0];
  }
  picture.unlockBits(data);
  return true;
}

// Over the base colour the image already holds.
void placePicture(OffscreenImage& image, draw::DrawingBitmap& picture, int mode) {
  const draw::FirstRunTimer timer("picture placement");
  const draw::RectF place = pictureDestination(mode, static_cast<int>(picture.width()),
                                               static_cast<int>(picture.height()), image.width(), image.height());
  if (copyUnscaledOpaquePicture(image, picture, place)) return;
  PixelSurface surface(image);
  if (surface) surface.get().drawImage(picture, place.x, place.y, place.width, place.height);
}

// Base colour, picture, caption band and outline at the client size, composed again
// only when one of them or the size changed.
const OffscreenImage* keptBackground(SkinnedWindowRecord& record, int width, int height) {
  FrameCache& cache = record.frameCache;
  const BackgroundSource source = backgroundOf(record);
  const BackgroundKey key{width,
                          height,
                          source.mode,
                          source.baseColour,
                          source.picture.size(),
                          pictureHash(source.picture),
                          record.captionHeight,
                          record.captionBand,
                          record.captionBandColour,
                          record.captionBandAlpha,
                          record.titleBar};
  if (cache.backgroundValid && cache.backgroundKey == key && cache.background) return &cache.background;

  cache.backgroundValid = false;
  cache.memos.clear();  // drawn over the background that goes now
  if (!cache.background.resize(width, height)) return nullptr;
  fillOpaque(cache.background, toArgb(source.baseColour, 255));
  if (!source.picture.empty()) {
    // The theme's picture comes decoded when setSkinTheme has just read its pixels.
    draw::DrawingBitmap picture = takeDecodedThemePicture(source.picture);
    if (!picture) picture = draw::DrawingBitmap::fromBytes(source.picture);
    if (picture) placePicture(cache.background, picture, source.mode);
  }
  PixelSurface surface(cache.background);
  if (!surface) return nullptr;
  surface.get().setSmoothingMode(smoothingAntiAlias);
  paintCaptionBand(surface.get(), record, width, height);
  if (record.titleBar) paintOutline(surface.get(), width, height);
  surface.close();
  cache.backgroundKey = key;
  cache.backgroundValid = true;
  ++cache.backgroundGeneration;
  return &cache.background;
}

template <typename Registry>
void invalidateChildControls(const Registry& registry, HWND window) {
  for (const auto& control : registry)
    if (control.window && GetParent(control.window) == window) InvalidateRect(control.window, nullptr, TRUE);
}

void invalidateSkinnedControls(const SkinnedWindowRecord& record) {
  const HWND window = record.window;
  invalidateChildControls(record.buttons, window);
  invalidateChildControls(record.edits, window);
  invalidateChildControls(record.combos, window);
  invalidateChildControls(record.lists, window);
  invalidateChildControls(record.trackBars, window);
  invalidateChildControls(record.progressBars, window);
  invalidateChildControls(record.upDowns, window);
  invalidateChildControls(record.headers, window);
  invalidateChildControls(record.toolbars, window);
  invalidateChildControls(record.dialogStatics, window);
  invalidateChildControls(record.containers, window);
}

void drawTitle(draw::DrawingSurface& surface, const SkinnedWindowRecord& record, const RECT& area,
               const std::string& title) {
  const draw::DrawingFontFamily family = fontFamilyOrFallback(record.titleFontName);
  const draw::DrawingFont font(family, f(record.titleFontSize), record.titleFontStyle ? 1 : 0);
  draw::DrawingStringFormat format;
  format.create(noWrap);
  const draw::RectF layout{f(area.left + 20), f(area.top + 2), f(area.right - area.left),
                           f(titleAreaHeight)};
  const draw::DrawingSolidBrush shadow(toArgb(record.titleShadowColour, 150));
  constexpr POINT shadowOffsets[] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
  for (const POINT offset : shadowOffsets) {
    surface.drawString(title, font, shadow,
                       draw::RectF{layout.x + f(offset.x), layout.y + f(offset.y), layout.width, layout.height},
                       format);
  }
  surface.drawString(title, font, draw::DrawingSolidBrush(toArgb(record.titleColour, 255)), layout, format);
}

void paintPressedButton(draw::DrawingSurface& surface, SkinnedWindowRecord& record, const TitleButton& button,
                        int x, int y) {
  const int w = button.width;
  const int h = button.height;
  draw::DrawingPath shape;
  shape.create();
  if (button.kind == closeKind)
    addTopRightRoundedRect(shape, x, y, w, h, closeCorner);
  else
    shape.addRectangle(f(x), f(y), f(w), f(h));
  const draw::DrawingLinearBrush fill =
      button.kind == closeKind ? verticalGradient(f(y), f(y + h), toArgb(red, 255), toArgb(white, 30))
                               : verticalGradient(f(y), f(y + h), toArgb(black, 80), toArgb(white, 5));
  surface.fillPath(fill, shape);
  if (const draw::DrawingBitmap* glyph = decodedPicture(record.frameCache, glyphBytes(record, button)))
    surface.drawImage(*glyph, f(x), f(y), f(w - 1), f(h));
}

void paintButtonHover(draw::DrawingSurface& surface, const TitleButton& button, int x, int y, int opacity) {
  const int w = button.width;
  const int h = button.height;
  const COLORREF colour = button.kind == closeKind ? red : theme().themeColour;
  const draw::DrawingPath shape = hoverShape(button.kind, x, y, w, h);
  surface.fillPath(verticalGradient(f(y), f(y + h + 1), toArgb(black, opacity / 5), toArgb(black, 0)), shape);
  surface.fillPath(verticalGradient(f(y), f(y + h), toArgb(colour, opacity), toArgb(white, 0)), shape);
  const int highlightHeight = h * 8 / 10;
  const draw::DrawingPath highlight = hoverShape(button.kind, x, y, w - 1, highlightHeight);
  draw::DrawingPen pen;
  pen.createFromBrush(verticalGradient(f(y), f(y + highlightHeight), toArgb(white, opacity * 8 / 10),
                                       toArgb(white, 0)),
                      1);
  surface.drawPath(pen, highlight);
}

void paintNormalButton(draw::DrawingSurface& surface, SkinnedWindowRecord& record, const TitleButton& button,
                       int x, int y, int opacity) {
  const int w = button.width;
  const int h = button.height;
  // At opacity 0 every stroke of the hover layer is transparent: nothing to draw.
  if (opacity > 0) paintButtonHover(surface, button, x, y, opacity);
  surface.fillRectangle(verticalGradient(f(y), f(y + h - 1), toArgb(white, 50), toArgb(black, 0)), f(x - 1), f(y),
                        f(w + 1), f(h - 1));
  if (const draw::DrawingBitmap* glyph = decodedPicture(record.frameCache, glyphBytes(record, button)))
    surface.drawImage(*glyph, f(x), f(y), f(w), f(h));
}

// Everything a repaint's pixels depend on, run together into one text.
class MemoKey {
 public:
  MemoKey& add(std::int64_t value) {
    key_.append(reinterpret_cast<const char*>(&value), sizeof value);
    return *this;
  }
  MemoKey& add(std::string_view text) {
    add(static_cast<std::int64_t>(text.size()));
    key_.append(text);
    return *this;
  }
  MemoKey& add(const RECT& r) { return add(r.left).add(r.top).add(r.right).add(r.bottom); }
  std::string take() { return std::move(key_); }

 private:
  std::string key_;
};

// Memos hold only over a background that is kept; without one there is no key.
MemoKey memoKeyOver(const FrameCache& cache, std::string_view what, const RECT& area) {
  MemoKey key;
  key.add(what).add(cache.backgroundGeneration).add(area);
  return key;
}

std::string titleMemoKey(const SkinnedWindowRecord& record, const RECT& area, const std::string& text) {
  const FrameCache& cache = record.frameCache;
  if (!cache.backgroundValid) return {};
  return memoKeyOver(cache, "title", area)
      .add(text)
      .add(record.titleFontName)
      .add(record.titleFontSize)
      .add(record.titleFontStyle)
      .add(record.titleColour)
      .add(record.titleShadowColour)
      .add(reinterpret_cast<std::int64_t>(theme().programIcon))
      .take();
}

std::string buttonMemoKey(const SkinnedWindowRecord& record, const TitleButton& button, const RECT& area,
                          bool pressed, int opacity) {
  const FrameCache& cache = record.frameCache;
  if (!cache.backgroundValid) return {};
  const std::vector<std::uint8_t>& glyph = glyphBytes(record, button);
  return memoKeyOver(cache, "button", area)
      .add(button.kind)
      .add(button.width)
      .add(button.height)
      .add(static_cast<std::int64_t>(glyph.size()))
      .add(static_cast<std::int64_t>(pictureHash(glyph)))
      .add(pressed)
      .add(opacity)
      .add(button.kind == closeKind ? 0 : theme().themeColour)
      .take();
}

const PaintMemo* findMemo(const FrameCache& cache, const std::string& key) {
  if (key.empty()) return nullptr;
  for (const PaintMemo& memo : cache.memos)
    if (memo.key == key) return &memo;
  return nullptr;
}

// The area of the image, which lies inside it, row by row. A title that changes would
// otherwise pile up memos of its old texts: areas kept alone keep one memo each.
void keepMemo(FrameCache& cache, std::string key, const OffscreenImage& image, const RECT& area,
              bool aloneInArea = false) {
  if (key.empty() || !image.pixels()) return;
  if (aloneInArea)
    std::erase_if(cache.memos, [&](const PaintMemo& memo) { return EqualRect(&memo.area, &area); });
  if (cache.memos.size() >= keptMemoLimit) cache.memos.clear();
  PaintMemo memo{std::move(key), area, {}};
  const int width = area.right - area.left;
  memo.pixels.reserve(static_cast<size_t>(width) * (area.bottom - area.top));
  for (int y = area.top; y < area.bottom; ++y) {
    const std::uint32_t* row = image.pixels() + static_cast<size_t>(y) * image.width() + area.left;
    memo.pixels.insert(memo.pixels.end(), row, row + width);
  }
  cache.memos.push_back(std::move(memo));
}

void putBack(OffscreenImage& image, const PaintMemo& memo) {
  GdiFlush();
  auto* pixels = const_cast<std::uint32_t*>(image.pixels());
  const int width = memo.area.right - memo.area.left;
  for (int y = memo.area.top; y < memo.area.bottom; ++y) {
    std::memcpy(pixels + static_cast<size_t>(y) * image.width() + memo.area.left,
                memo.pixels.data() + static_cast<size_t>(y - memo.area.top) * width, width * sizeof(std::uint32_t));
  }
}

}  // namespace

draw::RectF pictureDestination(int mode, int pictureWidth, int pictureHeight, int clientWidth, int clientHeight) {
  const float pw = f(pictureWidth);
  const float ph = f(pictureHeight);
  switch (mode) {
    case pictureAtTopRightFadedLeft:
      return {f(clientWidth - pictureWidth), 0, pw, ph};
    case pictureCentred:
      return {f((clientWidth - pictureWidth) / 2), f((clientHeight - pictureHeight) / 2), pw, ph};
    case pictureStretched:
      return {0, 0, f(clientWidth), f(clientHeight)};
    default:
      return {0, 0, pw, ph};
  }
}

RECT titleButtonRect(const SkinnedWindowRecord& record, int button) {
  if (button < 1 || button > static_cast<int>(record.titleButtons.size())) return RECT{};
  const TitleButton& b = record.titleButtons[button - 1];
  const int x = static_cast<int>(b.hitRect.x) - 1;
  const int y = record.buttonStrip.y + 1;
  // The gloss reaches one pixel left of the button and the hover layer one past its
  // right and bottom edges; restoring less would let them pile up over repeated fades.
  // Neighbours are one pixel apart, so the area stops where the next button's begins:
  // each button draws only in its own area, and repainting one never eats into another.
  RECT area{x - 1, y, x + b.width + 2, y + b.height + 1};
  if (button < static_cast<int>(record.titleButtons.size()))
    area.right = std::min<LONG>(area.right, static_cast<int>(record.titleButtons[button].hitRect.x) - 2);
  return area;
}

RECT captionTitleRect(const SkinnedWindowRecord& record, int clientWidth) {
  const int m = frameMargin;
  const int x = m + 6;
  const int y = m + 1;
  const int width = clientWidth - record.buttonStrip.width - 10 - 2 * m;
  // Only the caption can be restored from the caption cache, so the title stays in it.
  const int bottom = std::min(y + titleAreaHeight, record.captionHeight);
  if (width <= 0 || bottom <= y) return RECT{};
  return RECT{x, y, x + width, bottom};
}

void applyWindowRegion(HWND window) {
  SetWindowRgn(window, nullptr, FALSE);
  SetWindowPos(window, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER);
  RECT client{};
  GetClientRect(window, &client);
  draw::OwnedRegion region(CreateRoundRectRgn(0, 0, client.right + 1, client.bottom + 1, 5, 5));
  if (!region) return;
  // The window owns the region from here on.
  if (SetWindowRgn(window, region.get(), TRUE)) (void)region.release();
}

void renderWindowFrame(int windowIndex, std::optional<HDC> target) {
  SkinnedWindowRecord* record = skinnedWindowAt(windowIndex);
  if (!record || !record->window) return;
  const draw::FirstRunTimer timer("full render");
  if (target && record->titleBar) applyWindowRegion(record->window);
  RECT client{};
  GetClientRect(record->window, &client);
  const int width = client.right;
  const int height = client.bottom;

  OffscreenImage& background = record->backgroundImage;
  if (!ensureSize(background, width, height)) return;
  if (!GetPropA(record->window, props::originalBackgroundBitmapKey))
    SetPropA(record->window, props::originalBackgroundBitmapKey, background.originalBitmap());

  // Background, picture, band and outline, as kept for this size.
  if (const OffscreenImage* layers = keptBackground(*record, width, height))
    copyRect(background.dc(), layers->dc(), boundsOf(background));
  const int captionRows = std::clamp(record->captionHeight, 0, height);
  if (ensureSize(record->captionCache, width, captionRows))
    copyRect(record->captionCache.dc(), background.dc(), boundsOf(record->captionCache));
  const PixelRect& bar = record->statusBarRect;
  if (record->statusBarHeight > 0 && bar.width > 0 && bar.height > 0 &&
      ensureSize(record->statusCache, bar.width, bar.height)) {
    BitBlt(record->statusCache.dc(), 0, 0, bar.width, bar.height, background.dc(), bar.x, bar.y, SRCCOPY);
  }

  {
    PixelSurface surface(background);
    if (surface) {
      surface.get().setSmoothingMode(smoothingAntiAlias);
      if (record->titleBar) {
        if (record->showTitle) paintCaptionTitle(windowIndex, &surface.get());
        for (int button = 1; button <= static_cast<int>(record->titleButtons.size()); ++button)
          paintTitleButton(windowIndex, button, &surface.get());
      }
      if (record->statusBarHeight > 0) {
        for (int part = 1; part <= static_cast<int>(record->statusPartRects.size()); ++part)
          paintStatusBarPart(windowIndex, part, &surface.get());
      }
    }
  }

  if (ensureSize(record->windowImage, width, height))
    copyRect(record->windowImage.dc(), background.dc(), boundsOf(background));

  if (target) {
    if (*target) {
      copyRect(*target, background.dc(), boundsOf(background));
    } else {
      draw::WindowDC dc(record->window, getClippedDC(record->window));
      if (dc) copyRect(dc.get(), background.dc(), boundsOf(background));
    }
    invalidateSkinnedControls(*record);
  }
  record->frameDirty = false;
  record->frameWidth = width;
  record->frameHeight = height;
}

void presentFrame(int windowIndex, HDC dc) {
  const SkinnedWindowRecord* record = skinnedWindowAt(windowIndex);
  if (!record || !record->backgroundImage) return;
  const RECT frame = boundsOf(record->backgroundImage);
  if (dc) {
    copyRect(dc, record->backgroundImage.dc(), frame);
    return;
  }
  draw::WindowDC clipped(record->window, getClippedDC(record->window));
  if (clipped) copyRect(clipped.get(), record->backgroundImage.dc(), frame);
}

void restoreBackgroundRect(int windowIndex, const RECT& rect) {
  const SkinnedWindowRecord* record = skinnedWindowAt(windowIndex);
  if (!record || !record->backgroundImage || !record->captionCache) return;
  copyRect(record->backgroundImage.dc(), record->captionCache.dc(), intersection(rect, boundsOf(record->captionCache)));
  GdiFlush();  // a surface over the pixels may draw next
}

void paintCaptionTitle(int windowIndex, draw::DrawingSurface* surface, std::optional<std::string> title) {
  SkinnedWindowRecord* record = skinnedWindowAt(windowIndex);
  if (!record || !record->backgroundImage) return;
  const RECT area = intersection(captionTitleRect(*record, record->backgroundImage.width()),
                                 boundsOf(record->backgroundImage));
  if (IsRectEmpty(&area)) return;
  const std::string text = title ? *std::move(title) : windowText(record->window);

  std::string key = titleMemoKey(*record, area, text);
  if (surface) surface->flush(1);
  if (const PaintMemo* memo = findMemo(record->frameCache, key)) {
    putBack(record->backgroundImage, *memo);
    if (!surface) copyToWindow(*record, area);
    return;
  }

  std::optional<PixelSurface> own;
  if (!surface) {
    restoreBackgroundRect(windowIndex, area);
    own.emplace(record->backgroundImage);
    if (!*own) return;
    surface = &own->get();
  }
  const unsigned state = surface->save();
  // A long title is cut at the button strip rather than drawn under the buttons.
  surface->setClipRect(f(area.left), f(area.top), f(area.right - area.left), f(area.bottom - area.top), 1);
  if (const draw::DrawingBitmap* icon = iconPicture(record->frameCache, theme().programIcon))
    surface->drawImage(*icon, f(area.left), f(area.top), f(iconSize), f(iconSize));
  drawTitle(*surface, *record, area, text);
  surface->restore(state);

  if (own)
    own->close();
  else
    surface->flush(1);
  keepMemo(record->frameCache, std::move(key), record->backgroundImage, area, true);
  if (own) copyToWindow(*record, area);
}

void paintTitleButton(int windowIndex, int button, draw::DrawingSurface* surface, bool pressed, int opacity) {
  SkinnedWindowRecord* record = skinnedWindowAt(windowIndex);
  if (!record || !record->backgroundImage) return;
  const RECT area = titleButtonRect(*record, button);
  const RECT visible = intersection(area, boundsOf(record->backgroundImage));
  if (IsRectEmpty(&visible)) return;
  const TitleButton& b = record->titleButtons[button - 1];
  const int x = area.left + 1;
  const int y = area.top;
  opacity = pressed ? 0 : std::clamp(opacity, 0, 255);

  std::string key = buttonMemoKey(*record, b, visible, pressed, opacity);
  if (surface) surface->flush(1);
  if (const PaintMemo* memo = findMemo(record->frameCache, key)) {
    putBack(record->backgroundImage, *memo);
    if (!surface) copyToWindow(*record, visible);
    return;
  }

  // The clean caption goes back first, so that translucent layers never pile up.
  restoreBackgroundRect(windowIndex, area);
  std::optional<PixelSurface> own;
  if (!surface) {
    own.emplace(record->backgroundImage);
    if (!*own) return;
    surface = &own->get();
  }
  const unsigned state = surface->save();
  surface->setClipRect(f(area.left), f(area.top), f(area.right - area.left), f(area.bottom - area.top), 1);
  surface->setSmoothingMode(pressed ? smoothingNone : smoothingAntiAlias);
  if (pressed)
    paintPressedButton(*surface, *record, b, x, y);
  else
    paintNormalButton(*surface, *record, b, x, y, opacity);
  surface->restore(state);

  if (own)
    own->close();
  else
    surface->flush(1);
  keepMemo(record->frameCache, std::move(key), record->backgroundImage, visible);
  if (own) copyToWindow(*record, visible);
}

void paintStatusBarPart(int windowIndex, int part, draw::DrawingSurface* surface) {
  SkinnedWindowRecord* record = skinnedWindowAt(windowIndex);
  if (!record || !record->backgroundImage) return;
  if (part < 1 || part > static_cast<int>(record->statusPartRects.size()) ||
      part > static_cast<int>(record->statusParts.size()))
    return;
  const PixelRect& r = record->statusPartRects[part - 1];
  const StatusPart& content = record->statusParts[part - 1];
  const RECT area = rectOfSize(r.x, r.y, r.width, r.height);

  std::optional<PixelSurface> own;
  if (surface) surface->flush(1);
  if (record->statusCache) {
    const PixelRect& bar = record->statusBarRect;
    copyRect(record->backgroundImage.dc(), record->statusCache.dc(),
             intersection(area, rectOfSize(bar.x, bar.y, record->statusCache.width(), record->statusCache.height())),
             POINT{bar.x, bar.y});
    GdiFlush();
  }
  if (!surface) {
    own.emplace(record->backgroundImage);
    if (!*own) return;
    surface = &own->get();
  }
  surface->fillRectangle(verticalGradient(f(r.y), f(r.y + r.height), toArgb(white, 60), toArgb(white, 10)), f(r.x),
                         f(r.y), f(r.width), f(r.height));

  draw::RectF textRect{f(r.x + 3), f(r.y + 2), f(r.width - 3), f(r.height)};
  if (const draw::DrawingBitmap* picture = decodedPicture(record->frameCache, content.picture)) {
    const int bar = record->statusBarHeight;
    int drawnWidth = static_cast<int>(picture->width());
    int drawnHeight = static_cast<int>(picture->height());
    if (drawnHeight >= bar) drawnWidth = drawnHeight = bar * 7 / 10;
    surface->drawImage(*picture, f(r.x + 2), f(r.y + (r.height - drawnHeight) / 2), f(drawnWidth), f(drawnHeight));
    textRect = draw::RectF{f(r.x + drawnWidth + 5), f(r.y), f(r.width - drawnWidth - 5), f(r.height)};
  }
  const TextStyle& style = record->statusTextStyle;
  const draw::DrawingFontFamily family = fontFamilyOrFallback(style.fontName);
  const draw::DrawingFont font(family, f(style.fontSize), 0, 2);
  draw::DrawingStringFormat format;
  format.create();
  format.setAlignment(0);
  format.setLineAlignment(1);
  surface->drawString(content.text, font, draw::DrawingSolidBrush(toArgb(content.textColour, 255)), textRect, format);

  if (own) {
    own->close();
    copyToWindow(*record, area);
  }
}

void discardKeptPicture(int windowIndex) {
  if (SkinnedWindowRecord* record = skinnedWindowAt(windowIndex)) {
    record->frameCache.backgroundValid = false;
    record->frameCache.background.clear();
    record->frameCache.memos.clear();
  }
}

}  // namespace skin
