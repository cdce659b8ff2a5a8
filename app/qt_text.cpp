#include "app/qt_text.h"

#include "common/cp932.h"
#include "common/text_codec.h"

namespace quorvane {

QString ToQString(JapaneseText text) {
  if (const auto utf8 = Cp932ToUtf8(text.cp932)) return QString::fromStdString(*utf8);
  return QString::fromUtf8(text.readable.data(), static_cast<qsizetype>(text.readable.size()));
}

QString Cp932ToQString(std::string_view cp932) {
  if (const auto utf8 = Cp932ToUtf8(cp932)) return QString::fromStdString(*utf8);
  return QString::fromLatin1(cp932.data(), static_cast<qsizetype>(cp932.size()));
}

std::optional<std::string> QStringToCp932(const QString& text) {
  return Utf8ToCp932(text.toStdString());
}

std::string FormatCp932(std::string_view format, std::string_view argument) {
  std::string result;
  for (Cp932Scanner scan(format); !scan.AtEnd(); scan.Advance()) {
    const std::size_t at = scan.Position();
    if (scan.CharacterLength() == 1 && format[at] == '%' && at + 1 < format.size() &&
        format[at + 1] == 's') {
      result += argument;
      scan.Advance();  // past the 's'
      continue;
    }
    result += format.substr(at, scan.CharacterLength());
  }
  return result;
}

}  // namespace quorvane
