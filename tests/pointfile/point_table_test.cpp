#include "pointfile/point_table.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "support/fixed_clock.h"

namespace quorvane {
namespace {

using testing::FixedClock;
using testing::JanuaryFifthClock;

std::string_view Text(const char* field) {
  return field;
}

// Every text of a record, by name, for checks over all fields at once.
std::vector<std::pair<std::string, std::string_view>> AllTexts(const PointRecord& r) {
  return {{"icon", r.icon},
          {"name", r.name},
          {"longitude", r.longitude},
          {"latitude", r.latitude},
          {"extra_text", r.extra_text},
          {"voice_code", r.voice_code},
          {"voice_flag", r.voice_flag},
          {"aux_code", r.aux_code},
          {"voice_param", r.voice_param},
          {"spare_text1", r.spare_text1},
          {"spare_text2", r.spare_text2},
          {"digits", r.digits},
          {"date", r.date},
          {"spare_text3", r.spare_text3},
          {"spare_text4", r.spare_text4},
          {"time", r.time},
          {"kind_code", r.kind_code},
          {"tail_code", r.tail_code}};
}

void ExpectAllCleared(const PointTable& table) {
  for (int i = 0; i < PointTable::kSlotCount; ++i) {
    const PointRecord& record = table.Record(i);
    ASSERT_EQ(record.slot, -1) << "record " << i;
    ASSERT_EQ(record.aux_flag, 0) << "record " << i;
    for (const auto& [field, text] : AllTexts(record)) {
      ASSERT_TRUE(text.empty()) << "record " << i << " " << field;
    }
  }
}

TEST(PointTableTest, ConstructionAndClearLeaveEveryRecordUnused) {
  const FixedClock clock = JanuaryFifthClock();
  PointTable table(SystemFileSystem(), clock);
  ExpectAllCleared(table);

  for (int i : {0, 199, 200, 1999}) {
    table.InitRecord(i);
    table.SetName("X", i);
    table.SetDigits("123", i);
  }
  table.Clear();
  ExpectAllCleared(table);
}

TEST(PointTableTest, InitRecordGivesDefaultsAndTimeStamp) {
  const FixedClock clock = JanuaryFifthClock();
  PointTable table(SystemFileSystem(), clock);
  table.InitRecord(7);
  const PointRecord& r = table.Record(7);

  EXPECT_EQ(r.slot, 7);
  EXPECT_EQ(r.aux_flag, 0);
  const std::vector<std::pair<std::string, std::string_view>> expected = {
      {"icon", "00"},          {"name", ""},           {"longitude", ""},    {"latitude", ""},
      {"extra_text", ""},      {"voice_code", "FFFF"}, {"voice_flag", "00"}, {"aux_code", "00"},
      {"voice_param", "0000"}, {"spare_text1", ""},    {"spare_text2", ""},  {"digits", ""},
      {"date", "20240105"},    {"spare_text3", ""},    {"spare_text4", ""},  {"time", "093005"},
      {"kind_code", "01"},     {"tail_code", "12"}};
  EXPECT_EQ(AllTexts(r), expected);
  EXPECT_EQ(table.Record(6).slot, -1);
  EXPECT_EQ(table.Record(8).slot, -1);
}

TEST(PointTableTest, InitRecordKeepsTheTextsItDoesNotOwn) {
  const FixedClock clock = JanuaryFifthClock();
  PointTable table(SystemFileSystem(), clock);
  table.InitRecord(3);
  table.SetName("Tower", 3);
  table.SetLongitude("139.41.30.254", 3);
  table.SetLatitude(" 35.39.29.125", 3);
  table.SetExtraText("extra", 3);
  table.SetDigits("0123456789", 3);
  table.SetIcon("05", 3);
  table.SetVoiceCode("00DC", 3);
  table.SetVoiceFlag("01", 3);
  table.SetVoiceParam("0300", 3);

  table.InitRecord(3);
  const PointRecord& r = table.Record(3);
  EXPECT_EQ(Text(r.name), "Tower");
  EXPECT_EQ(Text(r.longitude), "139.41.30.254");
  EXPECT_EQ(Text(r.latitude), " 35.39.29.125");
  EXPECT_EQ(Text(r.extra_text), "extra");
  EXPECT_EQ(Text(r.digits), "0123456789");
  // The defaults come back over what the setters stored.
  EXPECT_EQ(Text(r.icon), "00");
  EXPECT_EQ(Text(r.voice_code), "FFFF");
  EXPECT_EQ(Text(r.voice_flag), "00");
  EXPECT_EQ(Text(r.voice_param), "0000");
}

TEST(PointTableTest, EachInitRecordTakesItsOwnReading) {
  FixedClock first({2024, 1, 5, 9, 30, 5});
  PointTable table(SystemFileSystem(), first);
  table.InitRecord(0);
  EXPECT_EQ(Text(table.Record(0).time), "093005");
  first = FixedClock({2024, 12, 31, 23, 59, 59});
  table.InitRecord(1);
  EXPECT_EQ(Text(table.Record(1).date), "20241231");
  EXPECT_EQ(Text(table.Record(1).time), "235959");
  EXPECT_EQ(Text(table.Record(0).time), "093005");
}

TEST(PointTableTest, SetSlotMarksTheRecordUsed) {
  PointTable table;
  table.SetSlot(1999);
  EXPECT_EQ(table.Record(1999).slot, 1999);
  EXPECT_EQ(table.Record(1998).slot, -1);
}

TEST(MakeTimeStampTest, FormatsDateAndTimeWithLeadingZeros) {
  struct Case {
    LocalTime time;
    std::string_view date;
    std::string_view clock_time;
  };
  const Case cases[] = {
      {{2024, 1, 5, 9, 30, 5}, "20240105", "093005"},
      {{1999, 12, 31, 23, 59, 59}, "19991231", "235959"},
      {{2000, 2, 29, 0, 0, 0}, "20000229", "000000"},
  };
  for (const Case& c : cases) {
    const TimeStamp stamp = MakeTimeStamp(FixedClock(c.time));
    EXPECT_EQ(stamp.date, c.date);
    EXPECT_EQ(stamp.time, c.clock_time);
  }
}

TEST(MakeTimeStampTest, SystemClockGivesDigitsOnly) {
  const TimeStamp stamp = MakeTimeStamp(SystemClock());
  ASSERT_EQ(stamp.date.size(), 8u);
  ASSERT_EQ(stamp.time.size(), 6u);
  EXPECT_EQ(stamp.date.find_first_not_of("0123456789"), std::string::npos);
  EXPECT_EQ(stamp.time.find_first_not_of("0123456789"), std::string::npos);
}

TEST(PointTableTest, SetVoiceCodeIsUndoneByInitRecord) {
  PointTable table;
  table.InitRecord(4);
  table.SetVoiceCode("00DC", 4);
  EXPECT_EQ(Text(table.Record(4).voice_code), "00DC");
  table.InitRecord(4);
  EXPECT_EQ(Text(table.Record(4).voice_code), "FFFF");
}

// A whole-copy setter given a text longer than its field stores what fits, cut at a character
// boundary, and never writes past the field.
TEST(PointTableTest, OversizedWholeCopyIsCutAtACharacterBoundary) {
  PointTable table;
  table.InitRecord(0);
  const PointRecord before = table.Record(0);

  // icon holds 15 bytes: seven double-byte characters fit, the eighth would end at byte 16.
  const std::string kanji8 = std::string("\x93\x8c", 2) + std::string(14, '\x82');
  table.SetIcon(kanji8, 0);
  EXPECT_EQ(Text(table.Record(0).icon), kanji8.substr(0, 14));

  // digits holds 21 bytes; a 21-byte text fits exactly, a longer one is cut to 21.
  table.SetDigits(std::string(21, '7'), 0);
  EXPECT_EQ(Text(table.Record(0).digits), std::string(21, '7'));
  table.SetDigits(std::string(40, '8'), 0);
  EXPECT_EQ(Text(table.Record(0).digits), std::string(21, '8'));
  table.SetVoiceFlag(std::string(30, '1'), 0);
  EXPECT_EQ(Text(table.Record(0).voice_flag), std::string(9, '1'));

  // The neighbours of the cut fields are untouched.
  const PointRecord& after = table.Record(0);
  EXPECT_EQ(std::memcmp(after.name, before.name, sizeof after.name), 0);
  EXPECT_EQ(std::memcmp(after.date, before.date, sizeof after.date), 0);
  EXPECT_EQ(after.aux_flag, before.aux_flag);
  EXPECT_EQ(std::memcmp(after.aux_code, before.aux_code, sizeof after.aux_code), 0);
}

TEST(PointTableTest, IndexOutsideTheTableIsIgnored) {
  const FixedClock clock = JanuaryFifthClock();
  PointTable table(SystemFileSystem(), clock);
  for (int i : {-1, -2000, PointTable::kSlotCount, 1'000'000}) {
    table.InitRecord(i);
    table.SetSlot(i);
    table.SetIcon("05", i);
    table.SetName("name", i);
    table.SetLongitude("139.41.30.254", i);
    table.SetLatitude(" 35.39.29.125", i);
    table.SetExtraText("extra", i);
    table.SetVoiceCode("00DC", i);
    table.SetVoiceFlag("01", i);
    table.SetVoiceParam("0300", i);
    table.SetDigits("0123456789", i);
  }
  ExpectAllCleared(table);
}

}  // namespace
}  // namespace quorvane
