#include "common/cp932.h"

namespace quorvane {

std::size_t CharacterBoundaryPrefix(std::string_view text, std::size_t limit) {
  std::size_t boundary = 0;
  for (Cp932Scanner scan(text); !scan.AtEnd(); scan.Advance()) {
    if (scan.IsIncomplete()) break;
    const std::size_t end = scan.Position() + scan.CharacterLength();
    if (end > limit) break;
    boundary = end;
  }
  return boundary;
}

std::size_t CountCharacters(std::string_view text) {
  std::size_t count = 0;
  for (Cp932Scanner scan(text); !scan.AtEnd(); scan.Advance()) {
    if (!scan.IsIncomplete()) ++count;
  }
  return count;
}

bool StartsDoubleByteCharacter(std::string_view text, std::size_t index) {
  for (Cp932Scanner scan(text); !scan.AtEnd() && scan.Position() <= index; scan.Advance()) {
    if (scan.Position() == index) return IsLeadByte(text[index]);
  }
  return false;
}

std::string FoldAsciiCase(std::string_view text, bool to_upper) {
  std::string folded(text);
  // Only single-byte characters are letters: the second byte of a double-byte character may
  // look like one (0x83 0x41 is ァ) and must not change.
  for (Cp932Scanner scan(text); !scan.AtEnd(); scan.Advance()) {
    if (scan.CharacterLength() != 1) continue;
    char& c = folded[scan.Position()];
    if (to_upper && c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (!to_upper && c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return folded;
}

}  // namespace quorvane
