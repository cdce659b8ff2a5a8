#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <unistd.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "common/open_failure_message.h"
#include "pointfile/point_table.h"
#include "pointfile/write_messages.h"
#include "support/fixed_clock.h"
#include "support/recording_message_sink.h"
#include "support/scripted_file_system.h"
#include "support/temp_folder.h"

namespace quorvane {
namespace {

using testing::FixedClock;
using testing::JanuaryFifthClock;
using testing::ReadAllBytes;
using testing::RecordingMessageSink;
using testing::ScriptedFileSystem;
using testing::ShownMessage;
using testing::TempFolder;
using testing::WriteAllBytes;

const std::string kOldContent = "the point file that stood here before\r\n";

ShownMessage Exclamation(const JapaneseText& text) {
  return {std::string(text.cp932), std::nullopt, MessageIcon::Exclamation};
}

class WriteFailureTest : public ::testing::Test {
 protected:
  WriteFailureTest() {
    table_.InitRecord(0);
    table_.SetName("Tower", 0);
    table_.SetLongitude("139.41.30.254", 0);
    table_.SetLatitude(" 35.39.29.125", 0);
  }

  std::string Target() const { return (folder_ / "out.pmf").string(); }
  std::string TargetBytes() const {
    const auto bytes = ReadAllBytes(Target());
    return std::string(bytes.begin(), bytes.end());
  }

  TempFolder folder_;
  ScriptedFileSystem files_;
  FixedClock clock_ = JanuaryFifthClock();
  PointTable table_{files_, clock_};
  RecordingMessageSink sink_;
};

TEST_F(WriteFailureTest, OpenFailureShowsTheMessageOfItsCause) {
  struct Case {
    OpenFailureCause cause;
    std::vector<ShownMessage> messages;
  };
  const Case cases[] = {
      {OpenFailureCause::None, {}},
      {OpenFailureCause::NotFound, {Exclamation(kFileNotFoundMessage)}},
      {OpenFailureCause::AccessDenied, {Exclamation(kAccessDeniedMessage)}},
      {OpenFailureCause::SharingViolation, {Exclamation(kSharingViolationMessage)}},
      {OpenFailureCause::Other, {Exclamation(kWriteFailedMessage)}},
  };
  WriteAllBytes(Target(), kOldContent);
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.cause));
    files_.fail_replace_open = c.cause;
    RecordingMessageSink sink;
    EXPECT_EQ(table_.Write(Target(), sink), -1);
    EXPECT_EQ(sink.messages, c.messages);
    EXPECT_EQ(TargetBytes(), kOldContent);
  }
  EXPECT_EQ(files_.replace_opens, std::vector<std::string>(std::size(cases), Target()));
}

TEST_F(WriteFailureTest, TargetLockedByAnotherOpenerIsASharingViolation) {
  WriteAllBytes(Target(), kOldContent);
  const int holder = ::open(Target().c_str(), O_RDONLY | O_CLOEXEC);
  ASSERT_GE(holder, 0);
  ASSERT_EQ(::flock(holder, LOCK_EX | LOCK_NB), 0);

  PointTable table(SystemFileSystem(), clock_);
  table.InitRecord(0);
  EXPECT_EQ(table.Write(Target(), sink_), -1);
  EXPECT_EQ(sink_.messages, std::vector<ShownMessage>{Exclamation(kSharingViolationMessage)});
  EXPECT_EQ(TargetBytes(), kOldContent);
  EXPECT_EQ(folder_.Listing(), std::vector<std::string>{"out.pmf"});

  // Once the other opener lets go, the same path can be written.
  ::close(holder);
  RecordingMessageSink sink;
  EXPECT_EQ(table.Write(Target(), sink), 0);
  EXPECT_TRUE(sink.messages.empty());
  EXPECT_NE(TargetBytes(), kOldContent);
}

struct AfterOpenFailure {
  const char* label;
  std::optional<std::size_t> fail_write_after_bytes;
  bool fail_commit;
};

const AfterOpenFailure kAfterOpenFailures[] = {
    {"nothing can be written", 0, false},
    {"disk fills inside the header", 5, false},
    {"disk fills inside a point line", 60, false},
    {"commit fails", std::nullopt, true},
};

TEST_F(WriteFailureTest, FailureAfterOpenKeepsTheOldFile) {
  for (const AfterOpenFailure& failure : kAfterOpenFailures) {
    SCOPED_TRACE(failure.label);
    WriteAllBytes(Target(), kOldContent);
    files_.fail_write_after_bytes = failure.fail_write_after_bytes;
    files_.fail_commit = failure.fail_commit;
    RecordingMessageSink sink;
    EXPECT_EQ(table_.Write(Target(), sink), -1);
    EXPECT_EQ(sink.messages, std::vector<ShownMessage>{Exclamation(kWriteFailedMessage)});
    EXPECT_EQ(TargetBytes(), kOldContent);
    EXPECT_EQ(folder_.Listing(), std::vector<std::string>{"out.pmf"});
  }
}

TEST_F(WriteFailureTest, FailureAfterOpenLeavesNoNewFile) {
  for (const AfterOpenFailure& failure : kAfterOpenFailures) {
    SCOPED_TRACE(failure.label);
    files_.fail_write_after_bytes = failure.fail_write_after_bytes;
    files_.fail_commit = failure.fail_commit;
    RecordingMessageSink sink;
    EXPECT_EQ(table_.Write(Target(), sink), -1);
    EXPECT_EQ(sink.messages, std::vector<ShownMessage>{Exclamation(kWriteFailedMessage)});
    EXPECT_FALSE(std::filesystem::exists(Target()));
    EXPECT_TRUE(folder_.Listing().empty());
  }
}

TEST_F(WriteFailureTest, WriteAfterAFailedOneReplacesTheFile) {
  WriteAllBytes(Target(), kOldContent);
  files_.fail_commit = true;
  RecordingMessageSink failed;
  ASSERT_EQ(table_.Write(Target(), failed), -1);

  files_.fail_commit = false;
  RecordingMessageSink sink;
  EXPECT_EQ(table_.Write(Target(), sink), 0);
  EXPECT_TRUE(sink.messages.empty());
  const std::string written = TargetBytes();
  EXPECT_EQ(written.substr(written.size() - 5), "#B4\r\n");
  EXPECT_EQ(folder_.Listing(), std::vector<std::string>{"out.pmf"});
}

}  // namespace
}  // namespace quorvane
