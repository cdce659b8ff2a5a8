#include "conversion/voice_guidance_table.h"

#include <gtest/gtest.h>

#include <string_view>

#include "common/text_codec.h"

namespace quorvane {
namespace {

struct ExpectedVoice {
  int row;
  std::string_view code;
  std::string_view name;  // UTF-8
};

// Every row as the user sees it in the voice list.
constexpr ExpectedVoice kExpected[] = {
    {0, "FFFF", "設定なし"},
    {1, "005A", "ご注意ください"},
    {2, "00C1", "工事中"},
    {3, "00DC", "路面注意"},
    {4, "00DD", "段差あり"},
    {5, "00DE", "事故多し注意"},
    {6, "00BF", "危険です"},
    {7, "00DB", "合流注意"},
    {8, "00E6", "急カーブ注意"},
    {9, "00C2", "渋滞します"},
    {10, "00E8", "スピード注意"},
    {11, "00E9", "車線注意"},
    {12, "00EA", "対向車注意"},
    {13, "00E4", "シートベルト注意"},
    {14, "00D4", "トイレあり"},
    {15, "00D6", "駐車場あり"},
    {16, "00D7", "ガソリンスタンドあり"},
    {17, "00D8", "ラーメン屋あり"},
    {18, "00D9", "寿司屋あり"},
    {19, "00DA", "おいしい店あり"},
    {20, "00D5", "温泉あり"},
    {21, "00DF", "自宅あり"},
    {22, "00E0", "友達の家あり"},
    {23, "00E5", "夜景がきれい"},
    {24, "00EC", "ここだよ"},
    {25, "00EB", "登録地点接近"},
    {26, "0215", "右折レーン"},
    {27, "0217", "左折レーン"},
    {28, "021D", "目印"},
    {29, "0229", "ガソリン補給"},
    {30, "023D", "業務終了"},
    {31, "0004", "ベル音"},
    {32, "01B5", "警告音１"},
    {33, "01B6", "警告音２"},
    {34, "01B7", "警告音３"},
    {35, "01B9", "ゾウの鳴き声"},
    {36, "01BB", "ネコの鳴き声"},
    {37, "01CC", "イヌの鳴き声"},
    {38, "01BD", "ウシの鳴き声"},
    {39, "01BE", "ウグイスの鳴き声"},
    {40, "01CD", "にわとりの鳴き声"},
    {41, "01C9", "ひよこの鳴き声"},
    {42, "01C1", "セミの鳴き声"},
    {43, "01D1", "馬の走る音"},
    {44, "01CE", "笑い声"},
    {45, "01D0", "拍手喝采"},
    {46, "01CF", "一本締め"},
    {47, "01B8", "お寺の鐘"},
    {48, "01D2", "小川のせせらぎ"},
    {49, "01BF", "水に飛び込む音"},
    {50, "01C0", "時代劇"},
    {51, "01C3", "風鈴"},
    {52, "01D4", "お化け屋敷"},
    {53, "01CA", "獅子オドシ"},
    {54, "01BC", "くしゃみ"},
    {55, "01BA", "汽笛の音"},
    {56, "01D5", "チャイム"},
    {57, "01C5", "ファンファーレム"},
    {58, "01C6", "ファンファーレ２"},
    {59, "01C7", "オルゴール１"},
    {60, "01C8", "オルゴール２"},
    {61, "01D3", "ピアノ１"},
    {62, "01C2", "ピアノ２"},
    {63, "01CB", "ピアノ３"},
    {64, "00C4", "マンボ"},
};

TEST(VoiceGuidanceTableTest, HoldsEveryRowWithItsCodeAndName) {
  const auto& table = VoiceGuidanceTable();
  ASSERT_EQ(std::size(kExpected), table.size());
  for (const ExpectedVoice& expected : kExpected) {
    SCOPED_TRACE(::testing::Message() << "row " << expected.row);
    const VoiceGuidance& actual = table[static_cast<std::size_t>(expected.row)];
    EXPECT_EQ(expected.code, actual.code);
    EXPECT_EQ(expected.name, actual.name.readable);
    const auto cp932 = Utf8ToCp932(expected.name);
    ASSERT_TRUE(cp932.has_value());
    EXPECT_EQ(*cp932, actual.name.cp932);
  }
}

TEST(VoiceGuidanceTableTest, OnlyTheFirstRowMeansNoSound) {
  const auto& table = VoiceGuidanceTable();
  EXPECT_EQ(kNoVoiceCode, table[0].code);
  for (std::size_t row = 1; row < table.size(); ++row) {
    EXPECT_NE(kNoVoiceCode, table[row].code) << "row " << row;
  }
}

}  // namespace
}  // namespace quorvane
