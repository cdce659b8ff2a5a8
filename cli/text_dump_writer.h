#pragma once

#include <cstddef>
#include <ostream>
#include <string>
#include <string_view>

#include "cli/dump_writer.h"

namespace quorvane {

// A table per input for people: one line per point, columns aligned for a terminal that shows
// Japanese characters two columns wide and half-width katakana one column wide. A control
// character in a text is shown as its Unicode control picture (TAB as U+2409) so that every
// point stays on its line.
class TextDumpWriter : public DumpWriter {
 public:
  explicit TextDumpWriter(std::ostream& stream) : stream_(stream) {}
  void Begin() override {}
  void Points(std::string_view utf8_file, std::span<const DumpedPoint> points) override;
  void End() override {}

 private:
  std::ostream& stream_;
  bool first_ = true;
};

// The text with control characters replaced by their control pictures.
std::string WithControlPictures(std::string_view utf8);

}  // namespace quorvane
