// Runs the built quorvane-convert on memory-point files made here and checks what a user sees:
// the files written, the lines on both streams and the exit status.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "cli/converter_process.h"
#include "cli/point_file_reading.h"
#include "support/mem_image_builder.h"
#include "support/temp_folder.h"

namespace quorvane::testing {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kTokyoCp932 = "\x93\x8C\x8B\x9E";  // 東京
constexpr std::string_view kTowerCp932 = "\xC0\xDC\xB0";      // ﾀﾜｰ (half-width)

MemImageBuilder TwoPoints() {
  MemImageBuilder image;
  image.Present(0).Name(0, "ABC").Longitude(0, {0x1E, 0xB5, 0x68, 0x80});
  image.Latitude(0, {0x07, 0xD6, 0x54, 0xFD}).Digits(0, {0x01, 0x23, 0x45, 0x67, 0x89});
  image.Present(1).Name(1, std::string(kTokyoCp932) + std::string(kTowerCp932));
  return image;
}

MemImageBuilder OnePoint(std::string_view cp932_name) {
  MemImageBuilder image;
  image.Present(0).Name(0, cp932_name);
  return image;
}

bool Contains(std::string_view text, std::string_view part) {
  return text.find(part) != std::string_view::npos;
}

class ConvertEndToEnd : public ::testing::Test {
 protected:
  fs::path Make(const fs::path& relative, const MemImageBuilder& image) {
    fs::create_directories((work_ / relative).parent_path());
    return image.WriteTo(work_ / relative);
  }

