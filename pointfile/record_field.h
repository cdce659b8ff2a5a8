#pragma once

#include <algorithm>
#include <cstddef>
#include <string_view>

#include "common/cp932.h"

// Access to the fixed-width NUL-terminated text fields of a PointRecord. Neither helper ever
// touches a byte outside the field, whatever the text or the field holds.
namespace quorvane {

// The text of a field up to its NUL; the whole field when a NUL is missing.
template <std::size_t Width>
std::string_view FieldText(const char (&field)[Width]) {
  return std::string_view(field,
                          static_cast<std::size_t>(std::find(field, field + Width, '\0') - field));
}

// Copies the text and a NUL into the field. A text that does not fit is cut at the last
// character boundary that leaves room for the NUL, so a field never ends in half a character.
template <std::size_t Width>
void StoreText(char (&field)[Width], std::string_view text) {
  static_assert(Width > 0);
  const std::size_t room = Width - 1;
  const std::size_t length =
      text.size() <= room ? text.size() : CharacterBoundaryPrefix(text, room);
  std::copy_n(text.data(), length, field);
  field[length] = '\0';
}

}  // namespace quorvane
