#include "cli/batch_converter.h"

#include <filesystem>
#include <system_error>

#include "cli/cli_messages.h"
#include "cli/command_line.h"
#include "cli/display_text.h"
#include "common/text_codec.h"
#include "conversion/conversion_run.h"
#include "conversion/file_names.h"
#include "conversion/run_messages.h"
#include "memfile/mem_file.h"
#include "pointfile/point_table.h"

namespace quorvane {

namespace {

constexpr std::string_view kInputExtension = "mem";
constexpr std::string_view kOutputExtension = "pmf";
constexpr int kMaxPoints = 200;

}  // namespace

BatchConverter::BatchConverter(const CliOptions& options, MemFile& mem_file, PointTable& table,
                               TerminalMessageSink& sink, ProgressLine& progress, std::ostream& out)
    : options_(options),
      mem_file_(mem_file),
      table_(table),
      sink_(sink),
      progress_(progress),
      out_(out) {}

int BatchConverter::ConvertAll() {
  // -o and -d concern every input alike: if one cannot be expressed, nothing can be written.
  const auto to_cp932 = [this](const std::optional<std::string>& argument,
                               std::optional<std::string>& converted) {
    if (!argument) return true;
    converted = Utf8ToCp932(*argument);
    if (!converted) sink_.Report(NotCp932Message(*argument));
    return converted.has_value();
  };
  if (!to_cp932(options_.output, output_) || !to_cp932(options_.output_dir, output_dir_)) {
    return kExitSomeFailed;
  }
  // '/' (0x2F) is never the second byte of a CP932 character, so the last byte tells.
  if (output_dir_ && output_dir_->back() != '/') *output_dir_ += '/';

  bool all_converted = true;
  for (std::size_t k = 0; k < options_.inputs.size(); ++k) {
    progress_.Show(k + 1, options_.inputs.size(), options_.inputs[k]);
    const bool converted = Convert(options_.inputs[k]);
    all_converted = all_converted && converted;
  }
  progress_.Erase();
  return all_converted ? kExitConverted : kExitSomeFailed;
}

std::string BatchConverter::OutputPathFor(std::string_view cp932_input) const {
  if (output_) return *output_;
  std::string derived = DeriveOutputPath(cp932_input, kOutputExtension).output_path;
  if (!output_dir_) return derived;
  const PathParts parts = SplitPath(derived);
  return *output_dir_ + parts.base_name + parts.extension;
}

bool BatchConverter::Convert(const std::string& input) {
  // Messages of this input are written only after the progress line has been erased.
  const auto fail = [this](std::string_view message) {
    progress_.Erase();
    sink_.Flush();
    if (!message.empty()) sink_.Report(message);
    return false;
  };

  const std::optional<std::string> cp932_input = Utf8ToCp932(input);
  if (!cp932_input) return fail(NotCp932Message(input));
  const std::string cp932_output = OutputPathFor(*cp932_input);
  const std::string shown_output = DisplayText(cp932_output);

  // "out/a.pmf", "./out/a.pmf" and "out/x/../a.pmf" are one file.
  std::error_code ignored;
  const std::string output_key =
      std::filesystem::absolute(shown_output, ignored).lexically_normal().string();
  if (written_.contains(output_key)) {
    return fail(Quoted(input) + ": its output " + Quoted(shown_output) +
                " was already written by this call from another input; skipped so that it is "
                "not replaced");
  }

  ConversionRun run(mem_file_, table_, sink_);
  const ConversionStatus status =
      run.Run(*cp932_input, cp932_output, kInputExtension, kOutputExtension, options_.icon_number,
              options_.voice_row, kMaxPoints);
  switch (status) {
    case ConversionStatus::Done:
      progress_.Erase();
      // The completion notice asks to press OK; the success line below takes its place.
      sink_.Forget(kConversionDone.cp932);
      sink_.Flush();
      written_.insert(output_key);
      if (!options_.quiet) out_ << input << " -> " << shown_output << '\n' << std::flush;
      return true;
    case ConversionStatus::InputTypeMismatch:
      return fail(WrongInputTypeMessage(input));
    case ConversionStatus::OutputTypeMismatch:
      return fail(WrongOutputTypeMessage(shown_output));
    case ConversionStatus::ReadFailed:
    case ConversionStatus::WriteFailed:
      // The reader and the writer stay silent in one rare case; a failure must never be.
      if (sink_.HeldCount() > 0) return fail("");
      return fail(Quoted(input) + ": not converted; " + Quoted(shown_output) +
                  (status == ConversionStatus::ReadFailed ? " was not written (read error)"
                                                          : " could not be written"));
  }
  return fail(Quoted(input) + ": not converted");
}

}  // namespace quorvane
