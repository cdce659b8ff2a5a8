#pragma once

#include <ostream>

namespace quorvane {

// The 65 voice-guidance sounds, one line each: row, code, name (UTF-8), in the order the
// dialog lists them. Any of the three can be given to --sound.
void ListSounds(std::ostream& stream);

}  // namespace quorvane
