#pragma once

#include <cstddef>
#include <string_view>

// How wide a UTF-8 text is on a terminal that shows Japanese characters two columns wide and
// half-width katakana, control pictures and U+FFFD one column wide.
namespace quorvane {

std::size_t DisplayColumns(std::string_view utf8);

// The longest prefix of the text that fits into `columns`, never cut inside a character.
std::string_view FitColumns(std::string_view utf8, std::size_t columns);

}  // namespace quorvane
