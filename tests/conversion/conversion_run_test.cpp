#include "conversion/conversion_run.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "memfile/mem_file.h"
#include "pointfile/point_table.h"
#include "support/cp932_literal.h"
#include "support/fixed_clock.h"
#include "support/mem_image_builder.h"
#include "support/recording_message_sink.h"
#include "support/scripted_file_system.h"
#include "support/temp_folder.h"
#include "support/worked_example.h"

namespace quorvane {
namespace {

using testing::MemImageBuilder;
using testing::ShownMessage;

constexpr int kRoadSurfaceRow = 3;  // 路面注意

ShownMessage ReaderOrWriterMessage(std::string_view utf8) {
  return {testing::Sjis(utf8), std::nullopt, MessageIcon::Exclamation};
}

ShownMessage ReadFailedMessage(std::string_view input_path) {
  return {testing::Sjis("ファイル ") + std::string(input_path) +
              testing::Sjis(" の読み込みに失敗しました"),
          "ERROR", MessageIcon::None};
}

ShownMessage CompletionMessage() {
  return {testing::Sjis("変換が終了しました。\nOKボタンを押して下さい。"), testing::Sjis("終了"),
          MessageIcon::None};
}

// "登録ポイント" and CR LF: the file of a conversion without points.
const std::vector<unsigned char> kHeaderOnlyPointFile = {
    0x93, 0x6F, 0x98, 0x5E, 0x83, 0x7C, 0x83, 0x43, 0x83, 0x93, 0x83, 0x67, 0x0D, 0x0A,
};

class ConversionRunTest : public ::testing::Test {
 protected:
  ConversionStatus Run(std::string_view input, std::string_view output, int icon_number = 5,
                       int voice_row = kRoadSurfaceRow) {
    return ConversionRun(mem_file_, table_, sink_)
        .Run(input, output, "mem", "pmf", icon_number, voice_row, 200);
  }

  std::string PathOf(std::string_view name) const { return (folder_ / name).string(); }

  // A record in use before the run, to tell whether the run touched the table.
  void MarkRecordZero() {
    table_.InitRecord(0);
    table_.SetSlot(0);
    table_.SetName("Earlier", 0);
  }
  bool RecordZeroUntouched() const {
    return table_.Record(0).slot == 0 && std::string_view(table_.Record(0).name) == "Earlier";
  }

  testing::TempFolder folder_;
  testing::ScriptedFileSystem files_;
  testing::RecordingMessageSink sink_;
  testing::FixedClock clock_ = testing::JanuaryFifthClock();
  MemFile mem_file_{files_};
  PointTable table_{files_, clock_};
};

TEST_F(ConversionRunTest, WorkedExampleGivesTheExactPointFile) {
  const std::string input = testing::TokyoTowerImage().WriteTo(PathOf("route.mem")).string();
  const std::string output = PathOf("route.pmf");

  EXPECT_EQ(ConversionStatus::Done, Run(input, output, 5, kRoadSurfaceRow));

  EXPECT_EQ(testing::kTokyoTowerPointFile, testing::ReadAllBytes(output));
  EXPECT_EQ(std::vector<ShownMessage>{CompletionMessage()}, sink_.messages);
}

TEST_F(ConversionRunTest, ExtensionsMatchInAnyCase) {
  const std::string input = testing::TokyoTowerImage().WriteTo(PathOf("route.MEM")).string();
  const std::string output = PathOf("route.PMF");

  EXPECT_EQ(ConversionStatus::Done, Run(input, output));

  EXPECT_EQ(testing::kTokyoTowerPointFile, testing::ReadAllBytes(output));
  EXPECT_EQ(std::vector<ShownMessage>{CompletionMessage()}, sink_.messages);
}

TEST_F(ConversionRunTest, WrongTypeReturnsAtOnceWithoutMessageOrFileAccess) {
  struct Case {
    std::string_view input, output;
    ConversionStatus status;
  };
  const Case cases[] = {
      {"C:\\data\\route.txt", "C:\\out\\route.pmf", ConversionStatus::InputTypeMismatch},
      {"C:\\data\\route.txt", "", ConversionStatus::InputTypeMismatch},
      {"", "", ConversionStatus::InputTypeMismatch},
      {"", "C:\\out\\route.pmf", ConversionStatus::InputTypeMismatch},
      {"route.mem.bak", "route.pmf", ConversionStatus::InputTypeMismatch},
      {"route.mem ", "route.pmf", ConversionStatus::InputTypeMismatch},
      {"route", "route.pmf", ConversionStatus::InputTypeMismatch},
      {"C:\\data.mem\\route", "route.pmf", ConversionStatus::InputTypeMismatch},
      {"C:\\data\\route.mem", "", ConversionStatus::OutputTypeMismatch},
      {"C:\\data\\route.mem", "C:\\out\\route.txt", ConversionStatus::OutputTypeMismatch},
      {"C:\\data\\route.mem", "C:\\out\\route.pmf ", ConversionStatus::OutputTypeMismatch},
      {"C:\\data\\route.mem", "C:\\out\\route.mem", ConversionStatus::OutputTypeMismatch},
  };
  MarkRecordZero();
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "input '" << c.input << "', output '" << c.output << "'");
    EXPECT_EQ(c.status, Run(c.input, c.output));
    EXPECT_TRUE(sink_.messages.empty());
    EXPECT_TRUE(files_.read_opens.empty());
    EXPECT_TRUE(files_.replace_opens.empty());
    EXPECT_TRUE(RecordZeroUntouched());
  }
}

