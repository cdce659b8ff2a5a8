#include "conversion/run_messages.h"

#include <gtest/gtest.h>

#include "common/text_codec.h"

namespace quorvane {
namespace {

TEST(RunMessagesTest, JapaneseTextsCarryTheirExactBytes) {
  struct Case {
    JapaneseText text;
    std::string_view expected;  // UTF-8
  };
  const Case cases[] = {
      {kReadFailedPrefix, "ファイル "},
      {kReadFailedSuffix, " の読み込みに失敗しました"},
      {kConversionDone, "変換が終了しました。\nOKボタンを押して下さい。"},
      {kConversionDoneCaption, "終了"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.expected);
    EXPECT_EQ(c.expected, c.text.readable);
    const auto cp932 = Utf8ToCp932(c.expected);
    ASSERT_TRUE(cp932.has_value());
    EXPECT_EQ(*cp932, c.text.cp932);
  }
}

TEST(RunMessagesTest, ReadFailureCaptionIsPlainAscii) {
  EXPECT_EQ("ERROR", kReadFailedCaption);
}

}  // namespace
}  // namespace quorvane
