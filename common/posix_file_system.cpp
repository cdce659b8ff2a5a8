// The file layer on Linux. "Without sharing" is an exclusive, non-blocking flock(2) taken when a
// file is opened: another copy of the converter, or flock(1) in a script, holding the file is
// seen as a sharing violation. A point file is first written to a temporary file beside its
// target and renamed over the target only when it is complete, so a failure never leaves half a
// file behind nor destroys the file that stood there before.

#include <fcntl.h>
#include <stdlib.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <string>

#include "common/file_system.h"
#include "common/text_codec.h"

namespace quorvane {

namespace {

OpenFailureCause CauseOf(int error) {
  switch (error) {
    case ENOENT:
    case ENOTDIR:
      return OpenFailureCause::NotFound;
    case EACCES:
    case EPERM:
      return OpenFailureCause::AccessDenied;
    default:
      return OpenFailureCause::Other;
  }
}

// Closes a descriptor once, however the owner goes away.
class Descriptor {
 public:
  Descriptor() = default;
  explicit Descriptor(int fd) : fd_(fd) {}
  Descriptor(Descriptor&& other) noexcept : fd_(other.Release()) {}
  Descriptor& operator=(Descriptor&& other) noexcept {
    if (this != &other) {
      Close();
      fd_ = other.Release();
    }
    return *this;
  }
  ~Descriptor() { Close(); }

  int Get() const { return fd_; }
  bool IsOpen() const { return fd_ >= 0; }
  int Release() {
    const int fd = fd_;
    fd_ = -1;
    return fd;
  }
  bool Close() {
    if (fd_ < 0) return true;
    const int result = ::close(Release());
    return result == 0;
  }

 private:
  int fd_ = -1;
};

// Takes the exclusive lock that stands for "no sharing"; false only when another opener holds
// the file. A file system without flock support is not a reason to refuse the file.
bool LockExclusively(int fd) {
  if (::flock(fd, LOCK_EX | LOCK_NB) == 0) return true;
  return errno != EWOULDBLOCK;
}

class PosixReadableFile final : public ReadableFile {
 public:
  explicit PosixReadableFile(Descriptor fd) : fd_(std::move(fd)) {}

  std::optional<std::uint64_t> Length() override {
    struct stat info {};
    if (!fd_.IsOpen() || ::fstat(fd_.Get(), &info) != 0) return std::nullopt;
    return static_cast<std::uint64_t>(info.st_size);
  }

  std::optional<std::size_t> ReadFromStart(std::span<std::byte> buffer) override {
    if (!fd_.IsOpen()) return std::nullopt;
    std::size_t done = 0;
    while (done < buffer.size()) {
      const ssize_t got =
          ::pread(fd_.Get(), buffer.data() + done, buffer.size() - done, static_cast<off_t>(done));
      if (got < 0) {
        if (errno == EINTR) continue;
        return std::nullopt;
      }
      if (got == 0) break;
      done += static_cast<std::size_t>(got);
    }
    return done;
  }

  bool Close() override { return fd_.Close(); }

 private:
  Descriptor fd_;
};

mode_t CreationMode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return static_cast<mode_t>(0666 & ~mask);
}

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

class PosixReplacementFile final : public ReplacementFile {
 public:
  PosixReplacementFile(std::string target, std::string temporary, Descriptor temp_fd,
                       Descriptor target_lock)
      : target_(std::move(target)),
        temporary_(std::move(temporary)),
        temp_fd_(std::move(temp_fd)),
        target_lock_(std::move(target_lock)) {}

  ~PosixReplacementFile() override {
    if (!committed_) Discard();
  }

  bool Write(std::span<const std::byte> bytes) override {
    if (failed_ || !temp_fd_.IsOpen()) return false;
    std::size_t done = 0;
    while (done < bytes.size()) {
      const ssize_t put = ::write(temp_fd_.Get(), bytes.data() + done, bytes.size() - done);
      if (put < 0 && errno == EINTR) continue;
      if (put <= 0) {
        failed_ = true;
        return false;
      }
      done += static_cast<std::size_t>(put);
    }
    return true;
  }

