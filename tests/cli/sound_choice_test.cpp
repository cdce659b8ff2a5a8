#include "cli/sound_choice.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "conversion/voice_guidance_table.h"

namespace quorvane {
namespace {

struct SoundCase {
  std::string value;
  std::optional<int> row;
};

class ResolveSoundTest : public ::testing::TestWithParam<SoundCase> {};

TEST_P(ResolveSoundTest, FindsTheRow) {
  EXPECT_EQ(ResolveSound(GetParam().value), GetParam().row);
}

INSTANTIATE_TEST_SUITE_P(
    Values, ResolveSoundTest,
    ::testing::Values(
        // Rows in decimal, leading zeros allowed up to three digits.
        SoundCase{"0", 0}, SoundCase{"31", 31}, SoundCase{"64", 64}, SoundCase{"064", 64},
        SoundCase{"65", std::nullopt}, SoundCase{"100", std::nullopt},
        SoundCase{"-1", std::nullopt}, SoundCase{"+1", std::nullopt}, SoundCase{" 1", std::nullopt},
        // Four hexadecimal digits are a code, in any case; "0004" is not row 4.
        SoundCase{"0004", 31}, SoundCase{"00DC", 3}, SoundCase{"00dc", 3}, SoundCase{"00Dc", 3},
        SoundCase{"FFFF", 0}, SoundCase{"ffff", 0}, SoundCase{"0064", std::nullopt},
        SoundCase{"00DC ", std::nullopt}, SoundCase{"000DC", std::nullopt},
        // Names as the dialog lists them, UTF-8, exactly.
        SoundCase{"設定なし", 0}, SoundCase{"ベル音", 31}, SoundCase{"警告音１", 32},
        SoundCase{"マンボ", 64}, SoundCase{"警告音1", std::nullopt},
        SoundCase{"ベル", std::nullopt}, SoundCase{"", std::nullopt}));

TEST(ResolveSoundTable, EveryRowIsFoundByItsNumberCodeAndName) {
  const auto& table = VoiceGuidanceTable();
  for (int row = 0; row < kVoiceGuidanceRows; ++row) {
    const VoiceGuidance& sound = table[static_cast<std::size_t>(row)];
    EXPECT_EQ(ResolveSound(std::to_string(row)), row);
    EXPECT_EQ(ResolveSound(sound.code), row) << sound.code;
    EXPECT_EQ(ResolveSound(sound.name.readable), row) << sound.name.readable;
  }
}

}  // namespace
}  // namespace quorvane
