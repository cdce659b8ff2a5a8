// The parts of the command line that are answered without converting: usage errors, --help,
// --version and --list-sounds.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/converter_process.h"
#include "support/mem_image_builder.h"
#include "support/temp_folder.h"

namespace quorvane::testing {
namespace {

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream stream(text);
  for (std::string line; std::getline(stream, line);) lines.push_back(line);
  return lines;
}

struct UsageCase {
  std::vector<std::string> arguments;
  std::string reason;  // a part of the first line
};

class UsageError : public ::testing::TestWithParam<UsageCase> {};

TEST_P(UsageError, ExitsWithTwoAOneLineReasonAndAHintWritingNothing) {
  TempFolder work;
  MemImageBuilder image;
  image.Present(0).Name(0, "A");
  image.WriteTo(work / "a.mem");
  image.WriteTo(work / "b.mem");

  const ProcessResult result = RunConverter(GetParam().arguments, work.Path());

  EXPECT_EQ(result.exit_status, 2);
  EXPECT_EQ(result.out, "");
  const std::vector<std::string> lines = Lines(result.err);
  ASSERT_EQ(lines.size(), 2u) << result.err;
  EXPECT_TRUE(lines[0].starts_with("quorvane-convert: ")) << lines[0];
  EXPECT_NE(lines[0].find(GetParam().reason), std::string::npos) << lines[0];
  EXPECT_EQ(lines[1], "Try 'quorvane-convert --help' for more information.");
  EXPECT_EQ(work.Listing(), (std::vector<std::string>{"a.mem", "b.mem"}));
}

INSTANTIATE_TEST_SUITE_P(
    CommandLines, UsageError,
    ::testing::Values(UsageCase{{"--bogus", "a.mem"}, "--bogus"}, UsageCase{{}, "no input file"},
                      UsageCase{{"-q"}, "no input file"},
                      UsageCase{{"-i", "0", "a.mem"}, "icon number must be 1 to 31, not 0"},
                      UsageCase{{"-i", "32", "a.mem"}, "icon number must be 1 to 31, not 32"},
                      UsageCase{{"-i", "-1", "a.mem"}, "icon"},
                      UsageCase{{"-i", "five", "a.mem"}, "five"},
                      UsageCase{{"-s", "65", "a.mem"}, "unknown sound '65'"},
                      UsageCase{{"-s", "0064", "a.mem"}, "unknown sound '0064'"},
                      UsageCase{{"-s", "鳴き声", "a.mem"}, "unknown sound '鳴き声'"},
                      UsageCase{{"-s", "", "a.mem"}, "unknown sound ''"},
                      UsageCase{{"-o", "x.pmf", "a.mem", "b.mem"}, "single input"},
                      UsageCase{{"-o", "x.pmf", "-d", "out", "a.mem"}, "--output"},
                      UsageCase{{"-d", "", "a.mem"}, "--output-dir needs a folder"},
                      UsageCase{{"--dump", "-o", "x.pmf", "a.mem"}, "--dump"},
                      UsageCase{{"--dump", "--format", "xml", "a.mem"}, "xml"}));

TEST(CommandLineAnswers, HelpListsTheOptions) {
  TempFolder work;
  for (const char* flag : {"-h", "--help"}) {
    const ProcessResult result = RunConverter({flag}, work.Path());
    EXPECT_EQ(result.exit_status, 0);
    EXPECT_EQ(result.err, "");
    for (const char* option : {"--output", "--output-dir", "--icon", "--sound", "--list-sounds",
                               "--dump", "--format", "--quiet", "--version", "Exit status"}) {
      EXPECT_NE(result.out.find(option), std::string::npos) << option;
    }
  }
}

TEST(CommandLineAnswers, Version) {
  TempFolder work;
  const ProcessResult result = RunConverter({"--version"}, work.Path());
  EXPECT_EQ(result.exit_status, 0);
  EXPECT_EQ(result.out, "quorvane-convert 1.0.0.1\n");
}

TEST(CommandLineAnswers, ListSoundsPrintsTheSixtyFiveRows) {
  TempFolder work;
  const ProcessResult result = RunConverter({"--list-sounds"}, work.Path());

  EXPECT_EQ(result.exit_status, 0);
  EXPECT_EQ(result.err, "");
  const std::vector<std::string> lines = Lines(result.out);
  ASSERT_EQ(lines.size(), 65u);
  EXPECT_EQ(lines[0], " 0  FFFF  設定なし");
  EXPECT_EQ(lines[3], " 3  00DC  路面注意");
  EXPECT_EQ(lines[31], "31  0004  ベル音");
  EXPECT_EQ(lines[64], "64  00C4  マンボ");
}

}  // namespace
}  // namespace quorvane::testing
