#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "loaded_image.h"
#include "memfile/mem_file.h"
#include "support/cp932_literal.h"
#include "support/mem_image_builder.h"
#include "support/temp_folder.h"

namespace quorvane {
namespace {

using testing::MemImageBuilder;
using testing::TempFolder;

struct CoordinateCase {
  std::array<std::uint8_t, 4> word;  // file order
  std::uint32_t units;
  std::string_view dms;
};

const CoordinateCase kCoordinates[] = {
    {{0x1E, 0xB5, 0x68, 0x80}, 0x07AD5A80, "139.45.30.500"},
    // Bits 8 and 9 of the word are not used.
    {{0x1E, 0xB5, 0x6B, 0x80}, 0x07AD5A80, "139.45.30.500"},
    {{0x07, 0xD6, 0x54, 0xFD}, 0x01F595FD, " 35.40.05.988"},
    {{0x01, 0x1F, 0xF4, 0x01}, 0x0047FD01, " 05.07.09.004"},
    // 16/256 is 62.5 thousandths and rounds up.
    {{0x15, 0xF9, 0x00, 0x10}, 0x057E4010, "100.00.00.063"},
    {{0x27, 0x8C, 0xFC, 0xFF}, 0x09E33FFF, "179.59.59.996"},
    {{0x00, 0x00, 0x00, 0x00}, 0, " 00.00.00.000"},
    // Corrupt data: 1,165 degrees; the hundreds run on past '9'.
    {{0xFF, 0xFF, 0xFF, 0xFF}, 0x3FFFFFFF, ";65.05.03.996"},
};

// Entry k carries case k as its longitude and case k + 1 as its latitude, so that a decoder
// reading the other word is seen.
TEST(CoordinateDecoding, WordsGiveUnitsAndDmsText) {
  const std::size_t n = std::size(kCoordinates);
  MemImageBuilder image;
  for (std::size_t k = 0; k < n; ++k) {
    image.Present(static_cast<int>(k))
        .Longitude(static_cast<int>(k), kCoordinates[k].word)
        .Latitude(static_cast<int>(k), kCoordinates[(k + 1) % n].word);
  }
  TempFolder folder;
  MemFile mem;
  testing::LoadImage(mem, image, folder);

  for (std::size_t k = 0; k < n; ++k) {
    SCOPED_TRACE(k);
    const int i = static_cast<int>(k);
    const CoordinateCase& longitude = kCoordinates[k];
    const CoordinateCase& latitude = kCoordinates[(k + 1) % n];
    EXPECT_EQ(mem.LongitudeUnits(i), longitude.units);
    EXPECT_EQ(mem.LongitudeDms(i), longitude.dms);
    EXPECT_EQ(mem.LatitudeUnits(i), latitude.units);
    EXPECT_EQ(mem.LatitudeDms(i), latitude.dms);
  }
}

struct TextCase {
  const char* label;
  std::string field;  // up to 16 bytes; a shorter field is followed by NULs
  std::string name;
  std::string extra_text;
};

std::vector<TextCase> TextCases() {
  const std::string letters15 = "ABCDEFGHIJKLMNO";
  const std::string letters16 = "ABCDEFGHIJKLMNOP";
  const std::string eight_kanji = testing::Sjis("東京都庁前駅北口");
  return {
      {"cut lead byte", letters15 + "\x89", letters15, letters15 + "\x89"},
      {"lead-range second byte", "ABCDEFGHIJKLMN\x8e\x9a", "ABCDEFGHIJKLMN\x8e\x9a",
       "ABCDEFGHIJKLMN\x8e\x9a"},
      // 81 81 is one character; the last 81 stands alone.
      {"pair then lone lead", "ABCDEFGHIJKLM\x81\x81\x81", "ABCDEFGHIJKLM\x81\x81",
       "ABCDEFGHIJKLM\x81\x81\x81"},
      {"half-width katakana last", letters15 + "\xb1", letters15 + "\xb1", letters15 + "\xb1"},
      {"eight double-byte characters", eight_kanji, eight_kanji, eight_kanji},
      {"sixteen letters, no NUL", letters16, letters16, letters16},
      {"lead byte before NUL", std::string("AB\x93\0", 4), "AB", "AB\x93"},
      {"bytes after the NUL", std::string("AB\0CD", 5), "AB", "AB"},
      {"starts with NUL", std::string("\0XYZ", 4), "", ""},
      {"empty", "", "", ""},
  };
}

// Entry k has the bytes as its name and an empty second text; entry k + 50 the other way round.
TEST(TextDecoding, NameDropsACutCharacterSecondTextDoesNot) {
  const std::vector<TextCase> cases = TextCases();
  MemImageBuilder image;
  for (std::size_t k = 0; k < cases.size(); ++k) {
    const int i = static_cast<int>(k);
    image.Present(i).Name(i, cases[k].field).ExtraText(i, "");
    image.Present(i + 50).Name(i + 50, "").ExtraText(i + 50, cases[k].field);
  }
  TempFolder folder;
  MemFile mem;
  testing::LoadImage(mem, image, folder);

  for (std::size_t k = 0; k < cases.size(); ++k) {
    SCOPED_TRACE(cases[k].label);
    const int i = static_cast<int>(k);
    EXPECT_EQ(mem.NameText(i), cases[k].name);
    EXPECT_EQ(mem.ExtraText(i), "");
    EXPECT_EQ(mem.ExtraText(i + 50), cases[k].extra_text);
    EXPECT_EQ(mem.NameText(i + 50), "");
  }
}

struct DigitCase {
  std::array<std::uint8_t, 5> bytes;
  std::string_view text;
};

TEST(DigitDecoding, HalfBytesUpToTheFirstFifteen) {
  const DigitCase cases[] = {
      {{0x01, 0x23, 0x45, 0x67, 0x89}, "0123456789"}, {{0x09, 0x01, 0x23, 0x4F, 0xFF}, "0901234"},
      {{0x12, 0x3F, 0xFF, 0xFF, 0xFF}, "123"},        {{0x1F, 0x23, 0x45, 0x67, 0x89}, "1"},
      {{0xF0, 0x12, 0x34, 0x56, 0x78}, ""},           {{0x1A, 0x2B, 0x3C, 0xFF, 0xFF}, "1:2;3<"},
      {{0xDE, 0xFF, 0xFF, 0xFF, 0xFF}, "=>"},         {{0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, ""},
      {{0x00, 0x00, 0x00, 0x00, 0x00}, "0000000000"},
  };
  MemImageBuilder image;
  for (std::size_t k = 0; k < std::size(cases); ++k) {
    image.Present(static_cast<int>(k)).Digits(static_cast<int>(k), cases[k].bytes);
  }
  TempFolder folder;
  MemFile mem;
  testing::LoadImage(mem, image, folder);

  for (std::size_t k = 0; k < std::size(cases); ++k) {
    SCOPED_TRACE(cases[k].text);
    EXPECT_EQ(mem.DigitText(static_cast<int>(k)), cases[k].text);
  }
}

// The last entry sits at the end of the image: its fields are found there.
TEST(FieldDecoding, LastEntryIsReadFromTheEndOfTheImage) {
  MemImageBuilder image;
  image.Present(99)
      .Name(99, "LAST")
      .ExtraText(99, "TAIL")
      .Digits(99, {0x98, 0x7F, 0xFF, 0xFF, 0xFF})
      .Longitude(99, {0x1E, 0xB5, 0x68, 0x80})
      .Latitude(99, {0x07, 0xD6, 0x54, 0xFD});
  TempFolder folder;
  MemFile mem;
  testing::LoadImage(mem, image, folder);
  EXPECT_TRUE(mem.IsPresent(99));
  EXPECT_EQ(mem.NameText(99), "LAST");
  EXPECT_EQ(mem.ExtraText(99), "TAIL");
  EXPECT_EQ(mem.DigitText(99), "987");
  EXPECT_EQ(mem.LongitudeDms(99), "139.45.30.500");
  EXPECT_EQ(mem.LatitudeDms(99), " 35.40.05.988");
}

}  // namespace
}  // namespace quorvane
