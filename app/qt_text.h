#pragma once

#include <QString>
#include <optional>
#include <string>
#include <string_view>

#include "common/japanese_text.h"

// Crossing between Qt's Unicode strings and the CP932 byte strings of the converter.
namespace quorvane {

// The program's CP932 bytes of a fixed text, for display.
QString ToQString(JapaneseText text);
// A CP932 text for display. Bytes that are not CP932 are shown one character per byte rather
// than dropped.
QString Cp932ToQString(std::string_view cp932);
// std::nullopt when the text holds a character that CP932 cannot express.
std::optional<std::string> QStringToCp932(const QString& text);

// Replaces every "%s" of a CP932 format by `argument`.
std::string FormatCp932(std::string_view format, std::string_view argument);

}  // namespace quorvane
