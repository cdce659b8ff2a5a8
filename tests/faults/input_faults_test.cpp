// Inputs that cannot be read: every case through a whole conversion, with the exact messages,
// the status, and nothing changed on the disk.

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

// The reader's own message, which comes before the run's "ERROR" message.
enum class ReaderSays {
  Nothing,
  NotFound,
  AccessDenied,
  SharingViolation,
  ReadFailed,
  Unrecognised
};

std::vector<ShownMessage> ExpectedMessages(ReaderSays reader, const std::string& input) {
  std::vector<ShownMessage> expected;
  switch (reader) {
    case ReaderSays::Nothing:
      break;
    case ReaderSays::NotFound:
      expected.push_back(ReaderOrWriterMessage("ファイルが見つかりませんでした。"));
      break;
    case ReaderSays::AccessDenied:
      expected.push_back(ReaderOrWriterMessage("ファイル アクセス禁止"));
      break;
    case ReaderSays::SharingViolation:
      expected.push_back(ReaderOrWriterMessage("ファイルの共有違反です"));
      break;
    case ReaderSays::ReadFailed:
      expected.push_back(ReaderOrWriterMessage("読み込みに失敗しました。"));
      break;
    case ReaderSays::Unrecognised:
      expected.push_back(UnrecognisedFileMessage(input));
      break;
  }
  expected.push_back(RunReadFailedMessage(input));
  return expected;
}

class InputFaultTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // Open to the unprivileged child of the rights tests.
    fs::permissions(folder_.Path(), fs::perms::owner_all | fs::perms::group_read |
                                        fs::perms::group_exec | fs::perms::others_read |
                                        fs::perms::others_exec);
    fs::create_directory(folder_ / "out");
  }

  // The input named 地点表.mem (表 ends in the byte 0x5C), as a valid image.
  fs::path ValidInput() {
    const fs::path input = folder_ / "地点表.mem";
    WriteAllBytes(input, FullImage());
    return input;
  }
  std::string OutputPath() const { return Cp932Path(folder_ / "out" / "地点表.pmf"); }

  // Converts, and checks what every failed read has in common: the status, and a disk that is
  // as it was (no output, the input untouched).
  void ExpectReadFailure(const FileSystem& files, const std::string& input, ReaderSays reader) {
    const std::vector<std::string> before = Snapshot(folder_.Path());
    const RunOutcome outcome = Convert(files, input, OutputPath());
    EXPECT_EQ(outcome.status, ConversionStatus::ReadFailed);
    EXPECT_EQ(outcome.messages, ExpectedMessages(reader, input));
    EXPECT_EQ(Snapshot(folder_.Path()), before);
  }

  TempFolder folder_;
};

struct RealInputCase {
  const char* name;
  const char* input;  // below the test's folder, UTF-8
  // Makes the input (and keeps what must stay alive during the run, such as a held lock).
  std::function<std::shared_ptr<void>(const fs::path& input)> make;
  ReaderSays reader;
};

void PrintTo(const RealInputCase& c, std::ostream* out) {
  *out << c.name;
}

class RealInputFaultTest : public InputFaultTest,
                           public ::testing::WithParamInterface<RealInputCase> {};

TEST_P(RealInputFaultTest, ReportsAndChangesNothing) {
  const RealInputCase& c = GetParam();
  const fs::path input = folder_ / c.input;
  const std::shared_ptr<void> keep = c.make(input);
  // A FIFO or anything else that made the open wait would end the test here instead of
  // hanging it.
  ::alarm(60);
  ExpectReadFailure(SystemFileSystem(), Cp932Path(input), c.reader);
  ::alarm(0);
}

std::shared_ptr<void> Image(const fs::path& path, std::size_t size) {
  std::string bytes = FullImage();
  bytes.resize(size, '\xFF');
  WriteAllBytes(path, bytes);
  return nullptr;
}

