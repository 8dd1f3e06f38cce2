// Images and bitmaps, decoding from and encoding to bytes.
#include "draw/drawing_internal.h"

namespace draw {

using namespace detail;

namespace {

std::optional<GUID> parseGuid(std::string_view text) {
  const std::wstring wide = toWideText(text);
  GUID guid{};
  if (wide.empty() || FAILED(IIDFromString(wide.c_str(), &guid))) return std::nullopt;
  return guid;
}

std::string guidText(const GUID& guid) {
  WCHAR text[40] = {};
  if (StringFromGUID2(guid, text, 40) == 0) return {};
  return toAnsiText(text);
}

// The class identifier of the first encoder for the format, as the library lists them.
std::optional<CLSID> findEncoder(std::string_view formatText) {
  const std::optional<GUID> format = parseGuid(formatText);
  if (!format) return std::nullopt;
  UINT count = 0;
  UINT size = 0;
  if (!keepStatus(flat::GdipGetImageEncodersSize(&count, &size)) || count == 0 || size == 0) return std::nullopt;
  // The codec records are followed by their strings inside the same buffer.
  std::vector<Gdiplus::ImageCodecInfo> codecs((size + sizeof(Gdiplus::ImageCodecInfo) - 1) /
                                              sizeof(Gdiplus::ImageCodecInfo));
  if (!keepStatus(flat::GdipGetImageEncoders(count, size, codecs.data()))) return std::nullopt;
  for (UINT i = 0; i < count; ++i) {
    if (IsEqualGUID(codecs[i].FormatID, *format)) return codecs[i].Clsid;
  }
  return std::nullopt;
}

}  // namespace

// DrawingImage

DrawingImage::~DrawingImage() { deleteNative(false); }

bool DrawingImage::loadFromFile(std::string_view path, bool useIcm) {
  deleteNative(false);
  const std::wstring wide = toWideText(path);
  Gdiplus::GpImage* image = nullptr;
  const GpStatus status = useIcm ? flat::GdipLoadImageFromFileICM(wide.c_str(), &image)
                                 : flat::GdipLoadImageFromFile(wide.c_str(), &image);
  return adoptCreated(status, image);
}

bool DrawingImage::loadFromBytes(std::span<const std::uint8_t> bytes, bool useIcm) {
  // Dispose first: that also closes the stream of the previous picture.
  deleteNative(false);
  if (bytes.empty()) return keepStatus(Gdiplus::InvalidParameter);
  IStream* stream = stream_.open(bytes);
  if (!stream) return keepStatus(Gdiplus::OutOfMemory);
  Gdiplus::GpImage* image = nullptr;
  const GpStatus status =
      useIcm ? flat::GdipLoadImageFromStreamICM(stream, &image) : flat::GdipLoadImageFromStream(stream, &image);
  if (status != Gdiplus::Ok) stream_.close();
  return adoptCreated(status, image);
}

DrawingImage DrawingImage::fromBytes(std::span<const std::uint8_t> bytes, bool useIcm) {
  DrawingImage image;
  image.loadFromBytes(bytes, useIcm);
  return image;
}

DrawingImage DrawingImage::clone() const {
  DrawingImage copy;
  Gdiplus::GpImage* cloned = nullptr;
  if (keepStatus(flat::GdipCloneImage(native(), &cloned))) copy.adopt(cloned);
  return copy;
}

bool DrawingImage::saveToFile(std::string_view path, std::optional<std::string_view> format,
                              const Gdiplus::EncoderParameters* parameters) const {
  if (!native()) return keepStatus(Gdiplus::InvalidParameter);
  const std::optional<CLSID> encoder = findEncoder(format.value_or(bmpFormat));
  if (!encoder) return keepStatus(Gdiplus::UnknownImageFormat);
  const std::wstring wide = toWideText(path);
  return keepStatus(flat::GdipSaveImageToFile(native(), wide.c_str(), &*encoder, parameters));
}

std::vector<std::uint8_t> DrawingImage::saveToBytes(std::optional<std::string_view> format,
                                                    const Gdiplus::EncoderParameters* parameters) const {
  if (!native()) {
    keepStatus(Gdiplus::InvalidParameter);
    return {};
  }
  const std::string ownFormat = format ? std::string() : rawFormat();
  const std::optional<CLSID> encoder = findEncoder(format ? *format : std::string_view(ownFormat));
  if (!encoder) {
    keepStatus(Gdiplus::UnknownImageFormat);
    return {};
  }
  PictureStream target;
  if (!target.open({})) {
    keepStatus(Gdiplus::OutOfMemory);
    return {};
  }
  if (!keepStatus(flat::GdipSaveImageToStream(native(), target.stream(), &*encoder, parameters))) return {};
  return target.readBytes();
}

std::string DrawingImage::rawFormat() const {
  GUID format{};
  if (!keepStatus(flat::GdipGetImageRawFormat(native(), &format))) return {};
  return guidText(format);
}

RectF DrawingImage::bounds() const {
  Gdiplus::RectF rect;
  Gdiplus::GpUnit unit = Gdiplus::UnitPixel;
  const GpStatus status = flat::GdipGetImageBounds(native(), &rect, &unit);
  return keptValue(status, fromNative(rect));
}

SizeF DrawingImage::dimension() const {
  Gdiplus::REAL width = 0;
  Gdiplus::REAL height = 0;
  const GpStatus status = flat::GdipGetImageDimension(native(), &width, &height);
  return keptValue(status, SizeF{width, height});
}

Gdiplus::ImageType DrawingImage::type() const {
  Gdiplus::ImageType type = Gdiplus::ImageTypeUnknown;
  const GpStatus status = flat::GdipGetImageType(native(), &type);
  return keptValue(status, type);
}

unsigned DrawingImage::width() const {
  UINT width = 0;
  const GpStatus status = flat::GdipGetImageWidth(native(), &width);
  return keptValue<unsigned>(status, width);
}

unsigned DrawingImage::height() const {
  UINT height = 0;
  const GpStatus status = flat::GdipGetImageHeight(native(), &height);
  return keptValue<unsigned>(status, height);
}

float DrawingImage::horizontalResolution() const {
  Gdiplus::REAL resolution = 0;
  const GpStatus status = flat::GdipGetImageHorizontalResolution(native(), &resolution);
  return keptValue<float>(status, resolution);
}

float DrawingImage::verticalResolution() const {
  Gdiplus::REAL resolution = 0;
  const GpStatus status = flat::GdipGetImageVerticalResolution(native(), &resolution);
  return keptValue<float>(status, resolution);
}

unsigned DrawingImage::flags() const {
  UINT flags = 0;
  const GpStatus status = flat::GdipGetImageFlags(native(), &flags);
  return keptValue<unsigned>(status, flags);
}

int DrawingImage::pixelFormat() const {
  Gdiplus::PixelFormat format = 0;
  const GpStatus status = flat::GdipGetImagePixelFormat(native(), &format);
  return keptValue<int>(status, static_cast<int>(format));
}

DrawingImage DrawingImage::thumbnail(unsigned width, unsigned height) const {
  DrawingImage thumbnail;
  Gdiplus::GpImage* made = nullptr;
  if (keepStatus(flat::GdipGetImageThumbnail(native(), width, height, &made, nullptr, nullptr))) {
    thumbnail.adopt(made);
  }
  return thumbnail;
}

unsigned DrawingImage::frameCount(const GUID& dimension) const {
  UINT count = 0;
  const GpStatus status = flat::GdipImageGetFrameCount(native(), &dimension, &count);
  return keptValue<unsigned>(status, count);
}

bool DrawingImage::selectFrame(const GUID& dimension, unsigned index) {
  return keepStatus(flat::GdipImageSelectActiveFrame(native(), &dimension, index));
}

bool DrawingImage::rotateFlip(Gdiplus::RotateFlipType rotateFlipType) {
  return keepStatus(flat::GdipImageRotateFlip(native(), rotateFlipType));
}

// DrawingBitmap

bool DrawingBitmap::create(int width, int height, int pixelFormat) {
  return createFromScan0(width, height, 0, pixelFormat, nullptr);
}

bool DrawingBitmap::createFromScan0(int width, int height, int stride, int pixelFormat, BYTE* scan0) {
  Gdiplus::GpBitmap* bitmap = nullptr;
  const GpStatus status = flat::GdipCreateBitmapFromScan0(width, height, stride,
                                                          static_cast<Gdiplus::PixelFormat>(pixelFormat), scan0, &bitmap);
  return adoptCreated(status, bitmap);
}

bool DrawingBitmap::createFromSurface(int width, int height, const DrawingSurface& surface) {
  Gdiplus::GpBitmap* bitmap = nullptr;
  const GpStatus status = flat::GdipCreateBitmapFromGraphics(width, height, surface.native(), &bitmap);
  return adoptCreated(status, bitmap);
}

bool DrawingBitmap::createFromGdiDib(const BITMAPINFO* info, void* bits) {
  Gdiplus::GpBitmap* bitmap = nullptr;
  const GpStatus status = flat::GdipCreateBitmapFromGdiDib(info, bits, &bitmap);
  return adoptCreated(status, bitmap);
}

bool DrawingBitmap::createFromHbitmap(HBITMAP platformBitmap, HPALETTE palette) {
  Gdiplus::GpBitmap* bitmap = nullptr;
  const GpStatus status = flat::GdipCreateBitmapFromHBITMAP(platformBitmap, palette, &bitmap);
  return adoptCreated(status, bitmap);
}

bool DrawingBitmap::createFromHicon(HICON icon) {
  Gdiplus::GpBitmap* bitmap = nullptr;
  const GpStatus status = flat::GdipCreateBitmapFromHICON(icon, &bitmap);
  return adoptCreated(status, bitmap);
}

bool DrawingBitmap::createFromResource(HINSTANCE instance, std::string_view name) {
  const std::wstring wide = toWideText(name);
  Gdiplus::GpBitmap* bitmap = nullptr;
  const GpStatus status = flat::GdipCreateBitmapFromResource(instance, wide.c_str(), &bitmap);
  return adoptCreated(status, bitmap);
}

bool DrawingBitmap::loadFromFile(std::string_view path, bool useIcm) {
  deleteNative(false);
  const std::wstring wide = toWideText(path);
  Gdiplus::GpBitmap* bitmap = nullptr;
  const GpStatus status = useIcm ? flat::GdipCreateBitmapFromFileICM(wide.c_str(), &bitmap)
                                 : flat::GdipCreateBitmapFromFile(wide.c_str(), &bitmap);
  return adoptCreated(status, bitmap);
}

bool DrawingBitmap::loadFromBytes(std::span<const std::uint8_t> bytes, bool useIcm) {
  deleteNative(false);
  if (bytes.empty()) return keepStatus(Gdiplus::InvalidParameter);
  IStream* stream = ownStream().open(bytes);
  if (!stream) return keepStatus(Gdiplus::OutOfMemory);
  Gdiplus::GpBitmap* bitmap = nullptr;
  const GpStatus status = useIcm ? flat::GdipCreateBitmapFromStreamICM(stream, &bitmap)
                                 : flat::GdipCreateBitmapFromStream(stream, &bitmap);
  if (status != Gdiplus::Ok) ownStream().close();
  return adoptCreated(status, bitmap);
}

DrawingBitmap DrawingBitmap::fromBytes(std::span<const std::uint8_t> bytes, bool useIcm) {
  DrawingBitmap bitmap;
  bitmap.loadFromBytes(bytes, useIcm);
  return bitmap;
}

DrawingBitmap DrawingBitmap::cloneBitmap() const {
  DrawingBitmap copy;
  Gdiplus::GpImage* cloned = nullptr;
  if (keepStatus(flat::GdipCloneImage(native(), &cloned))) copy.adopt(cloned);
  return copy;
}

DrawingBitmap DrawingBitmap::cloneArea(float x, float y, float width, float height, int pixelFormat) const {
  DrawingBitmap copy;
  Gdiplus::GpBitmap* cloned = nullptr;
  if (keepStatus(flat::GdipCloneBitmapArea(x, y, width, height, static_cast<Gdiplus::PixelFormat>(pixelFormat),
                                           bitmap(), &cloned))) {
    copy.adopt(cloned);
  }
  return copy;
}

OwnedBitmap DrawingBitmap::toHbitmap(Argb background) const {
  HBITMAP platformBitmap = nullptr;
  if (!keepStatus(flat::GdipCreateHBITMAPFromBitmap(bitmap(), &platformBitmap, background))) return OwnedBitmap();
  return OwnedBitmap(platformBitmap);
}

OwnedIcon DrawingBitmap::toHicon() const {
  HICON icon = nullptr;
  if (!keepStatus(flat::GdipCreateHICONFromBitmap(bitmap(), &icon))) return {};
  return OwnedIcon(icon);
}

bool DrawingBitmap::lockBits(const RECT* rect, unsigned flags, int pixelFormat, Gdiplus::BitmapData& data) {
  Gdiplus::Rect area;
  if (rect) area = Gdiplus::Rect(rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top);
  return keepStatus(flat::GdipBitmapLockBits(bitmap(), rect ? &area : nullptr, flags,
                                             static_cast<Gdiplus::PixelFormat>(pixelFormat), &data));
}

bool DrawingBitmap::unlockBits(Gdiplus::BitmapData& data) {
  return keepStatus(flat::GdipBitmapUnlockBits(bitmap(), &data));
}

Argb DrawingBitmap::getPixel(int x, int y) const {
  Gdiplus::ARGB colour = 0;
  const GpStatus status = flat::GdipBitmapGetPixel(bitmap(), x, y, &colour);
  return keptValue<Argb>(status, colour);
}

bool DrawingBitmap::setPixel(int x, int y, Argb colour) {
  return keepStatus(flat::GdipBitmapSetPixel(bitmap(), x, y, colour));
}

bool DrawingBitmap::setResolution(float dpiX, float dpiY) {
  return keepStatus(flat::GdipBitmapSetResolution(bitmap(), dpiX, dpiY));
}

}  // namespace draw
