#include <cstddef>
#include <optional>
#include <span>
#include <string>

#include "common/cp932.h"
#include "common/open_failure_message.h"
#include "pointfile/coordinate_encoding.h"
#include "pointfile/point_table.h"
#include "pointfile/record_field.h"
#include "pointfile/write_messages.h"

namespace quorvane {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

std::string WithoutCharacter(std::string_view text, char removed) {
  std::string kept;
  for (const char c : text) {
    if (c != removed) kept.push_back(c);
  }
  return kept;
}

}  // namespace

void PointTable::WriteGroup(std::string& content, std::string_view text) {
  content.push_back('#');
  content.append(text);
  content.push_back('\t');
}

std::string PointTable::FileContent() const {
  std::string content(kPointFileHeader.cp932);
  content.append(kLineEnd);
  for (int k = 0; k < kWrittenCapacity; ++k) {
    const PointRecord& record = Record(k);
    if (record.slot == -1) continue;
    const std::string_view longitude = FieldText(record.longitude);
    const std::string_view latitude = FieldText(record.latitude);
    const std::string_view name = FieldText(record.name);
    WriteGroup(content, FieldText(record.icon));
    WriteGroup(content, "00");
    WriteGroup(content, "00");
    WriteGroup(content, EncodeCoordinate(longitude));
    WriteGroup(content, EncodeCoordinate(latitude));
    for (int group = 0; group < 4; ++group) WriteGroup(content, "0800");
    WriteGroup(content, FieldText(record.voice_code));
    WriteGroup(content, FieldText(record.voice_flag));
    WriteGroup(content, TwoDigitText(static_cast<int>(CountCharacters(name))));
    WriteGroup(content, name);
    WriteGroup(content, record.aux_flag != 0 ? "01" : "00");
    WriteGroup(content, FieldText(record.aux_code));
    WriteGroup(content, FieldText(record.voice_param));
    WriteGroup(content, FieldText(record.spare_text1));
    WriteGroup(content, FieldText(record.spare_text2));
    WriteGroup(content, FieldText(record.spare_text3));
    WriteGroup(content, FieldText(record.spare_text4));
    WriteGroup(content, FieldText(record.extra_text));
    WriteGroup(content, WithoutCharacter(FieldText(record.date), '/') +
                            WithoutCharacter(FieldText(record.time), ':'));
    WriteGroup(content, FieldText(record.kind_code));
    WriteGroup(content, FieldText(record.digits));
    // Only two characters of the checksum are kept, also when a negative sum gives eight.
    content.push_back('#');
    content.append(LineChecksum(latitude, longitude).substr(0, 2));
    content.append(kLineEnd);
  }
  return content;
}

void PointTable::ReportOpenFailure(OpenFailureCause cause, MessageSink& sink) {
  if (const auto message = OpenFailureMessage(cause, kWriteFailedMessage.cp932)) {
    sink.Show(*message, std::nullopt, MessageIcon::Exclamation);
  }
}

int PointTable::Write(std::string_view path, MessageSink& sink) const {
  // The whole file is made first so that the target is only ever replaced by a complete file.
  const std::string content = FileContent();
  OpenResult<ReplacementFile> opened = files_.OpenForReplacing(path);
  if (opened.file == nullptr) {
    ReportOpenFailure(opened.cause, sink);
    return -1;
  }
  // A failure after the open leaves the old target as it was; the uncommitted file goes away
  // with `opened`.
  if (!opened.file->Write(std::as_bytes(std::span(content))) || !opened.file->Commit()) {
    sink.Show(kWriteFailedMessage.cp932, std::nullopt, MessageIcon::Exclamation);
    return -1;
  }
  return 0;
}

}  // namespace quorvane
