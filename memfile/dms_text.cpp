#include "memfile/dms_text.h"

namespace quorvane {

namespace {

void AppendTwoDigits(std::string& text, std::uint32_t value) {
  text += static_cast<char>('0' + value / 10);
  text += static_cast<char>('0' + value % 10);
}

}  // namespace

std::string FormatDms(std::uint32_t units) {
  const std::uint32_t seconds_total = units / 256;
  const std::uint32_t fraction = units % 256;
  const std::uint32_t degrees = seconds_total / 3600;
  const std::uint32_t rest = seconds_total % 3600;
  const std::uint32_t minutes = rest / 60;
  const std::uint32_t seconds = rest % 60;

  std::string text;
  text.reserve(13);
  // Valid coordinates give '1' or a blank; corrupt words above 999 degrees run on past '9'
  // (':' for 10, ';' for 11) so that the text keeps its width.
  const std::uint32_t hundreds = degrees / 100;
  text += hundreds == 0 ? ' ' : static_cast<char>('0' + hundreds);
  AppendTwoDigits(text, degrees % 100);
  text += '.';
  AppendTwoDigits(text, minutes);
  text += '.';
  AppendTwoDigits(text, seconds);
  text += '.';

  // Thousandths rounded half up: 255/256 gives 996, so three digits always suffice.
  std::uint32_t thousandths = fraction * 1000 / 256;
  if (fraction * 1000 % 256 >= 128) ++thousandths;
  text += static_cast<char>('0' + thousandths / 100);
  AppendTwoDigits(text, thousandths % 100);
  return text;
}

}  // namespace quorvane
