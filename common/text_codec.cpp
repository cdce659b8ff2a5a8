#include "common/text_codec.h"

#include <iconv.h>

#include <cerrno>

namespace quorvane {

namespace {

// Converts the whole text or nothing: an invalid or unmappable sequence fails the conversion
// instead of being replaced.
std::optional<std::string> Convert(const char* to, const char* from, std::string_view text) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  std::string out;
  std::string input(text);
  char* in_ptr = input.data();
  std::size_t in_left = input.size();
  char buffer[256];
  bool ok = true;
  while (in_left > 0) {
    char* out_ptr = buffer;
    std::size_t out_left = sizeof buffer;
    const std::size_t result = iconv(cd, &in_ptr, &in_left, &out_ptr, &out_left);
    out.append(buffer, static_cast<std::size_t>(out_ptr - buffer));
    if (result == static_cast<std::size_t>(-1)) {
      if (errno == E2BIG) continue;
      ok = false;  // EILSEQ or EINVAL (an incomplete sequence at the end)
      break;
    }
    if (result != 0) {
      // glibc counts irreversible conversions here; treat them as a failure so that a text
      // never changes silently.
      ok = false;
      break;
    }
  }
  if (ok) {
    char* out_ptr = buffer;
    std::size_t out_left = sizeof buffer;
    if (iconv(cd, nullptr, nullptr, &out_ptr, &out_left) == static_cast<std::size_t>(-1)) {
      ok = false;
    }
    out.append(buffer, static_cast<std::size_t>(out_ptr - buffer));
  }
  iconv_close(cd);
  if (!ok) return std::nullopt;
  return out;
}

}  // namespace

std::optional<std::string> Cp932ToUtf8(std::string_view cp932) {
  return Convert("UTF-8", "CP932", cp932);
}

std::optional<std::string> Utf8ToCp932(std::string_view utf8) {
  return Convert("CP932", "UTF-8", utf8);
}

}  // namespace quorvane
