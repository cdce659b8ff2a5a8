#include <gtest/gtest.h>

#include <cstdint>
#include <sstream>
#include <string>

#include "cli/csv_dump_writer.h"
#include "cli/dumped_point.h"
#include "cli/json_dump_writer.h"
#include "cli/terminal_columns.h"
#include "cli/text_dump_writer.h"

namespace quorvane {
namespace {

TEST(CsvField, QuotesOnlyWhatNeedsIt) {
  const struct {
    std::string text, field;
  } cases[] = {
      {"", ""},
      {"plain", "plain"},
      {"東京ﾀﾜｰ", "東京ﾀﾜｰ"},
      {"a,b", "\"a,b\""},
      {"say \"hi\"", "\"say \"\"hi\"\"\""},
      {"\"", "\"\"\"\""},
      {"two\nlines", "\"two\nlines\""},
      {"cr\r", "\"cr\r\""},
      {" 35.40.05.988", "\" 35.40.05.988\""},
      {"trailing ", "\"trailing \""},
      {"in side", "in side"},
      {"tab\t", "tab\t"},
  };
  for (const auto& c : cases) EXPECT_EQ(CsvField(c.text), c.field) << c.text;
}

TEST(JsonString, EscapesQuotesBackslashesAndControlCharacters) {
  const struct {
    std::string text, literal;
  } cases[] = {
      {"", R"("")"},
      {"東京ﾀﾜｰ", "\"東京ﾀﾜｰ\""},
      {"a\"b", R"("a\"b")"},
      {"C:\\data", R"("C:\\data")"},
      {"\b\f\n\r\t", R"("\b\f\n\r\t")"},
      {std::string("\x00\x01\x1F", 3), R"("\u0000\u0001\u001F")"},
      {"\x7F/", "\"\x7F/\""},
  };
  for (const auto& c : cases) EXPECT_EQ(JsonString(c.text), c.literal) << c.text;
}

TEST(DecimalDegrees, SixDecimals) {
  const struct {
    std::uint32_t units;
    std::string degrees;
  } cases[] = {
      {0, "0.000000"},
      {128'801'408, "139.758472"},
      {32'871'933, "35.668330"},
      {921'600, "1.000000"},
      {1, "0.000001"},
      {0x3FFFFFFF, "1165.084443"},  // the largest a coordinate word can give
  };
  for (const auto& c : cases) EXPECT_EQ(DecimalDegrees(c.units), c.degrees) << c.units;
}

TEST(TextColumns, WideAndNarrowCharacters) {
  EXPECT_EQ(DisplayColumns(""), 0u);
  EXPECT_EQ(DisplayColumns("ABC"), 3u);
  EXPECT_EQ(DisplayColumns("東京"), 4u);
  EXPECT_EQ(DisplayColumns("ﾀﾜｰ"), 3u);
  EXPECT_EQ(DisplayColumns("\uFFFD␉"), 2u);
}

// The progress line is cut to the terminal's width by the same rule, never inside a character.
TEST(TextColumns, FitColumnsCutsAtACharacterThatWouldNotFit) {
  EXPECT_EQ(FitColumns("東京ﾀﾜｰ", 5), "東京ﾀ");
  EXPECT_EQ(FitColumns("東京ﾀﾜｰ", 3), "東");
  EXPECT_EQ(FitColumns("ABC", 10), "ABC");
  EXPECT_EQ(FitColumns("東", 1), "");
}

TEST(TextColumns, ControlCharactersBecomePictures) {
  EXPECT_EQ(WithControlPictures("a\tb\nc\x7F"), "a␉b␊c␡");
  EXPECT_EQ(WithControlPictures(std::string("\x00\x1F", 2)), "␀␟");
  EXPECT_EQ(WithControlPictures("東京"), "東京");
}

TEST(JsonDumpWriter, EmptyInputsStillMakeADocument) {
  std::ostringstream stream;
  JsonDumpWriter writer(stream);
  writer.Begin();
  writer.Points("a.mem", {});
  writer.End();
  EXPECT_EQ(stream.str(), "[\n  {\"file\": \"a.mem\", \"points\": []}\n]\n");
}

}  // namespace
}  // namespace quorvane
