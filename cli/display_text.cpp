#include "cli/display_text.h"

#include "common/cp932.h"
#include "common/text_codec.h"

namespace quorvane {

namespace {
constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";
}  // namespace

std::string DisplayText(std::string_view cp932) {
  if (auto whole = Cp932ToUtf8(cp932)) return *whole;

  std::string result;
  for (Cp932Scanner scanner(cp932); !scanner.AtEnd(); scanner.Advance()) {
    const std::string_view character = cp932.substr(scanner.Position(), scanner.CharacterLength());
    if (auto converted = Cp932ToUtf8(character); converted && !scanner.IsIncomplete()) {
      result += *converted;
    } else {
      result += kReplacementCharacter;
    }
  }
  return result;
}

}  // namespace quorvane
