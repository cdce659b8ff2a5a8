#include "cli/text_dump_writer.h"

namespace quorvane {

namespace {

// Decodes the code point that starts at `position` of valid UTF-8 and its length in bytes.
char32_t CodePointAt(std::string_view utf8, std::size_t position, std::size_t& length) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(utf8[position + k]); };
  const unsigned char lead = byte(0);
  length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
  if (position + length > utf8.size()) {
    length = 1;
    return lead;
  }
  if (length == 1) return lead;
  char32_t code = lead & (0x7F >> length);
  for (std::size_t k = 1; k < length; ++k) code = (code << 6) | (byte(k) & 0x3F);
  return code;
}

bool IsNarrow(char32_t code) {
  return code < 0x1100 || (code >= 0x2400 && code <= 0x2426) ||  // control pictures
         (code >= 0xFF61 && code <= 0xFF9F) ||                   // half-width katakana
         code == 0xFFFD;
}

void PadTo(std::ostream& stream, std::string_view utf8, std::size_t columns) {
  stream << utf8;
  for (std::size_t used = DisplayColumns(utf8); used < columns; ++used) stream << ' ';
}

std::string RightAligned(std::string_view text, std::size_t columns) {
  std::string result(columns > text.size() ? columns - text.size() : 0, ' ');
  result += text;
  return result;
}

}  // namespace

std::size_t DisplayColumns(std::string_view utf8) {
  std::size_t columns = 0;
  for (std::size_t position = 0, length = 0; position < utf8.size(); position += length) {
    columns += IsNarrow(CodePointAt(utf8, position, length)) ? 1 : 2;
  }
  return columns;
}

std::string WithControlPictures(std::string_view utf8) {
  std::string result;
  for (char c : utf8) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20) {
      // U+2400 + byte, three bytes in UTF-8: E2 90 80+byte.
      result += "\xE2\x90";
      result += static_cast<char>(0x80 + byte);
    } else if (byte == 0x7F) {
      result += "\xE2\x90\xA1";
    } else {
      result += c;
    }
  }
  return result;
}

void TextDumpWriter::Points(std::string_view utf8_file, std::span<const DumpedPoint> points) {
  if (!first_) stream_ << '\n';
  first_ = false;
  stream_ << WithControlPictures(utf8_file) << " (" << points.size()
          << (points.size() == 1 ? " point)\n" : " points)\n");
  if (points.empty()) return;

  // Names and second texts hold at most 16 CP932 bytes, which is at most 16 columns; digit
  // strings at most 10 characters; a DmsText exactly 13.
  constexpr std::size_t kIndex = 3, kText = 18, kDigits = 12, kDms = 15, kDegrees = 11;
  stream_ << RightAligned("#", kIndex) << "  ";
  PadTo(stream_, "name", kText);
  PadTo(stream_, "second text", kText);
  PadTo(stream_, "digits", kDigits);
  PadTo(stream_, "longitude", kDms);
  PadTo(stream_, "latitude", kDms);
  stream_ << RightAligned("lon (deg)", kDegrees) << "  " << RightAligned("lat (deg)", kDegrees)
          << '\n';
  for (const DumpedPoint& point : points) {
    stream_ << RightAligned(std::to_string(point.index), kIndex) << "  ";
    PadTo(stream_, WithControlPictures(point.name), kText);
    PadTo(stream_, WithControlPictures(point.extra_text), kText);
    PadTo(stream_, point.digits, kDigits);
    PadTo(stream_, point.longitude_dms, kDms);
    PadTo(stream_, point.latitude_dms, kDms);
    stream_ << RightAligned(point.longitude_degrees, kDegrees) << "  "
            << RightAligned(point.latitude_degrees, kDegrees) << '\n';
  }
}

}  // namespace quorvane
