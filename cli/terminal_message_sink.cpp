#include "cli/terminal_message_sink.h"

#include <utility>
#include <vector>

#include "cli/display_text.h"

namespace quorvane {

TerminalMessageSink::TerminalMessageSink(std::ostream& stream, std::string application_name)
    : stream_(stream), application_name_(std::move(application_name)) {}

void TerminalMessageSink::Show(std::string_view text, std::optional<std::string_view> caption,
                               MessageIcon /*icon*/) {
  held_.push_back(
      {std::string(text), caption ? std::optional<std::string>(*caption) : std::nullopt});
}

void TerminalMessageSink::Forget(std::string_view cp932_text) {
  std::erase_if(held_,
                [cp932_text](const HeldMessage& message) { return message.text == cp932_text; });
}

void TerminalMessageSink::Flush() {
  for (const HeldMessage& message : held_) {
    Write(message.caption ? DisplayText(*message.caption) : application_name_,
          DisplayText(message.text));
  }
  held_.clear();
}

void TerminalMessageSink::Report(std::string_view utf8_text) {
  Write(application_name_, utf8_text);
}

void TerminalMessageSink::Write(std::string_view caption, std::string_view text) {
  stream_ << caption << ": " << text << '\n' << std::flush;
}

}  // namespace quorvane
