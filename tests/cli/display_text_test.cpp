#include "cli/display_text.h"

#include <gtest/gtest.h>

#include <string>

namespace quorvane {
namespace {

struct DisplayCase {
  std::string cp932;
  std::string utf8;
};

class DisplayTextTest : public ::testing::TestWithParam<DisplayCase> {};

TEST_P(DisplayTextTest, ConvertsOrMarks) {
  EXPECT_EQ(DisplayText(GetParam().cp932), GetParam().utf8);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, DisplayTextTest,
    ::testing::Values(DisplayCase{"", ""}, DisplayCase{"ABC", "ABC"},
                      DisplayCase{"\x93\x8C\x8B\x9E\xC0\xDC\xB0", "東京ﾀﾜｰ"},
                      // 表 and ソ end in 0x5C, which must stay part of their characters.
                      DisplayCase{"\x95\x5C\x83\x5C", "表ソ"},
                      // A full 16-byte second text may end in a lone lead byte.
                      DisplayCase{"ABCDEFGHIJKLMNO\x89", "ABCDEFGHIJKLMNO\uFFFD"},
                      DisplayCase{"\x93\x8C\x89", "東\uFFFD"},
                      // Bytes that are no character of the code page keep their neighbours.
                      DisplayCase{"A\xFF"
                                  "B",
                                  "A\uFFFDB"},
                      DisplayCase{"\x80\x93\x8C", "\uFFFD東"},
                      // Control characters are characters: the formats deal with them.
                      DisplayCase{"a\tb\n", "a\tb\n"}));

}  // namespace
}  // namespace quorvane
