#include "cli/text_dump_writer.h"

#include "cli/terminal_columns.h"

namespace quorvane {

namespace {

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
