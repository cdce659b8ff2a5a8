#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/message_sink.h"

namespace quorvane::testing {

struct ShownMessage {
  std::string text;
  std::optional<std::string> caption;
  MessageIcon icon = MessageIcon::None;

  bool operator==(const ShownMessage&) const = default;
};

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