  TempFolder work_;
};

TEST_F(ConvertEndToEnd, ConvertsTheGoodInputsOfABatchAndReportsTheOthers) {
  Make("good.mem", TwoPoints());
  Make("表ソ/東京.mem", OnePoint(kTokyoCp932));
  WriteAllBytes(work_ / "short.mem", std::string(10'803, '\0'));

  const ProcessResult result =
      RunConverter({"good.mem", "missing.mem", "表ソ/東京.mem", "short.mem"}, work_.Path());

  EXPECT_EQ(result.exit_status, 1);
  EXPECT_EQ(result.out, "good.mem -> good.pmf\n表ソ/東京.mem -> 表ソ/東京.pmf\n");
  // The reader's reason first, then the run's own message naming the input.
  EXPECT_TRUE(Contains(result.err,
                       "quorvane-convert: ファイルが見つかりませんでした。\n"
                       "ERROR: ファイル missing.mem の読み込みに失敗しました\n"))
      << result.err;
  EXPECT_TRUE(Contains(result.err,
                       "quorvane-convert: short.mem\n    は認識できないファイルです\n"
                       "ERROR: ファイル short.mem の読み込みに失敗しました\n"))
      << result.err;
  EXPECT_FALSE(Contains(result.err, "OKボタン"));
  EXPECT_FALSE(Contains(result.err, "\r")) << "no progress line when stderr is a file";

  EXPECT_EQ(work_.Listing(),
            (std::vector<std::string>{"good.mem", "good.pmf", "short.mem", "表ソ"}));
  EXPECT_FALSE(fs::exists(work_ / "missing.pmf"));
  EXPECT_FALSE(fs::exists(work_ / "short.pmf"));

  ASSERT_TRUE(StartsWithPointFileHeader(work_ / "good.pmf"));
  const auto good = PointGroups(work_ / "good.pmf");
  ASSERT_EQ(good.size(), 2u);
  EXPECT_EQ(good[0][kNameGroup - 1], "ABC");
  EXPECT_EQ(good[1][kNameGroup - 1], std::string(kTokyoCp932) + std::string(kTowerCp932));

  ASSERT_TRUE(StartsWithPointFileHeader(work_ / "表ソ" / "東京.pmf"));
  const auto tokyo = PointGroups(work_ / "表ソ" / "東京.pmf");
  ASSERT_EQ(tokyo.size(), 1u);
  EXPECT_EQ(tokyo[0][kNameGroup - 1], kTokyoCp932);
}

TEST_F(ConvertEndToEnd, EveryInputConvertedExitsWithZero) {
  Make("a.mem", TwoPoints());
  Make("b.MEM", OnePoint("B"));

  const ProcessResult result = RunConverter({"a.mem", "b.MEM"}, work_.Path());

  EXPECT_EQ(result.exit_status, 0);
  EXPECT_EQ(result.out, "a.mem -> a.pmf\nb.MEM -> b.pmf\n");
  EXPECT_EQ(result.err, "");
}

TEST_F(ConvertEndToEnd, QuietPrintsNothingOnSuccess) {
  Make("a.mem", TwoPoints());
  Make("b.mem", TwoPoints());

  const ProcessResult result = RunConverter({"-q", "a.mem", "b.mem"}, work_.Path());

  EXPECT_EQ(result.exit_status, 0);
  EXPECT_EQ(result.out, "");
  EXPECT_EQ(result.err, "");
  EXPECT_TRUE(fs::exists(work_ / "a.pmf"));
  EXPECT_TRUE(fs::exists(work_ / "b.pmf"));
}

TEST_F(ConvertEndToEnd, WrongTypesAreNamedWithTheExpectedExtension) {
  Make("notes.txt", TwoPoints());
  Make("a.mem", TwoPoints());

  const ProcessResult input = RunConverter({"notes.txt", "a.mem"}, work_.Path());
  EXPECT_EQ(input.exit_status, 1);
  EXPECT_EQ(input.err,
            "quorvane-convert: 'notes.txt': not a memory-point file name; the input must end in "
            ".mem\n");
  EXPECT_EQ(input.out, "a.mem -> a.pmf\n");
  EXPECT_FALSE(fs::exists(work_ / "notes.pmf"));

  const ProcessResult output = RunConverter({"-o", "out.txt", "a.mem"}, work_.Path());
  EXPECT_EQ(output.exit_status, 1);
  EXPECT_EQ(output.err,
            "quorvane-convert: 'out.txt': not a point-file name; the output must end in .pmf\n");
  EXPECT_EQ(output.out, "");
  EXPECT_FALSE(fs::exists(work_ / "out.txt"));
}

TEST_F(ConvertEndToEnd, OutputOptionNamesTheOutput) {
  Make("a.mem", TwoPoints());
  fs::create_directory(work_ / "出力");

  const ProcessResult result = RunConverter({"--output", "出力/結果.PMF", "a.mem"}, work_.Path());

  EXPECT_EQ(result.exit_status, 0);
  EXPECT_EQ(result.out, "a.mem -> 出力/結果.PMF\n");
  EXPECT_TRUE(StartsWithPointFileHeader(work_ / "出力" / "結果.PMF"));
  EXPECT_FALSE(fs::exists(work_ / "a.pmf"));
}

TEST_F(ConvertEndToEnd, OutputDirTakesTheDerivedNames) {
  Make("in/a.mem", TwoPoints());
  Make("表ソ/東京.mem", OnePoint(kTokyoCp932));
  fs::create_directory(work_ / "out");

  for (const std::string folder : {"out", "out/"}) {
    const ProcessResult result =
        RunConverter({"-d", folder, "in/a.mem", "表ソ/東京.mem"}, work_.Path());
    EXPECT_EQ(result.exit_status, 0) << result.err;
    EXPECT_EQ(result.out, "in/a.mem -> out/a.pmf\n表ソ/東京.mem -> out/東京.pmf\n");
    EXPECT_TRUE(StartsWithPointFileHeader(work_ / "out" / "a.pmf"));
    EXPECT_TRUE(StartsWithPointFileHeader(work_ / "out" / "東京.pmf"));
  }
  EXPECT_FALSE(fs::exists(work_ / "in" / "a.pmf"));
}

TEST_F(ConvertEndToEnd, ASecondInputForTheSameOutputDoesNotReplaceTheFirst) {
  Make("x/p.mem", OnePoint("FIRST"));
  Make("y/p.mem", OnePoint("SECOND"));
  fs::create_directory(work_ / "out");

  const ProcessResult result = RunConverter({"-d", "out", "x/p.mem", "y/p.mem"}, work_.Path());

  EXPECT_EQ(result.exit_status, 1);
  EXPECT_EQ(result.out, "x/p.mem -> out/p.pmf\n");
  EXPECT_TRUE(Contains(result.err, "'y/p.mem': its output 'out/p.pmf' was already written"))
      << result.err;
  const auto points = PointGroups(work_ / "out" / "p.pmf");
  ASSERT_EQ(points.size(), 1u);
  EXPECT_EQ(points[0][kNameGroup - 1], "FIRST");
}

TEST_F(ConvertEndToEnd, TheSameOutputUnderAnotherSpellingIsStillTheSame) {
  Make("p.mem", OnePoint("FIRST"));
  Make("x/p.mem", OnePoint("SECOND"));

  const ProcessResult result = RunConverter({"p.mem", "x/../p.mem"}, work_.Path());

  EXPECT_EQ(result.exit_status, 1);
  EXPECT_EQ(result.out, "p.mem -> p.pmf\n");
  EXPECT_TRUE(Contains(result.err, "'x/../p.mem': its output 'x/../p.pmf' was already written"))
      << result.err;
}

TEST_F(ConvertEndToEnd, ANameOutsideCodePage932IsSkipped) {
  Make("😀.mem", TwoPoints());
  Make("a.mem", TwoPoints());

  const ProcessResult result = RunConverter({"😀.mem", "a.mem"}, work_.Path());

  EXPECT_EQ(result.exit_status, 1);
  EXPECT_TRUE(Contains(result.err,
                       "quorvane-convert: '😀.mem': the name cannot be written in "
                       "code page 932"))
      << result.err;
  EXPECT_EQ(result.out, "a.mem -> a.pmf\n");
  EXPECT_EQ(work_.Listing(), (std::vector<std::string>{"a.mem", "a.pmf", "😀.mem"}));
}

TEST_F(ConvertEndToEnd, AnOutputFolderOutsideCodePage932WritesNothing) {
  Make("a.mem", TwoPoints());
  fs::create_directory(work_ / "😀");

  const ProcessResult result = RunConverter({"-d", "😀", "a.mem"}, work_.Path());

  EXPECT_EQ(result.exit_status, 1);
  EXPECT_TRUE(Contains(result.err, "'😀': the name cannot be written")) << result.err;
  EXPECT_TRUE(fs::is_empty(work_ / "😀"));
}

TEST_F(ConvertEndToEnd, AnOutputThatCannotBeWrittenIsReported) {
  Make("a.mem", TwoPoints());

  const ProcessResult result = RunConverter({"-o", "no-such-folder/a.pmf", "a.mem"}, work_.Path());

  EXPECT_EQ(result.exit_status, 1);
  EXPECT_EQ(result.out, "");
  EXPECT_NE(result.err, "");
  EXPECT_FALSE(fs::exists(work_ / "no-such-folder"));
}

struct ChoiceCase {
  std::vector<std::string> options;
  std::string icon;
  std::string voice_code;
  std::string voice_flag;
};

class ConvertChoices : public ConvertEndToEnd, public ::testing::WithParamInterface<ChoiceCase> {};

TEST_P(ConvertChoices, EveryPointCarriesTheChosenIconAndSound) {
  Make("a.mem", TwoPoints());
  std::vector<std::string> arguments = GetParam().options;
  arguments.push_back("a.mem");

  const ProcessResult result = RunConverter(arguments, work_.Path());

  ASSERT_EQ(result.exit_status, 0) << result.err;
  const auto points = PointGroups(work_ / "a.pmf");
  ASSERT_EQ(points.size(), 2u);
  for (const auto& groups : points) {
    EXPECT_EQ(groups[kIconGroup - 1], GetParam().icon);
    EXPECT_EQ(groups[kVoiceCodeGroup - 1], GetParam().voice_code);
    EXPECT_EQ(groups[kVoiceFlagGroup - 1], GetParam().voice_flag);
  }
}

INSTANTIATE_TEST_SUITE_P(Options, ConvertChoices,
                         ::testing::Values(ChoiceCase{{}, "01", "FFFF", "00"},
                                           ChoiceCase{{"-i", "9"}, "09", "FFFF", "00"},
                                           ChoiceCase{
                                               {"--icon=31", "-s", "64"}, "31", "00C4", "01"},
                                           ChoiceCase{{"-s", "31"}, "01", "0004", "01"},
                                           ChoiceCase{{"-s", "0004"}, "01", "0004", "01"},
                                           ChoiceCase{{"--sound", "00dc"}, "01", "00DC", "01"},
                                           ChoiceCase{{"-s", "ベル音"}, "01", "0004", "01"},
                                           ChoiceCase{{"-s", "設定なし"}, "01", "FFFF", "00"}));

TEST_F(ConvertEndToEnd, ProgressLineOnlyOnATerminal) {
  Make("a.mem", TwoPoints());
  Make("b.mem", TwoPoints());

  const ProcessResult on_file = RunConverter({"a.mem", "b.mem"}, work_.Path());
  EXPECT_EQ(on_file.err, "");

  const ProcessResult on_terminal =
      RunConverter({"a.mem", "b.mem"}, work_.Path(), ErrorStream::Terminal);
  EXPECT_EQ(on_terminal.exit_status, 0);
  EXPECT_TRUE(Contains(on_terminal.err, "\r\x1B[K[1/2] a.mem")) << on_terminal.err;
  EXPECT_TRUE(Contains(on_terminal.err, "\r\x1B[K[2/2] b.mem")) << on_terminal.err;
  EXPECT_TRUE(on_terminal.err.ends_with("\r\x1B[K")) << "the line is erased at the end";

  const ProcessResult single = RunConverter({"a.mem"}, work_.Path(), ErrorStream::Terminal);
  EXPECT_EQ(single.err, "");
  const ProcessResult quiet =
      RunConverter({"-q", "a.mem", "b.mem"}, work_.Path(), ErrorStream::Terminal);
  EXPECT_EQ(quiet.err, "");
}

}  // namespace
}  // namespace quorvane::testing
