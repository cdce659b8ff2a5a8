#pragma once

#include <optional>
#include <string>
#include <string_view>

// CP932 <-> UTF-8 at the edges of the program (terminal, file-system names, Qt). A text that
// cannot be converted gives std::nullopt, never a text with '?' in place of a character.
namespace quorvane {

std::optional<std::string> Cp932ToUtf8(std::string_view cp932);
std::optional<std::string> Utf8ToCp932(std::string_view utf8);

}  // namespace quorvane
