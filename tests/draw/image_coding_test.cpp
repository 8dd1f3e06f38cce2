#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "draw/drawing.h"
#include "pixel_checks.h"

using namespace draw;
using drawtest::alphaOf;
using drawtest::Canvas;
using drawtest::colourNear;

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr Argb opaqueGreen = 0xFF00FF00;
constexpr Argb opaqueRed = 0xFFFF0000;

bool startsWith(const Bytes& bytes, std::initializer_list<std::uint8_t> prefix) {
  return bytes.size() >= prefix.size() && std::equal(prefix.begin(), prefix.end(), bytes.begin());
}

const std::initializer_list<std::uint8_t> pngSignature = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
const std::initializer_list<std::uint8_t> jpegSignature = {0xFF, 0xD8, 0xFF};

// An opaque picture of one colour, encoded in the given format. A resolution other
// than the screen's shows whether drawing at natural size means pixels.
Bytes encodedPicture(int width, int height, Argb colour, const char* format, float dpi = 96) {
  DrawingBitmap picture(width, height);
  {
    DrawingSurface surface = DrawingSurface::fromImage(picture);
    surface.clear(colour);
  }
  picture.setResolution(dpi, dpi);
  return picture.saveToBytes(format);
}

}  // namespace

TEST(ImageCoding, BytesThatAreNoPictureLeaveTheImageEmptyAndDrawNothing) {
  const Bytes noBytes;
  const std::string text = "not a picture at all";
  const Bytes textBytes(text.begin(), text.end());
  for (const Bytes* bytes : {&noBytes, &textBytes}) {
    SCOPED_TRACE(bytes->size());
    DrawingBitmap bitmap;
    EXPECT_FALSE(bitmap.loadFromBytes(*bytes));
    EXPECT_NE(lastDrawingStatus, Gdiplus::Ok);
    EXPECT_FALSE(bitmap);
    EXPECT_EQ(bitmap.pictureStream().stream(), nullptr) << "no stream kept for a failed decode";

    DrawingImage image = DrawingImage::fromBytes(*bytes);
    EXPECT_FALSE(image);

    Canvas canvas(10, 10);
    EXPECT_FALSE(canvas.surface.drawImage(bitmap, 0, 0));
    EXPECT_FALSE(canvas.surface.drawImage(image, 0, 0, 10, 10));
    EXPECT_EQ(alphaOf(canvas.at(5, 5)), 0);
  }
}

TEST(ImageCoding, PngFromBytesHasItsSizeAndCoversExactlyItsRectangle) {
  DrawingImage image;
  DrawingBitmap bitmap;
  {
    const Bytes png = encodedPicture(38, 18, opaqueGreen, pngFormat, 48);
    ASSERT_TRUE(startsWith(png, pngSignature));
    ASSERT_TRUE(image.loadFromBytes(png));
    ASSERT_TRUE(bitmap.loadFromBytes(png));
  }  // the decoded pictures keep their own copy of the bytes

  EXPECT_EQ(image.width(), 38u);
  EXPECT_EQ(image.height(), 18u);
  EXPECT_EQ(image.rawFormat(), pngFormat);
  EXPECT_EQ(bitmap.getPixel(37, 17), opaqueGreen);

  Canvas canvas(60, 40);
  ASSERT_TRUE(canvas.surface.drawImage(image, 5, 7));
  // Corners inside, neighbours outside the rectangle (5, 7, 38, 18).
  for (auto [x, y] : {std::pair{5, 7}, {42, 7}, {5, 24}, {42, 24}, {20, 15}}) {
    EXPECT_TRUE(colourNear(canvas.at(x, y), opaqueGreen)) << x << "," << y;
  }
  for (auto [x, y] : {std::pair{4, 7}, {43, 7}, {5, 6}, {5, 25}, {43, 25}}) {
    EXPECT_EQ(alphaOf(canvas.at(x, y)), 0) << x << "," << y;
  }

  Canvas scaled(80, 40);
  ASSERT_TRUE(scaled.surface.drawImage(bitmap, 0, 0, 76, 36));
  EXPECT_TRUE(colourNear(scaled.at(38, 18), opaqueGreen));
  EXPECT_TRUE(colourNear(scaled.at(70, 30), opaqueGreen));
  EXPECT_EQ(alphaOf(scaled.at(78, 38)), 0);
}

TEST(ImageCoding, JpegStaysJpegUnlessAnotherFormatIsNamed) {
  const Bytes jpeg = encodedPicture(40, 30, opaqueRed, jpegFormat);
  ASSERT_TRUE(startsWith(jpeg, jpegSignature));
  DrawingImage decoded = DrawingImage::fromBytes(jpeg);
  ASSERT_TRUE(decoded);
  EXPECT_EQ(decoded.rawFormat(), jpegFormat);

  const Bytes again = decoded.saveToBytes();
  EXPECT_TRUE(startsWith(again, jpegSignature));
  EXPECT_EQ(DrawingImage::fromBytes(again).rawFormat(), jpegFormat);

  const Bytes png = decoded.saveToBytes(pngFormat);
  ASSERT_TRUE(startsWith(png, pngSignature));
  DrawingBitmap fromPng = DrawingBitmap::fromBytes(png);
  EXPECT_EQ(fromPng.width(), 40u);
  EXPECT_EQ(fromPng.height(), 30u);
  EXPECT_TRUE(colourNear(fromPng.getPixel(20, 15), opaqueRed, 8));

  const Bytes bmp = decoded.saveToBytes("{b96b3cab-0728-11d3-9d7b-0000f81ef32e}");
  EXPECT_TRUE(startsWith(bmp, {'B', 'M'})) << "format texts are compared as identifiers";
}

