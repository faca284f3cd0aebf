// Typing into the middle of a field in the real windows, offscreen: the
// forms put every field back after each keystroke, and the caret must stay
// where the user is typing.

#include <gtest/gtest.h>

#include <QLineEdit>

#include "app/launcher.h"
#include "mms/mms_controls.h"
#include "road_fixture.h"
#include "sms/sms_controls.h"
#include "smtp/smtp_controls.h"

namespace quelmo {
namespace {

class CaretRoadTest : public RoadFixture {};

TEST_F(CaretRoadTest, ADigitOrLetterTypedMidFieldLeavesTheCaretAfterIt) {
  const struct {
    ControlId launcher_button;
    Next form;
    ControlId edit;
    const char* typed;
    int caret;
    char key;
    const char* after;
  } cases[] = {
      {kLauncherMmsButton, Next::kMmsForm, kMmsPhoneEdit, "+4917012345678", 5, '9', "+49179012345678"},
      {kLauncherMmsButton, Next::kMmsForm, kMmsEmailEdit, "me@example.org", 2, 'x', "mex@example.org"},
      {kLauncherSmsButton, Next::kSmsForm, kSmsPhone1Edit, "13800138000", 3, '7', "138700138000"},
      {kLauncherSmtpButton, Next::kSmtpForm, kSmsPhoneEdit, "13800138000", 3, '7', "138700138000"},
      {kLauncherSmtpButton, Next::kSmtpForm, kRecipientEdit, "me@example.org", 2, 'x', "mex@example.org"},
  };
  loop_.Start();
  for (const auto& c : cases) {
    if (loop_.Current()->Which() != c.form) {
      if (loop_.Current()->Which() != Next::kLauncher) Click(kIdCancel);
      Click(c.launcher_button);
      ASSERT_EQ(loop_.Current()->Which(), c.form);
    }
    Type(c.edit, QString::fromUtf8(c.typed));
    QLineEdit* edit = Window().EditOf(c.edit);
    edit->setCursorPosition(c.caret);
    QTest::keyClick(edit, c.key);
    ProcessQtEvents();
    EXPECT_EQ(Text(c.edit), c.after) << c.edit;
    EXPECT_EQ(edit->cursorPosition(), c.caret + 1) << c.edit;
  }
}

}  // namespace
}  // namespace quelmo