TEST_F(ConversionRunTest, ReadFailureShowsTheReadersMessageThenNamesTheInput) {
  const std::string missing = PathOf("missing.mem");
  const std::string short_file = PathOf("short.mem");
  const std::string long_file = PathOf("long.mem");
  const std::string good = testing::TokyoTowerImage().WriteTo(PathOf("good.mem")).string();
  testing::WriteAllBytes(short_file, std::string(MemFile::kFileSize - 1, '\x01'));
  testing::WriteAllBytes(long_file, std::string(MemFile::kFileSize + 1, '\x01'));
  const std::string unrecognised = "\n    は認識できないファイルです";

  struct Case {
    std::string_view description;
    std::string input;
    std::optional<OpenFailureCause> injected_open_failure;
    std::vector<ShownMessage> reader_messages;
  };
  const Case cases[] = {
      {"missing file",
       missing,
       std::nullopt,
       {ReaderOrWriterMessage("ファイルが見つかりませんでした。")}},
      {"one byte short",
       short_file,
       std::nullopt,
       {{short_file + testing::Sjis(unrecognised), std::nullopt, MessageIcon::Exclamation}}},
      {"one byte long",
       long_file,
       std::nullopt,
       {{long_file + testing::Sjis(unrecognised), std::nullopt, MessageIcon::Exclamation}}},
      {"access denied",
       good,
       OpenFailureCause::AccessDenied,
       {ReaderOrWriterMessage("ファイル アクセス禁止")}},
      {"sharing violation",
       good,
       OpenFailureCause::SharingViolation,
       {ReaderOrWriterMessage("ファイルの共有違反です")}},
      {"other cause",
       good,
       OpenFailureCause::Other,
       {ReaderOrWriterMessage("読み込みに失敗しました。")}},
      {"no cause", good, OpenFailureCause::None, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.description);
    sink_.messages.clear();
    files_.fail_read_open = c.injected_open_failure;
    MarkRecordZero();

    EXPECT_EQ(ConversionStatus::ReadFailed, Run(c.input, PathOf("route.pmf")));

    std::vector<ShownMessage> expected = c.reader_messages;
    expected.push_back(ReadFailedMessage(c.input));
    EXPECT_EQ(expected, sink_.messages);
    EXPECT_TRUE(RecordZeroUntouched());
    EXPECT_TRUE(files_.replace_opens.empty());
    EXPECT_FALSE(std::filesystem::exists(PathOf("route.pmf")));
  }
}

