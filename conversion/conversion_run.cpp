#include "conversion/conversion_run.h"

#include <string>

#include "conversion/file_names.h"
#include "conversion/point_building.h"
#include "conversion/run_messages.h"
#include "memfile/mem_file.h"
#include "pointfile/point_table.h"

namespace quorvane {

namespace {

bool HasExtension(std::string_view path, std::string_view extension_without_dot) {
  std::string dotted = ".";
  dotted += extension_without_dot;
  return ExtensionMatches(path, dotted);
}

}  // namespace

ConversionStatus ConversionRun::Run(std::string_view input_path, std::string_view output_path,
                                    std::string_view input_extension,
                                    std::string_view output_extension, int icon_number,
                                    int voice_row, int max_points) {
  // A wrong type is corrected by the caller without a message, so nothing is shown here.
  if (!HasExtension(input_path, input_extension)) return ConversionStatus::InputTypeMismatch;
  if (!HasExtension(output_path, output_extension)) return ConversionStatus::OutputTypeMismatch;

  if (mem_file_.Read(input_path, sink_) != 0) {
    std::string text(kReadFailedPrefix.cp932);
    text += input_path;
    text += kReadFailedSuffix.cp932;
    sink_.Show(text, kReadFailedCaption, MessageIcon::None);
    return ConversionStatus::ReadFailed;
  }

  table_.Clear();
  BuildPoints(mem_file_, table_, icon_number, voice_row, max_points);

  // The writer has already told the user why it failed.
  if (table_.Write(output_path, sink_) != 0) return ConversionStatus::WriteFailed;

  sink_.Show(kConversionDone.cp932, kConversionDoneCaption.cp932, MessageIcon::None);
  return ConversionStatus::Done;
}

}  // namespace quorvane
