#pragma once

#include <string_view>

#include "common/message_sink.h"

namespace quorvane {

class MemFile;
class PointTable;

enum class ConversionStatus { Done, InputTypeMismatch, OutputTypeMismatch, ReadFailed, WriteFailed };

// One conversion from a memory-point file to a point file, on objects that the caller owns.
class ConversionRun {
 public:
  ConversionRun(MemFile& mem_file, PointTable& table, MessageSink& sink)
      : mem_file_(mem_file), table_(table), sink_(sink) {}

  // Extensions are given without their dot ("mem", "pmf").
  ConversionStatus Run(std::string_view input_path, std::string_view output_path,
                       std::string_view input_extension, std::string_view output_extension,
                       int icon_number, int voice_row, int max_points);

 private:
  MemFile& mem_file_;
  PointTable& table_;
  MessageSink& sink_;
};

}  // namespace quorvane
