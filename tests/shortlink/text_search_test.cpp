#include <gtest/gtest.h>

#include <string>

#include "shortlink/short_link_client.h"
#include "shortlink/text_search.h"

namespace shortlink {
namespace {

struct TextBetweenCase {
  const char* name;
  std::string source;
  std::string startMarker;
  std::string endMarker;
  std::optional<int> startPosition;
  std::optional<int> maxLength;
  int rejectLonger;
  std::string expected;
  int expectedLength;    // -1: left untouched
  int expectedPosition;  // -1: left untouched
};

TEST(TextBetween, FindsTheContentBetweenMarkers) {
  const TextBetweenCase cases[] = {
      {"between markers", "a[b]c", "[", "]", {}, {}, 0, "b", 1, 3},
      {"start marker absent", "abc]", "[", "]", {}, {}, 0, "", -1, -1},
      {"end marker only before the start", "]a[bc", "[", "]", {}, {}, 0, "", -1, 4},
      {"end marker must fit wholly", "[ab", "[", "bc", {}, {}, 0, "", -1, 2},
      {"start marker at the very end", "ab[", "[", "]", {}, {}, 0, "", -1, 4},
      {"empty content", "[]", "[", "]", {}, {}, 0, "", 0, 2},
      {"multi-byte markers", R"({"url_long":"http://x/","type":0})", "\"url_long\":\"", "\"", {}, {}, 0,
       "http://x/", 9, 14},
      {"empty marker is never found", "a[b]", "", "]", {}, {}, 0, "", -1, -1},
      {"maxLength truncates", "[abcd]", "[", "]", {}, 2, 0, "ab", 4, 2},
      {"maxLength 0 keeps nothing", "[abcd]", "[", "]", {}, 0, 0, "", 4, 2},
      {"maxLength below 0 keeps nothing", "[abcd]", "[", "]", {}, -3, 0, "", 4, 2},
      {"rejectLonger refuses longer content", "[abcd]", "[", "]", {}, 2, 1, "", 4, 2},
      {"rejectLonger keeps content of maxLength", "[ab]", "[", "]", {}, 2, 1, "ab", 2, 2},
      {"rejectLonger without maxLength allows only empty", "[a]", "[", "]", {}, {}, 1, "", 1, 2},
      {"start position skips the first pair", "[a][b]", "[", "]", 2, {}, 0, "b", 1, 5},
      {"start position on a marker", "[a][b]", "[", "]", 4, {}, 0, "b", 1, 5},
      {"start position 0 counts as 1", "[a][b]", "[", "]", 0, {}, 0, "a", 1, 2},
      {"negative start position counts as 1", "[a][b]", "[", "]", -7, {}, 0, "a", 1, 2},
      {"start position past the end", "[a][b]", "[", "]", 7, {}, 0, "", -1, -1},
      // Under the UTF-8 code page a character is stepped over whole, whatever its length.
      {"after a three-byte character", "中[文]", "[", "]", {}, {}, 0, "文", 3, 5},
      {"marker made of a character", "甲中乙中丙", "中", "中", {}, {}, 0, "乙", 3, 7},
  };
  ShortLinkClient client;
  for (const TextBetweenCase& c : cases) {
    SCOPED_TRACE(c.name);
    int length = -1;
    int position = -1;
    EXPECT_EQ(client.textBetween(c.source, c.startMarker, c.endMarker, c.startPosition, &length,
                                 c.maxLength, &position, c.rejectLonger),
              c.expected);
    EXPECT_EQ(length, c.expectedLength);
    EXPECT_EQ(position, c.expectedPosition);
  }
}

TEST(TextBetween, OptionalOutputsMayBeOmitted) {
  ShortLinkClient client;
  EXPECT_EQ(client.textBetween("x(yz)", "(", ")"), "yz");
}

struct FindMarkerCase {
  const char* name;
  std::string text;
  std::string marker;
  size_t from;
  unsigned codePage;
  size_t expected;
};

TEST(FindMarker, StepsOverWholeCharactersOfTheCodePage) {
  constexpr unsigned gbk = 936;
  constexpr unsigned utf8 = 65001;
  const FindMarkerCase cases[] = {
      {"plain text", "ab[c", "[", 1, gbk, 3},
      // A double-byte character whose second byte looks like the marker.
      {"byte after a lead byte is no match start", "\xD6[x[", "[", 1, gbk, 4},
      {"lead byte at the very end", "ab\xD6", "[", 1, gbk, 0},
      {"a search may start on a second byte", "\xD6[x", "[", 2, gbk, 2},
      {"three-byte UTF-8 character", "\xE4\xB8\xAD[", "[", 1, utf8, 4},
      {"malformed UTF-8 steps one byte", "\xD6[x", "[", 1, utf8, 2},
      {"truncated UTF-8 sequence", "\xE4\xB8[", "[", 1, utf8, 3},
      {"marker must fit wholly", "abc", "cd", 1, utf8, 0},
      {"from past the end", "abc", "c", 4, utf8, 0},
  };
  for (const FindMarkerCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(findMarker(c.text, c.marker, c.from, c.codePage), c.expected);
  }
}

TEST(EncodeQueryValue, EncodesEveryReservedByteOnce) {
  const std::pair<std::string, std::string> cases[] = {
      {"http://www.google.com/", "http%3A%2F%2Fwww.google.com%2F"},
      {"a&b=c", "a%26b%3Dc"},
      {"page#top", "page%23top"},
      {"1+1", "1%2B1"},
      {"two words", "two%20words"},
      {"%26", "%2526"},
      {"中文", "%E4%B8%AD%E6%96%87"},
      {"AZaz09-._~", "AZaz09-._~"},
      {"", ""},
  };
  for (const auto& [value, expected] : cases) {
    EXPECT_EQ(encodeQueryValue(value), expected) << value;
  }
}

}  // namespace
}  // namespace shortlink
