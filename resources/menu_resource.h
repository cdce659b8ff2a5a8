#pragma once

#include <span>

#include "common/japanese_text.h"

namespace quorvane {

// One entry of a menu resource: a popup opens the items that follow it with a level one
// deeper; an item sends its command.
struct MenuEntry {
  int level;  // 1 for the menu bar
  bool is_popup;
  JapaneseText text;
  int command;  // 0 for a popup
};

// Menu 131, the window menu of the converter dialog.
std::span<const MenuEntry> MainMenu();

}  // namespace quorvane
