// The balloon hint's window: its shape, its paint, and the form's input
// relayed to the hint.

#include "qt/balloon_window.h"

#include <QBitmap>
#include <QCursor>
#include <QImage>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include "qt/dialog_window.h"
#include "qt_test_environment.h"

namespace quelmo {
namespace {

constexpr ControlId kPhone = 1006;
constexpr ControlId kOther = 1007;

class BalloonWindowTest : public ::testing::Test {
 protected:
  BalloonWindowTest()
      : form_(ParseDialogTemplate(R"({
          "id": 901, "width": 200, "height": 80, "controls": [
            {"id": 1006, "kind": "edit", "x": 10, "y": 10, "w": 80, "h": 14},
            {"id": 1007, "kind": "edit", "x": 10, "y": 40, "w": 80, "h": 14}]})")
                  .value()) {
    // As the MMS, SMTP and SMS forms make theirs.
    hint_.fillColour = Rgb(213, 253, 224);
    hint_.frameColour = Rgb(0, 106, 53);
    hint_.AddTool(kPhone, "Note：The phone number can be used as a sms control number");
    form_.show();
    form_.activateWindow();
    form_.Control(kOther)->setFocus();
    ProcessQtEvents();
  }

  void ClickOn(ControlId id) {
    QTest::mouseClick(form_.Control(id), Qt::LeftButton, {}, QPoint(5, 5));
  }

  BalloonHint hint_;
  DialogWindow form_;
  BalloonWindow balloon_{hint_, form_};
};

TEST_F(BalloonWindowTest, ShapedAsEllipseWithAPointer) {
  const QRegion shape = balloon_.mask();
  EXPECT_TRUE(shape.contains(QPoint(105, 40)));  // the middle of the body
  EXPECT_TRUE(shape.contains(QPoint(6, 33)));    // in the pointer, tip at (0, 30)
  EXPECT_FALSE(shape.contains(QPoint(12, 2)));   // outside the ellipse's corner
  EXPECT_FALSE(shape.contains(QPoint(2, 60)));   // below the pointer
}

TEST_F(BalloonWindowTest, PaintedWithTheHintsColours) {
  const QImage image = balloon_.grab().toImage();
  EXPECT_EQ(image.pixelColor(105, 8), QColor(213, 253, 224));  // inside, above the text
  EXPECT_EQ(image.pixelColor(105, 0), QColor(0, 106, 53));     // the frame at the top
}

TEST_F(BalloonWindowTest, AClickOnAToolStartsItsHintAndAKeyHidesIt) {
  EXPECT_TRUE(hint_.Attached());
  ClickOn(kPhone);
  EXPECT_EQ(hint_.CurrentTool(), kPhone);
  EXPECT_TRUE(hint_.HideTimerRunning());
  EXPECT_TRUE(hint_.ShowTimerRunning());
  // Placed at the click, not yet shown.
  const QPoint click = form_.Control(kPhone)->mapToGlobal(QPoint(5, 5));
  EXPECT_EQ(balloon_.pos(), click);
  EXPECT_FALSE(balloon_.isVisible());

  // The show check finds the cursor over a control of the form.
  QCursor::setPos(click);
  hint_.TimerFired(kHintShowTimer);
  EXPECT_TRUE(balloon_.isVisible());

  // Keys go to the focused control, the one just clicked.
  QTest::keyClick(form_.Control(kPhone), Qt::Key_A);
  EXPECT_FALSE(balloon_.isVisible());
  EXPECT_FALSE(hint_.HideTimerRunning());
}

TEST_F(BalloonWindowTest, AClickElsewhereForgetsTheToolAndTheHideTimerEndsIt) {
  ClickOn(kPhone);
  QCursor::setPos(form_.Control(kPhone)->mapToGlobal(QPoint(5, 5)));
  hint_.TimerFired(kHintShowTimer);
  ASSERT_TRUE(balloon_.isVisible());
  hint_.TimerFired(kHintHideTimer);
  EXPECT_FALSE(balloon_.isVisible());
  EXPECT_EQ(hint_.CurrentTool(), kPhone);

  ClickOn(kOther);
  EXPECT_EQ(hint_.CurrentTool(), std::nullopt);
}

TEST(BalloonWindowLifetime, DetachesFromTheHintWhenItGoes) {
  BalloonHint hint;
  DialogWindow form(ParseDialogTemplate(R"({"id": 902, "width": 50, "height": 20, "controls": []})")
                        .value());
  {
    BalloonWindow balloon(hint, form);
    EXPECT_TRUE(hint.Attached());
  }
  EXPECT_FALSE(hint.Attached());
}

}  // namespace
}  // namespace quelmo
