#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Code page 932 (Shift-JIS) character rules. Every text the converter handles is a CP932 byte
// string, and whether a byte is a lead byte depends on the bytes before it, so texts are always
// scanned from their first byte, one character at a time.
namespace quorvane {

// 0x81-0x9F and 0xE0-0xFC start a two-byte character; everything else, half-width katakana
// (0xA1-0xDF) included, is a character by itself.
constexpr bool IsLeadByte(unsigned char byte) {
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}
constexpr bool IsLeadByte(char byte) {
  return IsLeadByte(static_cast<unsigned char>(byte));
}

// Walks a text character by character. A lead byte as the very last byte forms an incomplete
// character of length 1.
class Cp932Scanner {
 public:
  explicit constexpr Cp932Scanner(std::string_view text) : text_(text) {}

  constexpr bool AtEnd() const { return position_ >= text_.size(); }
  // Start of the current character.
  constexpr std::size_t Position() const { return position_; }
  // Length in bytes of the current character: 2 for a complete double-byte character, else 1.
  constexpr std::size_t CharacterLength() const {
    return IsLeadByte(text_[position_]) && position_ + 1 < text_.size() ? 2 : 1;
  }
  // True when the current character is a lead byte with no second byte after it.
  constexpr bool IsIncomplete() const {
    return IsLeadByte(text_[position_]) && position_ + 1 >= text_.size();
  }
  constexpr void Advance() { position_ += CharacterLength(); }

 private:
  std::string_view text_;
  std::size_t position_ = 0;
};

// Length of the longest prefix of `text` of at most `limit` bytes that does not end inside or
// on the first half of a double-byte character.
std::size_t CharacterBoundaryPrefix(std::string_view text, std::size_t limit);

// Number of characters; a lead byte that is the last byte of the text is not counted.
std::size_t CountCharacters(std::string_view text);

// True when the byte at `index` starts a character and is a lead byte.
bool StartsDoubleByteCharacter(std::string_view text, std::size_t index);

// ASCII a-z folded to A-Z (or, with `to_upper` false, A-Z to a-z); every other character,
// double-byte characters whose second byte looks like a letter included, is unchanged.
std::string FoldAsciiCase(std::string_view text, bool to_upper);

}  // namespace quorvane
