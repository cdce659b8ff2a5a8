#pragma once

#include "common/japanese_text.h"

// The fixed texts of the point-file writer: the header line and its messages.
namespace quorvane {

inline constexpr JapaneseText kPointFileHeader{"登録ポイント",
                                               "\x93\x6f\x98\x5e\x83\x7c\x83\x43\x83\x93\x83\x67"};

inline constexpr JapaneseText kWriteFileNotFoundMessage{
    "ファイルが見つかりませんでした。",
    "\x83\x74\x83\x40\x83\x43\x83\x8b\x82\xaa\x8c\xa9\x82\xc2\x82\xa9\x82\xe8\x82\xdc\x82\xb9\x82"
    "\xf1\x82\xc5\x82\xb5\x82\xbd\x81\x42"};

inline constexpr JapaneseText kWriteAccessDeniedMessage{
    "ファイル アクセス禁止",
    "\x83\x74\x83\x40\x83\x43\x83\x8b\x20\x83\x41\x83\x4e\x83\x5a\x83\x58\x8b\xd6\x8e\x7e"};

inline constexpr JapaneseText kWriteSharingViolationMessage{
    "ファイルの共有違反です",
    "\x83\x74\x83\x40\x83\x43\x83\x8b\x82\xcc\x8b\xa4\x97\x4c\x88\xe1\x94\xbd\x82\xc5\x82\xb7"};

// Any other open failure, and any failure after the open.
inline constexpr JapaneseText kWriteFailedMessage{
    "書き込みに失敗しました。",
    "\x8f\x91\x82\xab\x8d\x9e\x82\xdd\x82\xc9\x8e\xb8\x94\x73\x82\xb5\x82\xdc\x82\xb5\x82\xbd\x81"
    "\x42"};

}  // namespace quorvane
