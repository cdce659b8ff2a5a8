#include <cstddef>
#include <cstdint>
#include <string>

#include "common/cp932.h"
#include "memfile/dms_text.h"
#include "memfile/mem_file.h"

namespace quorvane {

namespace {

constexpr unsigned kDigitEnd = 0xF;

}  // namespace

// The bytes of a 16-byte text field up to its first NUL, or all 16 when it has none.
std::string MemFile::FieldText(int i, std::size_t offset) const {
  const auto field = Entry(i).subspan(offset, MemEntryLayout::kTextWidth);
  std::string text;
  for (const std::byte byte : field) {
    if (byte == std::byte{0}) break;
    text += static_cast<char>(byte);
  }
  return text;
}

std::string MemFile::NameText(int i) const {
  std::string text = FieldText(i, MemEntryLayout::kName);
  // A double-byte character cut after its first byte by the field's end is dropped.
  text.resize(CharacterBoundaryPrefix(text, text.size()));
  return text;
}

// Unlike the name, a lone lead byte at the end of the field stays in the text.
std::string MemFile::ExtraText(int i) const {
  return FieldText(i, MemEntryLayout::kExtraText);
}

// Ten four-bit digits, high half of each byte first, ended by the digit 15. The values 10 to 14
// pass through as the characters after '9'.
std::string MemFile::DigitText(int i) const {
  const auto digits = Entry(i).subspan(MemEntryLayout::kDigits, MemEntryLayout::kDigitBytes);
  std::string text;
  for (std::size_t k = 0; k < 2 * MemEntryLayout::kDigitBytes; ++k) {
    const auto byte = static_cast<unsigned>(digits[k / 2]);
    const unsigned digit = k % 2 == 0 ? byte >> 4 : byte & 0x0F;
    if (digit == kDigitEnd) break;
    text += static_cast<char>('0' + digit);
  }
  return text;
}

namespace {

// The word is most significant byte first: its top 22 bits are whole arc-seconds, bits 8 and 9
// are unused and the low byte is the fraction in 256ths.
std::uint32_t DecodeCoordinateWord(std::span<const std::byte> word) {
  std::uint32_t value = 0;
  for (std::size_t k = 0; k < 4; ++k) value = (value << 8) | static_cast<std::uint32_t>(word[k]);
  return ((value >> 10) << 8) | (value & 0xFF);
}

}  // namespace

std::uint32_t MemFile::LongitudeUnits(int i) const {
  return DecodeCoordinateWord(Entry(i).subspan(MemEntryLayout::kLongitude, 4));
}

std::uint32_t MemFile::LatitudeUnits(int i) const {
  return DecodeCoordinateWord(Entry(i).subspan(MemEntryLayout::kLatitude, 4));
}

std::string MemFile::LongitudeDms(int i) const {
  return FormatDms(LongitudeUnits(i));
}

std::string MemFile::LatitudeDms(int i) const {
  return FormatDms(LatitudeUnits(i));
}

}  // namespace quorvane
