#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cli/dump_writer.h"

namespace quorvane {

// What one call of the command-line converter is asked to do. Texts are the arguments as the
// terminal gave them (UTF-8); they become CP932 only per input, so that one argument that
// cannot be converted fails only its own input.
struct CliOptions {
  std::vector<std::string> inputs;
  std::optional<std::string> output;      // -o: only with a single input
  std::optional<std::string> output_dir;  // -d
  int icon_number = 1;                    // 1..31
  int voice_row = 0;                      // a row of the VoiceGuidanceTable
  bool list_sounds = false;
  bool dump = false;
  DumpFormat format = DumpFormat::Text;
  bool quiet = false;
};

}  // namespace quorvane
