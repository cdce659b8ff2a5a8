#pragma once

#include <string>
#include <string_view>

// The converter's own messages about the files named on the command line. Names are UTF-8.
namespace quorvane {

// "'name'"
std::string Quoted(std::string_view utf8);

// A name that CP932 cannot express: the core could neither open nor write such a file under
// its real name.
std::string NotCp932Message(std::string_view utf8);

// The dialog answers a wrong type silently by moving the focus; on a terminal it must be said.
std::string WrongInputTypeMessage(std::string_view utf8_input);
std::string WrongOutputTypeMessage(std::string_view utf8_output);

}  // namespace quorvane
