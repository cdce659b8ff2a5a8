#include <sys/ioctl.h>
#include <unistd.h>

#include <filesystem>
#include <iostream>
#include <span>
#include <string>

#include "cli/batch_converter.h"
#include "cli/batch_dumper.h"
#include "cli/command_line.h"
#include "cli/progress_line.h"
#include "cli/sound_list.h"
#include "cli/terminal_message_sink.h"
#include "memfile/mem_file.h"
#include "pointfile/point_table.h"

namespace {

// The application name that captions messages without one: the executable's base name.
std::string ProgramName(const char* argv0) {
  std::string name = argv0 != nullptr ? std::filesystem::path(argv0).stem().string() : "";
  return name.empty() ? "quorvane-convert" : name;
}

std::size_t TerminalColumns(int descriptor) {
  winsize size{};
  if (ioctl(descriptor, TIOCGWINSZ, &size) != 0) return 0;
  return size.ws_col;
}

int Main(std::span<const char* const> argv) {
  const std::string program = ProgramName(argv.empty() ? nullptr : argv[0]);
  const quorvane::CommandLine command_line =
      quorvane::ParseCommandLine(argv, program, std::cout, std::cerr);
  if (!command_line.options) return command_line.exit_status;
  const quorvane::CliOptions& options = *command_line.options;

  if (options.list_sounds) {
    quorvane::ListSounds(std::cout);
    return quorvane::kExitConverted;
  }

  quorvane::TerminalMessageSink sink(std::cerr, program);
  // One MemFile and one PointTable for every input of the call, as the dialog owns them.
  quorvane::MemFile mem_file;
  if (options.dump) return quorvane::DumpAll(options, mem_file, sink, std::cout);

  quorvane::PointTable table;
  const bool show_progress =
      !options.quiet && options.inputs.size() > 1 && isatty(STDERR_FILENO) == 1;
  quorvane::ProgressLine progress(std::cerr, show_progress, TerminalColumns(STDERR_FILENO));
  return quorvane::BatchConverter(options, mem_file, table, sink, progress, std::cout).ConvertAll();
}

}  // namespace

int main(int argc, char** argv) {
  int status = Main(std::span<const char* const>(argv, static_cast<std::size_t>(argc)));
  // Output that never arrived (a full disk behind a redirection) must not end in success.
  std::cout.flush();
  if (!std::cout) {
    std::cerr << ProgramName(argc > 0 ? argv[0] : nullptr)
              << ": the standard output could not be written\n";
    if (status == quorvane::kExitConverted) status = quorvane::kExitSomeFailed;
  }
  return status;
}
