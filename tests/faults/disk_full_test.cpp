// A disk that fills while the point file is written: on a small tmpfs that the test mounts when
// it may (as root, as in CI), and through the seam everywhere.

#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "fault_run.h"
#include "support/cp932_literal.h"
#include "support/scripted_file_system.h"
#include "support/temp_folder.h"

namespace quorvane::testing {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kOldPointFile = "old point file, kept on failure\r\n";
constexpr std::size_t kPage = 4'096;

// A tmpfs of 64 KB, room for the point file of about 16 KB, on a folder, unmounted when the object
// goes away.
class SmallTmpfs {
 public:
  explicit SmallTmpfs(const fs::path& folder) : folder_(folder) {
    fs::create_directory(folder_);
    if (::mount("tmpfs", folder_.c_str(), "tmpfs", MS_NOSUID | MS_NODEV, "size=64k,mode=0755") ==
        0) {
      mounted_ = true;
    } else {
      error_ = std::strerror(errno);
    }
  }
  ~SmallTmpfs() {
    if (mounted_ && ::umount(folder_.c_str()) != 0) ::umount2(folder_.c_str(), MNT_DETACH);
  }
  SmallTmpfs(const SmallTmpfs&) = delete;
  SmallTmpfs& operator=(const SmallTmpfs&) = delete;

  bool Mounted() const { return mounted_; }
  const std::string& Error() const { return error_; }
  std::uint64_t FreeBytes() const {
    struct statvfs info {};
    if (::statvfs(folder_.c_str(), &info) != 0) return 0;
    return static_cast<std::uint64_t>(info.f_bavail) * info.f_frsize;
  }

 private:
  fs::path folder_;
  bool mounted_ = false;
  std::string error_;
};

class DiskFullTest : public ::testing::Test {
 protected:
  void SetUp() override { WriteAllBytes(Input(), FullImage()); }
  fs::path Input() const { return folder_ / "地点表.mem"; }

  TempFolder folder_;
};

TEST_F(DiskFullTest, RealTmpfsThatFillsDuringTheWrite) {
  if (::geteuid() != 0) GTEST_SKIP() << "mounting a tmpfs needs root; the seam case stands in";
  const fs::path disk = folder_ / "disk";
  const SmallTmpfs tmpfs(disk);
  if (!tmpfs.Mounted()) {
    GTEST_SKIP() << "cannot mount a tmpfs here (" << tmpfs.Error()
                 << "; no CAP_SYS_ADMIN in this container?); the seam case stands in";
  }
  const fs::path output = disk / "地点表.pmf";
  WriteAllBytes(output, kOldPointFile);
  // Leave one page: the header and the first lines fit, the rest of the point file does not.
  const std::uint64_t free_bytes = tmpfs.FreeBytes();
  ASSERT_GT(free_bytes, kPage);
  WriteAllBytes(disk / "filler", std::string(free_bytes - kPage, 'f'));
  ASSERT_EQ(tmpfs.FreeBytes(), kPage);
  const std::vector<std::string> before = Snapshot(disk);

  const RunOutcome outcome = Convert(SystemFileSystem(), Cp932Path(Input()), Cp932Path(output));
  EXPECT_EQ(outcome.status, ConversionStatus::WriteFailed);
  EXPECT_EQ(outcome.messages,
            std::vector<ShownMessage>{ReaderOrWriterMessage("書き込みに失敗しました。")});
  EXPECT_EQ(Snapshot(disk), before);  // the old file whole, no temporary file
  EXPECT_EQ(tmpfs.FreeBytes(), kPage);

  // With room again the same conversion goes through.
  fs::remove(disk / "filler");
  const RunOutcome again = Convert(SystemFileSystem(), Cp932Path(Input()), Cp932Path(output));
  EXPECT_EQ(again.status, ConversionStatus::Done);
  EXPECT_EQ(again.messages, std::vector<ShownMessage>{CompletionMessage()});
  EXPECT_GT(fs::file_size(output), kPage);
  EXPECT_EQ(Snapshot(disk).size(), 1u);
}

// The same fault wherever the tmpfs cannot be had: the write fails after the first page.
TEST_F(DiskFullTest, ThroughTheSeam) {
  const fs::path output = folder_ / "地点表.pmf";
  WriteAllBytes(output, kOldPointFile);
  const std::vector<std::string> before = Snapshot(folder_.Path());
  ScriptedFileSystem files;
  files.fail_write_after_bytes = kPage;
  const RunOutcome outcome = Convert(files, Cp932Path(Input()), Cp932Path(output));
  EXPECT_EQ(outcome.status, ConversionStatus::WriteFailed);
  EXPECT_EQ(outcome.messages,
            std::vector<ShownMessage>{ReaderOrWriterMessage("書き込みに失敗しました。")});
  EXPECT_EQ(Snapshot(folder_.Path()), before);
}

}  // namespace
}  // namespace quorvane::testing
