#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace quorvane::testing {

// Builds the bytes of a memory-point file in a test: starts from the blank-entry pattern and
// sets the named fields of single entries.
class MemImageBuilder {
 public:
  static constexpr std::size_t kFileSize = 10'804;

  MemImageBuilder();

  MemImageBuilder& Present(int entry, std::uint8_t value = 1);
  MemImageBuilder& Longitude(int entry, std::array<std::uint8_t, 4> word);
  MemImageBuilder& Latitude(int entry, std::array<std::uint8_t, 4> word);
  // Writes up to 16 bytes; a shorter text is followed by a NUL.
  MemImageBuilder& Name(int entry, std::string_view cp932);
  MemImageBuilder& ExtraText(int entry, std::string_view cp932);
  MemImageBuilder& Digits(int entry, std::array<std::uint8_t, 5> bcd);
  MemImageBuilder& Byte(std::size_t file_offset, std::uint8_t value);

  const std::vector<std::uint8_t>& Bytes() const { return bytes_; }
  // Writes the image to `path` (native path); returns the path.
  std::filesystem::path WriteTo(const std::filesystem::path& path) const;

 private:
  std::uint8_t* Entry(int entry);
  std::vector<std::uint8_t> bytes_;
};

}  // namespace quorvane::testing
