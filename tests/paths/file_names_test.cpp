#include "conversion/file_names.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "support/cp932_literal.h"

namespace quorvane {
namespace {

using testing::Sjis;

// Paths below are written readably and converted to CP932. 表 is 95 5C and ソ is 83 5C: their
// second byte is a backslash and must never split a path.
TEST(Cp932Literals, SecondBytesAreBackslashes) {
  EXPECT_EQ(Sjis("表"), "\x95\x5c");
  EXPECT_EQ(Sjis("ソ"), "\x83\x5c");
}

struct SplitCase {
  std::string_view path;
  std::string_view drive, folder, base_name, extension;
};

TEST(SplitPath, FindsTheFourParts) {
  const SplitCase cases[] = {
      {"C:\\data\\points.mem", "C:", "\\data\\", "points", ".mem"},
      {"\\\\server\\share\\points.mem", "", "\\\\server\\share\\", "points", ".mem"},
      {"C:/data/x.y.z", "C:", "/data/", "x.y", ".z"},
      {"C:\\a/b\\c.d", "C:", "\\a/b\\", "c", ".d"},
      {"C:\\my.dir\\points", "C:", "\\my.dir\\", "points", ""},
      {"C:\\data\\points.", "C:", "\\data\\", "points", "."},
      {"C:points.mem", "C:", "", "points", ".mem"},
      {"C:", "C:", "", "", ""},
      {"C", "", "", "C", ""},
      {".profile", "", "", "", ".profile"},
      {"data\\", "", "data\\", "", ""},
      {"", "", "", "", ""},
      {"C:\\表\\ソ.mem", "C:", "\\表\\", "ソ", ".mem"},
      {"C:\\data\\表", "C:", "\\data\\", "表", ""},
      {"C:\\ソ.dir\\表ソ", "C:", "\\ソ.dir\\", "表ソ", ""},
      {"route.表", "", "", "route", ".表"},
      {"表\\ソ\\", "", "表\\ソ\\", "", ""},
  };
  for (const SplitCase& c : cases) {
    SCOPED_TRACE(c.path);
    const PathParts parts = SplitPath(Sjis(c.path));
    EXPECT_EQ(parts.drive, Sjis(c.drive));
    EXPECT_EQ(parts.folder, Sjis(c.folder));
    EXPECT_EQ(parts.base_name, Sjis(c.base_name));
    EXPECT_EQ(parts.extension, Sjis(c.extension));
  }
}

TEST(SplitPath, LeadByteAtTheEndIsPartOfTheName) {
  const PathParts parts = SplitPath("C:\\data\\abc\x95");
  EXPECT_EQ(parts.folder, "\\data\\");
  EXPECT_EQ(parts.base_name, "abc\x95");
  EXPECT_EQ(parts.extension, "");
}

TEST(SplitPath, KeepsLongPartsWhole) {
  const std::string folder = "\\" + std::string(300, 'f') + "\\";
  const std::string base(300, 'b');
  const std::string extension = "." + std::string(300, 'e');
  const PathParts parts = SplitPath("C:" + folder + base + extension);
  EXPECT_EQ(parts.folder, folder);
  EXPECT_EQ(parts.base_name, base);
  EXPECT_EQ(parts.extension, extension);
}

struct JoinCase {
  std::string_view drive, folder, base_name, extension;
  std::string_view path;
};

TEST(JoinPath, AddsOnlyMissingSeparators) {
  const JoinCase cases[] = {
      {"C:", "\\data\\", "points", ".pmf", "C:\\data\\points.pmf"},
      {"C:", "\\data", "points", "pmf", "C:\\data\\points.pmf"},
      {"C:", "/data/", "points", "pmf", "C:/data/points.pmf"},
      {"C", "\\data\\", "points", "pmf", "C:\\data\\points.pmf"},
      {"", "data/", "p", "", "data/p"},
      {"", "", "p", ".pmf", "p.pmf"},
      {"C:", "", "", "", "C:"},
      {"", "", "", "", ""},
      // A folder ending in 表 or ソ does not end in a separator.
      {"C:", "\\表", "p", "pmf", "C:\\表\\p.pmf"},
      {"C:", "\\ソ", "", "", "C:\\ソ\\"},
      {"C:", "\\表\\", "p", "pmf", "C:\\表\\p.pmf"},
  };
  for (const JoinCase& c : cases) {
    SCOPED_TRACE(c.path);
    EXPECT_EQ(JoinPath(Sjis(c.drive), Sjis(c.folder), Sjis(c.base_name), Sjis(c.extension)),
              Sjis(c.path));
  }
}

TEST(JoinPath, RebuildsWhatSplitPathTookApart) {
  const std::string_view paths[] = {"C:\\data\\points.mem", "\\\\server\\share\\p.mem", "a.b.c",
                                    "C:\\表\\ソ\\points.mem", "C:\\data\\ソ"};
  for (const std::string_view readable : paths) {
    SCOPED_TRACE(readable);
    const std::string path = Sjis(readable);
    const PathParts parts = SplitPath(path);
    EXPECT_EQ(JoinPath(parts.drive, parts.folder, parts.base_name, parts.extension), path);
  }
}

struct ExtensionCase {
  std::string_view path;
  std::string_view extension;
  bool matches;
};

TEST(ExtensionMatches, LooksAtTheFinalComponentOnly) {
  const ExtensionCase cases[] = {
      {"route.mem", ".mem", true},
      {"route.MEM", ".mem", true},
      {"route.Mem", ".mem", true},
      {"route.mem", ".MEM", true},
      {"ROUTE.MEM", ".MEM", true},
      {"Route.Mem", ".MEM", true},
      {"C:\\data\\archive.2006.mem", ".mem", true},
      {"route.mem ", ".mem", false},
      {"route.mem.bak", ".mem", false},
      {"route.memo", ".mem", false},
      {"route.me", ".mem", false},
      {"route.", ".mem", false},
      {"route", ".mem", false},
      {"C:\\data.mem\\route", ".mem", false},
      {"C:/data.mem/route", ".mem", false},
      {"", ".mem", false},
      {".mem", ".mem", true},
      {"route.pmf", ".PMF", true},
      // Only a to z fold: full-width letters are other bytes.
      {"route.ｍｅｍ", ".MEM", false},
      {"C:\\表\\route.mem", ".MEM", true},
      {"C:\\ソ\\表.mem", ".MEM", true},
      {"C:\\表.mem\\ソ", ".MEM", false},
      {"route.ソ", ".ソ", true},
      {"C:\\data\\route.表", ".表", true},
  };
  for (const ExtensionCase& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.path) + " " + std::string(c.extension));
    EXPECT_EQ(ExtensionMatches(Sjis(c.path), Sjis(c.extension)), c.matches);
  }
}

