#include "resources/menu_resource.h"

#include <array>

#include "resources/resource_ids.h"

namespace quorvane {

namespace {

constexpr std::array kMainMenu{
    MenuEntry{1, true, {"ヘルプ", "\x83\x77\x83\x8B\x83\x76"}, 0},
    MenuEntry{2,
              false,
              {"バーション", "\x83\x6F\x81\x5B\x83\x56\x83\x87\x83\x93"},
              resource_id::kVersionCommand},
};

}  // namespace

std::span<const MenuEntry> MainMenu() {
  return kMainMenu;
}

}  // namespace quorvane
