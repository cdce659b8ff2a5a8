#include "support/scripted_file_system.h"

#include <algorithm>

namespace quorvane::testing {

namespace {

class ScriptedReadableFile final : public ReadableFile {
 public:
  ScriptedReadableFile(std::unique_ptr<ReadableFile> real, const ScriptedFileSystem& script)
      : real_(std::move(real)), script_(script) {}

  std::optional<std::uint64_t> Length() override {
    if (script_.fail_length) return std::nullopt;
    return real_->Length();
  }

  std::optional<std::size_t> ReadFromStart(std::span<std::byte> buffer) override {
    if (script_.fail_read) return std::nullopt;
    if (script_.short_read_bytes) {
      buffer = buffer.first(std::min(buffer.size(), *script_.short_read_bytes));
    }
    return real_->ReadFromStart(buffer);
  }

  bool Close() override {
    const bool closed = real_->Close();
    return closed && !script_.fail_reader_close;
  }

 private:
  std::unique_ptr<ReadableFile> real_;
  const ScriptedFileSystem& script_;
};

class ScriptedReplacementFile final : public ReplacementFile {
 public:
  ScriptedReplacementFile(std::unique_ptr<ReplacementFile> real, const ScriptedFileSystem& script)
      : real_(std::move(real)), script_(script) {}

  bool Write(std::span<const std::byte> bytes) override {
    if (script_.fail_write_after_bytes) {
      const std::size_t room = *script_.fail_write_after_bytes > written_
                                   ? *script_.fail_write_after_bytes - written_
                                   : 0;
      if (bytes.size() > room) {
        // Like a disk that fills: what fits is written, then the write fails.
        real_->Write(bytes.first(room));
        written_ += room;
        return false;
      }
    }
    written_ += bytes.size();
    return real_->Write(bytes);
  }

  bool Commit() override {
    if (script_.fail_commit) return false;  // the real file is discarded on destruction
    return real_->Commit();
  }

 private:
  std::unique_ptr<ReplacementFile> real_;
  const ScriptedFileSystem& script_;
  std::size_t written_ = 0;
};

}  // namespace

OpenResult<ReadableFile> ScriptedFileSystem::OpenForReading(std::string_view cp932_path) const {
  read_opens.emplace_back(cp932_path);
  if (fail_read_open) return {nullptr, *fail_read_open};
  OpenResult<ReadableFile> real = SystemFileSystem().OpenForReading(cp932_path);
  if (!real.file) return real;
  return {std::make_unique<ScriptedReadableFile>(std::move(real.file), *this),
          OpenFailureCause::None};
}

OpenResult<ReplacementFile> ScriptedFileSystem::OpenForReplacing(
    std::string_view cp932_path) const {
  replace_opens.emplace_back(cp932_path);
  if (fail_replace_open) return {nullptr, *fail_replace_open};
  OpenResult<ReplacementFile> real = SystemFileSystem().OpenForReplacing(cp932_path);
  if (!real.file) return real;
  return {std::make_unique<ScriptedReplacementFile>(std::move(real.file), *this),
          OpenFailureCause::None};
}

}  // namespace quorvane::testing
