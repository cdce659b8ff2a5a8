#pragma once

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <filesystem>

namespace quorvane::testing {

// Another opener that holds a file without sharing, as a second converter or flock(1) would:
// its own descriptor with an exclusive lock, until the object goes away.
class HeldLock {
 public:
  explicit HeldLock(const std::filesystem::path& path)
      : fd_(::open(path.c_str(), O_RDONLY | O_CLOEXEC)),
        locked_(fd_ >= 0 && ::flock(fd_, LOCK_EX | LOCK_NB) == 0) {}
  ~HeldLock() {
    if (fd_ >= 0) ::close(fd_);
  }
  HeldLock(const HeldLock&) = delete;
  HeldLock& operator=(const HeldLock&) = delete;

  bool Locked() const { return locked_; }

 private:
  int fd_;
  bool locked_;
};

}  // namespace quorvane::testing
