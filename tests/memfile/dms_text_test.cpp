#include "memfile/dms_text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string_view>

namespace quorvane {
namespace {

struct FractionCase {
  std::uint32_t fraction;  // 256ths of an arc-second
  std::string_view thousandths;
};

TEST(FormatDms, FractionRoundsHalfUpToThreeDigits) {
  const FractionCase cases[] = {
      {0, "000"},  {1, "004"},   {2, "008"},   {16, "063"},  {48, "188"},
      {64, "250"}, {128, "500"}, {200, "781"}, {250, "977"}, {255, "996"},
  };
  for (const FractionCase& c : cases) {
    SCOPED_TRACE(c.fraction);
    EXPECT_EQ(FormatDms(c.fraction), std::string(" 00.00.00.") + std::string(c.thousandths));
  }
}

struct DmsCase {
  std::uint32_t units;
  std::string_view text;
};

// Units are whole seconds times 256 plus the fraction.
TEST(FormatDms, SplitsDegreesMinutesAndSeconds) {
  constexpr std::uint32_t kSecond = 256;
  const DmsCase cases[] = {
      {59 * kSecond, " 00.00.59.000"},          {60 * kSecond, " 00.01.00.000"},
      {3599 * kSecond + 255, " 00.59.59.996"},  {3600 * kSecond, " 01.00.00.000"},
      {99 * 3600 * kSecond, " 99.00.00.000"},   {100 * 3600 * kSecond, "100.00.00.000"},
      {180 * 3600 * kSecond, "180.00.00.000"},  {999 * 3600 * kSecond, "999.00.00.000"},
      {1000 * 3600 * kSecond, ":00.00.00.000"},
  };
  for (const DmsCase& c : cases) {
    SCOPED_TRACE(c.units);
    EXPECT_EQ(FormatDms(c.units), c.text);
  }
}

TEST(FormatDms, AlwaysThirteenCharacters) {
  for (const std::uint32_t units :
       {0u, 255u, 0x3FFFFFFFu, 0x40000000u, std::numeric_limits<std::uint32_t>::max()}) {
    SCOPED_TRACE(units);
    EXPECT_EQ(FormatDms(units).size(), 13u);
  }
}

}  // namespace
}  // namespace quorvane
