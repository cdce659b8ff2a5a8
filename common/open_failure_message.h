#pragma once

#include <optional>
#include <string_view>

#include "common/file_system.h"
#include "common/japanese_text.h"

// What the user is told when a file cannot be opened. The reader and the writer sort their
// failures by the same causes; only the text for "any other cause" is their own.
namespace quorvane {

inline constexpr JapaneseText kFileNotFoundMessage{
    "ファイルが見つかりませんでした。",
    "\x83\x74\x83\x40\x83\x43\x83\x8b\x82\xaa\x8c\xa9\x82\xc2\x82\xa9\x82\xe8\x82\xdc\x82\xb9\x82"
    "\xf1\x82\xc5\x82\xb5\x82\xbd\x81\x42"};

inline constexpr JapaneseText kAccessDeniedMessage{
    "ファイル アクセス禁止",
    "\x83\x74\x83\x40\x83\x43\x83\x8b\x20\x83\x41\x83\x4e\x83\x5a\x83\x58\x8b\xd6\x8e\x7e"};

inline constexpr JapaneseText kSharingViolationMessage{
    "ファイルの共有違反です",
    "\x83\x74\x83\x40\x83\x43\x83\x8b\x82\xcc\x8b\xa4\x97\x4c\x88\xe1\x94\xbd\x82\xc5\x82\xb7"};

// The CP932 message for an open that failed with `cause`; `other_cause_message` for a cause
// outside the named ones. None when the file layer recorded no cause.
constexpr std::optional<std::string_view> OpenFailureMessage(OpenFailureCause cause,
                                                             std::string_view other_cause_message) {
  switch (cause) {
    case OpenFailureCause::None:
      return std::nullopt;
    case OpenFailureCause::NotFound:
      return kFileNotFoundMessage.cp932;
    case OpenFailureCause::AccessDenied:
      return kAccessDeniedMessage.cp932;
    case OpenFailureCause::SharingViolation:
      return kSharingViolationMessage.cp932;
    case OpenFailureCause::Other:
      break;
  }
  return other_cause_message;
}

}  // namespace quorvane
