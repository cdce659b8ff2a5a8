#include "cli/point_file_reading.h"

#include "support/temp_folder.h"

namespace quorvane::testing {

namespace {

std::vector<std::string> Split(std::string_view text, std::string_view separator) {
  std::vector<std::string> parts;
  for (std::size_t start = 0;;) {
    const std::size_t end = text.find(separator, start);
    if (end == std::string_view::npos) {
      parts.emplace_back(text.substr(start));
      return parts;
    }
    parts.emplace_back(text.substr(start, end - start));
    start = end + separator.size();
  }
}

}  // namespace

bool StartsWithPointFileHeader(const std::filesystem::path& point_file) {
  const std::vector<unsigned char> bytes = ReadAllBytes(point_file);
  return std::string(bytes.begin(), bytes.end()).starts_with(kPointFileHeader);
}

std::vector<std::vector<std::string>> PointGroups(const std::filesystem::path& point_file) {
  const std::vector<unsigned char> bytes = ReadAllBytes(point_file);
  std::vector<std::string> lines = Split(std::string(bytes.begin(), bytes.end()), "\r\n");
  std::vector<std::vector<std::string>> points;
  // Line 0 is the header; the text after the last CR LF is empty.
  for (std::size_t k = 1; k + 1 < lines.size(); ++k) {
    std::vector<std::string> groups;
    for (std::string& group : Split(lines[k], "\t")) groups.push_back(group.substr(1));
    points.push_back(groups);
  }
  return points;
}

}  // namespace quorvane::testing
