#include "cli/terminal_message_sink.h"

#include <gtest/gtest.h>

#include <sstream>

namespace quorvane {
namespace {

TEST(TerminalMessageSink, HoldsMessagesUntilFlushedAndWritesThemAsCaptionAndText) {
  std::ostringstream stream;
  TerminalMessageSink sink(stream, "quorvane-convert");

  // "ファイルが見つかりませんでした。" without a caption, then a two-line text captioned "終了".
  sink.Show(
      "\x83\x74\x83\x40\x83\x43\x83\x8B\x82\xAA\x8C\xA9\x82\xC2\x82\xA9\x82\xE8\x82\xDC\x82"
      "\xB9\x82\xF1\x82\xC5\x82\xB5\x82\xBD\x81\x42",
      std::nullopt, MessageIcon::Exclamation);
  sink.Show("a.mem\n    b", "\x8F\x49\x97\xB9", MessageIcon::None);
  EXPECT_EQ(stream.str(), "");
  EXPECT_EQ(sink.HeldCount(), 2u);

  sink.Flush();
  EXPECT_EQ(stream.str(),
            "quorvane-convert: ファイルが見つかりませんでした。\n"
            "終了: a.mem\n    b\n");
  EXPECT_EQ(sink.HeldCount(), 0u);
}

TEST(TerminalMessageSink, ForgetsOnlyTheNamedText) {
  std::ostringstream stream;
  TerminalMessageSink sink(stream, "app");
  sink.Show("keep", "ERROR", MessageIcon::None);
  sink.Show("drop", "X", MessageIcon::None);
  sink.Forget("drop");
  sink.Flush();
  EXPECT_EQ(stream.str(), "ERROR: keep\n");
}

TEST(TerminalMessageSink, TextsThatAreNoCharactersStillReachTheTerminal) {
  std::ostringstream stream;
  TerminalMessageSink sink(stream, "app");
  sink.Show("AB\x89", std::nullopt, MessageIcon::None);
  sink.Flush();
  sink.Report("own message");
  EXPECT_EQ(stream.str(), "app: AB\uFFFD\napp: own message\n");
}

}  // namespace
}  // namespace quorvane
