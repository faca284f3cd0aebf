#include "controls/balloon_hint.h"

#include <gtest/gtest.h>

#include "support/fake_hint_host.h"

namespace quelmo {
namespace {

constexpr ControlId kPhoneField = 1006;
constexpr ControlId kEmailField = 1007;
constexpr ControlId kUnregistered = 1050;

class BalloonHintTest : public testing::Test {
 protected:
  void SetUp() override {
    host_.controlRects[kPhoneField] = {100, 100, 200, 120};
    host_.controlRects[kEmailField] = {300, 100, 400, 120};
    host_.controlRects[kUnregistered] = {100, 200, 200, 220};
    hint_.Attach(&host_);
    hint_.AddTool(kPhoneField, "Phone number of the receiver");
    hint_.AddTool(kEmailField, "E-mail address", 0x0000FF);
  }

  void Event(HintEventKind kind, HintPoint at = {}, std::optional<ControlId> target = std::nullopt) {
    hint_.RelayEvent(HintEvent{kind, at, target, true});
  }
  void ClickOn(ControlId id, HintPoint at) { Event(HintEventKind::kLeftButtonDown, at, id); }

  // Clicks the phone field and lets the show check find the cursor there.
  void ShowPhoneHint() {
    ClickOn(kPhoneField, {150, 110});
    hint_.TimerFired(kHintShowTimer);
    ASSERT_TRUE(host_.visible);
  }