TEST_F(ConversionRunTest, ReadErrorAfterTheOpenEndsTheRunWithoutWriting) {
  const std::string input = testing::TokyoTowerImage().WriteTo(PathOf("route.mem")).string();
  const auto run_with = [&](auto inject) {
    testing::ScriptedFileSystem files;
    inject(files);
    MemFile mem_file(files);
    PointTable table(files, clock_);
    testing::RecordingMessageSink sink;
    const ConversionStatus status = ConversionRun(mem_file, table, sink)
                                        .Run(input, PathOf("route.pmf"), "mem", "pmf", 5, 3, 200);
    EXPECT_EQ(ConversionStatus::ReadFailed, status);
    EXPECT_TRUE(files.replace_opens.empty());
    ASSERT_FALSE(sink.messages.empty());
    EXPECT_EQ(ReadFailedMessage(input), sink.messages.back());
    EXPECT_EQ(sink.messages.end(),
              std::find(sink.messages.begin(), sink.messages.end(), CompletionMessage()));
  };
  {
    SCOPED_TRACE("length");
    run_with([](testing::ScriptedFileSystem& files) { files.fail_length = true; });
  }
  {
    SCOPED_TRACE("read");
    run_with([](testing::ScriptedFileSystem& files) { files.fail_read = true; });
  }
  EXPECT_FALSE(std::filesystem::exists(PathOf("route.pmf")));
}

TEST_F(ConversionRunTest, OpenFailureOfTheOutputShowsOnlyTheWritersMessage) {
  const std::string input = testing::TokyoTowerImage().WriteTo(PathOf("route.mem")).string();
  struct Case {
    OpenFailureCause cause;
    std::vector<ShownMessage> messages;
  };
  const Case cases[] = {
      {OpenFailureCause::SharingViolation, {ReaderOrWriterMessage("ファイルの共有違反です")}},
      {OpenFailureCause::AccessDenied, {ReaderOrWriterMessage("ファイル アクセス禁止")}},
      {OpenFailureCause::NotFound, {ReaderOrWriterMessage("ファイルが見つかりませんでした。")}},
      {OpenFailureCause::Other, {ReaderOrWriterMessage("書き込みに失敗しました。")}},
      {OpenFailureCause::None, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "cause " << static_cast<int>(c.cause));
    sink_.messages.clear();
    files_.fail_replace_open = c.cause;

    EXPECT_EQ(ConversionStatus::WriteFailed, Run(input, PathOf("route.pmf")));

    EXPECT_EQ(c.messages, sink_.messages);
    EXPECT_FALSE(std::filesystem::exists(PathOf("route.pmf")));
  }
}

TEST_F(ConversionRunTest, OutputInAMissingFolderFailsWithTheWritersMessageOnly) {
  const std::string input = testing::TokyoTowerImage().WriteTo(PathOf("route.mem")).string();

  EXPECT_EQ(ConversionStatus::WriteFailed, Run(input, PathOf("no-such-folder/route.pmf")));

  ASSERT_EQ(1u, sink_.messages.size());
  EXPECT_EQ(std::nullopt, sink_.messages[0].caption);
  EXPECT_EQ(MessageIcon::Exclamation, sink_.messages[0].icon);
}

TEST_F(ConversionRunTest, FailureAfterTheOpenKeepsTheOldOutputAndShowsNoCompletion) {
  const std::string input = testing::TokyoTowerImage().WriteTo(PathOf("route.mem")).string();
  const std::string output = PathOf("route.pmf");
  const std::string old_contents = "old point file\r\n";

  struct Case {
    std::string_view description;
    bool output_existed;
    std::optional<std::size_t> fail_write_after_bytes;
    bool fail_commit;
  };
  const Case cases[] = {
      {"first write fails", true, 0, false},
      {"write fails in the point line", true, 40, false},
      {"commit fails", true, std::nullopt, true},
      {"write fails, no earlier output", false, 40, false},
      {"commit fails, no earlier output", false, std::nullopt, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.description);
    sink_.messages.clear();
    std::filesystem::remove(output);
    if (c.output_existed) testing::WriteAllBytes(output, old_contents);
    files_.fail_write_after_bytes = c.fail_write_after_bytes;
    files_.fail_commit = c.fail_commit;

    EXPECT_EQ(ConversionStatus::WriteFailed, Run(input, output));

    EXPECT_EQ(std::vector<ShownMessage>{ReaderOrWriterMessage("書き込みに失敗しました。")},
              sink_.messages);
    if (c.output_existed) {
      EXPECT_EQ(std::vector<unsigned char>(old_contents.begin(), old_contents.end()),
                testing::ReadAllBytes(output));
      EXPECT_EQ((std::vector<std::string>{"route.mem", "route.pmf"}), folder_.Listing());
    } else {
      EXPECT_EQ(std::vector<std::string>{"route.mem"}, folder_.Listing());
    }
  }
}

