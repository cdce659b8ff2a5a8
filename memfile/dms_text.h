#pragma once

#include <cstdint>
#include <string>

namespace quorvane {

// A coordinate in 1/256 arc-seconds as exactly 13 characters: hundreds digit of the degrees or
// a space, two digits of degrees, ".", minutes, ".", seconds, ".", thousandths (000-996).
std::string FormatDms(std::uint32_t units);

}  // namespace quorvane
