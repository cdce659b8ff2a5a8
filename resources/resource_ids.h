#pragma once

// Identifiers of the dialog templates, menus, strings, icons, controls and commands.
namespace quorvane::resource_id {

inline constexpr int kAboutDialog = 100;
inline constexpr int kAboutMenuString = 101;
inline constexpr int kMainDialog = 102;
inline constexpr int kApplicationIcon = 128;
inline constexpr int kMainMenu = 131;

// Controls. A static control that nothing refers to has no id of its own.
inline constexpr int kNoId = -1;
inline constexpr int kOk = 1;
inline constexpr int kCancel = 2;
inline constexpr int kInputField = 1000;
inline constexpr int kOutputField = 1001;
inline constexpr int kInputGroup = 1002;
inline constexpr int kOutputGroup = 1003;
inline constexpr int kBrowseInput = 1006;
inline constexpr int kBrowseOutput = 1007;
inline constexpr int kIconNumberField = 1010;
inline constexpr int kIconSpin = 1020;
inline constexpr int kVoiceCombo = 1022;

// Commands.
inline constexpr int kAboutCommand = 16;  // the window-menu item; 16 to 31 all open the box
inline constexpr int kVersionCommand = 32774;

}  // namespace quorvane::resource_id
