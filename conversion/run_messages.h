#pragma once

#include <string_view>

#include "common/japanese_text.h"

// The texts that a conversion run shows of its own. The reader and the writer show theirs.
namespace quorvane {

// "ファイル " + input path + " の読み込みに失敗しました", captioned "ERROR".
inline constexpr JapaneseText kReadFailedPrefix{"ファイル ",
                                                "\x83\x74\x83\x40\x83\x43\x83\x8B\x20"};
inline constexpr JapaneseText kReadFailedSuffix{
    " の読み込みに失敗しました",
    "\x20\x82\xCC\x93\xC7\x82\xDD\x8D\x9E\x82\xDD\x82\xC9\x8E\xB8\x94\x73\x82\xB5\x82\xDC\x82\xB5"
    "\x82\xBD"};
inline constexpr std::string_view kReadFailedCaption = "ERROR";

inline constexpr JapaneseText kConversionDone{
    "変換が終了しました。\nOKボタンを押して下さい。",
    "\x95\xCF\x8A\xB7\x82\xAA\x8F\x49\x97\xB9\x82\xB5\x82\xDC\x82\xB5\x82\xBD\x81\x42\x0A\x4F\x4B"
    "\x83\x7B\x83\x5E\x83\x93\x82\xF0\x89\x9F\x82\xB5\x82\xC4\x89\xBA\x82\xB3\x82\xA2\x81\x42"};
inline constexpr JapaneseText kConversionDoneCaption{"終了", "\x8F\x49\x97\xB9"};

}  // namespace quorvane
