#pragma once

#include <cstdint>
#include <span>
#include <string_view>

// Icon 128, the application icon: one picture drawn twice, with 16 and with 256 colours.
namespace quorvane {

struct IconImage {
  int width;
  int height;
  int colour_count;                        // 16 or 256: the colour depth of the image
  std::span<const std::uint32_t> palette;  // 0xRRGGBB
  std::string_view pixel_alphabet;         // a pixel character's position is its palette index
  std::span<const std::string_view> rows;  // one character per pixel; '.' is transparent
};

inline constexpr char kTransparentPixel = '.';

std::span<const IconImage> ApplicationIcon();

}  // namespace quorvane
