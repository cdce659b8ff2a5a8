#pragma once

#include <string>
#include <string_view>

namespace quorvane {

// The first token of a command-line text or a dropped file name: leading double quotes, commas,
// TABs and LFs are skipped and the token runs to the next of them. Blanks are kept, so an
// unquoted path with blanks stays whole. Empty when there is no token.
std::string FirstToken(std::string_view text);

}  // namespace quorvane
