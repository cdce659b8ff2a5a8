#include "cli/batch_dumper.h"

#include <optional>
#include <string>

#include "cli/cli_messages.h"
#include "cli/command_line.h"
#include "cli/display_text.h"
#include "cli/dump_writer.h"
#include "common/text_codec.h"
#include "conversion/file_names.h"
#include "memfile/mem_file.h"

namespace quorvane {

namespace {

bool DumpOne(const std::string& input, MemFile& mem_file, TerminalMessageSink& sink,
             DumpWriter& writer) {
  const std::optional<std::string> cp932_input = Utf8ToCp932(input);
  if (!cp932_input) {
    sink.Report(NotCp932Message(input));
    return false;
  }
  if (!ExtensionMatches(*cp932_input, ".mem")) {
    sink.Report(WrongInputTypeMessage(input));
    return false;
  }
  if (mem_file.Read(*cp932_input, sink) != 0) {
    const bool explained = sink.HeldCount() > 0;
    sink.Flush();
    if (!explained) sink.Report(Quoted(input) + ": could not be read");
    return false;
  }
  writer.Points(DisplayText(*cp932_input), DumpPoints(mem_file));
  return true;
}

}  // namespace

int DumpAll(const CliOptions& options, MemFile& mem_file, TerminalMessageSink& sink,
            std::ostream& out) {
  const std::unique_ptr<DumpWriter> writer = MakeDumpWriter(options.format, out);
  writer->Begin();
  bool all_read = true;
  for (const std::string& input : options.inputs) {
    const bool read = DumpOne(input, mem_file, sink, *writer);
    all_read = all_read && read;
  }
  writer->End();
  out.flush();
  return all_read ? kExitConverted : kExitSomeFailed;
}

}  // namespace quorvane
