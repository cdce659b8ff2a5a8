#include "support/mem_image_builder.h"

#include <algorithm>
#include <fstream>

namespace quorvane::testing {

namespace {
constexpr std::size_t kHeader = 4;
constexpr std::size_t kEntrySize = 108;
}  // namespace

MemImageBuilder::MemImageBuilder() : bytes_(kFileSize, 0) {
  for (int i = 0; i < 100; ++i) {
    std::uint8_t* e = Entry(i);
    e[7] = 0x0C;
    std::fill(e + 70, e + 79, 0xFF);
    e[79] = 0x1F;
    e[80] = 0x00;
    e[81] = 0x10;
    std::fill(e + 82, e + 89, 0xFF);
  }
}

std::uint8_t* MemImageBuilder::Entry(int entry) {
  return bytes_.data() + kHeader + kEntrySize * static_cast<std::size_t>(entry);
}

MemImageBuilder& MemImageBuilder::Present(int entry, std::uint8_t value) {
  Entry(entry)[0] = value;
  return *this;
}

MemImageBuilder& MemImageBuilder::Longitude(int entry, std::array<std::uint8_t, 4> word) {
  std::copy(word.begin(), word.end(), Entry(entry) + 8);
  return *this;
}

MemImageBuilder& MemImageBuilder::Latitude(int entry, std::array<std::uint8_t, 4> word) {
  std::copy(word.begin(), word.end(), Entry(entry) + 12);
  return *this;
}

static void PutText(std::uint8_t* field, std::string_view text) {
  std::fill(field, field + 16, 0);
  std::copy_n(text.begin(), std::min<std::size_t>(text.size(), 16), field);
}

MemImageBuilder& MemImageBuilder::Name(int entry, std::string_view cp932) {
  PutText(Entry(entry) + 24, cp932);
  return *this;
}

MemImageBuilder& MemImageBuilder::ExtraText(int entry, std::string_view cp932) {
  PutText(Entry(entry) + 52, cp932);
  return *this;
}

MemImageBuilder& MemImageBuilder::Digits(int entry, std::array<std::uint8_t, 5> bcd) {
  std::copy(bcd.begin(), bcd.end(), Entry(entry) + 70);
  return *this;
}

MemImageBuilder& MemImageBuilder::Byte(std::size_t file_offset, std::uint8_t value) {
  bytes_.at(file_offset) = value;
  return *this;
}

std::filesystem::path MemImageBuilder::WriteTo(const std::filesystem::path& path) const {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes_.data()),
            static_cast<std::streamsize>(bytes_.size()));
  return path;
}

}  // namespace quorvane::testing
