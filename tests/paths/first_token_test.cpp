#include "conversion/first_token.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "support/cp932_literal.h"

namespace quorvane {
namespace {

using testing::Sjis;

struct TokenCase {
  std::string_view text;  // readable; converted to CP932
  std::string_view token;
};

TEST(FirstToken, TakesTheFirstRunBetweenDelimiters) {
  const TokenCase cases[] = {
      {"\"C:\\data\\my points.mem\"", "C:\\data\\my points.mem"},
      {"C:\\data\\my points.mem", "C:\\data\\my points.mem"},
      {"\"C:\\data\\in.mem\" \"C:\\out\\out.pmf\"", "C:\\data\\in.mem"},
      {"a.mem,b.pmf", "a.mem"},
      {"C:\\a,b\\points.mem", "C:\\a"},
      {"\t\n,\"x.mem\"\n", "x.mem"},
      {"x.mem\ty.mem", "x.mem"},
      // Blanks and CRs belong to the token.
      {" a.mem", " a.mem"},
      {"a.mem\r\n", "a.mem\r"},
      {"\"C:\\表\\ソ.mem\"", "C:\\表\\ソ.mem"},
      {"\",\t\n\"", ""},
      {",", ""},
      {"", ""},
  };
  for (const TokenCase& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.text));
    EXPECT_EQ(FirstToken(Sjis(c.text)), Sjis(c.token));
  }
}

TEST(FirstToken, KeepsLongTextWhole) {
  const std::string path = "C:\\" + std::string(400, 'p') + ".mem";
  EXPECT_EQ(FirstToken("\"" + path + "\""), path);
}

}  // namespace
}  // namespace quorvane
