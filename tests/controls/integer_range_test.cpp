#include "controls/integer_range.h"

#include <gtest/gtest.h>

#include "support/fake_view.h"

namespace quelmo {
namespace {

constexpr ControlId kTimeLapseMinutes = 1039;

TEST(IntegerRangeMessage, InTheLanguageWithBothBounds) {
  EXPECT_EQ(IntegerRangeMessage(0, 59, 1), "请输入一个介于0和59之间的值!");
  EXPECT_EQ(IntegerRangeMessage(0, 59, 2), "Please enter an integer between 0 and 59!");
  EXPECT_EQ(IntegerRangeMessage(-5, 12, 12), "Please enter an integer between -5 and 12!");
  for (int language = 3; language <= 11; ++language) {
    const std::string message = IntegerRangeMessage(-5, 99, language);
    EXPECT_NE(message.find("-5"), std::string::npos) << language;
    EXPECT_NE(message.find("99"), std::string::npos) << language;
    EXPECT_NE(message, IntegerRangeMessage(-5, 99, 2)) << language;
  }
}

TEST(CheckIntegerRange, BoundsAreInclusiveAndPassSilently) {
  FakeView view;
  EXPECT_TRUE(CheckIntegerRange(view, kTimeLapseMinutes, 0, 0, 59, 2));
  EXPECT_TRUE(CheckIntegerRange(view, kTimeLapseMinutes, 59, 0, 59, 2));
  EXPECT_TRUE(view.Messages().empty());
  EXPECT_FALSE(view.Focused().has_value());
}

TEST(CheckIntegerRange, OutOfRangeShowsTheProgramsMessageAndSelectsTheField) {
  FakeView view;
  EXPECT_FALSE(CheckIntegerRange(view, kTimeLapseMinutes, 60, 0, 59, 2));
  ASSERT_EQ(view.Messages().size(), 1u);
  EXPECT_EQ(view.Messages()[0].text, "Please enter an integer between 0 and 59!");
  EXPECT_EQ(view.Messages()[0].icon, MessageIcon::kApp);
  EXPECT_EQ(view.Focused(), kTimeLapseMinutes);

  EXPECT_FALSE(CheckIntegerRange(view, 1074, -1, 0, 99, 1));
  EXPECT_EQ(view.Messages().back().text, "请输入一个介于0和99之间的值!");
  EXPECT_EQ(view.Focused(), 1074);
}

}  // namespace
}  // namespace quelmo
