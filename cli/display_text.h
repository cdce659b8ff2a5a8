#pragma once

#include <string>
#include <string_view>

namespace quorvane {

// Any CP932 byte string as UTF-8 for the terminal, CSV or JSON. Texts from a memory-point file
// may hold bytes that are no character at all (a lone lead byte at the end of a full 16-byte
// field, bytes outside the code page); each character that cannot be converted becomes one
// U+FFFD REPLACEMENT CHARACTER, so the result is always valid UTF-8 and every convertible
// character around it is kept.
std::string DisplayText(std::string_view cp932);

}  // namespace quorvane
