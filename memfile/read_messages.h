#pragma once

#include "common/japanese_text.h"

// What the reader of memory-point files tells the user when a file cannot be taken.
namespace quorvane::read_messages {

// Follows the path as the user gave it: one LF, four blanks, then the text.
inline constexpr JapaneseText kUnrecognisedFileSuffix{
    "\n    は認識できないファイルです",
    "\n    \x82\xcd\x94\x46\x8e\xaf\x82\xc5\x82\xab\x82\xc8\x82\xa2\x83\x74\x83\x40\x83\x43\x83\x8b"
    "\x82\xc5\x82\xb7"};

inline constexpr JapaneseText kFileNotFound{
    "ファイルが見つかりませんでした。",
    "\x83\x74\x83\x40\x83\x43\x83\x8b\x82\xaa\x8c\xa9\x82\xc2\x82\xa9\x82\xe8\x82\xdc\x82\xb9\x82"
    "\xf1\x82\xc5\x82\xb5\x82\xbd\x81\x42"};

inline constexpr JapaneseText kAccessDenied{
    "ファイル アクセス禁止",
    "\x83\x74\x83\x40\x83\x43\x83\x8b\x20\x83\x41\x83\x4e\x83\x5a\x83\x58\x8b\xd6\x8e\x7e"};

inline constexpr JapaneseText kSharingViolation{
    "ファイルの共有違反です",
    "\x83\x74\x83\x40\x83\x43\x83\x8b\x82\xcc\x8b\xa4\x97\x4c\x88\xe1\x94\xbd\x82\xc5\x82\xb7"};

// Any other open failure, and an error or a short delivery after the file was opened.
inline constexpr JapaneseText kReadFailed{
    "読み込みに失敗しました。",
    "\x93\xc7\x82\xdd\x8d\x9e\x82\xdd\x82\xc9\x8e\xb8\x94\x73\x82\xb5\x82\xdc\x82\xb5\x82\xbd\x81"
    "\x42"};

}  // namespace quorvane::read_messages
