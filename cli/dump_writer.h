#pragma once

#include <memory>
#include <ostream>
#include <span>
#include <string_view>

#include "cli/dumped_point.h"

namespace quorvane {

enum class DumpFormat { Text, Csv, Json };

// Writes the points of the inputs of one --dump call as one document: Begin, then Points for
// every input that could be read, then End.
class DumpWriter {
 public:
  virtual ~DumpWriter() = default;
  virtual void Begin() = 0;
  // `utf8_file` is the input as the user named it.
  virtual void Points(std::string_view utf8_file, std::span<const DumpedPoint> points) = 0;
  virtual void End() = 0;
};

std::unique_ptr<DumpWriter> MakeDumpWriter(DumpFormat format, std::ostream& stream);

}  // namespace quorvane
