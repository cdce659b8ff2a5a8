#pragma once

#include <cstddef>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "common/message_sink.h"

namespace quorvane {

// Shows messages on a terminal stream as "caption: text" in UTF-8, the text's line breaks kept;
// a message without a caption is captioned with the application name. The core's messages are
// held until the caller knows how its conversion ended: the run's completion notice asks the
// user to press OK, which means nothing on a terminal, so the caller drops it and prints its own
// success line instead. Nothing waits for the user, there is no one to dismiss a message.
class TerminalMessageSink : public MessageSink {
 public:
  TerminalMessageSink(std::ostream& stream, std::string application_name);

  void Show(std::string_view text, std::optional<std::string_view> caption,
            MessageIcon icon) override;

  // Number of core messages held since the last Flush.
  std::size_t HeldCount() const { return held_.size(); }
  // Forgets the held messages whose text is `cp932_text`.
  void Forget(std::string_view cp932_text);
  // Writes the held messages in the order they came and forgets them.
  void Flush();

  // Writes one of the converter's own messages (UTF-8) at once, captioned with the application
  // name.
  void Report(std::string_view utf8_text);

 private:
  void Write(std::string_view caption, std::string_view text);

  struct HeldMessage {
    std::string text;                    // CP932
    std::optional<std::string> caption;  // CP932; none means the application name
  };

  std::ostream& stream_;
  std::string application_name_;
  std::vector<HeldMessage> held_;
};

}  // namespace quorvane
