#include <ctime>

#include "common/local_clock.h"

namespace quorvane {

namespace {

class SystemLocalClock final : public LocalClock {
 public:
  LocalTime Now() const override {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
            local.tm_hour,        local.tm_min,     local.tm_sec};
  }
};

}  // namespace

const LocalClock& SystemClock() {
  static const SystemLocalClock clock;
  return clock;
}

}  // namespace quorvane
