#include "memfile/read_messages.h"

#include <gtest/gtest.h>

#include "common/text_codec.h"

namespace quorvane {
namespace {

TEST(ReadMessages, BytesAreTheCp932FormOfTheReadableText) {
  const JapaneseText texts[] = {
      read_messages::kUnrecognisedFileSuffix,
      read_messages::kReadFailed,
  };
  for (const JapaneseText& text : texts) {
    SCOPED_TRACE(text.readable);
    EXPECT_EQ(Utf8ToCp932(text.readable), std::string(text.cp932));
  }
}

// One LF and four ASCII blanks separate the path from the text.
TEST(ReadMessages, UnrecognisedFileSuffixStartsWithLineBreakAndFourBlanks) {
  EXPECT_EQ(read_messages::kUnrecognisedFileSuffix.cp932.substr(0, 5), "\n    ");
}

}  // namespace
}  // namespace quorvane
