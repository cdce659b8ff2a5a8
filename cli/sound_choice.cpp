#include "cli/sound_choice.h"

#include <algorithm>

#include "common/cp932.h"
#include "conversion/voice_guidance_table.h"

namespace quorvane {

namespace {

bool IsDecimalDigit(char c) {
  return c >= '0' && c <= '9';
}
bool IsHexDigit(char c) {
  return IsDecimalDigit(c) || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

bool AllOf(std::string_view text, bool (*predicate)(char)) {
  return !text.empty() && std::all_of(text.begin(), text.end(), predicate);
}

std::optional<int> RowWhere(auto matches) {
  const auto& table = VoiceGuidanceTable();
  for (int row = 0; row < kVoiceGuidanceRows; ++row) {
    if (matches(table[static_cast<std::size_t>(row)])) return row;
  }
  return std::nullopt;
}

}  // namespace

std::optional<int> ResolveSound(std::string_view value) {
  if (value.size() == 4 && AllOf(value, IsHexDigit)) {
    const std::string code = FoldAsciiCase(value, /*to_upper=*/true);
    return RowWhere([&code](const VoiceGuidance& row) { return row.code == code; });
  }
  if (value.size() <= 3 && AllOf(value, IsDecimalDigit)) {
    int row = 0;
    for (char digit : value) row = row * 10 + (digit - '0');
    if (row < kVoiceGuidanceRows) return row;
    return std::nullopt;
  }
  return RowWhere([value](const VoiceGuidance& row) { return row.name.readable == value; });
}

}  // namespace quorvane
