#pragma once

namespace quorvane {

struct LocalTime {
  int year = 0;    // full year, e.g. 2024
  int month = 0;   // 1-12
  int day = 0;     // 1-31
  int hour = 0;    // 0-23
  int minute = 0;  // 0-59
  int second = 0;  // 0-60
};

// The local date and time of the system clock, replaceable in tests.
class LocalClock {
 public:
  virtual ~LocalClock() = default;
  virtual LocalTime Now() const = 0;
};

// One reading of the system clock converted to local time. Holds no state.
const LocalClock& SystemClock();

}  // namespace quorvane