const RealInputCase kRealInputCases[] = {
    {"Missing", "地点表.mem", Nothing, ReaderSays::NotFound},
    {"InMissingFolder", "無い/地点表.mem", Nothing, ReaderSays::NotFound},
    {"BelowAFile", "file.mem/地点表.mem",
     [](const fs::path& input) {
       WriteAllBytes(input.parent_path(), "a file, not a folder");
       return std::shared_ptr<void>();
     },
     ReaderSays::NotFound},
    {"Folder", "地点表.mem",
     [](const fs::path& input) {
       fs::create_directory(input);
       WriteAllBytes(input / "inside.mem", FullImage());
       return std::shared_ptr<void>();
     },
     ReaderSays::ReadFailed},
    // Opening the FIFO does not wait for a writer; its length of 0 makes it no memory-point
    // file.
    {"Fifo", "地点表.mem",
     [](const fs::path& input) {
       EXPECT_EQ(::mkfifo(input.c_str(), 0644), 0);
       return std::shared_ptr<void>();
     },
     ReaderSays::Unrecognised},
    {"LockedByAnotherOpener", "地点表.mem",
     [](const fs::path& input) {
       Image(input, 10'804);
       auto lock = std::make_shared<HeldLock>(input);
       EXPECT_TRUE(lock->Locked());
       return std::shared_ptr<void>(lock);
     },
     ReaderSays::SharingViolation},
    {"LinkLoop", "地点表.mem",
     [](const fs::path& input) {
       fs::create_symlink(input.filename(), input);
       return std::shared_ptr<void>();
     },
     ReaderSays::ReadFailed},
    {"Empty", "地点表.mem", [](const fs::path& input) { return Image(input, 0); },
     ReaderSays::Unrecognised},
    {"OneByteShort", "地点表.mem", [](const fs::path& input) { return Image(input, 10'803); },
     ReaderSays::Unrecognised},
    {"OneByteLong", "地点表.mem", [](const fs::path& input) { return Image(input, 10'805); },
     ReaderSays::Unrecognised},
};

INSTANTIATE_TEST_SUITE_P(All, RealInputFaultTest, ::testing::ValuesIn(kRealInputCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(InputFaultTest, NameLongerThanTheFileSystemTakes) {
  const std::string input = Cp932Path(folder_ / (std::string(300, 'n') + ".mem"));
  ExpectReadFailure(SystemFileSystem(), input, ReaderSays::ReadFailed);
}

// A CP932 name that has no form on the disk (0x85 0x40 is no character) cannot be opened.
TEST_F(InputFaultTest, NameWithoutAFormOnTheDisk) {
  const std::string input = Cp932Path(folder_.Path()) + "/\x85\x40.mem";
  ExpectReadFailure(SystemFileSystem(), input, ReaderSays::ReadFailed);
}

TEST_F(InputFaultTest, LockedFileIsReadOnceReleased) {
  const fs::path input = ValidInput();
  {
    const HeldLock lock(input);
    ASSERT_TRUE(lock.Locked());
    ExpectReadFailure(SystemFileSystem(), Cp932Path(input), ReaderSays::SharingViolation);
  }
  const RunOutcome outcome = Convert(SystemFileSystem(), Cp932Path(input), OutputPath());
  EXPECT_EQ(outcome.status, ConversionStatus::Done);
  EXPECT_EQ(outcome.messages, std::vector<ShownMessage>{CompletionMessage()});
}

// Root reads a file of mode 000 all the same, so the rights are checked by a child that has
// given up root (or by this process, when it is not root).
TEST_F(InputFaultTest, UnreadableFileAsAnOrdinaryUser) {
  const fs::path input = ValidInput();
  fs::permissions(input, fs::perms::none);
  const std::vector<std::string> before = Snapshot(folder_.Path());
  const auto convert = [&] { return Convert(SystemFileSystem(), Cp932Path(input), OutputPath()); };
  std::optional<RunOutcome> outcome;
  std::string why;
  if (::geteuid() == 0) {
    outcome = RunUnprivileged(folder_.Path(), convert, why);
    if (!outcome) GTEST_SKIP() << why << "; the seam case covers the message";
  } else {
    outcome = convert();
  }
  EXPECT_EQ(outcome->status, ConversionStatus::ReadFailed);
  EXPECT_EQ(outcome->messages, ExpectedMessages(ReaderSays::AccessDenied, Cp932Path(input)));
  EXPECT_EQ(Snapshot(folder_.Path()), before);
}

// Failures that the file system of a test cannot be made to show, injected through the seam.
struct ScriptedInputCase {
  const char* name;
  std::function<void(ScriptedFileSystem&)> script;
  ReaderSays reader;
};

void PrintTo(const ScriptedInputCase& c, std::ostream* out) {
  *out << c.name;
}

class ScriptedInputFaultTest : public InputFaultTest,
                               public ::testing::WithParamInterface<ScriptedInputCase> {};

TEST_P(ScriptedInputFaultTest, ReportsAndChangesNothing) {
  const fs::path input = ValidInput();
  ScriptedFileSystem files;
  GetParam().script(files);
  ExpectReadFailure(files, Cp932Path(input), GetParam().reader);
}

const ScriptedInputCase kScriptedInputCases[] = {
    {"AccessDenied", [](auto& f) { f.fail_read_open = OpenFailureCause::AccessDenied; },
     ReaderSays::AccessDenied},
    {"SharingViolation", [](auto& f) { f.fail_read_open = OpenFailureCause::SharingViolation; },
     ReaderSays::SharingViolation},
    {"NotFound", [](auto& f) { f.fail_read_open = OpenFailureCause::NotFound; },
     ReaderSays::NotFound},
    {"OtherCause", [](auto& f) { f.fail_read_open = OpenFailureCause::Other; },
     ReaderSays::ReadFailed},
    {"NoCause", [](auto& f) { f.fail_read_open = OpenFailureCause::None; }, ReaderSays::Nothing},
    {"LengthFails", [](auto& f) { f.fail_length = true; }, ReaderSays::ReadFailed},
    {"ReadFails", [](auto& f) { f.fail_read = true; }, ReaderSays::ReadFailed},
    {"ReadDeliversTooLittle", [](auto& f) { f.short_read_bytes = 10'803; }, ReaderSays::ReadFailed},
    {"ReadDeliversNothing", [](auto& f) { f.short_read_bytes = 0; }, ReaderSays::ReadFailed},
};

INSTANTIATE_TEST_SUITE_P(All, ScriptedInputFaultTest, ::testing::ValuesIn(kScriptedInputCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quorvane::testing
