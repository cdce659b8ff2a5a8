#pragma once

#include <string>
#include <string_view>

namespace quorvane {

// A DmsText as the eight digits DDDMMSSt of the point file.
std::string EncodeCoordinate(std::string_view dms_text);
// Two-digit upper-case hexadecimal checksum of a point's coordinates (may be longer for a
// negative sum; the writer takes the first two characters).
std::string LineChecksum(std::string_view latitude_text, std::string_view longitude_text);
// n (0..99) as two characters.
std::string TwoDigitText(int n);

}  // namespace quorvane
