#include "resources/application_icon.h"

#include <array>

namespace quorvane {

namespace {

// A red map pin over a map tile with a road. Both images show the same picture; the 256-colour
// one is shaded.

// The standard 16-colour palette; characters 0-9 and A-F index it.
constexpr std::array<std::uint32_t, 16> kSixteenColourPalette{
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
    0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF,
};
constexpr std::string_view kSixteenColourAlphabet = "0123456789ABCDEF";

constexpr std::array<std::string_view, 32> kSixteenColourRows{
    "................................", "................................",
    "................................", "..............11111.............",
    "............119999911...........", "...........19999999991..........",
    "..........1999999999991.........", "......88881999999999991888......",
    "....88777199999FFF9999917788....", "...87777719999FFFFF9999177778...",
    "...87777719999FFFFF9999177778...", "..877777719999FFFFF999917788F8..",
    "..8777777199999FFF99999188FFF8..", "..8777777719999999999918FFFBB8..",
    "..877777771999999999991FFBBBB8..", "..87777777719999999991FBBBBBF8..",
    "..8777777777199999991BBBBBFFF8..", "..8777777777199999991BBFFFF888..",
    "..877777777881999991BFFFF88778..", "..877777788FF1999991FFF8877778..",
    "..8777788FFFFB19991FF887777778..", "..87788FFFFBBB1999188777777778..",
    "..888FFFFBBBBFF191877777777778..", "..8FFFBBBBBFFFF191777777777778..",
    "..8FBBBBBFFFF87717777777777778..", "..8BBBBFFFF8777718887777777778..",
    "...8BFFF887777888888888777778...", "...8FF88777777777888777777778...",
    "....887777777777777777777788....", "......88888888888888888888......",
    "................................", "................................",
};
// Characters 0-9, A-R index this palette.
constexpr std::array<std::uint32_t, 28> kTwoFiftySixColourPalette{
    0x780808, 0xE85858, 0xE84848, 0xE83838, 0xD83838, 0xF86868, 0xD82828,
    0xF87878, 0xFF7878, 0xC82828, 0x386858, 0xFF8888, 0xB8D8C8, 0xFFFFF8,
    0xC81818, 0xB8D8B8, 0x585858, 0x686878, 0xB81818, 0xFFFFFF, 0xA8D8B8,
    0xA8D8A8, 0xA8C8A8, 0x98C8A8, 0x98C898, 0x688868, 0x98B898, 0x88B888,
};
constexpr std::array<std::string_view, 32> kTwoFiftySixColourRows{
    "................................", "................................",
    "................................", "..............00000.............",
    "............001223400...........", "...........05551224660..........",
    "..........0578751244690.........", "......AAAA058B851234690AAA......",
    "....AACCC015787DDD4469E0CCAA....", "...ACCCCC02155DDDDD669E0CCCCA...",
    "...ACCCCC02211DDDDD69EE0CCCCA...", "..AFFFFFF03222DDDDD69EE0FFGGHA..",
    "..AFFFFFF044434DDD69EEI0GGHHHA..", "..AFFFFFFF064446669EEE0GHHHHJA..",
    "..AKKKKKKK06666699EEEI0HHHHHJA..", "..AKKKKKKKK09999EEEEI0HHJJHHHA..",
    "..ALLLLLLLLL0EEEEEII0HHHJHHHHA..", "..AMMMMMMMMM0EEIIIII0JJHHHHGGA..",
    "..AMMMMMMMMMG0IIIII0HHHHHGGMMA..", "..AMMMMMMGGHH0IIIII0HHHGGMMMMA..",
    "..AMMMMGGHHHHJ0III0HHGGMMMMMMA..", "..ANNGGHHHHHHJ0III0GNNNNNNNNNA..",
    "..AGGHHHHJJJHHH0I0OOOOOOOOOOOA..", "..AHHHHJHHHHHHH0I0OOOOOOOOOOOA..",
    "..AHHHJJHHHHHGOO0OOOOOOOOOOOOA..", "..AJHHHHHHHGOOOO0PPPOOOOOOOOOA..",
    "...AHHHHGGQQQQPPPPPPPPPQQQQQA...", "...AHHGGQQQQQQQQQPPPQQQQQQQQA...",
    "....AARRRRRRRRRRRRRRRRRRRRAA....", "......AAAAAAAAAAAAAAAAAAAA......",
    "................................", "................................",
};
constexpr std::string_view kTwoFiftySixColourAlphabet = "0123456789ABCDEFGHIJKLMNOPQR";

constexpr std::array kImages{
    IconImage{32, 32, 16, kSixteenColourPalette, kSixteenColourAlphabet, kSixteenColourRows},
    IconImage{32, 32, 256, kTwoFiftySixColourPalette, kTwoFiftySixColourAlphabet,
              kTwoFiftySixColourRows},
};

}  // namespace

std::span<const IconImage> ApplicationIcon() {
  return kImages;
}

}  // namespace quorvane
