#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace quorvane::testing {

// "登録ポイント" and CR LF: the first bytes of every point file.
inline constexpr std::string_view kPointFileHeader =
    "\x93\x6F\x98\x5E\x83\x7C\x83\x43\x83\x93\x83\x67\r\n";

// The texts of the groups of each point line ("#" and TAB removed, the checksum group last).
// Good enough for files whose texts hold no TAB.
std::vector<std::vector<std::string>> PointGroups(const std::filesystem::path& point_file);

bool StartsWithPointFileHeader(const std::filesystem::path& point_file);

// Group numbers of a point line, counted from 1 as the file format counts them.
inline constexpr std::size_t kIconGroup = 1;
inline constexpr std::size_t kVoiceCodeGroup = 10;
inline constexpr std::size_t kVoiceFlagGroup = 11;
inline constexpr std::size_t kNameGroup = 13;

}  // namespace quorvane::testing
