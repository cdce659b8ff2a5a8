#pragma once

#include "common/japanese_text.h"

// The fixed texts of the point-file writer: the header line and its messages.
namespace quorvane {

inline constexpr JapaneseText kPointFileHeader{"登録ポイント",
                                               "\x93\x6f\x98\x5e\x83\x7c\x83\x43\x83\x93\x83\x67"};

// Any other open failure, and any failure after the open.
inline constexpr JapaneseText kWriteFailedMessage{
    "書き込みに失敗しました。",
    "\x8f\x91\x82\xab\x8d\x9e\x82\xdd\x82\xc9\x8e\xb8\x94\x73\x82\xb5\x82\xdc\x82\xb5\x82\xbd\x81"
    "\x42"};

}  // namespace quorvane
