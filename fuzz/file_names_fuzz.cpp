// The path rules and the first-token rule over arbitrary byte strings of any length.
//
// Split and join are exact inverses: SplitPath keeps every byte in one of its four parts (the
// parts are not cut, however long), the drive is two bytes ending in a colon, a folder ends in
// a separator (a single-byte character) and the extension starts with the dot, so JoinPath
// adds nothing and JoinPath(SplitPath(p)) == p for every p. Splitting that result therefore
// gives the same parts again.
//
// A folder that did not come from SplitPath is joined with one backslash added unless its last
// character already is a separator. The added backslash is a separator of the joined path only
// when the folder does not end in a lone lead byte: after one it would become the second byte
// of a double-byte character (as in 表). Folders from SplitPath never end in one.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "common/cp932.h"
#include "conversion/file_names.h"
#include "conversion/first_token.h"
#include "fuzz_check.h"

namespace quorvane::fuzzing {
namespace {

bool IsSeparator(char c) {
  return c == '\\' || c == '/';
}

// The single-byte characters of a text, judged from its first byte.
template <typename Visit>
void ForEachSingleByte(std::string_view text, Visit visit) {
  for (Cp932Scanner scan(text); !scan.AtEnd(); scan.Advance()) {
    if (scan.CharacterLength() == 1) visit(scan.Position(), text[scan.Position()]);
  }
}

bool EndsInLoneLeadByte(std::string_view text) {
  return CharacterBoundaryPrefix(text, text.size()) != text.size();
}

void CheckParts(const PathParts& parts) {
  QUORVANE_FUZZ_CHECK(parts.drive.empty() || (parts.drive.size() == 2 && parts.drive[1] == ':'));
  if (!parts.folder.empty()) {
    bool ends_in_separator = false;
    ForEachSingleByte(parts.folder, [&](std::size_t at, char c) {
      if (at + 1 == parts.folder.size()) ends_in_separator = IsSeparator(c);
    });
    QUORVANE_FUZZ_CHECK(ends_in_separator);
  }
  const std::string name = parts.base_name + parts.extension;
  ForEachSingleByte(name, [](std::size_t, char c) { QUORVANE_FUZZ_CHECK(!IsSeparator(c)); });
  if (!parts.extension.empty()) {
    QUORVANE_FUZZ_CHECK(parts.extension.front() == '.');
    ForEachSingleByte(parts.extension,
                      [](std::size_t at, char c) { QUORVANE_FUZZ_CHECK(at == 0 || c != '.'); });
  } else {
    ForEachSingleByte(parts.base_name, [](std::size_t, char c) { QUORVANE_FUZZ_CHECK(c != '.'); });
  }
}

void CheckSplitAndJoin(std::string_view path) {
  const PathParts parts = SplitPath(path);
  CheckParts(parts);
  const std::string joined = JoinPath(parts.drive, parts.folder, parts.base_name, parts.extension);
  QUORVANE_FUZZ_CHECK(joined == path);
  const PathParts again = SplitPath(joined);
  QUORVANE_FUZZ_CHECK(again.drive == parts.drive && again.folder == parts.folder &&
                      again.base_name == parts.base_name && again.extension == parts.extension);

  // The type test looks at the extension part only, letters a-z folded.
  QUORVANE_FUZZ_CHECK(ExtensionMatches(path, parts.extension));
  QUORVANE_FUZZ_CHECK(ExtensionMatches(path, ".MEM") ==
                      (FoldAsciiCase(parts.extension, true) == ".MEM"));
  QUORVANE_FUZZ_CHECK(ExtensionMatches(path, ".mem") == ExtensionMatches(path, ".MEM"));

  const DerivedOutput derived = DeriveOutputPath(path, "pmf");
  QUORVANE_FUZZ_CHECK(derived.input_folder == parts.drive + parts.folder);
  QUORVANE_FUZZ_CHECK(derived.output_path == derived.input_folder + parts.base_name + ".pmf");
  // Every input that passes the input type test gets an output that passes the output test.
  if (ExtensionMatches(path, ".mem"))
    QUORVANE_FUZZ_CHECK(ExtensionMatches(derived.output_path, ".pmf"));
}

// A folder of any bytes, joined alone, is a folder of the joined path (see the note above).
void CheckJoinedFolder(std::string_view folder) {
  if (folder.empty() || EndsInLoneLeadByte(folder)) return;
  if (folder.size() >= 2 && folder[1] == ':') return;  // would be read back as a drive
  const std::string joined = JoinPath("", folder, "", "");
  QUORVANE_FUZZ_CHECK(joined.starts_with(folder));
  QUORVANE_FUZZ_CHECK(joined.size() <= folder.size() + 1);
  const PathParts parts = SplitPath(joined);
  QUORVANE_FUZZ_CHECK(parts.folder == joined && parts.base_name.empty() && parts.extension.empty());
  QUORVANE_FUZZ_CHECK(JoinPath("", joined, "", "") == joined);
}

void CheckFirstToken(std::string_view text) {
  constexpr std::string_view kDelimiters{"\",\t\n"};
  const std::string token = FirstToken(text);
  QUORVANE_FUZZ_CHECK(token.find_first_of(kDelimiters) == std::string::npos);
  const std::size_t start = text.find_first_not_of(kDelimiters);
  if (start == std::string_view::npos) {
    QUORVANE_FUZZ_CHECK(token.empty());
    return;
  }
  QUORVANE_FUZZ_CHECK(!token.empty());
  QUORVANE_FUZZ_CHECK(text.substr(start, token.size()) == token);
  const std::size_t end = start + token.size();
  QUORVANE_FUZZ_CHECK(end == text.size() || kDelimiters.find(text[end]) != std::string_view::npos);
  QUORVANE_FUZZ_CHECK(FirstToken(token) == token);
}

}  // namespace
}  // namespace quorvane::fuzzing

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quorvane::fuzzing;
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  CheckSplitAndJoin(input);
  CheckJoinedFolder(input);
  CheckFirstToken(input);
  return 0;
}
