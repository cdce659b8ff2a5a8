#pragma once

#include <ostream>
#include <string>
#include <string_view>

#include "cli/dump_writer.h"

namespace quorvane {

// One RFC 4180 table for all inputs, UTF-8, CRLF line ends, a header row first and a file
// column in front, so that the points of several inputs stay apart.
class CsvDumpWriter : public DumpWriter {
 public:
  explicit CsvDumpWriter(std::ostream& stream) : stream_(stream) {}
  void Begin() override;
  void Points(std::string_view utf8_file, std::span<const DumpedPoint> points) override;
  void End() override {}

 private:
  std::ostream& stream_;
};

// A field as RFC 4180 wants it: in double quotes, inner quotes doubled, when it holds a comma,
// a double quote, CR or LF; also when it starts or ends with a blank, which some readers would
// otherwise trim (the DmsText of a coordinate below 100 degrees starts with one).
std::string CsvField(std::string_view text);

}  // namespace quorvane
