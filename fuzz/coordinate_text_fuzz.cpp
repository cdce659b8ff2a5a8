// Encodes arbitrary coordinate texts and takes their line checksum; texts made by FormatDms are
// also checked against the digits they spell.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "memfile/dms_text.h"
#include "pointfile/coordinate_encoding.h"

namespace quorvane::fuzzing {
namespace {

// Record fields hold at most 31 bytes of text, and the encoders read no further.
constexpr std::size_t kFieldText = 31;

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
bool IsUpperHex(char c) {
  return IsDigit(c) || (c >= 'A' && c <= 'F');
}

// "%08d" of some number: an optional minus sign, then digits, eight characters at least.
void CheckEncoded(std::string_view encoded) {
  QUORVANE_FUZZ_CHECK(encoded.size() >= 8);
  const std::string_view digits = encoded.starts_with('-') ? encoded.substr(1) : encoded;
  QUORVANE_FUZZ_CHECK(!digits.empty());
  for (const char c : digits) QUORVANE_FUZZ_CHECK(IsDigit(c));
}

// Two digits for a sum that is not negative; the eight digits of a negative remainder else.
void CheckChecksum(std::string_view checksum) {
  QUORVANE_FUZZ_CHECK(checksum.size() == 2 || checksum.size() == 8);
  for (const char c : checksum) QUORVANE_FUZZ_CHECK(IsUpperHex(c));
  if (checksum.size() == 8) QUORVANE_FUZZ_CHECK(checksum.starts_with("FFFFFF"));
}

int Digits(std::string_view text, std::size_t at, std::size_t count) {
  int value = 0;
  for (std::size_t k = at; k < at + count; ++k) value = value * 10 + (text[k] - '0');
  return value;
}

std::uint32_t Word(std::string_view bytes, std::size_t at) {
  std::uint32_t value = 0;
  for (std::size_t k = at; k < at + 4 && k < bytes.size(); ++k) {
    value = (value << 8) | static_cast<unsigned char>(bytes[k]);
  }
  return value;
}

// A DmsText below 1,000 degrees encodes as its own digits DDDMMSSt, and its checksum is the
// low byte of the sum of degrees, minutes, seconds and thousandths of both texts.
void CheckDmsPair(std::uint32_t latitude_units, std::uint32_t longitude_units) {
  const std::string latitude = FormatDms(latitude_units);
  const std::string longitude = FormatDms(longitude_units);
  int sum = 0;
  for (const std::string& dms : {latitude, longitude}) {
    QUORVANE_FUZZ_CHECK(dms.size() == 13);
    if (dms[0] != ' ' && !IsDigit(dms[0])) return;  // corrupt degrees of 1,000 and more
    const int degrees = (dms[0] == ' ' ? 0 : (dms[0] - '0') * 100) + Digits(dms, 1, 2);
    const std::string expected = std::string(1, static_cast<char>('0' + degrees / 100)) +
                                 dms.substr(1, 2) + dms.substr(4, 2) + dms.substr(7, 2) +
                                 dms.substr(10, 1);
    QUORVANE_FUZZ_CHECK(EncodeCoordinate(dms) == expected);
    sum += degrees + Digits(dms, 4, 2) + Digits(dms, 7, 2) + Digits(dms, 10, 3);
  }
  char expected[8];
  std::snprintf(expected, sizeof expected, "%02X", static_cast<unsigned>(sum % 256));
  QUORVANE_FUZZ_CHECK(LineChecksum(latitude, longitude) == expected);
}

}  // namespace
}  // namespace quorvane::fuzzing

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quorvane;
  using namespace quorvane::fuzzing;
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  if (input.empty()) return 0;

  // The first byte says where the first text ends; the rest is the second text.
  const std::string_view body = input.substr(1);
  const std::size_t split =
      std::min<std::size_t>(static_cast<unsigned char>(input[0]) % 64, body.size());
  const std::string_view first_whole = body.substr(0, split);
  const std::string_view second_whole = body.substr(split);
  const std::string_view first = first_whole.substr(0, kFieldText);
  const std::string_view second = second_whole.substr(0, kFieldText);

  for (const std::string_view text : {first, second}) {
    const std::string encoded = EncodeCoordinate(text);
    CheckEncoded(encoded);
    // Nothing after a NUL is read, nor anything past the field's 31 bytes.
    QUORVANE_FUZZ_CHECK(EncodeCoordinate(text.substr(0, text.find('\0'))) == encoded);
  }
  QUORVANE_FUZZ_CHECK(EncodeCoordinate(first_whole) == EncodeCoordinate(first));
  const std::string checksum = LineChecksum(first, second);
  CheckChecksum(checksum);
  QUORVANE_FUZZ_CHECK(LineChecksum(first_whole, second_whole) == checksum);

  // Any value a coordinate word can decode to, and beyond it.
  CheckDmsPair(Word(body, 0) & 0x3FFFFFFF, Word(body, 4) & 0x3FFFFFFF);
  QUORVANE_FUZZ_CHECK(FormatDms(Word(body, 0)).size() == 13);
  return 0;
}
