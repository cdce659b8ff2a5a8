#include "conversion/point_building.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "memfile/mem_file.h"
#include "pointfile/point_table.h"
#include "support/cp932_literal.h"
#include "support/fixed_clock.h"
#include "support/mem_image_builder.h"
#include "support/recording_message_sink.h"
#include "support/temp_folder.h"
#include "support/worked_example.h"

namespace quorvane {
namespace {

using testing::MemImageBuilder;

std::string_view Text(const char* field) {
  return field;
}

// Entries 0 to count - 1 present, each with a name that tells it apart.
MemImageBuilder PresentEntries(int count) {
  MemImageBuilder image;
  for (int i = 0; i < count; ++i) image.Present(i).Name(i, "P" + std::to_string(i));
  return image;
}

class PointBuildingTest : public ::testing::Test {
 protected:
  // Loads the image through the reader and builds into a cleared table, as a run does.
  void Build(const MemImageBuilder& image, int icon_number, int voice_row, int max_points = 200) {
    const auto path = image.WriteTo(folder_ / "points.mem");
    ASSERT_EQ(0, mem_file_.Read(path.string(), sink_));
    table_.Clear();
    BuildPoints(mem_file_, table_, icon_number, voice_row, max_points);
  }

  int UsedRecords() const {
    int used = 0;
    for (int i = 0; i < PointTable::kSlotCount; ++i) used += table_.Record(i).slot != -1 ? 1 : 0;
    return used;
  }

  testing::TempFolder folder_;
  testing::RecordingMessageSink sink_;
  MemFile mem_file_;
  testing::FixedClock clock_ = testing::JanuaryFifthClock();
  PointTable table_{SystemFileSystem(), clock_};
};

TEST_F(PointBuildingTest, CopiesEachEntryIntoTheRecordOfTheSameIndex) {
  MemImageBuilder image = testing::TokyoTowerImage();
  image.Present(1)
      .Name(1, "Second")
      .ExtraText(1, "x")
      .Digits(1, {0x12, 0x3F, 0xFF, 0xFF, 0xFF})
      .Longitude(1, {0x15, 0xF9, 0x00, 0x10});
  Build(image, 5, 3);

  ASSERT_EQ(2, UsedRecords());
  const PointRecord& first = table_.Record(0);
  EXPECT_EQ(0, first.slot);
  EXPECT_EQ(testing::Sjis("東京タワー"), Text(first.name));
  EXPECT_EQ(testing::Sjis("ﾄｳｷｮｳ"), Text(first.extra_text));
  EXPECT_EQ("0123456789", Text(first.digits));
  EXPECT_EQ("139.41.30.254", Text(first.longitude));
  EXPECT_EQ(" 35.39.29.125", Text(first.latitude));

  const PointRecord& second = table_.Record(1);
  EXPECT_EQ(1, second.slot);
  EXPECT_EQ("Second", Text(second.name));
  EXPECT_EQ("x", Text(second.extra_text));
  EXPECT_EQ("123", Text(second.digits));
  EXPECT_EQ("100.00.00.063", Text(second.longitude));
  EXPECT_EQ(" 00.00.00.000", Text(second.latitude));

  // What the building does not set keeps the record's defaults and time stamp.
  for (const PointRecord* record : {&first, &second}) {
    EXPECT_EQ(0, record->aux_flag);
    EXPECT_EQ("00", Text(record->aux_code));
    EXPECT_EQ("01", Text(record->kind_code));
    EXPECT_EQ("12", Text(record->tail_code));
    EXPECT_EQ("", Text(record->spare_text1));
    EXPECT_EQ("", Text(record->spare_text2));
    EXPECT_EQ("", Text(record->spare_text3));
    EXPECT_EQ("", Text(record->spare_text4));
    EXPECT_EQ("20240105", Text(record->date));
    EXPECT_EQ("093005", Text(record->time));
  }
  EXPECT_TRUE(sink_.messages.empty());
}

TEST_F(PointBuildingTest, VoiceRowGivesEveryRecordTheSameSound) {
  struct Case {
    int voice_row;
    std::string_view code, flag, param;
  };
  const Case cases[] = {
      {0, "FFFF", "00", "0000"},   // 設定なし: no sound, the parameter keeps its default
      {3, "00DC", "01", "0300"},   // 路面注意
      {31, "0004", "01", "0300"},  // ベル音
      {64, "00C4", "01", "0300"},  // マンボ, the last row
      // Rows outside the table are taken as no sound rather than read past its end.
      {-1, "FFFF", "00", "0000"},
      {65, "FFFF", "00", "0000"},
      {1'000'000, "FFFF", "00", "0000"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "voice row " << c.voice_row);
    Build(PresentEntries(3), 5, c.voice_row);
    ASSERT_EQ(3, UsedRecords());
    for (int i = 0; i < 3; ++i) {
      const PointRecord& record = table_.Record(i);
      EXPECT_EQ(c.code, Text(record.voice_code)) << "record " << i;
      EXPECT_EQ(c.flag, Text(record.voice_flag)) << "record " << i;
      EXPECT_EQ(c.param, Text(record.voice_param)) << "record " << i;
    }
  }
}

TEST_F(PointBuildingTest, IconNumberIsWrittenWithAtLeastTwoDigits) {
  struct Case {
    int icon_number;
    std::string_view text;
  };
  const Case cases[] = {{1, "01"}, {9, "09"}, {10, "10"}, {31, "31"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "icon " << c.icon_number);
    Build(PresentEntries(2), c.icon_number, 0);
    EXPECT_EQ(c.text, Text(table_.Record(0).icon));
    EXPECT_EQ(c.text, Text(table_.Record(1).icon));
  }
}

TEST_F(PointBuildingTest, NoCountedEntryLeavesTheTableCleared) {
  // Entry 1 is present, but the count stops at the empty entry 0.
  MemImageBuilder image;
  image.Present(1).Name(1, "Ignored");
  Build(image, 5, 3);
  EXPECT_EQ(0, mem_file_.EntryCount());
  EXPECT_EQ(0, UsedRecords());
}

TEST_F(PointBuildingTest, AllHundredEntriesFillRecordsZeroToNinetyNine) {
  Build(PresentEntries(100), 5, 3);
  for (int i = 0; i < 100; ++i) {
    ASSERT_EQ(i, table_.Record(i).slot) << "record " << i;
    ASSERT_EQ("P" + std::to_string(i), Text(table_.Record(i).name)) << "record " << i;
  }
  for (int i = 100; i < PointTable::kSlotCount; ++i) {
    ASSERT_EQ(-1, table_.Record(i).slot) << "record " << i;
  }
}

TEST_F(PointBuildingTest, MaximumPointCountLimitsTheRecords) {
  struct Case {
    int max_points;
    int used;
  };
  const Case cases[] = {{200, 5}, {5, 5}, {3, 3}, {1, 1}, {0, 0}, {-1, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "maximum " << c.max_points);
    Build(PresentEntries(5), 5, 3, c.max_points);
    EXPECT_EQ(c.used, UsedRecords());
    for (int i = 0; i < c.used; ++i) EXPECT_EQ(i, table_.Record(i).slot);
  }
}

}  // namespace
}  // namespace quorvane
