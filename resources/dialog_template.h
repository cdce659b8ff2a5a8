#pragma once

#include <cstdint>
#include <span>

#include "common/japanese_text.h"

// Dialog templates as data: what a window system needs to build a dialog and its controls.
// Positions and sizes are in dialog units, which the window system turns into pixels from the
// metrics of the dialog's font (a quarter of the average character width horizontally, an
// eighth of the character height vertically).
namespace quorvane {

enum class ControlKind { Edit, PushButton, GroupBox, StaticText, StaticIcon, UpDown, ComboBox };

// Styles by name. Only the styles that the templates use are listed.
namespace style {
inline constexpr std::uint32_t kPopup = 1u << 0;
inline constexpr std::uint32_t kVisible = 1u << 1;
inline constexpr std::uint32_t kCaption = 1u << 2;
inline constexpr std::uint32_t kSystemMenu = 1u << 3;
inline constexpr std::uint32_t kMinimizeBox = 1u << 4;
inline constexpr std::uint32_t kModalFrame = 1u << 5;
inline constexpr std::uint32_t kSetFont = 1u << 6;
inline constexpr std::uint32_t kChild = 1u << 7;
inline constexpr std::uint32_t kBorder = 1u << 8;
inline constexpr std::uint32_t kTabStop = 1u << 9;
inline constexpr std::uint32_t kGroup = 1u << 10;
inline constexpr std::uint32_t kVerticalScroll = 1u << 11;
inline constexpr std::uint32_t kAutoHorizontalScroll = 1u << 12;  // edit
inline constexpr std::uint32_t kRightAligned = 1u << 13;          // edit
inline constexpr std::uint32_t kDefaultPushButton = 1u << 14;     // push button
inline constexpr std::uint32_t kCentered = 1u << 15;              // static text
inline constexpr std::uint32_t kCenteredVertically = 1u << 16;    // static text
inline constexpr std::uint32_t kSunken = 1u << 17;                // static text
inline constexpr std::uint32_t kNoPrefix = 1u << 18;              // static text: '&' is shown
inline constexpr std::uint32_t kDropDown = 1u << 19;              // combo box with an edit field
inline constexpr std::uint32_t kSetBuddyInteger = 1u << 20;       // up-down
inline constexpr std::uint32_t kAlignToBuddyRight = 1u << 21;     // up-down
inline constexpr std::uint32_t kArrowKeys = 1u << 22;             // up-down
}  // namespace style

namespace extended_style {
inline constexpr std::uint32_t kAppWindow = 1u << 0;
inline constexpr std::uint32_t kStaticEdge = 1u << 1;
inline constexpr std::uint32_t kClientEdge = 1u << 2;
inline constexpr std::uint32_t kAcceptFiles = 1u << 3;
}  // namespace extended_style

struct DialogRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

struct ControlTemplate {
  ControlKind kind;
  int id;             // resource_id::kNoId for a static control nothing refers to
  JapaneseText text;  // empty for a static icon (it shows the application icon)
  DialogRect rect;
  std::uint32_t styles;
  std::uint32_t extended_styles = 0;
};

struct DialogTemplate {
  int id;
  DialogRect rect;
  std::uint32_t styles;
  std::uint32_t extended_styles;
  int menu_id;  // 0: no menu
  JapaneseText caption;
  JapaneseText font_name;
  int font_points;
  std::span<const ControlTemplate> controls;  // template order, which is the tab order
};

// Template 102: the converter dialog.
const DialogTemplate& MainDialogTemplate();
// Template 100: the About box.
const DialogTemplate& AboutDialogTemplate();

}  // namespace quorvane
