#include "cli/progress_line.h"

#include <string>

#include "cli/terminal_columns.h"

namespace quorvane {

namespace {

constexpr std::string_view kEraseLine = "\r\x1B[K";

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
