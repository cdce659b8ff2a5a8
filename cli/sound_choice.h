#pragma once

#include <optional>
#include <string_view>

namespace quorvane {

// The voice-guidance row named by a --sound value: a row number 0..64 in decimal, a code of
// exactly four hexadecimal digits in any case ("00DC", "00dc"), or a sound's name in UTF-8.
// Four hexadecimal digits are always a code, so "0004" is the bell sound (row 31), not row 4.
// std::nullopt when no row matches.
std::optional<int> ResolveSound(std::string_view value);

}  // namespace quorvane
