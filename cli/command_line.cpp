#include "cli/command_line.h"

#include <CLI/CLI.hpp>
#include <string>

#include "cli/sound_choice.h"

#ifndef QUORVANE_VERSION
#error "QUORVANE_VERSION must be defined by the build"
#endif

namespace quorvane {

namespace {

constexpr int kFirstIcon = 1;
constexpr int kLastIcon = 31;

constexpr const char* kFooter =
    "Each input is converted as the dialog converts it, into a point file beside it under\n"
    "the same name with .pmf (or the file named by -o, or the same name in the folder named\n"
    "by -d). Each success is reported on standard output as 'INPUT -> OUTPUT'; messages go\n"
    "to standard error. The default sound is row 0, no sound; --list-sounds shows them all.\n"
    "\n"
    "--dump prints, per point, the index, name, second text, digits, longitude and latitude\n"
    "as the point file carries them and in decimal degrees. csv and json are UTF-8; a byte\n"
    "that is no Shift-JIS character shows as U+FFFD.\n"
    "\n"
    "Exit status: 0 when every input was converted (or dumped), 1 when at least one failed\n"
    "(the others are still done), 2 for a usage error.\n"
    "\n"
    "Example:\n"
    "  quorvane-convert -i 5 -s 00DC -d out routes/*.mem";

CommandLine UsageError(std::ostream& err, std::string_view program, std::string_view reason) {
  err << program << ": " << reason << '\n'
      << "Try '" << program << " --help' for more information.\n";
  return {std::nullopt, kExitUsage};
}

}  // namespace

CommandLine ParseCommandLine(std::span<const char* const> argv, std::string_view program,
                             std::ostream& out, std::ostream& err) {
  CliOptions options;
  std::string output;
  std::string output_dir;
  std::string sound;
  std::string format = "text";

  CLI::App app{"Converts memory-point files (.mem) into point files (.pmf).", std::string(program)};
  app.set_version_flag("--version", std::string(program) + " " + QUORVANE_VERSION);
  app.add_option("inputs", options.inputs, "Memory-point files to convert")->type_name("INPUT.mem");
  CLI::Option* output_option =
      app.add_option("-o,--output", output, "Output path, for a single input")->type_name("FILE");
  CLI::Option* output_dir_option =
      app.add_option("-d,--output-dir", output_dir, "Write every output into DIR")
          ->type_name("DIR");
  app.add_option("-i,--icon", options.icon_number, "Icon number 1..31 (default 1)")->type_name("N");
  app.add_option("-s,--sound", sound, "Sound: row 0..64, code such as 00DC, or name")
      ->type_name("VALUE");
  app.add_flag("--list-sounds", options.list_sounds, "Print the 65 sounds (row, code, name)");
  app.add_flag("--dump", options.dump, "Print the points of the inputs, convert nothing");
  app.add_option("--format", format, "Format of --dump (default text)")
      ->type_name("FORMAT")
      ->check(CLI::IsMember({"text", "csv", "json"}));
  app.add_flag("-q,--quiet", options.quiet, "No progress line, no success lines");
  app.footer(kFooter);

  try {
    app.parse(static_cast<int>(argv.size()), argv.data());
  } catch (const CLI::CallForHelp&) {
    out << app.help();
    return {std::nullopt, kExitConverted};
  } catch (const CLI::CallForVersion& version) {
    out << version.what() << '\n';
    return {std::nullopt, kExitConverted};
  } catch (const CLI::ParseError& error) {
    return UsageError(err, program, error.what());
  }

  if (options.list_sounds) return {options, kExitConverted};

  if (options.icon_number < kFirstIcon || options.icon_number > kLastIcon) {
    return UsageError(
        err, program,
        "the icon number must be 1 to 31, not " + std::to_string(options.icon_number));
  }
  if (app.count("--sound") > 0) {
    const std::optional<int> row = ResolveSound(sound);
    if (!row) {
      return UsageError(err, program,
                        "unknown sound '" + sound +
                            "': give a row 0..64, a four-digit code or a name of --list-sounds");
    }
    options.voice_row = *row;
  }
  const bool output_given = output_option->count() > 0;
  const bool output_dir_given = output_dir_option->count() > 0;
  if (output_given && output_dir_given) {
    return UsageError(err, program, "--output and --output-dir cannot be used together");
  }
  if (options.dump && (output_given || output_dir_given)) {
    return UsageError(err, program,
                      "--dump writes no files; --output and --output-dir do not apply");
  }
  if (options.inputs.empty()) return UsageError(err, program, "no input file given");
  if (output_given) {
    if (options.inputs.size() > 1) {
      return UsageError(err, program,
                        "--output names the output of a single input; use --output-dir for "
                        "several inputs");
    }
    options.output = output;
  }
  if (output_dir_given) {
    // An empty folder name would put the outputs at the root of the file system.
    if (output_dir.empty()) return UsageError(err, program, "--output-dir needs a folder name");
    options.output_dir = output_dir;
  }
  options.format = format == "csv"    ? DumpFormat::Csv
                   : format == "json" ? DumpFormat::Json
                                      : DumpFormat::Text;
  return {options, kExitConverted};
}

}  // namespace quorvane
