#include "conversion/point_building.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <string_view>

#include "conversion/voice_guidance_table.h"
#include "memfile/mem_file.h"
#include "pointfile/point_table.h"

namespace quorvane {

namespace {

constexpr std::string_view kSoundOn = "01";
constexpr std::string_view kSoundOff = "00";
constexpr std::string_view kSoundParam = "0300";

// A row that is not in the table means no sound rather than a read past its end.
std::string_view VoiceCodeOfRow(int voice_row) {
  const auto& rows = VoiceGuidanceTable();
  if (voice_row < 0 || voice_row >= static_cast<int>(rows.size())) return rows[0].code;
  return rows[static_cast<std::size_t>(voice_row)].code;
}

// At least two digits: 1 gives "01", 31 gives "31".
std::string IconText(int icon_number) {
  char text[16];
  const int length = std::snprintf(text, sizeof text, "%02d", icon_number);
  return std::string(text, static_cast<std::size_t>(length));
}

}  // namespace

void BuildPoints(const MemFile& mem_file, PointTable& table, int icon_number, int voice_row,
                 int max_points) {
  const std::string_view voice_code = VoiceCodeOfRow(voice_row);
  const bool has_sound = voice_code != kNoVoiceCode;
  const std::string icon_text = IconText(icon_number);
  const int count = std::min(mem_file.EntryCount(), max_points);

  for (int i = 0; i < count; ++i) {
    table.InitRecord(i);
    table.SetSlot(i);
    table.SetName(mem_file.NameText(i), i);
    table.SetExtraText(mem_file.ExtraText(i), i);
    table.SetDigits(mem_file.DigitText(i), i);
    table.SetIcon(icon_text, i);
    table.SetVoiceCode(voice_code, i);
    if (has_sound) {
      table.SetVoiceFlag(kSoundOn, i);
      table.SetVoiceParam(kSoundParam, i);
    } else {
      // The parameter keeps the "0000" that InitRecord gave it.
      table.SetVoiceFlag(kSoundOff, i);
    }
    const std::string longitude = mem_file.LongitudeDms(i);
    const std::string latitude = mem_file.LatitudeDms(i);
    table.SetLongitude(longitude, i);
    table.SetLatitude(latitude, i);
  }
}

}  // namespace quorvane
