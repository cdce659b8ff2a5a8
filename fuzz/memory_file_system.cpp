#include "memory_file_system.h"

#include <algorithm>
#include <cstring>
#include <memory>

namespace quorvane::fuzzing {

namespace {

class MemoryReadableFile final : public ReadableFile {
 public:
  explicit MemoryReadableFile(std::string_view bytes) : bytes_(bytes) {}

  std::optional<std::uint64_t> Length() override { return bytes_.size(); }

  std::optional<std::size_t> ReadFromStart(std::span<std::byte> buffer) override {
    const std::size_t count = std::min(buffer.size(), bytes_.size());
    if (count > 0) std::memcpy(buffer.data(), bytes_.data(), count);
    return count;
  }

  bool Close() override { return true; }

 private:
  std::string_view bytes_;
};

class MemoryReplacementFile final : public ReplacementFile {
 public:
  MemoryReplacementFile(std::map<std::string, std::string, std::less<>>& files,
                        std::string_view path)
      : files_(files), path_(path) {}

  bool Write(std::span<const std::byte> bytes) override {
    content_.append(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    return true;
  }

  // The file appears only now, as the real layer puts it in place only on commit.
  bool Commit() override {
    files_[path_] = std::move(content_);
    return true;
  }

 private:
  std::map<std::string, std::string, std::less<>>& files_;
  std::string path_;
  std::string content_;
};

}  // namespace

const std::string* MemoryFileSystem::Find(std::string_view path) const {
  const auto found = files_.find(path);
  return found == files_.end() ? nullptr : &found->second;
}

OpenResult<ReadableFile> MemoryFileSystem::OpenForReading(std::string_view cp932_path) const {
  const std::string* bytes = Find(cp932_path);
  if (bytes == nullptr) return {nullptr, OpenFailureCause::NotFound};
  return {std::make_unique<MemoryReadableFile>(*bytes), OpenFailureCause::None};
}

OpenResult<ReplacementFile> MemoryFileSystem::OpenForReplacing(std::string_view cp932_path) const {
  return {std::make_unique<MemoryReplacementFile>(files_, cp932_path), OpenFailureCause::None};
}

}  // namespace quorvane::fuzzing
