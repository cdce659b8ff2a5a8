#pragma once

#include <string>
#include <string_view>

// Path rules shared by the reader, the conversion run, the dialog and the command-line
// converter. Paths are CP932 byte strings: the second byte of a double-byte character (0x5C in
// 表 or ソ) is never a separator or a dot. Results are kept whole, however long.
namespace quorvane {

struct PathParts {
  std::string drive;      // "C:" or empty
  std::string folder;     // up to and including the last '\' or '/', or empty
  std::string base_name;  // up to, not including, the last dot after the folder
  std::string extension;  // that last dot and the rest, or empty
};

PathParts SplitPath(std::string_view path);

std::string JoinPath(std::string_view drive, std::string_view folder, std::string_view base_name,
                     std::string_view extension);

// `extension` includes the leading dot (".mem"); the letters a-z of both sides are folded.
bool ExtensionMatches(std::string_view path, std::string_view extension);

struct DerivedOutput {
  std::string output_path;   // input's drive, folder and base name with "." + extension
  std::string input_folder;  // input's drive and folder, e.g. "C:\data\", or empty
};

// `output_extension` is given without its dot ("pmf").
DerivedOutput DeriveOutputPath(std::string_view input_path, std::string_view output_extension);

}  // namespace quorvane
