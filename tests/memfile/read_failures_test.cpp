// Every way in which Read refuses a file: its message (text, no caption, exclamation icon), its
// -1, and an object left exactly as an earlier good read left it.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "common/open_failure_message.h"
#include "loaded_image.h"
#include "memfile/mem_file.h"
#include "memfile/read_messages.h"
#include "support/mem_image_builder.h"
#include "support/recording_message_sink.h"
#include "support/scripted_file_system.h"
#include "support/temp_folder.h"

namespace quorvane {
namespace {

using testing::ImageBytes;
using testing::MemImageBuilder;
using testing::RecordingMessageSink;
using testing::ScriptedFileSystem;
using testing::ShownMessage;
using testing::TempFolder;

// An exclusive flock(2) on a descriptor of our own, as another program holding the file has it.
class HeldLock {
 public:
  explicit HeldLock(const std::filesystem::path& path) : fd_(::open(path.c_str(), O_RDONLY)) {
    EXPECT_GE(fd_, 0) << path;
    EXPECT_EQ(::flock(fd_, LOCK_EX | LOCK_NB), 0) << path;
  }
  ~HeldLock() {
    if (fd_ >= 0) ::close(fd_);
  }
  HeldLock(const HeldLock&) = delete;
  HeldLock& operator=(const HeldLock&) = delete;

 private:
  int fd_;
};

// True when someone else holds the file locked right now.
bool IsHeld(const std::filesystem::path& path) {
  const int fd = ::open(path.c_str(), O_RDONLY);
  if (fd < 0) return false;
  const bool held = ::flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
  ::close(fd);
  return held;
}

// Records the messages, and whether the file was still held open while each was shown.
class ProbingSink : public RecordingMessageSink {
 public:
  std::filesystem::path probe;
  std::vector<bool> held_while_shown;