  bool Commit() override {
    if (failed_ || committed_ || !temp_fd_.IsOpen()) {
      Discard();
      return false;
    }
    const bool synced = ::fsync(temp_fd_.Get()) == 0;
    const bool closed = temp_fd_.Close();
    if (!synced || !closed || ::rename(temporary_.c_str(), target_.c_str()) != 0) {
      Discard();
      return false;
    }
    committed_ = true;
    target_lock_.Close();
    return true;
  }

 private:
  void Discard() {
    temp_fd_.Close();
    if (!committed_ && !temporary_.empty()) ::unlink(temporary_.c_str());
    temporary_.clear();
    target_lock_.Close();
    failed_ = true;
  }

  std::string target_;
  std::string temporary_;
  Descriptor temp_fd_;
  Descriptor target_lock_;
  bool failed_ = false;
  bool committed_ = false;
};

class PosixFileSystem final : public FileSystem {
 public:
  OpenResult<ReadableFile> OpenForReading(std::string_view cp932_path) const override {
    const std::optional<std::string> path = Cp932ToUtf8(cp932_path);
    if (!path) return {nullptr, OpenFailureCause::Other};
    Descriptor fd(::open(path->c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (!fd.IsOpen()) return {nullptr, CauseOf(errno)};
    struct stat info {};
    if (::fstat(fd.Get(), &info) != 0) return {nullptr, OpenFailureCause::Other};
    if (S_ISDIR(info.st_mode)) return {nullptr, OpenFailureCause::Other};
    if (!LockExclusively(fd.Get())) return {nullptr, OpenFailureCause::SharingViolation};
    // Reads block as usual from here on; the open itself must not hang on a FIFO.
    ::fcntl(fd.Get(), F_SETFL, ::fcntl(fd.Get(), F_GETFL) & ~O_NONBLOCK);
    return {std::make_unique<PosixReadableFile>(std::move(fd)), OpenFailureCause::None};
  }

  OpenResult<ReplacementFile> OpenForReplacing(std::string_view cp932_path) const override {
    const std::optional<std::string> converted = Cp932ToUtf8(cp932_path);
    if (!converted) return {nullptr, OpenFailureCause::Other};
    if (converted->empty()) return {nullptr, OpenFailureCause::NotFound};
    std::string target = *converted;

    // A link is followed, as a plain open would: the file it names is the one replaced.
    struct stat link_info {};
    if (::lstat(target.c_str(), &link_info) == 0 && S_ISLNK(link_info.st_mode)) {
      char resolved[PATH_MAX];
      if (::realpath(target.c_str(), resolved) != nullptr) target = resolved;
    }

    // The existing target is opened for writing (not truncated) to hold its lock and to see
    // the same refusals a plain open would give: no right to write, a folder, a locked file.
    mode_t mode = CreationMode();
    Descriptor lock(::open(target.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    struct stat info {};
    bool exists = false;
    if (lock.IsOpen()) {
      if (::fstat(lock.Get(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return {nullptr, OpenFailureCause::Other};
      }
      if (!LockExclusively(lock.Get())) return {nullptr, OpenFailureCause::SharingViolation};
      mode = info.st_mode & 07777;
      exists = true;
    } else if (errno != ENOENT) {
      return {nullptr, CauseOf(errno)};
    }

    std::string temporary = FolderOf(target) + "/.quorvane-XXXXXX";
    Descriptor temp_fd(::mkostemp(temporary.data(), O_CLOEXEC));
    if (!temp_fd.IsOpen()) return {nullptr, CauseOf(errno)};
    // A new file gets what a plain create would give it; a replaced one keeps its rights.
    bool prepared = ::fchmod(temp_fd.Get(), mode) == 0;
    if (prepared && exists && ::geteuid() == 0) {
      prepared = ::fchown(temp_fd.Get(), info.st_uid, info.st_gid) == 0;
    }
    if (!prepared) {
      temp_fd.Close();
      ::unlink(temporary.c_str());
      return {nullptr, OpenFailureCause::Other};
    }
    return {std::make_unique<PosixReplacementFile>(std::move(target), std::move(temporary),
                                                   std::move(temp_fd), std::move(lock)),
            OpenFailureCause::None};
  }
};

}  // namespace

const FileSystem& SystemFileSystem() {
  static const PosixFileSystem files;
  return files;
}

}  // namespace quorvane
