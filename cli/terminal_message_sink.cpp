#include "cli/terminal_message_sink.h"

#include <utility>

#include "cli/display_text.h"

namespace quorvane {

TerminalMessageSink::TerminalMessageSink(std::ostream& stream, std::string application_name)
    : stream_(stream), application_name_(std::move(application_name)) {}

void TerminalMessageSink::Show(std::string_view text, std::optional<std::string_view> caption,
                               MessageIcon /*icon*/) {
  held_.push_back({caption ? DisplayText(*caption) : application_name_, DisplayText(text)});
}

void TerminalMessageSink::DropLast() {
  if (!held_.empty()) held_.pop_back();
}

void TerminalMessageSink::Flush() {
  for (const HeldMessage& message : held_) Write(message.caption, message.text);
  held_.clear();
}

void TerminalMessageSink::Report(std::string_view utf8_text) {
  Write(application_name_, utf8_text);
}

void TerminalMessageSink::Write(std::string_view caption, std::string_view text) {
  stream_ << caption << ": " << text << '\n' << std::flush;
}

}  // namespace quorvane
