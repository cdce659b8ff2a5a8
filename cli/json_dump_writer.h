#pragma once

#include <ostream>
#include <string>
#include <string_view>

#include "cli/dump_writer.h"

namespace quorvane {

// One JSON array for all inputs: [{"file": ..., "points": [{...}, ...]}, ...]. Texts are
// strings, the decimal degrees numbers, the index an integer.
class JsonDumpWriter : public DumpWriter {
 public:
  explicit JsonDumpWriter(std::ostream& stream) : stream_(stream) {}
  void Begin() override;
  void Points(std::string_view utf8_file, std::span<const DumpedPoint> points) override;
  void End() override;

 private:
  std::ostream& stream_;
  bool first_ = true;
};

// A JSON string literal, quotes included, of valid UTF-8: quote, backslash and the control
// characters escaped, everything else kept as it is.
std::string JsonString(std::string_view utf8);

}  // namespace quorvane
