#include "controls/local_clock.h"

#include <gtest/gtest.h>

namespace quelmo {
namespace {

class FixedClock final : public LocalClock {
 public:
  explicit FixedClock(LocalTime time) : time_(time) {}
  LocalTime Now() const override { return time_; }

 private:
  LocalTime time_;
};

LocalTime At(int year) { return LocalTime{year, 12, 31, 23, 59, 58}; }

TEST(TakeLocalClock, YearsOutsideTheCamerasRangeAreClamped) {
  EXPECT_EQ(TakeLocalClock(FixedClock(At(2009))).year, 2011) << "earlier years fall back to 2011";
  EXPECT_EQ(TakeLocalClock(FixedClock(At(2010))).year, 2010);
  EXPECT_EQ(TakeLocalClock(FixedClock(At(2031))).year, 2031);
  EXPECT_EQ(TakeLocalClock(FixedClock(At(2032))).year, 2031);
}

TEST(TakeLocalClock, KeepsTheRestOfTheDateAndTime) {
  const LocalTime taken = TakeLocalClock(FixedClock(At(2045)));
  EXPECT_EQ(taken.month, 12);
  EXPECT_EQ(taken.day, 31);
  EXPECT_EQ(taken.hour, 23);
  EXPECT_EQ(taken.minute, 59);
  EXPECT_EQ(taken.second, 58);
}

TEST(SystemLocalClock, GivesAPlausibleCalendarTime) {
  const LocalTime now = SystemLocalClock().Now();
  EXPECT_GE(now.year, 2024);
  EXPECT_GE(now.month, 1);
  EXPECT_LE(now.month, 12);
  EXPECT_GE(now.day, 1);
  EXPECT_LE(now.day, 31);
  EXPECT_LE(now.hour, 23);
  EXPECT_LE(now.second, 59);
}

}  // namespace
}  // namespace quelmo
