#include "common/file_system.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <filesystem>
#include <string>

#include "common/text_codec.h"
#include "support/temp_folder.h"

namespace quorvane {
namespace {

using testing::ReadAllBytes;
using testing::TempFolder;
using testing::WriteAllBytes;

std::span<const std::byte> AsBytes(std::string_view text) {
  return std::as_bytes(std::span<const char>(text.data(), text.size()));
}

// Holds a flock(2) on a file, as another copy of the converter or flock(1) would.
class OtherOpener {
 public:
  explicit OtherOpener(const std::filesystem::path& path) : fd_(::open(path.c_str(), O_RDONLY)) {
    EXPECT_GE(fd_, 0);
    EXPECT_EQ(::flock(fd_, LOCK_EX | LOCK_NB), 0);
  }
  ~OtherOpener() { ::close(fd_); }

 private:
  int fd_;
};

const FileSystem& files = SystemFileSystem();

TEST(FileSystemReading, OpenFailureCauses) {
  TempFolder folder;
  WriteAllBytes(folder / "locked.mem", "x");
  OtherOpener holder(folder / "locked.mem");

  struct Case {
    std::string path;
    OpenFailureCause cause;
  };
  const Case cases[] = {
      {(folder / "missing.mem").string(), OpenFailureCause::NotFound},
      {(folder / "missing" / "x.mem").string(), OpenFailureCause::NotFound},
      {(folder / "locked.mem" / "x.mem").string(), OpenFailureCause::NotFound},  // ENOTDIR
      {folder.Path().string(), OpenFailureCause::Other},                         // a folder
      {(folder / "locked.mem").string(), OpenFailureCause::SharingViolation},
      {folder.Path().string() + "/\x93", OpenFailureCause::Other},  // not convertible
      {folder.Path().string() + "/" + std::string(300, 'a') + ".mem", OpenFailureCause::Other},
  };
  for (const Case& c : cases) {
    const OpenResult<ReadableFile> opened = files.OpenForReading(c.path);
    EXPECT_EQ(opened.file, nullptr) << c.path;
    EXPECT_EQ(opened.cause, c.cause) << c.path;
  }
}

TEST(FileSystemReading, ReadsAFileNamedInCp932AndHoldsItExclusively) {
  TempFolder folder;
  std::filesystem::create_directory(folder / "表ソ");
  WriteAllBytes(folder / "表ソ" / "東京.mem", "hello");
  const std::string path = *Utf8ToCp932((folder / "表ソ" / "東京.mem").string());

  OpenResult<ReadableFile> opened = files.OpenForReading(path);
  ASSERT_NE(opened.file, nullptr);
  EXPECT_EQ(opened.file->Length(), 5u);
  std::array<std::byte, 8> buffer{};
  EXPECT_EQ(opened.file->ReadFromStart(buffer), 5u);
  EXPECT_EQ(static_cast<char>(buffer[0]), 'h');

  EXPECT_EQ(files.OpenForReading(path).cause, OpenFailureCause::SharingViolation);
  EXPECT_TRUE(opened.file->Close());
  EXPECT_NE(files.OpenForReading(path).file, nullptr);
}

TEST(FileSystemReading, AFifoDoesNotHangTheOpen) {
  TempFolder folder;
  ASSERT_EQ(::mkfifo((folder / "pipe.mem").c_str(), 0600), 0);
  OpenResult<ReadableFile> opened = files.OpenForReading((folder / "pipe.mem").string());
  ASSERT_NE(opened.file, nullptr);
  EXPECT_EQ(opened.file->Length(), 0u);
}

TEST(FileSystemReplacing, ANewFileAppearsOnlyOnCommitWithTheRightsOfAPlainCreate) {
  TempFolder folder;
  const mode_t old_mask = ::umask(022);
  const std::string target = (folder / "out.pmf").string();
  {
    OpenResult<ReplacementFile> opened = files.OpenForReplacing(target);
    ASSERT_NE(opened.file, nullptr);
    EXPECT_TRUE(opened.file->Write(AsBytes("abc")));
    EXPECT_FALSE(std::filesystem::exists(target));
    EXPECT_TRUE(opened.file->Commit());
  }
  ::umask(old_mask);
  EXPECT_EQ(folder.Listing(), std::vector<std::string>{"out.pmf"});
  EXPECT_EQ(ReadAllBytes(target), (std::vector<unsigned char>{'a', 'b', 'c'}));
  struct stat info {};
  ASSERT_EQ(::stat(target.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0644u);
}

TEST(FileSystemReplacing, AnUncommittedFileLeavesNothingBehind) {
  TempFolder folder;
  WriteAllBytes(folder / "old.pmf", "old");
  {
    OpenResult<ReplacementFile> opened = files.OpenForReplacing((folder / "old.pmf").string());
    ASSERT_NE(opened.file, nullptr);
    opened.file->Write(AsBytes("new"));
  }
  {
    OpenResult<ReplacementFile> opened = files.OpenForReplacing((folder / "new.pmf").string());
    ASSERT_NE(opened.file, nullptr);
    opened.file->Write(AsBytes("new"));
  }
  EXPECT_EQ(folder.Listing(), std::vector<std::string>{"old.pmf"});
  EXPECT_EQ(ReadAllBytes(folder / "old.pmf"), (std::vector<unsigned char>{'o', 'l', 'd'}));
}

TEST(FileSystemReplacing, AReplacedFileKeepsItsRightsAndALinkKeepsPointingAtIt) {
  TempFolder folder;
  WriteAllBytes(folder / "real.pmf", "old");
  std::filesystem::permissions(folder / "real.pmf", std::filesystem::perms(0640));
  std::filesystem::create_symlink("real.pmf", folder / "link.pmf");

  OpenResult<ReplacementFile> opened = files.OpenForReplacing((folder / "link.pmf").string());
  ASSERT_NE(opened.file, nullptr);
  EXPECT_TRUE(opened.file->Write(AsBytes("new")));
  EXPECT_TRUE(opened.file->Commit());

  EXPECT_TRUE(std::filesystem::is_symlink(folder / "link.pmf"));
  EXPECT_EQ(ReadAllBytes(folder / "real.pmf"), (std::vector<unsigned char>{'n', 'e', 'w'}));
  EXPECT_EQ(std::filesystem::status(folder / "real.pmf").permissions(),
            std::filesystem::perms(0640));
}

TEST(FileSystemReplacing, OpenFailureCausesLeaveTheTargetAlone) {
  TempFolder folder;
  WriteAllBytes(folder / "locked.pmf", "old");
  OtherOpener holder(folder / "locked.pmf");
  std::filesystem::create_directory(folder / "dir.pmf");

  struct Case {
    std::string path;
    OpenFailureCause cause;
  };
  const Case cases[] = {
      {(folder / "locked.pmf").string(), OpenFailureCause::SharingViolation},
      {(folder / "missing" / "x.pmf").string(), OpenFailureCause::NotFound},
      {(folder / "dir.pmf").string(), OpenFailureCause::Other},
      {folder.Path().string() + "/\x93.pmf", OpenFailureCause::Other},
      {"", OpenFailureCause::NotFound},
  };
  for (const Case& c : cases) {
    const OpenResult<ReplacementFile> opened = files.OpenForReplacing(c.path);
    EXPECT_EQ(opened.file, nullptr) << c.path;
    EXPECT_EQ(opened.cause, c.cause) << c.path;
  }
  EXPECT_EQ(folder.Listing(), (std::vector<std::string>{"dir.pmf", "locked.pmf"}));
  EXPECT_EQ(ReadAllBytes(folder / "locked.pmf"), (std::vector<unsigned char>{'o', 'l', 'd'}));
}

}  // namespace
}  // namespace quorvane
