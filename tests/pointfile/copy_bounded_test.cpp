#include <gtest/gtest.h>

#include <array>
#include <string>
#include <string_view>

#include "pointfile/point_table.h"

namespace quorvane {
namespace {

// Double-byte character 東 (93 8C) and half-width katakana ｱ (B1).
const std::string kKanji("\x93\x8c", 2);
const std::string kKatakana("\xb1", 1);
const std::string kPair83("\x83\x83", 2);

std::string Repeat(const std::string& unit, int count) {
  std::string text;
  for (int i = 0; i < count; ++i) text += unit;
  return text;
}

struct CopyCase {
  const char* label;
  std::string text;
  std::string stored;
};

std::vector<CopyCase> CopyCases() {
  return {
      {"empty", "", ""},
      {"exactly 20 bytes", std::string(20, 'A'), std::string(20, 'A')},
      {"21 single bytes cut to 20", std::string(21, 'B'), std::string(20, 'B')},
      // Byte 19 (the 20th) starts a double-byte character: the character is left out.
      {"lead byte at index 19", std::string(19, 'C') + kKanji, std::string(19, 'C')},
      {"lead byte at index 19, longer text", std::string(19, 'C') + kKanji + "DD",
       std::string(19, 'C')},
      // The character starts at index 18, so byte 19 is its second byte: all 20 bytes stay.
      {"character starting at index 18", std::string(18, 'E') + kKanji + "F",
       std::string(18, 'E') + kKanji},
      {"ten double-byte characters and more", Repeat(kKanji, 11), Repeat(kKanji, 10)},
      {"25 half-width katakana cut to 20", Repeat(kKatakana, 25), Repeat(kKatakana, 20)},
      // 0x83 0x83 is one character whose second byte is in the lead range too. After two
      // single bytes the pairs start at even indexes, so index 19 is a second byte: 20 kept.
      {"lead-range second byte at index 19", "xx" + Repeat(kPair83, 10), "xx" + Repeat(kPair83, 9)},
      // An odd start shifts the pairs: index 19 is then a lead byte that begins a character.
      {"lead-range byte at index 19 starting a character", "J" + Repeat(kPair83, 10),
       "J" + Repeat(kPair83, 9)},
      // A text within the limit is copied whole, even a lone lead byte at its end.
      {"short text ending in a lone lead byte", "KK\x93", "KK\x93"},
  };
}

TEST(CopyBoundedTest, CutsAtTwentyBytesWithoutSplittingACharacter) {
  for (const CopyCase& c : CopyCases()) {
    SCOPED_TRACE(c.label);
    std::array<char, 64> destination;
    destination.fill('\x7f');
    CopyBounded(destination, c.text, 20);
    EXPECT_EQ(std::string(destination.data()), c.stored);
    // Nothing after the NUL is touched.
    for (std::size_t i = c.stored.size() + 1; i < destination.size(); ++i) {
      ASSERT_EQ(destination[i], '\x7f') << "byte " << i;
    }
  }
}

TEST(CopyBoundedTest, NameAndExtraTextSettersUseIt) {
  PointTable table;
  for (const CopyCase& c : CopyCases()) {
    SCOPED_TRACE(c.label);
    table.SetName(c.text, 12);
    table.SetExtraText(c.text, 12);
    EXPECT_EQ(std::string(table.Record(12).name), c.stored);
    EXPECT_EQ(std::string(table.Record(12).extra_text), c.stored);
  }
}

TEST(CopyBoundedTest, NeverWritesPastASmallDestination) {
  std::array<char, 12> buffer;
  buffer.fill('\x7f');
  // Only the first 6 bytes are offered to the copy: 5 bytes of text and the NUL.
  CopyBounded(std::span<char>(buffer.data(), 6), std::string(30, 'Z'), 20);
  EXPECT_EQ(std::string(buffer.data()), "ZZZZZ");
  for (std::size_t i = 6; i < buffer.size(); ++i) EXPECT_EQ(buffer[i], '\x7f');

  CopyBounded(std::span<char>(buffer.data(), 0), "abc", 20);
  EXPECT_EQ(std::string(buffer.data()), "ZZZZZ");
}

}  // namespace
}  // namespace quorvane
