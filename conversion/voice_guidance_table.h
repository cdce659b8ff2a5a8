#pragma once

#include <array>
#include <string_view>

#include "common/japanese_text.h"

namespace quorvane {

struct VoiceGuidance {
  std::string_view code;  // four hexadecimal digits; "FFFF" = no sound
  JapaneseText name;
};

inline constexpr int kVoiceGuidanceRows = 65;
inline constexpr std::string_view kNoVoiceCode = "FFFF";

// The fixed voice-guidance sounds, in the order the user sees them. Row 0 is "設定なし".
const std::array<VoiceGuidance, kVoiceGuidanceRows>& VoiceGuidanceTable();

}  // namespace quorvane
