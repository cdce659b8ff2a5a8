#include "common/open_failure_message.h"

#include <gtest/gtest.h>

#include "common/text_codec.h"

namespace quorvane {
namespace {

TEST(OpenFailureMessage, BytesAreTheCp932FormOfTheReadableText) {
  for (const JapaneseText& text :
       {kFileNotFoundMessage, kAccessDeniedMessage, kSharingViolationMessage}) {
    EXPECT_EQ(Utf8ToCp932(text.readable), std::string(text.cp932)) << text.readable;
  }
  // The blank in "ファイル アクセス禁止" is an ASCII blank, not an ideographic one.
  EXPECT_EQ(kAccessDeniedMessage.cp932.substr(8, 1), " ");
}

}  // namespace
}  // namespace quorvane
