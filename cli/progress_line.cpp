#include "cli/progress_line.h"

#include <string>

namespace quorvane {

namespace {

constexpr std::string_view kEraseLine = "\r\x1B[K";

// The longest prefix of a UTF-8 text that fits into `columns`, counting every non-ASCII
// character as two columns (wide enough for the Japanese characters of file names) and never
// cutting inside a character.
std::string_view FitColumns(std::string_view utf8, std::size_t columns) {
  std::size_t used = 0;
  std::size_t position = 0;
  while (position < utf8.size()) {
    const auto lead = static_cast<unsigned char>(utf8[position]);
    const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
    const std::size_t width = lead < 0x80 ? 1 : 2;
    if (used + width > columns || position + length > utf8.size()) break;
    used += width;
    position += length;
  }
  return utf8.substr(0, position);
}

}  // namespace

ProgressLine::ProgressLine(std::ostream& stream, bool enabled, std::size_t columns)
    : stream_(stream), enabled_(enabled), columns_(columns) {}

void ProgressLine::Show(std::size_t number, std::size_t total, std::string_view utf8_name) {
  if (!enabled_) return;
  std::string line = "[" + std::to_string(number) + "/" + std::to_string(total) + "] ";
  line += utf8_name;
  // One column is kept free: some terminals wrap as soon as the last column is written.
  const std::string_view shown = columns_ > 1 ? FitColumns(line, columns_ - 1) : line;
  stream_ << kEraseLine << shown << std::flush;
  shown_ = true;
}

void ProgressLine::Erase() {
  if (!shown_) return;
  stream_ << kEraseLine << std::flush;
  shown_ = false;
}

}  // namespace quorvane
