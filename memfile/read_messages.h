#pragma once

#include "common/japanese_text.h"

// What the reader of memory-point files tells the user when a file cannot be taken.
namespace quorvane::read_messages {

// Follows the path as the user gave it: one LF, four blanks, then the text.
inline constexpr JapaneseText kUnrecognisedFileSuffix{
    "\n    は認識できないファイルです",
    "\n    \x82\xcd\x94\x46\x8e\xaf\x82\xc5\x82\xab\x82\xc8\x82\xa2\x83\x74\x83\x40\x83\x43\x83\x8b"
    "\x82\xc5\x82\xb7"};

// Any other open failure, and an error or a short delivery after the file was opened.
inline constexpr JapaneseText kReadFailed{
    "読み込みに失敗しました。",
    "\x93\xc7\x82\xdd\x8d\x9e\x82\xdd\x82\xc9\x8e\xb8\x94\x73\x82\xb5\x82\xdc\x82\xb5\x82\xbd\x81"
    "\x42"};

}  // namespace quorvane::read_messages
