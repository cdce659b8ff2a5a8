#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "common/message_sink.h"
#include "common/text_codec.h"

namespace quorvane::testing {

struct ShownMessage {
  std::string text;
  std::optional<std::string> caption;
  MessageIcon icon = MessageIcon::None;

  bool operator==(const ShownMessage&) const = default;
};

// Failures show the texts readably (UTF-8) rather than as CP932 bytes.
inline void PrintTo(const ShownMessage& message, std::ostream* out) {
  const auto readable = [](std::string_view cp932) {
    return Cp932ToUtf8(cp932).value_or("(not CP932) " + std::string(cp932));
  };
  *out << '"' << readable(message.text) << "\" caption "
       << (message.caption ? '"' + readable(*message.caption) + '"' : std::string("none"))
       << (message.icon == MessageIcon::Exclamation ? " exclamation" : " no icon");
}

// Keeps every message it is shown, in order.
class RecordingMessageSink : public MessageSink {
 public:
  void Show(std::string_view text, std::optional<std::string_view> caption,
            MessageIcon icon) override {
    messages.push_back({std::string(text),
                        caption ? std::optional<std::string>(std::string(*caption)) : std::nullopt,
                        icon});
  }
  std::vector<ShownMessage> messages;
};

}  // namespace quorvane::testing
