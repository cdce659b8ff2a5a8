// Reads arbitrary images as memory-point files and decodes every field of every entry, then
// runs a whole conversion of the image. Everything stays in memory.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "common/cp932.h"
#include "common/local_clock.h"
#include "common/message_sink.h"
#include "conversion/conversion_run.h"
#include "fuzz_check.h"
#include "memfile/dms_text.h"
#include "memfile/mem_file.h"
#include "memfile/read_messages.h"
#include "memory_file_system.h"
#include "pointfile/point_table.h"
#include "pointfile/write_messages.h"

namespace quorvane::fuzzing {
namespace {

constexpr std::string_view kInputPath = "in.mem";
constexpr std::string_view kOutputPath = "out.pmf";
constexpr int kVoiceRows = 65;
constexpr std::uint32_t kLargestDecodedUnits = 0x3FFFFFFF;

class CountingSink final : public MessageSink {
 public:
  void Show(std::string_view text, std::optional<std::string_view>, MessageIcon) override {
    texts.emplace_back(text);
  }
  std::vector<std::string> texts;
};

class FixedClock final : public LocalClock {
 public:
  LocalTime Now() const override { return {2024, 1, 5, 9, 30, 5}; }
};

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Degrees' hundreds (a blank for none, and past '9' for corrupt words), then DD.MM.SS.ttt.
void CheckDmsText(std::string_view text, std::uint32_t units) {
  QUORVANE_FUZZ_CHECK(text.size() == 13);
  QUORVANE_FUZZ_CHECK(text[3] == '.' && text[6] == '.' && text[9] == '.');
  for (const std::size_t k : {1, 2, 4, 5, 7, 8, 10, 11, 12}) QUORVANE_FUZZ_CHECK(IsDigit(text[k]));
  QUORVANE_FUZZ_CHECK(text[4] <= '5' && text[7] <= '5');  // minutes and seconds below 60
  const std::uint32_t hundreds = units / 256 / 3600 / 100;
  QUORVANE_FUZZ_CHECK(text[0] == (hundreds == 0 ? ' ' : static_cast<char>('0' + hundreds)));
  const int thousandths = (text[10] - '0') * 100 + (text[11] - '0') * 10 + (text[12] - '0');
  QUORVANE_FUZZ_CHECK(thousandths <= 996);
}

// A 16-byte text field: the bytes up to its first NUL.
std::string_view RawField(const MemFile& file, int i, std::size_t offset) {
  const auto* entry = reinterpret_cast<const char*>(file.Image().data()) + MemFile::kHeaderSize +
                      MemEntryLayout::kSize * static_cast<std::size_t>(i) + offset;
  const std::string_view field(entry, MemEntryLayout::kTextWidth);
  return field.substr(0, field.find('\0'));
}

void CheckEntry(const MemFile& file, int i) {
  const std::string_view raw_name = RawField(file, i, MemEntryLayout::kName);
  const std::string name = file.NameText(i);
  // The name loses only a lead byte that the field's end cut from its second byte.
  QUORVANE_FUZZ_CHECK(name.size() <= MemEntryLayout::kTextWidth);
  QUORVANE_FUZZ_CHECK(raw_name.starts_with(name));
  QUORVANE_FUZZ_CHECK(name.size() + (raw_name.size() > name.size() ? 1 : 0) == raw_name.size());
  QUORVANE_FUZZ_CHECK(CharacterBoundaryPrefix(name, name.size()) == name.size());

  // The second text keeps even a lone lead byte at its end.
  QUORVANE_FUZZ_CHECK(file.ExtraText(i) == RawField(file, i, MemEntryLayout::kExtraText));

  const std::string digits = file.DigitText(i);
  QUORVANE_FUZZ_CHECK(digits.size() <= 10);
  for (const char c : digits) QUORVANE_FUZZ_CHECK(c >= '0' && c <= '>');

  const std::uint32_t longitude = file.LongitudeUnits(i);
  const std::uint32_t latitude = file.LatitudeUnits(i);
  QUORVANE_FUZZ_CHECK(longitude <= kLargestDecodedUnits && latitude <= kLargestDecodedUnits);
  const std::string longitude_dms = file.LongitudeDms(i);
  const std::string latitude_dms = file.LatitudeDms(i);
  CheckDmsText(longitude_dms, longitude);
  CheckDmsText(latitude_dms, latitude);
  QUORVANE_FUZZ_CHECK(longitude_dms == FormatDms(longitude));
  QUORVANE_FUZZ_CHECK(latitude_dms == FormatDms(latitude));
}

// A file of any other length is refused with the unrecognised-file message and leaves the
// object as it was.
void CheckWrongLength(std::string_view bytes) {
  MemoryFileSystem files;
  files.Put(kInputPath, bytes);
  MemFile file(files);
  const MemFile blank(files);
  CountingSink sink;
  QUORVANE_FUZZ_CHECK(file.Read(kInputPath, sink) == -1);
  QUORVANE_FUZZ_CHECK(sink.texts.size() == 1);
  QUORVANE_FUZZ_CHECK(sink.texts[0] ==
                      std::string(kInputPath) +
                          std::string(read_messages::kUnrecognisedFileSuffix.cp932));
  QUORVANE_FUZZ_CHECK(file.EntryCount() == 0);
  QUORVANE_FUZZ_CHECK(file.Image() == blank.Image());
}

void CheckRecords(const MemFile& file, const PointTable& table) {
  for (int i = 0; i < PointTable::kWrittenCapacity; ++i) {
    const PointRecord& record = table.Record(i);
    if (i >= file.EntryCount()) {
      QUORVANE_FUZZ_CHECK(record.slot == -1);
      continue;
    }
    QUORVANE_FUZZ_CHECK(record.slot == i);
    const std::string_view name(record.name, strnlen(record.name, sizeof record.name));
    const std::string_view extra(record.extra_text,
                                 strnlen(record.extra_text, sizeof record.extra_text));
    QUORVANE_FUZZ_CHECK(name.size() <= PointTable::kTextLimit);
    QUORVANE_FUZZ_CHECK(extra.size() <= PointTable::kTextLimit);
    QUORVANE_FUZZ_CHECK(CharacterBoundaryPrefix(name, name.size()) == name.size());
    QUORVANE_FUZZ_CHECK(name == file.NameText(i));
    QUORVANE_FUZZ_CHECK(extra == file.ExtraText(i));
    QUORVANE_FUZZ_CHECK(std::string_view(record.longitude) == file.LongitudeDms(i));
    QUORVANE_FUZZ_CHECK(std::string_view(record.latitude) == file.LatitudeDms(i));
    QUORVANE_FUZZ_CHECK(std::string_view(record.digits) == file.DigitText(i));
  }
}

}  // namespace
}  // namespace quorvane::fuzzing

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quorvane;
  using namespace quorvane::fuzzing;
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  if (size != MemFile::kFileSize) CheckWrongLength(input);

  // Any input becomes a whole image: cut, or padded with zeros.
  std::string image(input.substr(0, MemFile::kFileSize));
  image.resize(MemFile::kFileSize, '\0');
  MemoryFileSystem files;
  files.Put(kInputPath, image);

  MemFile file(files);
  CountingSink sink;
  QUORVANE_FUZZ_CHECK(file.Read(kInputPath, sink) == 0);
  QUORVANE_FUZZ_CHECK(sink.texts.empty());
  QUORVANE_FUZZ_CHECK(std::memcmp(file.Image().data(), image.data(), image.size()) == 0);
  const int count = file.EntryCount();
  QUORVANE_FUZZ_CHECK(count >= 0 && count <= MemFile::kEntryCapacity);
  for (int i = 0; i < count; ++i) QUORVANE_FUZZ_CHECK(file.IsPresent(i));
  QUORVANE_FUZZ_CHECK(count == MemFile::kEntryCapacity || !file.IsPresent(count));
  for (int i = 0; i < MemFile::kEntryCapacity; ++i) CheckEntry(file, i);

  // The header is never interpreted, so it can choose the icon and the sound.
  const int icon = 1 + static_cast<unsigned char>(image[0]) % 31;
  const int voice_row = static_cast<unsigned char>(image[1]) % kVoiceRows;
  // One table for the whole run, as the dialog keeps one for its life: a fresh 1.4 MB table per
  // input would cost more than the conversion. The run clears it each time.
  static const FixedClock clock;
  static MemoryFileSystem output_files;
  static PointTable table(output_files, clock);
  output_files.Put(kOutputPath, "");  // so that a file left by the last input cannot pass
  ConversionRun run(file, table, sink);
  QUORVANE_FUZZ_CHECK(run.Run(kInputPath, kOutputPath, "mem", "pmf", icon, voice_row, 200) ==
                      ConversionStatus::Done);
  QUORVANE_FUZZ_CHECK(sink.texts.size() == 1);
  CheckRecords(file, table);
  const std::string* written = output_files.Find(kOutputPath);
  QUORVANE_FUZZ_CHECK(written != nullptr);
  const std::string header = std::string(kPointFileHeader.cp932) + "\r\n";
  QUORVANE_FUZZ_CHECK(written->starts_with(header));
  QUORVANE_FUZZ_CHECK(written->ends_with("\r\n"));
  QUORVANE_FUZZ_CHECK((count == 0) == (written->size() == header.size()));
  return 0;
}
