#pragma once

#include <optional>
#include <ostream>
#include <span>
#include <string_view>

#include "cli/cli_options.h"

namespace quorvane {

inline constexpr int kExitConverted = 0;
inline constexpr int kExitSomeFailed = 1;
inline constexpr int kExitUsage = 2;

struct CommandLine {
  std::optional<CliOptions> options;  // set when there is work to do
  int exit_status = kExitConverted;   // the call's status when there is none
};

// Parses `argv` as main receives it, the program's own path first. --help and --version are
// answered on `out`; a usage error is answered on `err` with a one-line reason and a pointer to
// --help, and gives the exit status 2.
CommandLine ParseCommandLine(std::span<const char* const> argv, std::string_view program,
                             std::ostream& out, std::ostream& err);

}  // namespace quorvane
