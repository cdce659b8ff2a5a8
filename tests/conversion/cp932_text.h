#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "common/text_codec.h"

namespace quorvane {

// The CP932 bytes of a readable text written in a test; fails the test if it has no CP932 form.
inline std::string Cp932(std::string_view utf8) {
  const auto converted = Utf8ToCp932(utf8);
  EXPECT_TRUE(converted.has_value()) << utf8;
  return converted.value_or(std::string());
}

}  // namespace quorvane
