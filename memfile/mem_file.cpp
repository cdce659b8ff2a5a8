#include "memfile/mem_file.h"

#include <algorithm>
#include <optional>
#include <string>

#include "common/open_failure_message.h"
#include "conversion/file_names.h"
#include "memfile/read_messages.h"

namespace quorvane {

namespace {

constexpr std::string_view kMemExtension = ".MEM";

void ShowWarning(MessageSink& sink, std::string_view text) {
  sink.Show(text, std::nullopt, MessageIcon::Exclamation);
}

void ShowUnrecognised(MessageSink& sink, std::string_view path) {
  std::string text(path);
  text += read_messages::kUnrecognisedFileSuffix.cp932;
  ShowWarning(sink, text);
}

// The blank-entry pattern of a cleared image, by entry offset; every other byte is 0.
void WriteBlankEntry(std::span<std::byte, MemEntryLayout::kSize> entry) {
  std::ranges::fill(entry, std::byte{0});
  entry[7] = std::byte{0x0C};
  std::fill(entry.begin() + 70, entry.begin() + 79, std::byte{0xFF});
  entry[79] = std::byte{0x1F};
  entry[80] = std::byte{0x00};
  entry[81] = std::byte{0x10};
  std::fill(entry.begin() + 82, entry.begin() + 89, std::byte{0xFF});
}

}  // namespace

MemFile::MemFile(const FileSystem& files) : files_(files) {
  Clear();
}

void MemFile::Clear() {
  image_.fill(std::byte{0});
  for (int i = 0; i < kEntryCapacity; ++i) {
    WriteBlankEntry(std::span<std::byte, MemEntryLayout::kSize>(
        image_.data() + kHeaderSize + MemEntryLayout::kSize * static_cast<std::size_t>(i),
        MemEntryLayout::kSize));
  }
  entry_count_ = 0;
}

int MemFile::Read(std::string_view path, MessageSink& sink) {
  if (!ExtensionMatches(path, kMemExtension)) {
    ShowUnrecognised(sink, path);
    return -1;
  }

  OpenResult<ReadableFile> opened = files_.OpenForReading(path);
  if (!opened.file) {
    if (const auto message = OpenFailureMessage(opened.cause, read_messages::kReadFailed.cp932))
      ShowWarning(sink, *message);
    return -1;
  }
  ReadableFile& file = *opened.file;

  // The file stays open, and so held against other openers, until the user has seen the
  // message.
  const std::optional<std::uint64_t> length = file.Length();
  if (!length) {
    ShowWarning(sink, read_messages::kReadFailed.cp932);
    file.Close();
    return -1;
  }
  if (*length != kFileSize) {
    ShowUnrecognised(sink, path);
    file.Close();
    return -1;
  }

  // Read aside so that an error, or a file that shrank since its length was taken, leaves the
  // loaded image whole instead of a mix of two files.
  std::array<std::byte, kFileSize> bytes{};
  const std::optional<std::size_t> delivered = file.ReadFromStart(bytes);
  if (!delivered || *delivered != kFileSize) {
    ShowWarning(sink, read_messages::kReadFailed.cp932);
    file.Close();
    return -1;
  }
  // All bytes are in memory; an error the close reports cannot make them wrong, so the read
  // stands.
  file.Close();

  image_ = bytes;
  entry_count_ = CountPresent();
  return 0;
}

bool MemFile::IsPresent(int i) const {
  return Entry(i)[MemEntryLayout::kPresent] != std::byte{0};
}

int MemFile::CountPresent() const {
  int count = 0;
  while (count < kEntryCapacity && IsPresent(count)) ++count;
  return count;
}

std::span<const std::byte, MemEntryLayout::kSize> MemFile::Entry(int i) const {
  return std::span<const std::byte, MemEntryLayout::kSize>(
      image_.data() + kHeaderSize + MemEntryLayout::kSize * static_cast<std::size_t>(i),
      MemEntryLayout::kSize);
}

}  // namespace quorvane
