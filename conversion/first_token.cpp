#include "conversion/first_token.h"

namespace quorvane {

namespace {

// Blanks and CRs are not delimiters. No CP932 second byte is one of these, so a byte-wise scan
// never cuts a double-byte character.
constexpr std::string_view kDelimiters{"\",\t\n"};

}  // namespace

std::string FirstToken(std::string_view text) {
  const std::size_t start = text.find_first_not_of(kDelimiters);
  if (start == std::string_view::npos) return {};
  const std::size_t end = text.find_first_of(kDelimiters, start);
  return std::string(text.substr(start, end == std::string_view::npos ? end : end - start));
}

}  // namespace quorvane
