#include "cli/json_dump_writer.h"

#include <cstdio>

namespace quorvane {

std::string JsonString(std::string_view utf8) {
  std::string literal = "\"";
  for (char c : utf8) {
    switch (c) {
      case '"':
        literal += "\\\"";
        break;
      case '\\':
        literal += "\\\\";
        break;
      case '\b':
        literal += "\\b";
        break;
      case '\f':
        literal += "\\f";
        break;
      case '\n':
        literal += "\\n";
        break;
      case '\r':
        literal += "\\r";
        break;
      case '\t':
        literal += "\\t";
        break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          char escape[8];
          std::snprintf(escape, sizeof escape, "\\u%04X", static_cast<unsigned>(c));
          literal += escape;
        } else {
          literal += c;
        }
    }
  }
  literal += '"';
  return literal;
}

void JsonDumpWriter::Begin() {
  stream_ << '[';
}

void JsonDumpWriter::Points(std::string_view utf8_file, std::span<const DumpedPoint> points) {
  stream_ << (first_ ? "\n" : ",\n");
  first_ = false;
  stream_ << "  {\"file\": " << JsonString(utf8_file) << ", \"points\": [";
  bool first_point = true;
  for (const DumpedPoint& point : points) {
    stream_ << (first_point ? "\n" : ",\n");
    first_point = false;
    stream_ << "    {\"index\": " << point.index << ", \"name\": " << JsonString(point.name)
            << ", \"extra_text\": " << JsonString(point.extra_text)
            << ", \"digits\": " << JsonString(point.digits)
            << ", \"longitude_dms\": " << JsonString(point.longitude_dms)
            << ", \"latitude_dms\": " << JsonString(point.latitude_dms)
            << ", \"longitude_deg\": " << point.longitude_degrees
            << ", \"latitude_deg\": " << point.latitude_degrees << '}';
  }
  stream_ << (first_point ? "]}" : "\n  ]}");
}

void JsonDumpWriter::End() {
  stream_ << (first_ ? "]\n" : "\n]\n");
}

}  // namespace quorvane
