#include "pointfile/point_table.h"

#include <algorithm>
#include <cstdio>

#include "pointfile/record_field.h"

namespace quorvane {

namespace {

// Each part formatted on its own, as unsigned decimal with the given width.
std::string FormatParts(const char* format, unsigned a, unsigned b, unsigned c) {
  char buffer[48];
  const int length = std::snprintf(buffer, sizeof buffer, format, a, b, c);
  return std::string(buffer, static_cast<std::size_t>(std::clamp(length, 0, 47)));
}

}  // namespace

TimeStamp MakeTimeStamp(const LocalClock& clock) {
  const LocalTime now = clock.Now();
  return {FormatParts("%4u%02u%02u", static_cast<unsigned>(now.year),
                      static_cast<unsigned>(now.month), static_cast<unsigned>(now.day)),
          FormatParts("%02u%02u%02u", static_cast<unsigned>(now.hour),
                      static_cast<unsigned>(now.minute), static_cast<unsigned>(now.second))};
}

void CopyBounded(std::span<char> destination, std::string_view text, std::size_t limit) {
  if (destination.empty()) return;
  // A destination smaller than the contract asks for still never overflows.
  limit = std::min(limit, destination.size() - 1);
  const std::size_t length =
      text.size() <= limit ? text.size() : CharacterBoundaryPrefix(text, limit);
  std::copy_n(text.data(), length, destination.data());
  destination[length] = '\0';
}

PointTable::PointTable(const FileSystem& files, const LocalClock& clock)
    : files_(files), clock_(clock), records_(std::make_unique<PointRecord[]>(kSlotCount)) {
  Clear();
}

PointRecord* PointTable::WritableRecord(int i) {
  if (i < 0 || i >= kSlotCount) return nullptr;
  return &records_[static_cast<std::size_t>(i)];
}

const PointRecord& PointTable::Record(int i) const {
  return records_[static_cast<std::size_t>(i)];
}

void PointTable::Clear() {
  std::fill_n(records_.get(), kSlotCount, PointRecord{});
  for (int i = 0; i < kSlotCount; ++i) records_[static_cast<std::size_t>(i)].slot = -1;
}

void PointTable::InitRecord(int i) {
  PointRecord* record = WritableRecord(i);
  if (record == nullptr) return;
  record->slot = static_cast<std::int16_t>(i);
  const TimeStamp stamp = MakeTimeStamp(clock_);
  StoreText(record->date, stamp.date);
  StoreText(record->time, stamp.time);
  StoreText(record->icon, "00");
  StoreText(record->aux_code, "00");
  StoreText(record->voice_param, "0000");
  StoreText(record->voice_code, "FFFF");
  StoreText(record->voice_flag, "00");
  record->spare_text1[0] = '\0';
  StoreText(record->tail_code, "12");
  record->spare_text2[0] = '\0';
  StoreText(record->kind_code, "01");
}

void PointTable::SetSlot(int i) {
  if (PointRecord* record = WritableRecord(i)) record->slot = static_cast<std::int16_t>(i);
}

void PointTable::SetIcon(std::string_view text, int i) {
  if (PointRecord* record = WritableRecord(i)) StoreText(record->icon, text);
}

void PointTable::SetName(std::string_view text, int i) {
  if (PointRecord* record = WritableRecord(i)) CopyBounded(record->name, text, kTextLimit);
}

void PointTable::SetLongitude(std::string_view text, int i) {
  if (PointRecord* record = WritableRecord(i)) StoreText(record->longitude, text);
}

void PointTable::SetLatitude(std::string_view text, int i) {
  if (PointRecord* record = WritableRecord(i)) StoreText(record->latitude, text);
}

void PointTable::SetExtraText(std::string_view text, int i) {
  if (PointRecord* record = WritableRecord(i)) CopyBounded(record->extra_text, text, kTextLimit);
}

void PointTable::SetVoiceCode(std::string_view text, int i) {
  if (PointRecord* record = WritableRecord(i)) StoreText(record->voice_code, text);
}

void PointTable::SetVoiceFlag(std::string_view text, int i) {
  if (PointRecord* record = WritableRecord(i)) StoreText(record->voice_flag, text);
}

void PointTable::SetVoiceParam(std::string_view text, int i) {
  if (PointRecord* record = WritableRecord(i)) StoreText(record->voice_param, text);
}

void PointTable::SetDigits(std::string_view text, int i) {
  if (PointRecord* record = WritableRecord(i)) StoreText(record->digits, text);
}

}  // namespace quorvane
