#include <array>

#include "resources/dialog_template.h"
#include "resources/resource_ids.h"

namespace quorvane {

namespace {

namespace id = resource_id;

constexpr std::uint32_t kControl = style::kChild | style::kVisible;

constexpr JapaneseText kDialogFont{"ＭＳ Ｐゴシック",
                                   "\x82\x6C\x82\x72 \x82\x6F\x83\x53\x83\x56\x83\x62\x83\x4E"};
constexpr JapaneseText kNoText{"", ""};

constexpr std::array kMainControls{
    ControlTemplate{ControlKind::Edit,
                    id::kInputField,
                    kNoText,
                    {19, 22, 154, 19},
                    kControl | style::kBorder | style::kTabStop | style::kAutoHorizontalScroll},
    ControlTemplate{ControlKind::Edit,
                    id::kOutputField,
                    kNoText,
                    {19, 70, 154, 19},
                    kControl | style::kBorder | style::kTabStop | style::kAutoHorizontalScroll},
    ControlTemplate{ControlKind::PushButton,
                    id::kOk,
                    {"変換", "\x95\xCF\x8A\xB7"},
                    {138, 155, 50, 14},
                    kControl | style::kDefaultPushButton | style::kTabStop},
    ControlTemplate{ControlKind::PushButton,
                    id::kCancel,
                    {"ｷｬﾝｾﾙ", "\xB7\xAC\xDD\xBE\xD9"},
                    {211, 155, 50, 14},
                    kControl | style::kTabStop},
    ControlTemplate{ControlKind::PushButton,
                    id::kBrowseInput,
                    {"参照", "\x8E\x51\x8F\xC6"},
                    {211, 25, 50, 14},
                    kControl | style::kTabStop},
    ControlTemplate{ControlKind::PushButton,
                    id::kBrowseOutput,
                    {"参照", "\x8E\x51\x8F\xC6"},
                    {211, 75, 50, 14},
                    kControl | style::kTabStop},
    ControlTemplate{
        ControlKind::GroupBox,
        id::kInputGroup,
        {"入力　ファイル名", "\x93\xFC\x97\xCD\x81\x40\x83\x74\x83\x40\x83\x43\x83\x8B\x96\xBC"},
        {7, 7, 182, 42},
        kControl},
    ControlTemplate{
        ControlKind::GroupBox,
        id::kOutputGroup,
        {"出力　ファイル名", "\x8F\x6F\x97\xCD\x81\x40\x83\x74\x83\x40\x83\x43\x83\x8B\x96\xBC"},
        {7, 57, 182, 42},
        kControl},
    ControlTemplate{ControlKind::Edit,
                    id::kIconNumberField,
                    kNoText,
                    {53, 107, 25, 17},
                    kControl | style::kBorder | style::kTabStop | style::kRightAligned |
                        style::kAutoHorizontalScroll,
                    extended_style::kStaticEdge},
    ControlTemplate{
        ControlKind::UpDown,
        id::kIconSpin,
        {"Spin1", "Spin1"},
        {96, 110, 9, 13},
        kControl | style::kSetBuddyInteger | style::kAlignToBuddyRight | style::kArrowKeys},
    ControlTemplate{ControlKind::ComboBox,
                    id::kVoiceCombo,
                    kNoText,
                    {53, 134, 96, 94},
                    kControl | style::kDropDown | style::kVerticalScroll | style::kTabStop},
    ControlTemplate{
        ControlKind::StaticText,
        id::kNoId,
        {"音声案内", "\x89\xB9\x90\xBA\x88\xC4\x93\xE0"},
        {7, 133, 39, 16},
        kControl | style::kCentered | style::kCenteredVertically | style::kSunken | style::kGroup},
    ControlTemplate{
        ControlKind::StaticText,
        id::kNoId,
        {"アイコン", "\x83\x41\x83\x43\x83\x52\x83\x93"},
        {7, 108, 39, 16},
        kControl | style::kCentered | style::kCenteredVertically | style::kSunken | style::kGroup},
};

constexpr std::array kAboutControls{
    ControlTemplate{ControlKind::StaticIcon, id::kNoId, kNoText, {11, 17, 20, 20}, kControl},
    ControlTemplate{ControlKind::StaticText,
                    id::kNoId,
                    {"Quorvane Version 1.000", "Quorvane Version 1.000"},
                    {40, 10, 119, 8},
                    kControl | style::kNoPrefix | style::kGroup},
    ControlTemplate{ControlKind::StaticText,
                    id::kNoId,
                    {"(C) The Quorvane Project", "(C) The Quorvane Project"},
                    {40, 25, 119, 8},
                    kControl | style::kGroup},
    ControlTemplate{ControlKind::PushButton,
                    id::kOk,
                    {"OK", "OK"},
                    {178, 7, 50, 14},
                    kControl | style::kDefaultPushButton | style::kGroup | style::kTabStop},
};

constexpr DialogTemplate kMainDialog{id::kMainDialog,
                                     {0, 0, 269, 170},
                                     style::kPopup | style::kVisible | style::kCaption |
                                         style::kSystemMenu | style::kMinimizeBox |
                                         style::kModalFrame | style::kSetFont,
                                     extended_style::kAppWindow | extended_style::kStaticEdge |
                                         extended_style::kClientEdge | extended_style::kAcceptFiles,
                                     id::kMainMenu,
                                     {"Quorvane", "Quorvane"},
                                     kDialogFont,
                                     9,
                                     kMainControls};

constexpr DialogTemplate kAboutDialog{
    id::kAboutDialog,
    {0, 0, 235, 55},
    style::kPopup | style::kCaption | style::kSystemMenu | style::kModalFrame | style::kSetFont,
    0,
    0,
    {"Quorvaneのﾊﾞｰｼﾞｮﾝ情報", "Quorvane\x82\xCC\xCA\xDE\xB0\xBC\xDE\xAE\xDD\x8F\xEE\x95\xF1"},
    kDialogFont,
    9,
    kAboutControls};

}  // namespace

const DialogTemplate& MainDialogTemplate() {
  return kMainDialog;
}

const DialogTemplate& AboutDialogTemplate() {
  return kAboutDialog;
}

}  // namespace quorvane
