#pragma once

#include "common/local_clock.h"

namespace quorvane::testing {

class FixedClock : public LocalClock {
 public:
  explicit FixedClock(LocalTime time) : time_(time) {}
  LocalTime Now() const override { return time_; }

 private:
  LocalTime time_;
};

// 09:30:05 on 5 January 2024.
inline FixedClock JanuaryFifthClock() {
  return FixedClock({2024, 1, 5, 9, 30, 5});
}

}  // namespace quorvane::testing