  FakeHintHost host_;
  BalloonHint hint_;
};

TEST(BalloonGeometry, DefaultSizeGivesTheInscribedTextRectangleAndLeftPointer) {
  const BalloonGeometry geometry = BalloonGeometryFor(200, 80);
  EXPECT_EQ(geometry.textRect, (HintRect{38, 12, 172, 68}));
  EXPECT_EQ(geometry.bodyEllipse, (HintRect{10, 0, 200, 80}));
  EXPECT_EQ(geometry.pointer[0], (HintPoint{0, 30}));
  EXPECT_EQ(geometry.pointer[1], (HintPoint{15, 35}));
  EXPECT_EQ(geometry.pointer[2], (HintPoint{15, 45}));
}

TEST(BalloonGeometry, TextNarrowerThanItsRectangleStaysOnOneLine) {
  BalloonHint hint;  // text rectangle 134 pixels wide
  EXPECT_EQ(hint.Layout(133), HintTextLayout::kSingleLineCentred);
  EXPECT_EQ(hint.Layout(134), HintTextLayout::kWrappedFromTop);
}

// A screen reader reads each hint as its control's description: the host
// hears of every hint, whether it was registered before the host came or
// after, and of a hint replaced.
TEST_F(BalloonHintTest, TheHostLearnsEveryControlsHintAsItsDescription) {
  EXPECT_EQ(host_.descriptions.at(kPhoneField), "Phone number of the receiver");
  hint_.AddTool(kPhoneField, "Another text");
  EXPECT_EQ(host_.descriptions.at(kPhoneField), "Another text");

  FakeHintHost later;  // outlives the hint attached to it
  BalloonHint early;
  early.AddTool(kEmailField, "E-mail address");
  early.Attach(&later);
  EXPECT_EQ(later.descriptions.at(kEmailField), "E-mail address");
  EXPECT_EQ(later.descriptions.count(kUnregistered), 0u);
}

TEST_F(BalloonHintTest, ClickOnToolPlacesBalloonHiddenAndShowsItWhenTheCursorIsOverTheForm) {
  ClickOn(kPhoneField, {150, 110});

  EXPECT_EQ(host_.placed, (HintRect{150, 110, 350, 190}));
  EXPECT_FALSE(host_.visible);
  EXPECT_EQ(host_.Period(kHintHideTimer), 5000);
  EXPECT_EQ(host_.Period(kHintShowTimer), 200);
  EXPECT_EQ(hint_.Text(), "Phone number of the receiver");
  EXPECT_EQ(hint_.CurrentTool(), kPhoneField);

  host_.cursorOverControl = false;
  hint_.TimerFired(kHintShowTimer);
  EXPECT_FALSE(host_.visible);

  host_.cursorOverControl = true;
  hint_.TimerFired(kHintShowTimer);
  EXPECT_TRUE(host_.visible);
  EXPECT_TRUE(host_.Running(kHintShowTimer)) << "the show check keeps running";

  hint_.TimerFired(kHintHideTimer);
  EXPECT_FALSE(host_.visible);
  EXPECT_TRUE(host_.timers.empty());
  EXPECT_EQ(hint_.CurrentTool(), kPhoneField) << "running out does not forget the tool";
}

TEST_F(BalloonHintTest, ToolTakesItsTextColour) {
  ClickOn(kEmailField, {350, 110});
  EXPECT_EQ(hint_.TextColour(), 0x0000FFu);
  EXPECT_GT(host_.repaints, 0);
}

TEST_F(BalloonHintTest, SecondClickInsideTheSameControlChangesNothing) {
  ShowPhoneHint();
  host_.placed.reset();
  host_.timers[kHintHideTimer] = 1;  // marks the running timer: a restart would overwrite it

  ClickOn(kPhoneField, {190, 115});

  EXPECT_FALSE(host_.placed.has_value());
  EXPECT_EQ(host_.Period(kHintHideTimer), 1);
  EXPECT_TRUE(host_.visible);
}

TEST_F(BalloonHintTest, ClickOnUnregisteredControlHidesAndForgetsTheTool) {
  ShowPhoneHint();
  ClickOn(kUnregistered, {150, 210});
  EXPECT_FALSE(host_.visible);
  EXPECT_TRUE(host_.timers.empty());
  EXPECT_FALSE(hint_.CurrentTool().has_value());
}

TEST_F(BalloonHintTest, ClickOnAnotherToolMovesTheBalloonToIt) {
  ShowPhoneHint();
  ClickOn(kEmailField, {350, 110});
  EXPECT_FALSE(host_.visible);
  EXPECT_EQ(host_.placed, (HintRect{350, 110, 550, 190}));
  EXPECT_EQ(hint_.CurrentTool(), kEmailField);
  EXPECT_EQ(hint_.Text(), "E-mail address");
}

TEST_F(BalloonHintTest, AfterRunningOutOnlyAClickOutsideLetsTheSameHintStartAgain) {
  ShowPhoneHint();
  hint_.TimerFired(kHintHideTimer);

  host_.placed.reset();
  ClickOn(kPhoneField, {150, 110});
  EXPECT_FALSE(host_.placed.has_value());
  EXPECT_TRUE(host_.timers.empty());

  Event(HintEventKind::kLeftButtonDown, {600, 600});  // the form's empty area
  ClickOn(kPhoneField, {150, 110});
  EXPECT_TRUE(host_.placed.has_value());
  EXPECT_TRUE(host_.Running(kHintHideTimer));
}

TEST_F(BalloonHintTest, KeyRightButtonAndFrameClicksHideAShownHint) {
  for (const HintEventKind kind : {HintEventKind::kKeyDown, HintEventKind::kRightButtonDown,
                                   HintEventKind::kNonClientButtonDown}) {
    ShowPhoneHint();
    Event(kind);
    EXPECT_FALSE(host_.visible) << static_cast<int>(kind);
    EXPECT_TRUE(host_.timers.empty()) << static_cast<int>(kind);
    Event(HintEventKind::kLeftButtonDown, {600, 600});  // forget the tool for the next round
  }
}

TEST_F(BalloonHintTest, HidingEventLeavesAPendingHintPending) {
  ClickOn(kPhoneField, {150, 110});
  Event(HintEventKind::kKeyDown);
  EXPECT_TRUE(host_.Running(kHintShowTimer));
  hint_.TimerFired(kHintShowTimer);
  EXPECT_TRUE(host_.visible);
}

TEST_F(BalloonHintTest, OtherEventsAndClicksWithoutFocusDoNothing) {
  Event(HintEventKind::kOther, {150, 110}, kPhoneField);
  hint_.RelayEvent(HintEvent{HintEventKind::kLeftButtonDown, {150, 110}, kPhoneField, false});
  EXPECT_FALSE(host_.placed.has_value());
  EXPECT_FALSE(hint_.CurrentTool().has_value());
}

TEST_F(BalloonHintTest, BalloonNearTheBottomRightCornerStaysOnTheScreen) {
  ClickOn(kPhoneField, {1000, 750});
  EXPECT_EQ(host_.placed, (HintRect{824, 688, 1024, 768}));

  hint_.ShowAt({-20, -5}, 5, 200);
  EXPECT_EQ(host_.placed, (HintRect{0, 0, 200, 80}));
}

TEST_F(BalloonHintTest, NegativeSecondsAndDelayTakeTheDefaultsOfTheMomentAndZeroStartsNoTimer) {
  hint_.defaultSeconds = 3;
  hint_.defaultDelayMs = 50;
  hint_.AddTool(kUnregistered, "later defaults");
  hint_.AddTool(kEmailField, "no timers", 0, 0, 0);

  ClickOn(kUnregistered, {150, 210});
  EXPECT_EQ(host_.Period(kHintHideTimer), 3000);
  EXPECT_EQ(host_.Period(kHintShowTimer), 50);

  ClickOn(kEmailField, {350, 110});
  EXPECT_TRUE(host_.timers.empty());

  ClickOn(kPhoneField, {150, 110});  // registered before the change
  EXPECT_EQ(host_.Period(kHintHideTimer), 5000);
}

TEST(BalloonHintLifetime, WithoutAWindowNothingMovesAndDestructionStopsTimers) {
  FakeHintHost host;
  {
    BalloonHint hint;
    hint.AddTool(1, "text");
    hint.RelayEvent(HintEvent{HintEventKind::kLeftButtonDown, {5, 5}, 1, true});
    EXPECT_FALSE(hint.CurrentTool().has_value());

    hint.Attach(&host);
    hint.RelayEvent(HintEvent{HintEventKind::kLeftButtonDown, {5, 5}, 1, true});
    EXPECT_FALSE(host.timers.empty());
  }
  EXPECT_TRUE(host.timers.empty());
}

}  // namespace
}  // namespace quelmo
