#include "skin/core/resource_pictures.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace skin {
namespace {

TEST(ResourcePicturesTest, APictureIsDecodedOnceAndAFailedOneIsTriedAgain) {
  ResourcePictureCache cache;
  const LayerPicture& first = cache.picture("ARROW_DOWN_PNG");
  const LayerPicture& again = cache.picture("ARROW_DOWN_PNG");
  EXPECT_EQ(&first, &again);
  EXPECT_EQ(cache.decodes(), 1);
  EXPECT_EQ(first.width, 7);
  EXPECT_EQ(first.height, 4);

  EXPECT_TRUE(cache.picture("NO_SUCH_PNG").argb.empty());
  EXPECT_TRUE(cache.picture("NO_SUCH_PNG").argb.empty());
  EXPECT_EQ(cache.decodes(), 3);
  EXPECT_EQ(&cache.picture("ARROW_DOWN_PNG"), &first) << "still kept after others";
}

// The picture as rows of '#' (opaque black) and '.' (fully transparent); '?' for any
// other pixel.
std::vector<std::string> maskOf(const LayerPicture& picture) {
  std::vector<std::string> rows;
  for (int y = 0; y < picture.height; ++y) {
    std::string row;
    for (int x = 0; x < picture.width; ++x) {
      const std::uint32_t pixel = picture.argb[static_cast<size_t>(y) * picture.width + x];
      row += pixel == 0xFF000000u ? '#' : (pixel >> 24) == 0 ? '.' : '?';
    }
    rows.push_back(row);
  }
  return rows;
}

TEST(ResourcePicturesTest, TheTrianglesAreBlackFilledAndCentred) {
  struct Case {
    ArrowGlyph glyph;
    std::vector<std::string> mask;
  };
  const Case cases[] = {
      {ArrowGlyph::triangleUp, {"...#...", "..###..", ".#####.", "#######"}},
      {ArrowGlyph::triangleDown, {"#######", ".#####.", "..###..", "...#..."}},
      {ArrowGlyph::triangleLeft, {"...#", "..##", ".###", "####", ".###", "..##", "...#"}},
      {ArrowGlyph::triangleRight, {"#...", "##..", "###.", "####", "###.", "##..", "#..."}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(arrowResource(c.glyph));
    EXPECT_EQ(maskOf(arrowPicture(c.glyph)), c.mask);
  }
}

}  // namespace
}  // namespace skin
