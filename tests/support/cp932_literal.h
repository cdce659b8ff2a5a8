#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "common/text_codec.h"

namespace quorvane::testing {

// The CP932 bytes of a text written readably (UTF-8) in a test. ASCII is unchanged, so whole
// paths can be written this way. Fails the test when the text has no CP932 form.
inline std::string Sjis(std::string_view utf8) {
  const auto converted = Utf8ToCp932(utf8);
  EXPECT_TRUE(converted.has_value()) << utf8;
  return converted.value_or(std::string());
}

}  // namespace quorvane::testing
