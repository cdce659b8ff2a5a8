#include "cli/csv_dump_writer.h"

#include <initializer_list>

namespace quorvane {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

void WriteRow(std::ostream& stream, std::initializer_list<std::string_view> fields) {
  bool first = true;
  for (std::string_view field : fields) {
    if (!first) stream << ',';
    first = false;
    stream << CsvField(field);
  }
  stream << kLineEnd;
}

}  // namespace

std::string CsvField(std::string_view text) {
  const bool quoted = text.find_first_of(",\"\r\n") != std::string_view::npos ||
                      (!text.empty() && (text.front() == ' ' || text.back() == ' '));
  if (!quoted) return std::string(text);
  std::string field = "\"";
  for (char c : text) {
    if (c == '"') field += '"';
    field += c;
  }
  field += '"';
  return field;
}

void CsvDumpWriter::Begin() {
  WriteRow(stream_, {"file", "index", "name", "extra_text", "digits", "longitude_dms",
                     "latitude_dms", "longitude_deg", "latitude_deg"});
}

void CsvDumpWriter::Points(std::string_view utf8_file, std::span<const DumpedPoint> points) {
  for (const DumpedPoint& point : points) {
    const std::string index = std::to_string(point.index);
    WriteRow(stream_,
             {utf8_file, index, point.name, point.extra_text, point.digits, point.longitude_dms,
              point.latitude_dms, point.longitude_degrees, point.latitude_degrees});
  }
}

}  // namespace quorvane
