#include "common/cp932.h"

#include <gtest/gtest.h>

#include <string>

namespace quorvane {
namespace {

TEST(Cp932, LeadByteRanges) {
  for (int b = 0; b < 256; ++b) {
    const bool expected = (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
    EXPECT_EQ(IsLeadByte(static_cast<unsigned char>(b)), expected) << std::hex << b;
  }
}

struct PrefixCase {
  std::string text;
  std::size_t limit;
  std::size_t expected;
};

TEST(Cp932, CharacterBoundaryPrefixNeverSplitsACharacter) {
  const PrefixCase cases[] = {
      {"ABCDE", 3, 3},
      {"AB\x95\x5C", 3, 2},  // 表 would be cut after its lead byte
      {"AB\x95\x5C", 4, 4},
      {"\x95\x5C\x83\x5C", 3, 2},  // 表ソ
      {"\xB1\xB2\xB3", 2, 2},      // half-width katakana are single bytes
      {"A\x95\x95\x95", 3, 3},     // the second 0x95 is a second byte, the third a lead byte
      {"A\x95\x95\x95", 4, 3},     // lone lead byte at the end is never kept
      {"", 5, 0},
  };
  for (const PrefixCase& c : cases) {
    EXPECT_EQ(CharacterBoundaryPrefix(c.text, c.limit), c.expected) << c.text << " " << c.limit;
  }
}

TEST(Cp932, CountCharactersLeavesOutALoneTrailingLeadByte) {
  EXPECT_EQ(CountCharacters("\x93\x8C\x8B\x9E\x83\x5E\x83\x8F\x81\x5B"), 5u);  // 東京タワー
  EXPECT_EQ(CountCharacters("\xC4\xB3\xB7\xAE\xB3"), 5u);                      // ﾄｳｷｮｳ
  EXPECT_EQ(CountCharacters("AB\x93"), 2u);
  EXPECT_EQ(CountCharacters(""), 0u);
}

TEST(Cp932, StartsDoubleByteCharacterDependsOnWhatComesBefore) {
  const std::string text = "\x95\x95\x5C";  // 0x95 0x95 is one character, then a backslash
  EXPECT_TRUE(StartsDoubleByteCharacter(text, 0));
  EXPECT_FALSE(StartsDoubleByteCharacter(text, 1));
  EXPECT_FALSE(StartsDoubleByteCharacter(text, 2));
}

TEST(Cp932, FoldAsciiCaseTouchesOnlyAsciiLetters) {
  EXPECT_EQ(FoldAsciiCase("a.Mem\x82\xA0z", true), "A.MEM\x82\xA0Z");
  EXPECT_EQ(FoldAsciiCase("POINTS.MEM\x83\x41", false), "points.mem\x83\x41");
}

}  // namespace
}  // namespace quorvane
