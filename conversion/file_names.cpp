#include "conversion/file_names.h"

#include <cstddef>

#include "common/cp932.h"

namespace quorvane {

namespace {

constexpr bool IsSeparator(char byte) {
  return byte == '\\' || byte == '/';
}

// True when the last character of `text`, a double-byte character taken as a whole, is a
// backslash or a slash. The 0x5C second byte of 表 or ソ is not a separator.
bool EndsWithSeparator(std::string_view text) {
  bool last_is_separator = false;
  for (Cp932Scanner scan(text); !scan.AtEnd(); scan.Advance()) {
    last_is_separator = scan.CharacterLength() == 1 && IsSeparator(text[scan.Position()]);
  }
  return last_is_separator;
}

}  // namespace

PathParts SplitPath(std::string_view path) {
  PathParts parts;
  std::string_view rest = path;
  if (path.size() >= 2 && path[1] == ':') {
    parts.drive = std::string(path.substr(0, 2));
    rest = path.substr(2);
  }

  std::size_t folder_end = 0;  // just after the last separator
  std::size_t last_dot = std::string_view::npos;
  for (Cp932Scanner scan(rest); !scan.AtEnd(); scan.Advance()) {
    if (scan.CharacterLength() != 1) continue;
    const char byte = rest[scan.Position()];
    if (IsSeparator(byte)) {
      folder_end = scan.Position() + 1;
    } else if (byte == '.') {
      last_dot = scan.Position();
    }
  }

  parts.folder = std::string(rest.substr(0, folder_end));
  // A dot inside a folder name does not start an extension.
  if (last_dot != std::string_view::npos && last_dot >= folder_end) {
    parts.base_name = std::string(rest.substr(folder_end, last_dot - folder_end));
    parts.extension = std::string(rest.substr(last_dot));
  } else {
    parts.base_name = std::string(rest.substr(folder_end));
  }
  return parts;
}

std::string JoinPath(std::string_view drive, std::string_view folder, std::string_view base_name,
                     std::string_view extension) {
  std::string path;
  if (!drive.empty()) {
    path += drive.front();
    path += ':';
  }
  if (!folder.empty()) {
    path += folder;
    if (!EndsWithSeparator(folder)) path += '\\';
  }
  path += base_name;
  if (!extension.empty()) {
    if (extension.front() != '.') path += '.';
    path += extension;
  }
  return path;
}

bool ExtensionMatches(std::string_view path, std::string_view extension) {
  return FoldAsciiCase(SplitPath(path).extension, true) == FoldAsciiCase(extension, true);
}

DerivedOutput DeriveOutputPath(std::string_view input_path, std::string_view output_extension) {
  const PathParts parts = SplitPath(input_path);
  return {JoinPath(parts.drive, parts.folder, parts.base_name, output_extension),
          JoinPath(parts.drive, parts.folder, {}, {})};
}

}  // namespace quorvane
