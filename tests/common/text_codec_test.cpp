#include "common/text_codec.h"

#include <gtest/gtest.h>

namespace quorvane {
namespace {

TEST(TextCodec, RoundTripsJapaneseAndAscii) {
  const std::string readable = "C:\\表\\ソ\\東京タワー ﾄｳｷｮｳ.mem";
  const std::optional<std::string> cp932 = Utf8ToCp932(readable);
  ASSERT_TRUE(cp932);
  EXPECT_EQ(
      *cp932,
      "C:\\\x95\x5C\\\x83\x5C\\\x93\x8C\x8B\x9E\x83\x5E\x83\x8F\x81\x5B \xC4\xB3\xB7\xAE\xB3.mem");
  EXPECT_EQ(Cp932ToUtf8(*cp932), readable);
}

TEST(TextCodec, RefusesWhatCannotBeConvertedInsteadOfGuessing) {
  EXPECT_FALSE(Utf8ToCp932("snow \xE2\x98\x83"));  // ☃ has no CP932 form
  EXPECT_FALSE(Utf8ToCp932("\xFF"));               // not UTF-8
  EXPECT_FALSE(Cp932ToUtf8("AB\x93"));             // lone lead byte at the end
  EXPECT_EQ(Utf8ToCp932(""), std::string());
}

}  // namespace
}  // namespace quorvane