  void Show(std::string_view text, std::optional<std::string_view> caption,
            MessageIcon icon) override {
    if (!probe.empty()) held_while_shown.push_back(IsHeld(probe));
    RecordingMessageSink::Show(text, caption, icon);
  }
};

struct Arranged {
  std::string path;                   // CP932, as given to Read
  std::filesystem::path opened_file;  // set when the open itself succeeds
  std::unique_ptr<HeldLock> lock;
};

std::string WriteSized(const TempFolder& folder, const char* name, std::size_t size) {
  const std::filesystem::path path = folder / name;
  testing::WriteAllBytes(path, std::string(size, '\x01'));
  return path.string();
}

Arranged GoodFileWithFault(const TempFolder& folder) {
  const std::filesystem::path path = MemImageBuilder().Present(0).WriteTo(folder / "fault.mem");
  return {path.string(), path, nullptr};
}

std::optional<std::string> Unrecognised(std::string_view path) {
  return std::string(path) + "\n    " +
         "\x82\xcd\x94\x46\x8e\xaf\x82\xc5\x82\xab\x82\xc8\x82\xa2"
         "\x83\x74\x83\x40\x83\x43\x83\x8b\x82\xc5\x82\xb7";  // は認識できないファイルです
}
std::optional<std::string> NotFound(std::string_view) {
  return std::string(kFileNotFoundMessage.cp932);
}
std::optional<std::string> AccessDenied(std::string_view) {
  return std::string(kAccessDeniedMessage.cp932);
}
std::optional<std::string> SharingViolation(std::string_view) {
  return std::string(kSharingViolationMessage.cp932);
}
std::optional<std::string> ReadFailed(std::string_view) {
  return std::string(read_messages::kReadFailed.cp932);
}
std::optional<std::string> NoMessage(std::string_view) {
  return std::nullopt;
}

struct FailureCase {
  const char* label;
  Arranged (*arrange)(const TempFolder&, ScriptedFileSystem&);
  std::optional<std::string> (*message)(std::string_view path);
  bool opens;  // whether the file layer is asked to open the path at all
};

void PrintTo(const FailureCase& c, std::ostream* out) {
  *out << c.label;
}

const FailureCase kFailures[] = {
    {"WrongExtension",
     [](const TempFolder& f, ScriptedFileSystem&) {
       return Arranged{MemImageBuilder().Present(0).WriteTo(f / "route.txt").string(), {}, {}};
     },
     Unrecognised, false},
    {"ExtensionAfterMem",
     [](const TempFolder& f, ScriptedFileSystem&) {
       return Arranged{MemImageBuilder().Present(0).WriteTo(f / "route.mem.bak").string(), {}, {}};
     },
     Unrecognised, false},
    {"ShortExtension",
     [](const TempFolder& f, ScriptedFileSystem&) {
       return Arranged{(f / "route.me").string(), {}, {}};
     },
     Unrecognised, false},
    {"NoExtension",
     [](const TempFolder& f, ScriptedFileSystem&) {
       return Arranged{(f / "route").string(), {}, {}};
     },
     Unrecognised, false},
    {"DotOnlyInFolder",
     [](const TempFolder&, ScriptedFileSystem&) {
       return Arranged{"C:\\data.mem\\route", {}, {}};
     },
     Unrecognised, false},
    {"MissingFile",
     [](const TempFolder& f, ScriptedFileSystem&) {
       return Arranged{(f / "missing.mem").string(), {}, {}};
     },
     NotFound, true},
    {"MissingFolder",
     [](const TempFolder& f, ScriptedFileSystem&) {
       return Arranged{(f / "nowhere" / "points.mem").string(), {}, {}};
     },
     NotFound, true},
    {"FolderAsInput",
     [](const TempFolder& f, ScriptedFileSystem&) {
       std::filesystem::create_directory(f / "folder.mem");
       return Arranged{(f / "folder.mem").string(), {}, {}};
     },
     ReadFailed, true},
    {"PathWithoutUtf8Form",
     [](const TempFolder& f, ScriptedFileSystem&) {
       return Arranged{f.Path().string() + "/\xFF.mem", {}, {}};
     },
     ReadFailed, true},
    {"LockedByAnotherOpener",
     [](const TempFolder& f, ScriptedFileSystem&) {
       const std::filesystem::path path = MemImageBuilder().Present(0).WriteTo(f / "locked.mem");
       return Arranged{path.string(), {}, std::make_unique<HeldLock>(path)};
     },
     SharingViolation, true},
    {"AccessDenied",
     [](const TempFolder& f, ScriptedFileSystem& files) {
       files.fail_read_open = OpenFailureCause::AccessDenied;
       return Arranged{MemImageBuilder().Present(0).WriteTo(f / "denied.mem").string(), {}, {}};
     },
     AccessDenied, true},
    {"OpenFailedWithoutCause",
     [](const TempFolder& f, ScriptedFileSystem& files) {
       files.fail_read_open = OpenFailureCause::None;
       return Arranged{MemImageBuilder().Present(0).WriteTo(f / "none.mem").string(), {}, {}};
     },
     NoMessage, true},
    {"OpenFailedOtherwise",
     [](const TempFolder& f, ScriptedFileSystem& files) {
       files.fail_read_open = OpenFailureCause::Other;
       return Arranged{MemImageBuilder().Present(0).WriteTo(f / "other.mem").string(), {}, {}};
     },
     ReadFailed, true},
    {"EmptyFile",
     [](const TempFolder& f, ScriptedFileSystem&) {
       const std::string path = WriteSized(f, "empty.mem", 0);
       return Arranged{path, path, {}};
     },
     Unrecognised, true},
    {"OneByteShort",
     [](const TempFolder& f, ScriptedFileSystem&) {
       const std::string path = WriteSized(f, "short.mem", 10'803);
       return Arranged{path, path, {}};
     },
     Unrecognised, true},
    {"OneByteLong",
     [](const TempFolder& f, ScriptedFileSystem&) {
       const std::string path = WriteSized(f, "long.mem", 10'805);
       return Arranged{path, path, {}};
     },
     Unrecognised, true},
    {"LengthError",
     [](const TempFolder& f, ScriptedFileSystem& files) {
       files.fail_length = true;
       return GoodFileWithFault(f);
     },
     ReadFailed, true},
    {"ReadError",
     [](const TempFolder& f, ScriptedFileSystem& files) {
       files.fail_read = true;
       return GoodFileWithFault(f);
     },
     ReadFailed, true},
    {"ShrankBeforeTheRead",
     [](const TempFolder& f, ScriptedFileSystem& files) {
       files.short_read_bytes = 10'803;
       return GoodFileWithFault(f);
     },
     ReadFailed, true},
    {"NothingDelivered",
     [](const TempFolder& f, ScriptedFileSystem& files) {
       files.short_read_bytes = 0;
       return GoodFileWithFault(f);
     },
     ReadFailed, true},
};

class ReadFailure : public ::testing::TestWithParam<FailureCase> {};

TEST_P(ReadFailure, ShowsItsMessageAndLeavesTheObjectAsItWas) {
  const FailureCase& c = GetParam();
  TempFolder folder;
  ScriptedFileSystem files;
  MemFile mem(files);
  // A loaded file whose bytes differ from every file the cases write.
  MemImageBuilder earlier;
  earlier.Present(0).Present(1).Present(2).Name(1, "EARLIER").Byte(0, 0x42);
  testing::LoadImage(mem, earlier, folder, "earlier.mem");
  const std::vector<std::uint8_t> image_before = ImageBytes(mem);
  ASSERT_EQ(mem.EntryCount(), 3);
  files.read_opens.clear();

  Arranged arranged = c.arrange(folder, files);
  ProbingSink sink;
  sink.probe = arranged.opened_file;
  EXPECT_EQ(mem.Read(arranged.path, sink), -1);

  std::vector<ShownMessage> expected;
  if (const auto text = c.message(arranged.path)) {
    expected.push_back({*text, std::nullopt, MessageIcon::Exclamation});
  }
  EXPECT_EQ(sink.messages, expected);
  EXPECT_EQ(files.read_opens,
            c.opens ? std::vector<std::string>{arranged.path} : std::vector<std::string>{});
  EXPECT_EQ(ImageBytes(mem), image_before);
  EXPECT_EQ(mem.EntryCount(), 3);

  // A file that was opened is held until the message is dismissed, and released afterwards.
  if (!arranged.opened_file.empty()) {
    EXPECT_EQ(sink.held_while_shown, std::vector<bool>{true});
    EXPECT_FALSE(IsHeld(arranged.opened_file));
  }
}

INSTANTIATE_TEST_SUITE_P(MemFile, ReadFailure, ::testing::ValuesIn(kFailures),
                         [](const ::testing::TestParamInfo<FailureCase>& info) {
                           return std::string(info.param.label);
                         });

// A failed read leaves a cleared object cleared, too.
TEST(ReadFailureOnClearedObject, StaysBlank) {
  TempFolder folder;
  const std::string path = WriteSized(folder, "short.mem", 10'803);
  MemFile mem;
  const std::vector<std::uint8_t> blank = ImageBytes(mem);
  RecordingMessageSink sink;
  EXPECT_EQ(mem.Read(path, sink), -1);
  EXPECT_EQ(ImageBytes(mem), blank);
  EXPECT_EQ(mem.EntryCount(), 0);
}

}  // namespace
}  // namespace quorvane
