#include "pointfile/write_messages.h"

#include <gtest/gtest.h>

#include "common/text_codec.h"

namespace quorvane {
namespace {

TEST(WriteMessagesTest, Cp932BytesMatchTheReadableTexts) {
  for (const JapaneseText& text : {kPointFileHeader, kWriteFailedMessage}) {
    EXPECT_EQ(Utf8ToCp932(text.readable), std::string(text.cp932)) << text.readable;
  }
}

TEST(WriteMessagesTest, HeaderIsTheTwelveBytesOfThePointFile) {
  EXPECT_EQ(kPointFileHeader.cp932, "\x93\x6f\x98\x5e\x83\x7c\x83\x43\x83\x93\x83\x67");
  EXPECT_EQ(kPointFileHeader.cp932.size(), 12u);
}

}  // namespace
}  // namespace quorvane
