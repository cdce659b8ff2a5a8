// Outputs that cannot be written: every case through a whole conversion, with the exact message,
// the status, the file that stood there before kept whole and no temporary file left behind.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "fault_run.h"
#include "held_lock.h"
#include "support/cp932_literal.h"
#include "support/scripted_file_system.h"
#include "support/temp_folder.h"
#include "unprivileged_run.h"

namespace quorvane::testing {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kOldPointFile = "old point file, kept on failure\r\n";

// The writer's message alone: the run adds none of its own after a failed write.
std::vector<ShownMessage> WriterSays(std::optional<std::string_view> utf8) {
  if (!utf8) return {};
  return {ReaderOrWriterMessage(*utf8)};
}

constexpr std::string_view kNotFound = "ファイルが見つかりませんでした。";
constexpr std::string_view kAccessDenied = "ファイル アクセス禁止";
constexpr std::string_view kSharingViolation = "ファイルの共有違反です";
constexpr std::string_view kWriteFailed = "書き込みに失敗しました。";

class OutputFaultTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // Open to the unprivileged child of the rights tests.
    fs::permissions(folder_.Path(), fs::perms::owner_all | fs::perms::group_read |
                                        fs::perms::group_exec | fs::perms::others_read |
                                        fs::perms::others_exec);
    WriteAllBytes(Input(), FullImage());
    fs::create_directory(folder_ / "out");
  }

  fs::path Input() const { return folder_ / "地点表.mem"; }
  fs::path Output() const { return folder_ / "out" / "地点表.pmf"; }

  // Converts, and checks what every failed write has in common: the status, and a disk that is
  // as it was (the old file whole, no new or temporary file).
  void ExpectWriteFailure(const FileSystem& files, const std::string& output,
                          std::optional<std::string_view> message) {
    const std::vector<std::string> before = Snapshot(folder_.Path());
    const RunOutcome outcome = Convert(files, Cp932Path(Input()), output);
    EXPECT_EQ(outcome.status, ConversionStatus::WriteFailed);
    EXPECT_EQ(outcome.messages, WriterSays(message));
    EXPECT_EQ(Snapshot(folder_.Path()), before);
  }

  // Once the cause is gone the same conversion goes through: nothing was left held.
  void ExpectConversionGoesThrough() {
    const RunOutcome outcome = Convert(SystemFileSystem(), Cp932Path(Input()), Cp932Path(Output()));
    EXPECT_EQ(outcome.status, ConversionStatus::Done);
    EXPECT_EQ(outcome.messages, std::vector<ShownMessage>{CompletionMessage()});
    EXPECT_EQ(ReadAllBytes(Output()), ReferencePointFile());
  }

  // The point file of the input, from a conversion that nothing disturbed.
  static std::vector<unsigned char> ReferencePointFile() {
    const TempFolder clean;
    WriteAllBytes(clean / "in.mem", FullImage());
    EXPECT_EQ(Convert(SystemFileSystem(), Cp932Path(clean / "in.mem"), Cp932Path(clean / "out.pmf"))
                  .status,
              ConversionStatus::Done);
    return ReadAllBytes(clean / "out.pmf");
  }

  TempFolder folder_;
};

struct RealOutputCase {
  const char* name;
  const char* output;  // below the test's folder, UTF-8
  // Makes the obstacle (and keeps what must stay alive during the run, such as a held lock).
  std::function<std::shared_ptr<void>(const fs::path& output)> make;
  std::optional<std::string_view> message;
};

void PrintTo(const RealOutputCase& c, std::ostream* out) {
  *out << c.name;
}

class RealOutputFaultTest : public OutputFaultTest,
                            public ::testing::WithParamInterface<RealOutputCase> {};

TEST_P(RealOutputFaultTest, ReportsAndKeepsTheOldFile) {
  const RealOutputCase& c = GetParam();
  const fs::path output = folder_ / c.output;
  const std::shared_ptr<void> keep = c.make(output);
  // Anything that made the open wait would end the test here instead of hanging it.
  ::alarm(60);
  ExpectWriteFailure(SystemFileSystem(), Cp932Path(output), c.message);
  ::alarm(0);
}

const RealOutputCase kRealOutputCases[] = {
    {"InMissingFolder", "無い/地点表.pmf", Nothing, kNotFound},
    {"BelowAFile", "file.pmf/地点表.pmf",
     [](const fs::path& output) {
       WriteAllBytes(output.parent_path(), kOldPointFile);
       return std::shared_ptr<void>();
     },
     kNotFound},
    {"OntoAFolder", "out/地点表.pmf",
     [](const fs::path& output) {
       fs::create_directory(output);
       WriteAllBytes(output / "inside.pmf", kOldPointFile);
       return std::shared_ptr<void>();
     },
     kWriteFailed},
    {"OntoALockedFile", "out/地点表.pmf",
     [](const fs::path& output) {
       WriteAllBytes(output, kOldPointFile);
       auto lock = std::make_shared<HeldLock>(output);
       EXPECT_TRUE(lock->Locked());
       return std::shared_ptr<void>(lock);
     },
     kSharingViolation},
    // Opening a FIFO that nobody reads does not wait; it is no file to replace.
    {"OntoAFifo", "out/地点表.pmf",
     [](const fs::path& output) {
       EXPECT_EQ(::mkfifo(output.c_str(), 0644), 0);
       return std::shared_ptr<void>();
     },
     kWriteFailed},
};

