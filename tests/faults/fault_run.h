#pragma once

#include <filesystem>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "common/file_system.h"
#include "conversion/conversion_run.h"
#include "support/recording_message_sink.h"

namespace quorvane::testing {

// What one conversion showed and returned.
struct RunOutcome {
  ConversionStatus status = ConversionStatus::Done;
  std::vector<ShownMessage> messages;
};

// One conversion as the dialog runs it ("mem", "pmf", icon 5, no sound, 200 points), on fresh
// objects over `files` and a fixed clock.
RunOutcome Convert(const FileSystem& files, std::string_view input_path,
                   std::string_view output_path);

// The messages, in CP932, written readably.
ShownMessage ReaderOrWriterMessage(std::string_view utf8);  // no caption, exclamation icon
ShownMessage UnrecognisedFileMessage(std::string_view cp932_path);
ShownMessage RunReadFailedMessage(std::string_view cp932_path);  // captioned "ERROR"
ShownMessage CompletionMessage();
// A path of the file system as the converter is given it: CP932.
std::string Cp932Path(const std::filesystem::path& path);

// For a case whose path needs nothing made before the run.
inline std::shared_ptr<void> Nothing(const std::filesystem::path&) {
  return nullptr;
}

// The image that the fault tests convert: 100 points with long names, so that its point file
// (about 16 KB) is larger than a page of memory.
std::string FullImage();

// Everything in a folder, names and bytes, recursively; to show that a failed run changed
// nothing, nor left a temporary file behind.
std::vector<std::string> Snapshot(const std::filesystem::path& folder);

}  // namespace quorvane::testing
