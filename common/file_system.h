#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string_view>

// The thin layer over the operating system's files. Paths are CP932 and are converted to the
// file-system encoding (UTF-8) by the layer; a path that cannot be converted fails with `Other`.
// Tests replace the layer to inject failures that a real file system cannot be made to show.
namespace quorvane {

enum class OpenFailureCause { None, NotFound, AccessDenied, SharingViolation, Other };

// A file opened for reading without sharing (an exclusive advisory lock is held while open).
// Destroying it closes it.
class ReadableFile {
 public:
  virtual ~ReadableFile() = default;
  // The file's length in bytes, or std::nullopt when it cannot be taken.
  virtual std::optional<std::uint64_t> Length() = 0;
  // Reads from the start of the file into `buffer` until it is full or the file ends. Returns
  // the number of bytes delivered, or std::nullopt on an error.
  virtual std::optional<std::size_t> ReadFromStart(std::span<std::byte> buffer) = 0;
  // Closes the file and releases its lock; false when the close reported an error.
  virtual bool Close() = 0;
};

// A new file that replaces the target only when it is complete. Bytes go to a temporary file
// beside the target; `Commit` puts it in place. Destroying an uncommitted file removes the
// temporary file and leaves the target as it was.
class ReplacementFile {
 public:
  virtual ~ReplacementFile() = default;
  // Writes all of `bytes`; false when the write failed or wrote short (a full disk included).
  virtual bool Write(std::span<const std::byte> bytes) = 0;
  // Flushes, closes and renames the new file over the target; false on any failure, in which
  // case the target is unchanged and the temporary file is gone.
  virtual bool Commit() = 0;
};

template <typename File>
struct OpenResult {
  std::unique_ptr<File> file;  // null on failure
  OpenFailureCause cause = OpenFailureCause::None;
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;
  // Opens an existing regular file for reading without sharing. A folder, a missing file, a
  // file another opener holds locked, and the rest fail with their cause.
  virtual OpenResult<ReadableFile> OpenForReading(std::string_view cp932_path) const = 0;
  // Prepares to replace (or create) the file at the path exclusively. A target that another
  // opener holds locked fails with `SharingViolation`; nothing is changed on failure.
  virtual OpenResult<ReplacementFile> OpenForReplacing(std::string_view cp932_path) const = 0;
};

// The real file system of this machine. It holds no state.
const FileSystem& SystemFileSystem();

}  // namespace quorvane
