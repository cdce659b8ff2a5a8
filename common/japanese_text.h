#pragma once

#include <string_view>

namespace quorvane {

// A fixed Japanese text of the program: what a reader sees in the source, and the exact CP932
// bytes that the program uses. A test checks that the two agree.
struct JapaneseText {
  std::string_view readable;  // UTF-8
  std::string_view cp932;
};

}  // namespace quorvane
