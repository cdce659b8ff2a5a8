#include "cli/terminal_columns.h"

namespace quorvane {

namespace {

// Decodes the code point that starts at `position` of UTF-8 and its length in bytes; a
// truncated sequence is taken as one byte.
char32_t CodePointAt(std::string_view utf8, std::size_t position, std::size_t& length) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(utf8[position + k]); };
  const unsigned char lead = byte(0);
  length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
  if (position + length > utf8.size()) {
    length = 1;
    return lead;
  }
  if (length == 1) return lead;
  char32_t code = lead & (0x7F >> length);
  for (std::size_t k = 1; k < length; ++k) code = (code << 6) | (byte(k) & 0x3F);
  return code;
}

std::size_t ColumnsOf(char32_t code) {
  const bool narrow = code < 0x1100 || (code >= 0x2400 && code <= 0x2426) ||  // control pictures
                      (code >= 0xFF61 && code <= 0xFF9F) ||                   // half-width katakana
                      code == 0xFFFD;
  return narrow ? 1 : 2;
}

}  // namespace

std::size_t DisplayColumns(std::string_view utf8) {
  std::size_t columns = 0;
  for (std::size_t position = 0, length = 0; position < utf8.size(); position += length) {
    columns += ColumnsOf(CodePointAt(utf8, position, length));
  }
  return columns;
}

std::string_view FitColumns(std::string_view utf8, std::size_t columns) {
  std::size_t used = 0;
  std::size_t position = 0;
  while (position < utf8.size()) {
    std::size_t length = 0;
    const std::size_t width = ColumnsOf(CodePointAt(utf8, position, length));
    if (used + width > columns) break;
    used += width;
    position += length;
  }
  return utf8.substr(0, position);
}

}  // namespace quorvane