TEST_F(ConversionRunTest, FileWithoutCountedEntriesGivesTheHeaderOnly) {
  MemImageBuilder image;
  image.Present(1).Name(1, "After a gap");  // not counted: entry 0 is empty
  const std::string input = image.WriteTo(PathOf("empty.mem")).string();
  const std::string output = PathOf("empty.pmf");

  EXPECT_EQ(ConversionStatus::Done, Run(input, output));

  EXPECT_EQ(kHeaderOnlyPointFile, testing::ReadAllBytes(output));
  EXPECT_EQ(std::vector<ShownMessage>{CompletionMessage()}, sink_.messages);
}

TEST_F(ConversionRunTest, FullFileGivesAHundredPointLines) {
  MemImageBuilder image;
  for (int i = 0; i < MemFile::kEntryCapacity; ++i) image.Present(i);
  const std::string input = image.WriteTo(PathOf("full.mem")).string();
  const std::string output = PathOf("full.pmf");

  EXPECT_EQ(ConversionStatus::Done, Run(input, output));

  const std::vector<unsigned char> bytes = testing::ReadAllBytes(output);
  EXPECT_EQ(101, std::count(bytes.begin(), bytes.end(), '\n'));  // header and 100 points
  EXPECT_EQ(99, table_.Record(99).slot);
  EXPECT_EQ(-1, table_.Record(100).slot);
}

TEST_F(ConversionRunTest, RunAfterAFailedWriteReadsAgainAndCarriesOnlyItsOwnChoices) {
  const std::string input = PathOf("route.mem");
  const std::string output = PathOf("route.pmf");
  MemImageBuilder first_image;
  for (int i = 0; i < 3; ++i) first_image.Present(i).Name(i, "First");
  first_image.WriteTo(input);

  files_.fail_write_after_bytes = 20;
  ASSERT_EQ(ConversionStatus::WriteFailed, Run(input, output, 1, 0));
  ASSERT_EQ(2, table_.Record(2).slot);  // the first run did build its three records

  // The user changes the file and the choices, and converts again.
  MemImageBuilder second_image;
  second_image.Present(0).Name(0, "Second");
  second_image.WriteTo(input);
  files_.fail_write_after_bytes.reset();
  sink_.messages.clear();

  EXPECT_EQ(ConversionStatus::Done, Run(input, output, 7, 31));

  EXPECT_EQ((std::vector<std::string>{input, input}), files_.read_opens);
  EXPECT_EQ(std::vector<ShownMessage>{CompletionMessage()}, sink_.messages);
  const PointRecord& record = table_.Record(0);
  EXPECT_EQ("Second", std::string_view(record.name));
  EXPECT_EQ("07", std::string_view(record.icon));
  EXPECT_EQ("0004", std::string_view(record.voice_code));
  EXPECT_EQ("01", std::string_view(record.voice_flag));
  EXPECT_EQ("0300", std::string_view(record.voice_param));
  EXPECT_EQ(-1, table_.Record(1).slot);
  EXPECT_EQ(-1, table_.Record(2).slot);

  const std::vector<unsigned char> bytes = testing::ReadAllBytes(output);
  EXPECT_EQ(2, std::count(bytes.begin(), bytes.end(), '\n'));
}

}  // namespace
}  // namespace quorvane
