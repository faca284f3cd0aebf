#include "controls/local_clock.h"

#include <ctime>

namespace quelmo {
namespace {

// The years the camera's clock accepts.
constexpr int kFirstCameraYear = 2010;
constexpr int kLastCameraYear = 2031;
// An earlier year falls back to this one, not to the first accepted year.
constexpr int kFallbackYear = 2011;

class SystemClock final : public LocalClock {
 public:
  LocalTime Now() const override {
    const std::time_t now = std::time(nullptr);
    std::tm parts{};
#ifdef _WIN32
    localtime_s(&parts, &now);
#else
    localtime_r(&now, &parts);
#endif
    LocalTime time;
    time.year = parts.tm_year + 1900;
    time.month = parts.tm_mon + 1;
    time.day = parts.tm_mday;
    time.hour = parts.tm_hour;
    time.minute = parts.tm_min;
    // A leap second reads as 60; the camera's field stops at 59.
    time.second = parts.tm_sec > 59 ? 59 : parts.tm_sec;
    return time;
  }
};

}  // namespace

const LocalClock& SystemLocalClock() {
  static const SystemClock clock;
  return clock;
}

LocalTime TakeLocalClock(const LocalClock& clock) {
  LocalTime time = clock.Now();
  if (time.year > kLastCameraYear) {
    time.year = kLastCameraYear;
  } else if (time.year < kFirstCameraYear) {
    time.year = kFallbackYear;
  }
  return time;
}

}  // namespace quelmo
