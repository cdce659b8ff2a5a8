#pragma once

#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <string_view>

#include "cli/cli_options.h"
#include "cli/progress_line.h"
#include "cli/terminal_message_sink.h"

namespace quorvane {

class MemFile;
class PointTable;

// Converts the inputs of one call one after the other through ConversionRun, on one MemFile and
// one PointTable as the dialog owns them, so that every output is byte for byte the dialog's.
// A failed input is reported and the next one is still converted.
class BatchConverter {
 public:
  BatchConverter(const CliOptions& options, MemFile& mem_file, PointTable& table,
                 TerminalMessageSink& sink, ProgressLine& progress, std::ostream& out);

  // The exit status: 0 when every input was converted, 1 otherwise.
  int ConvertAll();

 private:
  bool Convert(const std::string& input);
  // The CP932 output path of a CP932 input: -o, or the derived name, in -d's folder if given.
  std::string OutputPathFor(std::string_view cp932_input) const;

  const CliOptions& options_;
  MemFile& mem_file_;
  PointTable& table_;
  TerminalMessageSink& sink_;
  ProgressLine& progress_;
  std::ostream& out_;
  std::optional<std::string> output_;      // -o in CP932
  std::optional<std::string> output_dir_;  // -d in CP932, ending in '/'
  // Outputs written by this call, as absolute paths without "." and "..". A second input that maps
  // to the same output (a.mem and a.MEM, or two folders' x.mem with -d) would silently replace the
  // first one's points.
  std::set<std::string> written_;
};

}  // namespace quorvane
