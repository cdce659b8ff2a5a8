#pragma once

#include <map>
#include <string>
#include <string_view>

#include "common/file_system.h"

namespace quorvane::fuzzing {

// Files held in memory, so that a fuzz input reaches the reader and the writer without touching
// the disk. Opening never fails for a file that is there; a missing one is `NotFound`. A
// replaced file appears only when it is committed.
class MemoryFileSystem final : public FileSystem {
 public:
  void Put(std::string_view path, std::string_view bytes) { files_[std::string(path)] = bytes; }
  // The bytes of the file, or null when there is none.
  const std::string* Find(std::string_view path) const;

  OpenResult<ReadableFile> OpenForReading(std::string_view cp932_path) const override;
  OpenResult<ReplacementFile> OpenForReplacing(std::string_view cp932_path) const override;

 private:
  // Committed files are stored through a const file system, as on a real disk.
  mutable std::map<std::string, std::string, std::less<>> files_;
};

}  // namespace quorvane::fuzzing
