#include "cli/cli_messages.h"

namespace quorvane {

std::string Quoted(std::string_view utf8) {
  std::string quoted = "'";
  quoted += utf8;
  quoted += '\'';
  return quoted;
}

std::string NotCp932Message(std::string_view utf8) {
  return Quoted(utf8) +
         ": the name cannot be written in code page 932 (Shift-JIS), which the converter uses "
         "for all file names; skipped";
}

std::string WrongInputTypeMessage(std::string_view utf8_input) {
  return Quoted(utf8_input) + ": not a memory-point file name; the input must end in .mem";
}

std::string WrongOutputTypeMessage(std::string_view utf8_output) {
  return Quoted(utf8_output) + ": not a point-file name; the output must end in .pmf";
}

}  // namespace quorvane
