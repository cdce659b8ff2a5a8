#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "pointfile/point_table.h"
#include "support/fixed_clock.h"
#include "support/recording_message_sink.h"
#include "support/temp_folder.h"
#include "support/worked_example.h"

namespace quorvane {
namespace {

using testing::FixedClock;
using testing::JanuaryFifthClock;
using testing::ReadAllBytes;
using testing::RecordingMessageSink;
using testing::TempFolder;

const std::string kHeaderLine("\x93\x6f\x98\x5e\x83\x7c\x83\x43\x83\x93\x83\x67\r\n");
const std::string kTokyoTower("\x93\x8c\x8b\x9e\x83\x5e\x83\x8f\x81\x5b");  // 東京タワー
const std::string kTokyoKana("\xc4\xb3\xb7\xae\xb3");                       // ﾄｳｷｮｳ

std::string AsString(const std::vector<unsigned char>& bytes) {
  return std::string(bytes.begin(), bytes.end());
}

// The groups of one point line, each "#" text TAB, then the checksum group and CR LF.
std::string PointLine(const std::vector<std::string>& groups, std::string_view checksum) {
  std::string line;
  for (const std::string& group : groups) line += "#" + group + "\t";
  return line + "#" + std::string(checksum) + "\r\n";
}

class PointFileWriterTest : public ::testing::Test {
 protected:
  // Writes the table to a fresh file and returns its bytes; the write must succeed silently.
  std::string WriteAndRead(const PointTable& table) {
    const std::string path = (folder_ / "out.pmf").string();
    RecordingMessageSink sink;
    EXPECT_EQ(table.Write(path, sink), 0);
    EXPECT_TRUE(sink.messages.empty());
    return AsString(ReadAllBytes(path));
  }

  // A record with the defaults and the given name and coordinates.
  void AddPoint(int i, std::string_view name, std::string_view longitude,
                std::string_view latitude) {
    table_.InitRecord(i);
    table_.SetSlot(i);
    table_.SetName(name, i);
    table_.SetLongitude(longitude, i);
    table_.SetLatitude(latitude, i);
  }

