#include "pointfile/coordinate_encoding.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace quorvane {
namespace {

struct EncodeCase {
  std::string_view text;
  std::string_view encoded;
};

TEST(EncodeCoordinateTest, GivesDegreesMinutesSecondsAndTenths) {
  const EncodeCase cases[] = {
      {"135.30.15.500", "13530155"},
      {" 35.41.22.123", "03541221"},  // the leading space of a two-digit degree is skipped
      {"139.41.30.254", "13941302"},
      {" 35.39.29.125", "03539291"},
      {"139.41.30.9876", "13941309"},  // a fourth token is read as three digits at most
      {"139.41.30", "13941300"},       // three tokens: no fraction
      {"139.41.30.5", "13941305"},     // 5 reads as 500
      {"139.41.30.12", "13941301"},    // 12 reads as 120
      {"  0.00.00.000", "00000000"},
      {"", "00000000"},
      {"139/41,30'996", "13941309"},  // every delimiter separates tokens
      {"139..41\t30\n996", "13941309"},
      {"139.41.30.254.777", "13941302"},  // tokens after the fourth are ignored
  };
  for (const EncodeCase& c : cases) {
    EXPECT_EQ(EncodeCoordinate(c.text), c.encoded) << "text \"" << c.text << '"';
  }
}

TEST(EncodeCoordinateTest, ReadsAtMostThirtyOneBytes) {
  // Everything from byte 32 on is beyond the work buffer: the fourth token is never seen.
  const std::string text = "139.41.30" + std::string(22, ' ') + ".5";
  ASSERT_EQ(text.size(), 33u);
  EXPECT_EQ(EncodeCoordinate(text), "13941300");
}

struct ChecksumCase {
  const char* label;
  std::string_view latitude;
  std::string_view longitude;
  std::string_view checksum;
};

TEST(LineChecksumTest, IsTheLowByteOfTheSumInHexadecimal) {
  const ChecksumCase cases[] = {
      // 35+39+29+125 + 139+41+30+254 = 692; 692 % 256 = 180.
      {"worked example", " 35.39.29.125", "139.41.30.254", "B4"},
      {"multiple of 256", "100.100.56.0", "0.0.0.0", "00"},
      {"255", "200.55.0.0", "", "FF"},
      {"small sum keeps two digits", "0.0.0.1", "0.0.0.0", "01"},
      {"fraction read whole", "0.0.0.996", "0.0.0.0", "E4"},  // 996 % 256 = 228
      {"slash is no delimiter", "10/20.1.1.1", "0", "0D"},    // 10 + 1 + 1 + 1
      // A minus sign makes the sum negative: -300 + 56 = -244, a truncating remainder of -244.
      {"negative sum", "-300.0.0.0", "56.0.0.0", "FFFFFF0C"},
  };
  for (const ChecksumCase& c : cases) {
    EXPECT_EQ(LineChecksum(c.latitude, c.longitude), c.checksum) << c.label;
  }
}

TEST(TwoDigitTextTest, GivesTensAndUnits) {
  EXPECT_EQ(TwoDigitText(0), "00");
  EXPECT_EQ(TwoDigitText(5), "05");
  EXPECT_EQ(TwoDigitText(10), "10");
  EXPECT_EQ(TwoDigitText(20), "20");
  EXPECT_EQ(TwoDigitText(99), "99");
}

}  // namespace
}  // namespace quorvane
