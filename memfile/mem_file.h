#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "common/file_system.h"
#include "common/message_sink.h"

namespace quorvane {

// Byte layout of one entry of a memory-point file. Fields without a name are never read.
struct MemEntryLayout {
  static constexpr std::size_t kSize = 108;
  static constexpr std::size_t kPresent = 0;
  static constexpr std::size_t kLongitude = 8;   // 4 bytes, most significant first
  static constexpr std::size_t kLatitude = 12;   // 4 bytes
  static constexpr std::size_t kName = 24;       // 16 bytes CP932
  static constexpr std::size_t kExtraText = 52;  // 16 bytes CP932
  static constexpr std::size_t kDigits = 70;     // 5 bytes, 10 BCD digits
  static constexpr std::size_t kTextWidth = 16;
  static constexpr std::size_t kDigitBytes = 5;
};

// The in-memory copy of one memory-point file (.mem): a 4-byte header and 100 entries of
// 108 bytes, and the number of leading present entries.
class MemFile {
 public:
  static constexpr std::size_t kFileSize = 10'804;
  static constexpr std::size_t kHeaderSize = 4;
  static constexpr int kEntryCapacity = 100;

  explicit MemFile(const FileSystem& files = SystemFileSystem());

  // Back to the blank-entry pattern with no entries counted.
  void Clear();
  // 0 when the file was read; -1 after its own message (none when the open failure had no
  // cause). A failed read changes neither the image nor the count.
  int Read(std::string_view path, MessageSink& sink);
  int EntryCount() const { return entry_count_; }
  bool IsPresent(int i) const;
  int CountPresent() const;

  // Field decoders of entry i (0..99); they only read the image.
  std::string NameText(int i) const;
  std::string ExtraText(int i) const;
  std::string DigitText(int i) const;
  std::uint32_t LongitudeUnits(int i) const;
  std::uint32_t LatitudeUnits(int i) const;
  std::string LongitudeDms(int i) const;
  std::string LatitudeDms(int i) const;

  const std::array<std::byte, kFileSize>& Image() const { return image_; }

 private:
  std::span<const std::byte, MemEntryLayout::kSize> Entry(int i) const;
  std::string FieldText(int i, std::size_t offset) const;

  const FileSystem& files_;
  std::array<std::byte, kFileSize> image_{};
  int entry_count_ = 0;
};

}  // namespace quorvane
