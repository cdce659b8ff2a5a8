#include "cli/sound_list.h"

#include <iomanip>

#include "conversion/voice_guidance_table.h"

namespace quorvane {

void ListSounds(std::ostream& stream) {
  const auto& table = VoiceGuidanceTable();
  for (int row = 0; row < kVoiceGuidanceRows; ++row) {
    const VoiceGuidance& sound = table[static_cast<std::size_t>(row)];
    stream << std::setw(2) << row << "  " << sound.code << "  " << sound.name.readable << '\n';
  }
}

}  // namespace quorvane
