#include "memfile/mem_file.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "loaded_image.h"
#include "support/cp932_literal.h"
#include "support/mem_image_builder.h"
#include "support/recording_message_sink.h"
#include "support/scripted_file_system.h"
#include "support/temp_folder.h"

namespace quorvane {
namespace {

using testing::ImageBytes;
using testing::LoadImage;
using testing::MemImageBuilder;
using testing::RecordingMessageSink;
using testing::TempFolder;

// What every entry of a cleared image holds, written out by offset.
std::array<std::uint8_t, 108> BlankEntry() {
  std::array<std::uint8_t, 108> entry{};
  entry[7] = 0x0C;
  for (int k = 70; k <= 78; ++k) entry[k] = 0xFF;
  entry[79] = 0x1F;
  entry[80] = 0x00;
  entry[81] = 0x10;
  for (int k = 82; k <= 88; ++k) entry[k] = 0xFF;
  return entry;
}

void ExpectBlank(const MemFile& mem) {
  const std::vector<std::uint8_t> image = ImageBytes(mem);
  ASSERT_EQ(image.size(), 10'804u);
  EXPECT_EQ(std::vector<std::uint8_t>(image.begin(), image.begin() + 4),
            std::vector<std::uint8_t>(4, 0));
  const std::array<std::uint8_t, 108> blank = BlankEntry();
  for (int i = 0; i < 100; ++i) {
    SCOPED_TRACE(i);
    const auto first = image.begin() + 4 + 108 * i;
    EXPECT_TRUE(std::equal(blank.begin(), blank.end(), first));
    EXPECT_FALSE(mem.IsPresent(i));
    EXPECT_EQ(mem.NameText(i), "");
    EXPECT_EQ(mem.ExtraText(i), "");
    EXPECT_EQ(mem.DigitText(i), "");
    EXPECT_EQ(mem.LongitudeUnits(i), 0u);
    EXPECT_EQ(mem.LatitudeUnits(i), 0u);
  }
  EXPECT_EQ(mem.EntryCount(), 0);
  EXPECT_EQ(mem.CountPresent(), 0);
}

TEST(MemFileState, StartsWithTheBlankEntryPattern) {
  const MemFile mem;
  ExpectBlank(mem);
}

TEST(MemFileState, ClearForgetsALoadedFile) {
  TempFolder folder;
  MemFile mem;
  MemImageBuilder image;
  image.Present(0).Present(1).Name(0, "NAME").Byte(0, 0x55);
  LoadImage(mem, image, folder);
  ASSERT_EQ(mem.EntryCount(), 2);

  mem.Clear();
  ExpectBlank(mem);
}

TEST(MemFileRead, CopiesTheFileByteForByte) {
  TempFolder folder;
  MemImageBuilder image;
  for (std::size_t offset = 0; offset < MemImageBuilder::kFileSize; ++offset) {
    image.Byte(offset, static_cast<std::uint8_t>(offset * 7 + 3));
  }
  MemFile mem;
  LoadImage(mem, image, folder);
  EXPECT_EQ(ImageBytes(mem), image.Bytes());
}

struct CountCase {
  const char* label;
  std::vector<std::pair<int, std::uint8_t>> presence;  // entry, present byte
  int count;
};

TEST(MemFileRead, CountsLeadingPresentEntries) {
  std::vector<std::pair<int, std::uint8_t>> all_present;
  std::vector<std::pair<int, std::uint8_t>> all_but_first;
  std::vector<std::pair<int, std::uint8_t>> all_but_last;
  for (int i = 0; i < 100; ++i) {
    all_present.emplace_back(i, 1);
    if (i != 0) all_but_first.emplace_back(i, 1);
    if (i != 99) all_but_last.emplace_back(i, 1);
  }
  const CountCase cases[] = {
      {"none", {}, 0},
      {"gap after two", {{0, 1}, {1, 1}, {3, 1}}, 2},
      {"any non-zero byte", {{0, 0x01}, {1, 0x80}, {2, 0xFF}}, 3},
      {"entry 0 empty", all_but_first, 0},
      {"all but the last", all_but_last, 99},
      {"all", all_present, 100},
  };
  for (const CountCase& c : cases) {
    SCOPED_TRACE(c.label);
    TempFolder folder;
    MemImageBuilder image;
    for (const auto& [entry, value] : c.presence) image.Present(entry, value);
    MemFile mem;
    LoadImage(mem, image, folder);
    EXPECT_EQ(mem.EntryCount(), c.count);
    EXPECT_EQ(mem.CountPresent(), c.count);
    for (const auto& [entry, value] : c.presence) EXPECT_TRUE(mem.IsPresent(entry)) << entry;
  }
}

TEST(MemFileRead, FileOfOnlyFfBytesHasAHundredEntries) {
  TempFolder folder;
  testing::WriteAllBytes(folder / "ff.mem", std::string(10'804, '\xFF'));
  MemFile mem;
  RecordingMessageSink sink;
  ASSERT_EQ(mem.Read((folder / "ff.mem").string(), sink), 0);
  EXPECT_EQ(mem.EntryCount(), 100);
  EXPECT_TRUE(sink.messages.empty());
}

TEST(MemFileRead, EmptyFirstEntryGivesNoEntriesAfterAnEarlierFile) {
  TempFolder folder;
  MemFile mem;
  LoadImage(mem, MemImageBuilder().Present(0).Present(1).Present(2), folder, "first.mem");
  ASSERT_EQ(mem.EntryCount(), 3);

  MemImageBuilder second;
  for (int i = 1; i < 100; ++i) second.Present(i);
  LoadImage(mem, second, folder, "second.mem");
  EXPECT_EQ(mem.EntryCount(), 0);
  EXPECT_EQ(ImageBytes(mem), second.Bytes());
}

TEST(MemFileRead, HeaderBytesDoNotMatter) {
  TempFolder folder;
  for (const std::uint8_t header : {0x00, 0x01, 0x80, 0xFF}) {
    SCOPED_TRACE(static_cast<int>(header));
    MemImageBuilder image;
    image.Present(0).Present(1).Longitude(0, {0x1E, 0xB5, 0x68, 0x80});
    for (std::size_t k = 0; k < 4; ++k) image.Byte(k, header);
    MemFile mem;
    LoadImage(mem, image, folder);
    EXPECT_EQ(mem.EntryCount(), 2);
    EXPECT_EQ(mem.LongitudeDms(0), "139.45.30.500");
  }
}

// The extension test folds a to z; the names reach the file system unchanged.
TEST(MemFileRead, AcceptsTheExtensionInAnyCase) {
  TempFolder folder;
  for (const char* name : {"route.mem", "ROUTE.MEM", "Route.Mem"}) {
    SCOPED_TRACE(name);
    MemFile mem;
    LoadImage(mem, MemImageBuilder().Present(0), folder, name);
    EXPECT_EQ(mem.EntryCount(), 1);
  }
}

// 表 and ソ end in byte 0x5C; the path is handed over in CP932 and found on disk in UTF-8.
TEST(MemFileRead, ReadsFromFolderWhoseNameEndsIn5C) {
  TempFolder folder;
  const std::filesystem::path on_disk = folder / "表" / "ソ.mem";
  std::filesystem::create_directory(on_disk.parent_path());
  MemImageBuilder().Present(0).Present(1).WriteTo(on_disk);

  MemFile mem;
  RecordingMessageSink sink;
  ASSERT_EQ(mem.Read(testing::Sjis(on_disk.string()), sink), 0);
  EXPECT_EQ(mem.EntryCount(), 2);
  EXPECT_TRUE(sink.messages.empty());
}

// Every byte has arrived when the close reports an error, so the read stands.
TEST(MemFileRead, CloseErrorAfterACompleteReadKeepsTheFile) {
  TempFolder folder;
  testing::ScriptedFileSystem files;
  files.fail_reader_close = true;
  const MemImageBuilder image = MemImageBuilder().Present(0).Name(0, "ABC");
  const std::string path = image.WriteTo(folder / "points.mem").string();

  MemFile mem(files);
  RecordingMessageSink sink;
  EXPECT_EQ(mem.Read(path, sink), 0);
  EXPECT_TRUE(sink.messages.empty());
  EXPECT_EQ(mem.EntryCount(), 1);
  EXPECT_EQ(ImageBytes(mem), image.Bytes());
}

}  // namespace
}  // namespace quorvane
