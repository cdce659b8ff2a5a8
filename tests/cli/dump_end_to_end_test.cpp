// --dump in its three formats, checked from outside: the JSON is read back by Python's parser.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/converter_process.h"
#include "support/mem_image_builder.h"
#include "support/temp_folder.h"

namespace quorvane::testing {
namespace {

namespace fs = std::filesystem;

// A name with double-byte and half-width characters, one with the characters that JSON and CSV
// must escape, a second text ending in a lone lead byte, and an empty entry with coordinate 0.
MemImageBuilder AwkwardPoints() {
  MemImageBuilder image;
  image.Present(0).Name(0, "\x93\x8C\x8B\x9E\xC0\xDC\xB0").ExtraText(0, "\xD2\xD3");  // 東京ﾀﾜｰ ﾒﾓ
  image.Longitude(0, {0x1E, 0xB5, 0x68, 0x80}).Latitude(0, {0x07, 0xD6, 0x54, 0xFD});
  image.Digits(0, {0x01, 0x23, 0x45, 0x67, 0x89});
  image.Present(1).Name(1, "a\"b\\c\t,\x01").ExtraText(1, "ABCDEFGHIJKLMNO\x89");
  image.Present(2);
  return image;
}

// Reads the JSON document with Python and writes one line per point, fields separated by
// U+001F, so that the test compares the texts exactly as a JSON reader gets them.
constexpr const char* kReadBack = R"(
import json, sys
document = json.load(open(sys.argv[1], encoding="utf-8"))
with open(sys.argv[2], "w", encoding="utf-8", newline="") as out:
    for item in document:
        for p in item["points"]:
            assert isinstance(p["index"], int) and isinstance(p["longitude_deg"], float)
            fields = [item["file"], str(p["index"]), p["name"], p["extra_text"], p["digits"],
                      p["longitude_dms"], p["latitude_dms"], repr(p["longitude_deg"]),
                      repr(p["latitude_deg"])]
            out.write("\x1f".join(fields) + "\x1e")
)";

std::string Joined(const std::vector<std::string>& fields) {
  std::string line;
  for (const std::string& field : fields) line += (line.empty() ? "" : "\x1f") + field;
  return line + "\x1e";
}

class DumpEndToEnd : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directory(work_ / "表ソ");
    AwkwardPoints().WriteTo(work_ / "表ソ" / "東京.mem");
    MemImageBuilder().WriteTo(work_ / "empty.mem");
  }
  TempFolder work_;
};

TEST_F(DumpEndToEnd, JsonReadsBackWithEveryText) {
  if (RunProgram({"python3", "-c", "pass"}) != 0) GTEST_SKIP() << "python3 is not installed";

  const ProcessResult result = RunConverter(
      {"--dump", "--format", "json", "表ソ/東京.mem", "missing.mem", "empty.mem"}, work_.Path());

  EXPECT_EQ(result.exit_status, 1) << "the missing input fails";
  EXPECT_NE(result.err.find("ファイルが見つかりませんでした。"), std::string::npos) << result.err;
  WriteAllBytes(work_ / "dump.json", result.out);
  ASSERT_EQ(RunProgram({"python3", "-c", kReadBack, (work_ / "dump.json").string(),
                        (work_ / "fields").string()}),
            0)
      << result.out;
  const std::vector<unsigned char> fields = ReadAllBytes(work_ / "fields");
  EXPECT_EQ(std::string(fields.begin(), fields.end()),
            Joined({"表ソ/東京.mem", "0", "東京ﾀﾜｰ", "ﾒﾓ", "0123456789", "139.45.30.500",
                    " 35.40.05.988", "139.758472", "35.66833"}) +
                Joined({"表ソ/東京.mem", "1", "a\"b\\c\t,\x01", "ABCDEFGHIJKLMNO\uFFFD", "",
                        " 00.00.00.000", " 00.00.00.000", "0.0", "0.0"}) +
                Joined({"表ソ/東京.mem", "2", "", "", "", " 00.00.00.000", " 00.00.00.000", "0.0",
                        "0.0"}))
      << result.out;
  // empty.mem has no points but is still listed.
  EXPECT_NE(result.out.find("{\"file\": \"empty.mem\", \"points\": []}"), std::string::npos)
      << result.out;
}

TEST_F(DumpEndToEnd, JsonOfNoReadableInputIsStillADocument) {
  const ProcessResult result =
      RunConverter({"--dump", "--format=json", "none.mem", "notes.txt"}, work_.Path());
  EXPECT_EQ(result.exit_status, 1);
  EXPECT_EQ(result.out, "[]\n");
  EXPECT_NE(result.err.find("'notes.txt': not a memory-point file name; the input must end in "
                            ".mem"),
            std::string::npos)
      << result.err;
}

TEST_F(DumpEndToEnd, CsvQuotesWhatNeedsIt) {
  const ProcessResult result =
      RunConverter({"--dump", "--format", "csv", "表ソ/東京.mem"}, work_.Path());

  EXPECT_EQ(result.exit_status, 0) << result.err;
  EXPECT_EQ(result.out,
            "file,index,name,extra_text,digits,longitude_dms,latitude_dms,longitude_deg,"
            "latitude_deg\r\n"
            "表ソ/東京.mem,0,東京ﾀﾜｰ,ﾒﾓ,0123456789,139.45.30.500,\" 35.40.05.988\",139.758472,"
            "35.668330\r\n"
            "表ソ/東京.mem,1,\"a\"\"b\\c\t,\x01\",ABCDEFGHIJKLMNO\uFFFD,,\" 00.00.00.000\","
            "\" 00.00.00.000\",0.000000,0.000000\r\n"
            "表ソ/東京.mem,2,,,,\" 00.00.00.000\",\" 00.00.00.000\",0.000000,0.000000\r\n");
}

TEST_F(DumpEndToEnd, TextIsATablePerInput) {
  const ProcessResult result = RunConverter({"--dump", "表ソ/東京.mem", "empty.mem"}, work_.Path());

  EXPECT_EQ(result.exit_status, 0) << result.err;
  // Columns line up on a terminal: Japanese characters take two columns, half-width ones one.
  EXPECT_EQ(result.out,
            "表ソ/東京.mem (3 points)\n"
            "  #  name              second text       digits      longitude      latitude      "
            "   lon (deg)    lat (deg)\n"
            "  0  東京ﾀﾜｰ           ﾒﾓ                0123456789  139.45.30.500   35.40.05.988 "
            "  139.758472    35.668330\n"
            "  1  a\"b\\c␉,␁          ABCDEFGHIJKLMNO\uFFFD  "
            "             00.00.00.000   00.00.00.000     0.000000     0.000000\n"
            "  2                                                   00.00.00.000   00.00.00.000  "
            "   0.000000     0.000000\n"
            "\n"
            "empty.mem (0 points)\n");
}

}  // namespace
}  // namespace quorvane::testing
