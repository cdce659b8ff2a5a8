#pragma once

#include <optional>
#include <string_view>

namespace quorvane {

enum class MessageIcon { None, Exclamation };

// The one way in which the converter shows a message. `Show` returns only once the user has
// dismissed the message. A caption of std::nullopt means the application name (the base name
// of the executable). All texts are CP932.
class MessageSink {
 public:
  virtual ~MessageSink() = default;
  virtual void Show(std::string_view text, std::optional<std::string_view> caption,
                    MessageIcon icon) = 0;
};

}  // namespace quorvane
