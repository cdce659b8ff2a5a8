#pragma once

#include <cstddef>
#include <ostream>
#include <string_view>

namespace quorvane {

// A one-line "[k/n] name" status on a terminal, rewritten in place for every input. It must be
// erased before anything else is written to the terminal, on either stream, or the next line
// would start in the middle of it. A disabled line writes nothing at all, so that logs and
// pipes never get carriage returns or escape sequences.
class ProgressLine {
 public:
  // `columns` is the terminal's width; 0 when unknown. A longer line is cut so that it never
  // wraps, since a wrapped line cannot be erased in place.
  ProgressLine(std::ostream& stream, bool enabled, std::size_t columns);

  void Show(std::size_t number, std::size_t total, std::string_view utf8_name);
  void Erase();

 private:
  std::ostream& stream_;
  bool enabled_;
  std::size_t columns_;
  bool shown_ = false;
};

}  // namespace quorvane
