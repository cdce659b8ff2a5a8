#pragma once

#include <ostream>

#include "cli/cli_options.h"
#include "cli/terminal_message_sink.h"

namespace quorvane {

class MemFile;

// --dump: reads the inputs one after the other into one MemFile and writes their points as one
// document on `out`. An input that cannot be read is reported and left out of the document.
// Returns the exit status: 0 when every input was read, 1 otherwise.
int DumpAll(const CliOptions& options, MemFile& mem_file, TerminalMessageSink& sink,
            std::ostream& out);

}  // namespace quorvane
