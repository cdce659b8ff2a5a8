// Bounded copies of arbitrary CP932 texts, alone into a buffer of exactly the size the contract
// asks for, and through the two setters of the point table that use them.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <vector>

#include "common/cp932.h"
#include "fuzz_check.h"
#include "memory_file_system.h"
#include "pointfile/point_table.h"

namespace quorvane::fuzzing {
namespace {

// The length the copy keeps, by the rule itself: a text within the limit whole; a longer one cut
// at the limit, one byte less when the byte before the cut starts a double-byte character.
std::size_t ExpectedLength(std::string_view text, std::size_t limit) {
  if (text.size() <= limit) return text.size();
  if (limit == 0) return 0;
  return StartsDoubleByteCharacter(text, limit - 1) ? limit - 1 : limit;
}

void CheckCopy(std::string_view text, std::size_t limit) {
  // Exactly limit + 1 bytes on the heap, so that the sanitizer sees a byte written past them.
  std::vector<char> destination(limit + 1, '\x7F');
  CopyBounded(destination, text, limit);
  const std::size_t length = ExpectedLength(text, limit);
  QUORVANE_FUZZ_CHECK(length <= limit);
  QUORVANE_FUZZ_CHECK(std::memcmp(destination.data(), text.data(), length) == 0);
  QUORVANE_FUZZ_CHECK(destination[length] == '\0');
  const std::string_view stored(destination.data(), length);
  if (text.size() > limit) {
    // A cut never leaves half a character, nor more than one byte short of the limit.
    QUORVANE_FUZZ_CHECK(CharacterBoundaryPrefix(stored, stored.size()) == stored.size());
    QUORVANE_FUZZ_CHECK(length + 1 >= limit);
  }
  // A text of whole characters is stored as whole characters, cut or not.
  if (CharacterBoundaryPrefix(text, text.size()) == text.size()) {
    QUORVANE_FUZZ_CHECK(CharacterBoundaryPrefix(stored, stored.size()) == stored.size());
  }
}

void CheckStoredField(const char* field, std::size_t width, std::string_view text) {
  const std::string_view stored(field, strnlen(field, width));
  QUORVANE_FUZZ_CHECK(stored.size() < width);
  QUORVANE_FUZZ_CHECK(stored.size() <= PointTable::kTextLimit);
  // The field reads up to the first NUL, which a text may hold.
  const std::size_t length = ExpectedLength(text, PointTable::kTextLimit);
  QUORVANE_FUZZ_CHECK(stored ==
                      text.substr(0, length).substr(0, text.substr(0, length).find('\0')));
}

}  // namespace
}  // namespace quorvane::fuzzing

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quorvane;
  using namespace quorvane::fuzzing;
  if (size == 0) return 0;
  const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
  const std::size_t limit = data[0] % 48;
  CheckCopy(text, limit);
  CheckCopy(text, PointTable::kTextLimit);

  // One table for the whole run: a fresh one per input would cost more than the copies.
  static const MemoryFileSystem files;
  static PointTable table(files);
  const int slot = data[0] % PointTable::kWrittenCapacity;
  table.InitRecord(slot);
  table.SetName(text, slot);
  table.SetExtraText(text, slot);
  const PointRecord& record = table.Record(slot);
  CheckStoredField(record.name, sizeof record.name, text);
  CheckStoredField(record.extra_text, sizeof record.extra_text, text);
  return 0;
}