INSTANTIATE_TEST_SUITE_P(All, RealOutputFaultTest, ::testing::ValuesIn(kRealOutputCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(OutputFaultTest, NameLongerThanTheFileSystemTakes) {
  ExpectWriteFailure(SystemFileSystem(),
                     Cp932Path(folder_ / "out" / (std::string(300, 'n') + ".pmf")), kWriteFailed);
}

// A CP932 name that has no form on the disk (0x85 0x40 is no character) cannot be created.
TEST_F(OutputFaultTest, NameWithoutAFormOnTheDisk) {
  ExpectWriteFailure(SystemFileSystem(), Cp932Path(folder_ / "out") + "/\x85\x40.pmf",
                     kWriteFailed);
}

TEST_F(OutputFaultTest, LockedFileIsReplacedOnceReleased) {
  WriteAllBytes(Output(), kOldPointFile);
  {
    const HeldLock lock(Output());
    ASSERT_TRUE(lock.Locked());
    ExpectWriteFailure(SystemFileSystem(), Cp932Path(Output()), kSharingViolation);
  }
  ExpectConversionGoesThrough();
}

// Root writes into a read-only folder and onto a read-only file all the same, so the rights are
// checked by a child that has given up root (or by this process, when it is not root).
struct RightsCase {
  const char* name;
  bool old_file;            // a file stands at the output path
  fs::perms folder_rights;  // of the output's folder
  fs::perms old_file_rights;
};

void PrintTo(const RightsCase& c, std::ostream* out) {
  *out << c.name;
}

class OutputRightsTest : public OutputFaultTest,
                         public ::testing::WithParamInterface<RightsCase> {};

TEST_P(OutputRightsTest, AccessDeniedAsAnOrdinaryUser) {
  const RightsCase& c = GetParam();
  if (c.old_file) {
    WriteAllBytes(Output(), kOldPointFile);
    fs::permissions(Output(), c.old_file_rights);
  }
  fs::permissions(folder_ / "out", c.folder_rights);
  const std::vector<std::string> before = Snapshot(folder_.Path());
  const auto convert = [&] {
    return Convert(SystemFileSystem(), Cp932Path(Input()), Cp932Path(Output()));
  };
  std::optional<RunOutcome> outcome;
  std::string why;
  if (::geteuid() == 0) {
    outcome = RunUnprivileged(folder_.Path(), convert, why);
    if (!outcome) GTEST_SKIP() << why << "; the seam case covers the message";
  } else {
    outcome = convert();
  }
  EXPECT_EQ(outcome->status, ConversionStatus::WriteFailed);
  EXPECT_EQ(outcome->messages, WriterSays(kAccessDenied));
  EXPECT_EQ(Snapshot(folder_.Path()), before);
}

constexpr fs::perms kReadOnlyFolder = fs::perms::owner_read | fs::perms::owner_exec |
                                      fs::perms::group_read | fs::perms::group_exec |
                                      fs::perms::others_read | fs::perms::others_exec;
constexpr fs::perms kOpenFolder = fs::perms::all;
constexpr fs::perms kReadOnlyFile =
    fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
constexpr fs::perms kOpenFile = fs::perms::owner_read | fs::perms::owner_write |
                                fs::perms::group_read | fs::perms::group_write |
                                fs::perms::others_read | fs::perms::others_write;

const RightsCase kRightsCases[] = {
    {"NewFileInReadOnlyFolder", false, kReadOnlyFolder, fs::perms::none},
    // The old file may be written, but the new one cannot be made beside it to replace it.
    {"WritableFileInReadOnlyFolder", true, kReadOnlyFolder, kOpenFile},
    {"ReadOnlyFileInOpenFolder", true, kOpenFolder, kReadOnlyFile},
};

INSTANTIATE_TEST_SUITE_P(All, OutputRightsTest, ::testing::ValuesIn(kRightsCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Failures that the file system of a test cannot be made to show, injected through the seam.
struct ScriptedOutputCase {
  const char* name;
  std::function<void(ScriptedFileSystem&)> script;
  std::optional<std::string_view> message;
};

void PrintTo(const ScriptedOutputCase& c, std::ostream* out) {
  *out << c.name;
}

class ScriptedOutputFaultTest : public OutputFaultTest,
                                public ::testing::WithParamInterface<ScriptedOutputCase> {};

TEST_P(ScriptedOutputFaultTest, ReportsKeepsTheOldFileAndReleasesIt) {
  WriteAllBytes(Output(), kOldPointFile);
  ScriptedFileSystem files;
  GetParam().script(files);
  ExpectWriteFailure(files, Cp932Path(Output()), GetParam().message);
  ExpectConversionGoesThrough();
}

const ScriptedOutputCase kScriptedOutputCases[] = {
    {"AccessDenied", [](auto& f) { f.fail_replace_open = OpenFailureCause::AccessDenied; },
     kAccessDenied},
    {"SharingViolation", [](auto& f) { f.fail_replace_open = OpenFailureCause::SharingViolation; },
     kSharingViolation},
    {"NotFound", [](auto& f) { f.fail_replace_open = OpenFailureCause::NotFound; }, kNotFound},
    {"OtherCause", [](auto& f) { f.fail_replace_open = OpenFailureCause::Other; }, kWriteFailed},
    {"NoCause", [](auto& f) { f.fail_replace_open = OpenFailureCause::None; }, std::nullopt},
    {"NothingCanBeWritten", [](auto& f) { f.fail_write_after_bytes = 0; }, kWriteFailed},
    {"FullAfterTheHeader", [](auto& f) { f.fail_write_after_bytes = 14; }, kWriteFailed},
    {"FullInsideALine", [](auto& f) { f.fail_write_after_bytes = 4'096; }, kWriteFailed},
    {"CommitFails", [](auto& f) { f.fail_commit = true; }, kWriteFailed},
};

INSTANTIATE_TEST_SUITE_P(All, ScriptedOutputFaultTest, ::testing::ValuesIn(kScriptedOutputCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quorvane::testing
