#pragma once
// The PC's local date and time, taken for the camera's clock.

#include <memory>

namespace quelmo {

struct LocalTime {
  int year = 2011;
  int month = 1;
  int day = 1;
  int hour = 0;
  int minute = 0;
  int second = 0;
};

class LocalClock {
 public:
  virtual ~LocalClock() = default;
  virtual LocalTime Now() const = 0;
};

// The machine's clock.
const LocalClock& SystemLocalClock();

// The local time with the year the camera accepts: after 2031 it is 2031,
// before 2010 it is 2011 (not 2010); 2010 to 2031 stay.
LocalTime TakeLocalClock(const LocalClock& clock);

}  // namespace quelmo
