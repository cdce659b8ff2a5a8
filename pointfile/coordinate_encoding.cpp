#include "pointfile/coordinate_encoding.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstdint>
#include <cstdio>

namespace quorvane {

namespace {

// Coordinate texts are read from a work buffer of 32 bytes: at most 31 bytes and never past a
// NUL inside the text.
constexpr std::size_t kWorkBufferText = 31;

std::string_view WorkText(std::string_view text) {
  text = text.substr(0, text.find('\0'));
  return text.substr(0, kWorkBufferText);
}

// The first four tokens of a coordinate text; later tokens are never read.
struct CoordinateTokens {
  std::array<std::string_view, 4> items;
  std::size_t count = 0;
};

// Tokens are separated by runs of any of the delimiters; leading delimiters are skipped.
CoordinateTokens Tokenize(std::string_view text, std::string_view delimiters) {
  CoordinateTokens tokens;
  std::size_t position = text.find_first_not_of(delimiters);
  while (position != std::string_view::npos && tokens.count < tokens.items.size()) {
    const std::size_t end = text.find_first_of(delimiters, position);
    tokens.items[tokens.count++] =
        text.substr(position, end == std::string_view::npos ? end : end - position);
    position = end == std::string_view::npos ? end : text.find_first_not_of(delimiters, end);
  }
  return tokens;
}

bool IsWhiteSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Decimal reading of a token: white space skipped, an optional sign, digits up to the first
// non-digit; 0 without digits. Values beyond the range of int stop at its limits.
int TokenValue(std::string_view token) {
  std::size_t i = 0;
  while (i < token.size() && IsWhiteSpace(token[i])) ++i;
  bool negative = false;
  if (i < token.size() && (token[i] == '+' || token[i] == '-')) {
    negative = token[i] == '-';
    ++i;
  }
  std::int64_t value = 0;
  for (; i < token.size() && token[i] >= '0' && token[i] <= '9'; ++i) {
    value = std::min<std::int64_t>(value * 10 + (token[i] - '0'), std::int64_t{INT_MAX} + 1);
  }
  if (negative) value = -value;
  return static_cast<int>(std::clamp<std::int64_t>(value, INT_MIN, INT_MAX));
}

int TokenValueAt(const CoordinateTokens& tokens, std::size_t index) {
  return index < tokens.count ? TokenValue(tokens.items[index]) : 0;
}

}  // namespace

std::string EncodeCoordinate(std::string_view dms_text) {
  const auto tokens = Tokenize(WorkText(dms_text), "' ,./\t\n");
  const std::int64_t degrees = TokenValueAt(tokens, 0);
  const std::int64_t minutes = TokenValueAt(tokens, 1);
  const std::int64_t seconds = TokenValueAt(tokens, 2);
  // The fraction is read as thousandths: a short token keeps trailing zeros, a long one is cut.
  std::int64_t thousandths = 0;
  if (tokens.count > 3) {
    std::array<char, 3> padded = {'0', '0', '0'};
    const std::string_view fraction = tokens.items[3];
    std::copy_n(fraction.begin(), std::min(fraction.size(), padded.size()), padded.begin());
    thousandths = TokenValue(std::string_view(padded.data(), padded.size()));
  }
  const std::int64_t encoded = degrees * 100000 + minutes * 1000 + seconds * 10 + thousandths / 100;
  char buffer[32];
  const int length =
      std::snprintf(buffer, sizeof buffer, "%08lld", static_cast<long long>(encoded));
  return std::string(buffer, static_cast<std::size_t>(length));
}

std::string LineChecksum(std::string_view latitude_text, std::string_view longitude_text) {
  // The eight values are added as a signed 32-bit int, wrapping as such an addition does.
  std::uint32_t sum = 0;
  for (const std::string_view text : {latitude_text, longitude_text}) {
    const auto tokens = Tokenize(WorkText(text), "' ,.\t\n");
    for (std::size_t i = 0; i < 4; ++i) sum += static_cast<std::uint32_t>(TokenValueAt(tokens, i));
  }
  const std::int32_t remainder = static_cast<std::int32_t>(sum) % 256;
  char buffer[16];
  const int length = std::snprintf(buffer, sizeof buffer, "%02X", static_cast<unsigned>(remainder));
  return std::string(buffer, static_cast<std::size_t>(length));
}

std::string TwoDigitText(int n) {
  return {static_cast<char>('0' + n / 10), static_cast<char>('0' + n % 10)};
}

}  // namespace quorvane