  TempFolder folder_;
  FixedClock clock_ = JanuaryFifthClock();
  PointTable table_{SystemFileSystem(), clock_};
};

TEST_F(PointFileWriterTest, WorkedExampleIsReproducedByteForByte) {
  table_.Clear();
  table_.InitRecord(0);
  table_.SetSlot(0);
  table_.SetIcon("05", 0);
  table_.SetName(kTokyoTower, 0);
  table_.SetLongitude("139.41.30.254", 0);
  table_.SetLatitude(" 35.39.29.125", 0);
  table_.SetExtraText(kTokyoKana, 0);
  table_.SetVoiceCode("00DC", 0);
  table_.SetVoiceFlag("01", 0);
  table_.SetVoiceParam("0300", 0);
  table_.SetDigits("0123456789", 0);

  ASSERT_EQ(testing::kTokyoTowerPointFile.size(), 162u);

  const std::string written = WriteAndRead(table_);
  EXPECT_EQ(written, AsString(testing::kTokyoTowerPointFile));
  // Writing again from the same records gives the same bytes.
  EXPECT_EQ(WriteAndRead(table_), written);
}

TEST_F(PointFileWriterTest, EmptyTableGivesTheHeaderLineOnly) {
  EXPECT_EQ(WriteAndRead(table_), kHeaderLine);
  ASSERT_EQ(kHeaderLine.size(), 14u);
}

TEST_F(PointFileWriterTest, RecordsAreWrittenInSlotOrderUpToSlot199) {
  AddPoint(3, "C", "3.0.0.0", "0.0.0.0");
  AddPoint(1, "A", "1.0.0.0", "0.0.0.0");
  AddPoint(150, "B", "150.0.0.0", "0.0.0.0");
  AddPoint(199, "D", "199.0.0.0", "0.0.0.0");
  // Slots from 200 on are never written, whatever their marker says.
  AddPoint(200, "E", "200.0.0.0", "0.0.0.0");
  AddPoint(1999, "F", "1.0.0.0", "0.0.0.0");

  const std::string written = WriteAndRead(table_);
  std::vector<std::string> names;
  for (std::size_t at = written.find("\r\n") + 2; at < written.size();) {
    const std::size_t end = written.find("\r\n", at);
    ASSERT_NE(end, std::string::npos);
    const std::string line = written.substr(at, end - at);
    // Group 13 is the name: the 13th "#" starts it.
    std::size_t hash = std::string::npos;
    for (int group = 0; group < 13; ++group) hash = line.find('#', hash + 1);
    names.push_back(line.substr(hash + 1, line.find('\t', hash) - hash - 1));
    at = end + 2;
  }
  EXPECT_EQ(names, (std::vector<std::string>{"A", "C", "B", "D"}));
}

TEST_F(PointFileWriterTest, DefaultRecordWritesEmptyFieldsAsHashTab) {
  table_.InitRecord(0);
  const std::string expected =
      kHeaderLine + PointLine({"00",   "00",   "00",   "00000000",       "00000000", "0800",
                               "0800", "0800", "0800", "FFFF",           "00",       "00",
                               "",     "00",   "00",   "0000",           "",         "",
                               "",     "",     "",     "20240105093005", "01",       ""},
                              "00");
  EXPECT_EQ(WriteAndRead(table_), expected);
}

TEST_F(PointFileWriterTest, TextsAreWrittenAsStored) {
  table_.InitRecord(0);
  table_.SetName("a\tb#c", 0);
  table_.SetDigits("12\r34", 0);
  const std::string written = WriteAndRead(table_);
  EXPECT_NE(written.find("#05\t#a\tb#c\t"), std::string::npos);
  EXPECT_NE(written.find("#01\t#12\r34\t#00\r\n"), std::string::npos);
}

TEST_F(PointFileWriterTest, NameLengthCountsCharacters) {
  struct Case {
    const char* label;
    std::string name;
    std::string length;
  };
  const Case cases[] = {
      {"empty", "", "00"},
      {"five double-byte characters", kTokyoTower, "05"},
      {"five half-width katakana", kTokyoKana, "05"},
      {"mixed", "A" + kTokyoKana + kTokyoTower, "11"},
      {"twenty single bytes", std::string(20, 'N'), "20"},
      {"ten double-byte characters", kTokyoTower + kTokyoTower, "10"},
      // A lead byte followed by the NUL is no character.
      {"lone lead byte at the end", "AB\x93", "02"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    table_.Clear();
    table_.InitRecord(0);
    table_.SetName(c.name, 0);
    ASSERT_EQ(std::string(table_.Record(0).name), c.name);
    const std::string written = WriteAndRead(table_);
    EXPECT_NE(written.find("#FFFF\t#00\t#" + c.length + "\t#" + c.name + "\t"), std::string::npos);
  }
}

TEST_F(PointFileWriterTest, DateAndTimeLoseSlashesAndColons) {
  table_.InitRecord(0);
  // The setters cannot reach date and time; a writer given such texts still joins them cleanly.
  PointRecord& record = const_cast<PointRecord&>(table_.Record(0));
  std::snprintf(record.date, sizeof record.date, "%s", "2024/01/05");
  std::snprintf(record.time, sizeof record.time, "%s", "09:30:05");
  EXPECT_NE(WriteAndRead(table_).find("\t#20240105093005\t"), std::string::npos);
}

TEST_F(PointFileWriterTest, NegativeChecksumKeepsTwoCharacters) {
  AddPoint(0, "N", "56.0.0.0", "-300.0.0.0");
  const std::string written = WriteAndRead(table_);
  ASSERT_GE(written.size(), 6u);
  EXPECT_EQ(written.substr(written.size() - 6), "\t#FF\r\n");
}

TEST_F(PointFileWriterTest, NewFileGetsThePermissionsOfAPlainCreate) {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  WriteAndRead(table_);
  const auto permissions = std::filesystem::status(folder_ / "out.pmf").permissions();
  EXPECT_EQ(static_cast<mode_t>(permissions) & 0777, 0666 & ~mask);
}

}  // namespace
}  // namespace quorvane
