#pragma once

#include <cstddef>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "common/file_system.h"
#include "common/local_clock.h"
#include "common/message_sink.h"
#include "pointfile/point_record.h"

namespace quorvane {

struct TimeStamp {
  std::string date;  // YYYYMMDD
  std::string time;  // HHMMSS
};

TimeStamp MakeTimeStamp(const LocalClock& clock);

// Copies at most `limit` bytes of `text` into `destination` and a NUL after them, never ending
// in the first byte of a double-byte character. `destination` must hold limit + 1 bytes.
void CopyBounded(std::span<char> destination, std::string_view text, std::size_t limit);

// The output records of one conversion: 2,000 slots allocated once, slots 0-199 written.
class PointTable {
 public:
  static constexpr int kSlotCount = 2'000;
  static constexpr int kWrittenCapacity = 200;
  static constexpr std::size_t kTextLimit = 20;  // name and extra_text

  explicit PointTable(const FileSystem& files = SystemFileSystem(),
                      const LocalClock& clock = SystemClock());

  void Clear();
  void InitRecord(int i);
  void SetSlot(int i);
  void SetIcon(std::string_view text, int i);
  void SetName(std::string_view text, int i);
  void SetLongitude(std::string_view text, int i);
  void SetLatitude(std::string_view text, int i);
  void SetExtraText(std::string_view text, int i);
  void SetVoiceCode(std::string_view text, int i);
  void SetVoiceFlag(std::string_view text, int i);
  void SetVoiceParam(std::string_view text, int i);
  void SetDigits(std::string_view text, int i);

  // Writes the used records among slots 0-199 as a point file. 0 when the complete file is in
  // place; -1 after its own message (none when the open failure had no cause).
  int Write(std::string_view path, MessageSink& sink) const;

  // Read access for tests and the writer; i must be 0..kSlotCount-1.
  const PointRecord& Record(int i) const;

 private:
  // The record at i, or null when i is outside the table.
  PointRecord* WritableRecord(int i);
  // The bytes of the point file for the records as they stand.
  std::string FileContent() const;
  static void WriteGroup(std::string& content, std::string_view text);
  static void ReportOpenFailure(OpenFailureCause cause, MessageSink& sink);

  const FileSystem& files_;
  const LocalClock& clock_;
  std::unique_ptr<PointRecord[]> records_;
};

}  // namespace quorvane