TEST(ImageCoding, NoEncoderMeansNoBytes) {
  DrawingBitmap inMemory(4, 4);
  EXPECT_EQ(inMemory.rawFormat(), memoryBmpFormat);
  EXPECT_TRUE(inMemory.saveToBytes().empty()) << "no encoder writes the in-memory format";
  EXPECT_EQ(lastDrawingStatus, Gdiplus::UnknownImageFormat);
  EXPECT_TRUE(inMemory.saveToBytes("{00000000-0000-0000-0000-000000000000}").empty());
  EXPECT_TRUE(inMemory.saveToBytes("png").empty());
  EXPECT_FALSE(inMemory.saveToBytes(pngFormat).empty());

  const DrawingImage empty;
  EXPECT_TRUE(empty.saveToBytes(pngFormat).empty());
  EXPECT_NE(lastDrawingStatus, Gdiplus::Ok);
}

TEST(ImageCoding, ClonesAndReleasedImagesOutliveTheirSource) {
  const Bytes png = encodedPicture(6, 4, opaqueGreen, pngFormat);
  DrawingBitmap clone;
  Gdiplus::GpImage* released = nullptr;
  {
    DrawingBitmap original = DrawingBitmap::fromBytes(png);
    ASSERT_TRUE(original);
    clone = original.cloneBitmap();
    DrawingImage other = DrawingImage::fromBytes(png);
    released = other.release();
  }
  ASSERT_TRUE(clone);
  EXPECT_EQ(clone.getPixel(3, 2), opaqueGreen);

  DrawingImage adopted(released);
  Canvas canvas(6, 4);
  ASSERT_TRUE(canvas.surface.drawImage(adopted, 0, 0));
  EXPECT_TRUE(colourNear(canvas.at(3, 2), opaqueGreen));
}

TEST(ImageCoding, PlatformBitmapAndIconRoundTrip) {
  DrawingBitmap source(16, 16);
  ASSERT_TRUE(source.setPixel(8, 8, opaqueRed));  // everything else stays transparent

  const int before = liveGdiObjectCount();
  {
    OwnedBitmap platform = source.toHbitmap(0xFFFFFFFF);
    ASSERT_TRUE(platform);
    EXPECT_EQ(liveGdiObjectCount(), before + 1) << "the caller owns the new bitmap";

    MemoryDC memory = MemoryDC::createCompatible();
    ScopedSelectObject selection(memory.get(), platform.get());
    EXPECT_EQ(GetPixel(memory.get(), 8, 8), RGB(255, 0, 0));
    EXPECT_EQ(GetPixel(memory.get(), 2, 2), RGB(255, 255, 255)) << "composed over the background";
    selection.reset();

    DrawingBitmap back;
    ASSERT_TRUE(back.createFromHbitmap(platform.get()));
    EXPECT_EQ(back.width(), 16u);
    EXPECT_TRUE(colourNear(back.getPixel(8, 8), opaqueRed));
  }
  EXPECT_EQ(liveGdiObjectCount(), before);

  const OwnedIcon icon = source.toHicon();
  ASSERT_TRUE(icon);
  DrawingBitmap fromIcon;
  ASSERT_TRUE(fromIcon.createFromHicon(icon.get()));
  EXPECT_EQ(fromIcon.width(), 16u);
  EXPECT_TRUE(colourNear(fromIcon.getPixel(8, 8), opaqueRed));
  EXPECT_EQ(alphaOf(fromIcon.getPixel(2, 2)), 0);
}

TEST(PictureStream, HoldsACopyOfTheBytesInABlockOfTheGivenSize) {
  const Bytes bytes = {1, 2, 3, 4, 5};
  struct Case {
    std::optional<std::size_t> size;
    Bytes expected;
  };
  const Case cases[] = {
      {std::nullopt, {1, 2, 3, 4, 5}},
      {7, {1, 2, 3, 4, 5, 0, 0}},  // zero-filled beyond the bytes
      {2, {1, 2}},                 // never more than the block holds
  };
  for (const Case& c : cases) {
    PictureStream stream;
    ASSERT_NE(stream.open(bytes, c.size), nullptr);
    EXPECT_NE(stream.memory(), nullptr);
    EXPECT_EQ(stream.size(), c.expected.size());
    EXPECT_EQ(stream.readBytes(), c.expected);
  }

  PictureStream first;
  first.open(bytes);
  PictureStream second;
  ASSERT_TRUE(second.attach(first.stream()));
  first.close();
  EXPECT_EQ(first.stream(), nullptr);
  EXPECT_EQ(first.size(), 0u);
  EXPECT_EQ(second.readBytes(), bytes) << "the attached stream keeps its own reference";

  PictureStream empty;
  ASSERT_NE(empty.open({}), nullptr);
  EXPECT_EQ(empty.size(), 0u);
  EXPECT_TRUE(empty.readBytes().empty());
}
