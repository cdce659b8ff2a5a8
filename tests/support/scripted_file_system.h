#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "common/file_system.h"

namespace quorvane::testing {

// The real file system with failures injected where a real one cannot be made to fail on
// demand (a read error after a successful open, a disk that fills, a failed close, ...).
// Everything not scripted goes to the system's files.
class ScriptedFileSystem : public FileSystem {
 public:
  // Open failures: make the next opens fail with this cause without touching the disk.
  std::optional<OpenFailureCause> fail_read_open;
  std::optional<OpenFailureCause> fail_replace_open;
  // After a successful open for reading:
  bool fail_length = false;
  bool fail_read = false;
  std::optional<std::size_t> short_read_bytes;  // deliver only this many bytes
  bool fail_reader_close = false;
  // After a successful open for replacing:
  std::optional<std::size_t> fail_write_after_bytes;  // writes fail once this many were written
  bool fail_commit = false;

  // Paths passed to the opens, in order (CP932).
  mutable std::vector<std::string> read_opens;
  mutable std::vector<std::string> replace_opens;

  OpenResult<ReadableFile> OpenForReading(std::string_view cp932_path) const override;
  OpenResult<ReplacementFile> OpenForReplacing(std::string_view cp932_path) const override;
};

}  // namespace quorvane::testing
