#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace quorvane::testing {

struct ProcessResult {
  int exit_status = -1;  // -1 when the process did not exit normally
  std::string out;
  std::string err;
};

enum class ErrorStream { File, Terminal };

// Runs the built quorvane-convert with `arguments` in `working_folder` and waits for it.
// Standard output always goes to a file; standard error to a file, or to a pseudo-terminal of
// 80 columns when the test needs the converter to believe it writes to a terminal.
ProcessResult RunConverter(const std::vector<std::string>& arguments,
                           const std::filesystem::path& working_folder,
                           ErrorStream error_stream = ErrorStream::File);

// Runs any program with `arguments`, its output ignored; returns its exit status.
int RunProgram(const std::vector<std::string>& arguments);

}  // namespace quorvane::testing