struct DeriveCase {
  std::string_view input;
  std::string_view output;
  std::string_view folder;
};

TEST(DeriveOutputPath, ReplacesTheExtensionAndKeepsTheFolder) {
  const DeriveCase cases[] = {
      {"C:\\data\\points.mem", "C:\\data\\points.pmf", "C:\\data\\"},
      {"C:\\data\\points", "C:\\data\\points.pmf", "C:\\data\\"},
      {"C:\\data\\points.", "C:\\data\\points.pmf", "C:\\data\\"},
      {"C:\\data\\archive.2006.mem", "C:\\data\\archive.2006.pmf", "C:\\data\\"},
      {"C:\\my.dir\\points", "C:\\my.dir\\points.pmf", "C:\\my.dir\\"},
      {"\\\\server\\share\\points.mem", "\\\\server\\share\\points.pmf", "\\\\server\\share\\"},
      {"a.mem", "a.pmf", ""},
      {"points.mem.bak", "points.mem.pmf", ""},
      {"C:points.mem", "C:points.pmf", "C:"},
      {"/home/user/points.MEM", "/home/user/points.pmf", "/home/user/"},
      {"C:\\data\\my points.mem", "C:\\data\\my points.pmf", "C:\\data\\"},
      {"C:\\表\\points.mem", "C:\\表\\points.pmf", "C:\\表\\"},
      {"C:\\data\\表.mem", "C:\\data\\表.pmf", "C:\\data\\"},
      {"C:\\ソ\\ソ.mem", "C:\\ソ\\ソ.pmf", "C:\\ソ\\"},
      {"C:\\表", "C:\\表.pmf", "C:\\"},
      {"ソ.dir\\表", "ソ.dir\\表.pmf", "ソ.dir\\"},
  };
  for (const DeriveCase& c : cases) {
    SCOPED_TRACE(c.input);
    const DerivedOutput derived = DeriveOutputPath(Sjis(c.input), "pmf");
    EXPECT_EQ(derived.output_path, Sjis(c.output));
    EXPECT_EQ(derived.input_folder, Sjis(c.folder));
  }
}

// Beyond 259 bytes the result is kept whole; the file layer refuses a name that is too long.
TEST(DeriveOutputPath, KeepsALongResultWhole) {
  const std::string folder = "C:\\" + std::string(250, 'f') + "\\";
  const std::string base(250, 'b');
  const DerivedOutput derived = DeriveOutputPath(folder + base + ".m", "pmf");
  EXPECT_EQ(derived.output_path, folder + base + ".pmf");
  EXPECT_EQ(derived.input_folder, folder);
}

}  // namespace
}  // namespace quorvane
