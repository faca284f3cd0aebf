// The view over a real window: each control kind, what the user can and
// cannot type, and which actions reach the logic.

#include "qt/qt_form_view.h"

#include <QComboBox>
#include <QImage>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include "qt/dialog_window.h"
#include "qt_test_environment.h"
#include "recording_dialogs.h"
#include "support/modal_answers.h"

namespace quelmo {
namespace {

constexpr ControlId kLabel = 10;
constexpr ControlId kBox = 11;
constexpr ControlId kButton = 12;
constexpr ControlId kList = 13;
constexpr ControlId kCombo = 14;
constexpr ControlId kEdit = 15;
constexpr ControlId kDigits = 16;
constexpr ControlId kSecret = 17;

DialogTemplate TestDialog() {
  return ParseDialogTemplate(R"({
    "id": 900, "title": "Template", "width": 200, "height": 120,
    "font": {"family": "Arial", "pointSize": 9}, "controls": [
      {"id": 11, "kind": "group-box", "x": 2, "y": 2, "w": 196, "h": 90, "text": "Box"},
      {"id": 10, "kind": "label", "x": 8, "y": 12, "w": 60, "h": 8, "text": "Label"},
      {"id": 13, "kind": "dropdown-list", "x": 70, "y": 10, "w": 60, "h": 60},
      {"id": 14, "kind": "dropdown-combo", "x": 134, "y": 10, "w": 60, "h": 60},
      {"id": 15, "kind": "edit", "x": 8, "y": 30, "w": 80, "h": 14, "text": "start"},
      {"id": 16, "kind": "edit", "x": 92, "y": 30, "w": 30, "h": 14, "style": ["digits", "centred"]},
      {"id": 17, "kind": "edit", "x": 126, "y": 30, "w": 60, "h": 14, "style": ["password", "read-only"]},
      {"id": 12, "kind": "push-button", "x": 8, "y": 50, "w": 50, "h": 14, "text": "Go"},
      {"id": 1, "kind": "push-button", "x": 40, "y": 100, "w": 50, "h": 14, "style": ["default"], "text": "OK"},
      {"id": 2, "kind": "push-button", "x": 110, "y": 100, "w": 50, "h": 14, "text": "Cancel"}
    ]})")
      .value();
}

class QtFormViewTest : public ::testing::Test {
 protected:
  QtFormViewTest()
      : window_(TestDialog()),
        view_(window_, dialogs_),
        clicked_(&window_, &DialogWindow::clicked),
        picked_(&window_, &DialogWindow::selectionChanged),
        edited_(&window_, &DialogWindow::textEdited) {
    window_.show();
    window_.activateWindow();
    ProcessQtEvents();
  }

  QLineEdit* Edit(ControlId id) { return window_.EditOf(id); }
  int Signals() const { return clicked_.count() + picked_.count() + edited_.count(); }

  // Types text as an input method commits it, the way CJK text arrives.
  void Commit(QWidget* target, const QString& text) {
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(target, &event);
  }

  RecordingDialogs dialogs_;
  DialogWindow window_;
  QtFormView view_;
  QSignalSpy clicked_;
  QSignalSpy picked_;
  QSignalSpy edited_;
};

TEST_F(QtFormViewTest, TextsOfEveryKindAndNoEventsForThem) {
  view_.SetTitle("Quelmo K300X");
  view_.SetText(kLabel, "选择语言");
  view_.SetText(kBox, "工作时间段");
  view_.SetText(kButton, "Kamera Einstellungen");
  view_.SetText(kEdit, "C:\\");
  EXPECT_EQ(window_.windowTitle(), QStringLiteral("Quelmo K300X"));
  EXPECT_EQ(view_.Text(kLabel), "选择语言");
  EXPECT_EQ(view_.Text(kBox), "工作时间段");
  EXPECT_EQ(view_.Text(kButton), "Kamera Einstellungen");
  EXPECT_EQ(view_.Text(kEdit), "C:\\");
  EXPECT_EQ(Signals(), 0);
}

TEST_F(QtFormViewTest, ListsStartWithoutSelectionAndHoldItInRange) {
  view_.SetItems(kList, {"Chinese", "English", "Deutsch"});
  EXPECT_EQ(view_.Selection(kList), -1);
  view_.SetSelection(kList, 2);
  EXPECT_EQ(view_.Selection(kList), 2);
  EXPECT_EQ(view_.Text(kList), "Deutsch");
  view_.SetSelection(kList, 3);
  EXPECT_EQ(view_.Selection(kList), -1);
  view_.SetItems(kList, {"中文", "English"});
  EXPECT_EQ(view_.Selection(kList), -1);
  EXPECT_EQ(Signals(), 0);

  // The user's pick is an event; arrow keys on a closed list pick too.
  view_.SetSelection(kList, 0);
  window_.ListOf(kList)->setFocus();
  QTest::keyClick(window_.ListOf(kList), Qt::Key_Down);
  EXPECT_EQ(view_.Selection(kList), 1);
  ASSERT_EQ(picked_.count(), 1);
  EXPECT_EQ(picked_.at(0).at(0).toInt(), kList);
}

TEST_F(QtFormViewTest, AComboSelectsTheEntryItsTextNames) {
  view_.SetItems(kCombo, {"On", "5 Min", "Off"});
  view_.SetSelection(kCombo, 2);
  EXPECT_EQ(view_.Selection(kCombo), 2);
  QLineEdit* edit = Edit(kCombo);
  edit->setFocus();
  edit->selectAll();
  QTest::keyClicks(edit, "7 Min");
  EXPECT_EQ(view_.Selection(kCombo), -1);
  EXPECT_GT(edited_.count(), 0);
  EXPECT_EQ(window_.ListOf(kCombo)->count(), 3);
}

TEST_F(QtFormViewTest, TypingIsHeldToTheByteLimitOfTheStoredCodePage) {
  view_.SetText(kEdit, "");
  view_.SetByteLimit(kEdit, 5);
  Edit(kEdit)->setFocus();
  QTest::keyClicks(Edit(kEdit), "abcdefg");
  EXPECT_EQ(view_.Text(kEdit), "abcde");

  view_.SetText(kEdit, "ab");
  Edit(kEdit)->setCursorPosition(2);
  Commit(Edit(kEdit), QString::fromUtf8("中"));  // two bytes: 4 of 5
  Commit(Edit(kEdit), QString::fromUtf8("文"));  // would be 6: refused
  EXPECT_EQ(view_.Text(kEdit), "ab中");
  Commit(Edit(kEdit), QString::fromUtf8("\U0001F600"));  // GBK has no emoji
  EXPECT_EQ(view_.Text(kEdit), "ab中");
  EXPECT_GT(edited_.count(), 0);
  for (const QList<QVariant>& event : edited_) EXPECT_EQ(event.at(0).toInt(), kEdit);
}

TEST_F(QtFormViewTest, CharacterLimitTakesEveryCharacter) {
  // A folder field: letters GBK lacks are typed as they are, and the limit
  // counts characters, not bytes.
  view_.SetByteLimit(kEdit, 5);
  view_.SetCharacterLimit(kEdit, 14);
  view_.SetText(kEdit, "");
  Commit(Edit(kEdit), QString::fromUtf8("/home/jörg/SD"));
  EXPECT_EQ(view_.Text(kEdit), "/home/jörg/SD");
  Commit(Edit(kEdit), QString::fromUtf8("ő"));  // the 14th character
  Commit(Edit(kEdit), QString::fromUtf8("x"));  // a 15th: refused
  EXPECT_EQ(view_.Text(kEdit), "/home/jörg/SDő");
}

TEST_F(QtFormViewTest, DigitFieldsTakeDigitsOnlyAndCentreThem) {
  Edit(kDigits)->setFocus();
  QTest::keyClicks(Edit(kDigits), "7a5-");
  EXPECT_EQ(view_.Text(kDigits), "75");
  EXPECT_TRUE(Edit(kDigits)->alignment() & Qt::AlignHCenter);
}

TEST_F(QtFormViewTest, ReadOnlyEnabledPasswordAndFocus) {
  QLineEdit* secret = Edit(kSecret);
  EXPECT_TRUE(secret->isReadOnly());
  EXPECT_EQ(secret->echoMode(), QLineEdit::Password);
  view_.SetReadOnly(kSecret, false);
  EXPECT_FALSE(secret->isReadOnly());
  view_.SetEnabled(kList, false);
  EXPECT_FALSE(window_.Control(kList)->isEnabled());

  view_.SetText(kDigits, "75");
  view_.FocusAndSelectAll(kDigits);
  EXPECT_TRUE(Edit(kDigits)->hasFocus());
  EXPECT_EQ(Edit(kDigits)->selectedText(), QStringLiteral("75"));
}

TEST_F(QtFormViewTest, AnEditSwitchedAtRunTimeLooksAsItNowIs) {
  // The test program runs with the skin, as the program does.
  const auto background = [&](ControlId id) {
    const QImage image = Edit(id)->grab().toImage();
    return image.pixelColor(image.width() - 6, image.height() / 2);
  };
  const QColor editable = background(kEdit);
  const QColor read_only = background(kSecret);
  ASSERT_NE(editable, read_only);
  view_.SetReadOnly(kSecret, false);
  view_.SetReadOnly(kEdit, true);
  EXPECT_EQ(background(kSecret), editable);
  EXPECT_EQ(background(kEdit), read_only);
  // Styled again, they keep the dialog font the window is laid out in.
  for (const ControlId id : {kEdit, kSecret, kDigits}) {
    EXPECT_EQ(Edit(id)->font().family(), QStringLiteral("Arial")) << id;
  }
}

TEST_F(QtFormViewTest, EnterClicksTheFocusedButtonElseOk) {
  window_.Control(kButton)->setFocus();
  QTest::keyClick(window_.Control(kButton), Qt::Key_Return);
  Edit(kEdit)->setFocus();
  QTest::keyClick(Edit(kEdit), Qt::Key_Enter);
  window_.ListOf(kList)->setFocus();
  QTest::keyClick(window_.ListOf(kList), Qt::Key_Return);
  Edit(kCombo)->setFocus();
  QTest::keyClick(Edit(kCombo), Qt::Key_Return);
  ASSERT_EQ(clicked_.count(), 4);
  EXPECT_EQ(clicked_.at(0).at(0).toInt(), kButton);
  for (int i = 1; i < 4; ++i) EXPECT_EQ(clicked_.at(i).at(0).toInt(), kIdOk);
}

TEST_F(QtFormViewTest, EscAndTheCloseBoxAreCancelAndTheLogicDecides) {
  QTest::keyClick(Edit(kEdit), Qt::Key_Escape);
  window_.close();
  ASSERT_EQ(clicked_.count(), 2);
  EXPECT_EQ(clicked_.at(0).at(0).toInt(), kIdCancel);
  EXPECT_EQ(clicked_.at(1).at(0).toInt(), kIdCancel);
  EXPECT_TRUE(window_.isVisible());
}

TEST_F(QtFormViewTest, DialogsGoThroughTheAdapter) {
  view_.ShowMessage("Save All Parameters To Camera Setting File", MessageIcon::kApp);
  view_.ShowMessage("请键入一个整数。", MessageIcon::kWarning);
  ASSERT_EQ(dialogs_.Messages().size(), 2u);
  EXPECT_EQ(dialogs_.Messages()[1].text, QString::fromUtf8("请键入一个整数。"));
  EXPECT_EQ(dialogs_.Messages()[1].icon, MessageIcon::kWarning);

  dialogs_.AnswerFolder(QStringLiteral("/media/card"));
  EXPECT_EQ(ChosenFolder(view_, "/home/jörg"), "/media/card");
  EXPECT_EQ(dialogs_.FolderStart(), QString::fromUtf8("/home/jörg"));
  EXPECT_EQ(ChosenFolder(view_, "/"), std::nullopt);

  dialogs_.AnswerFile(QStringLiteral("/media/card/mms.dat"));
  EXPECT_EQ(ChosenFile(view_, "Quelmo Files (*.dat)|*.dat|All Files (*.*)|*.*||"),
            "/media/card/mms.dat");
  EXPECT_EQ(dialogs_.FileFilters().back(), QStringLiteral("Quelmo Files (*.dat);;All Files (*)"));
}

// Leaving an edit is reported once the move is over; the program's own focus
// changes and other windows taking the focus are not the user leaving.
TEST_F(QtFormViewTest, LeavingAnEditByTabOrClickIsReported) {
  QSignalSpy left(&window_, &DialogWindow::focusLeft);
  view_.FocusAndSelectAll(kEdit);
  view_.FocusAndSelectAll(kDigits);
  ProcessQtEvents();
  EXPECT_EQ(left.count(), 0);

  QTest::keyClick(Edit(kDigits), Qt::Key_Tab);
  EXPECT_EQ(left.count(), 0);  // queued behind the move
  ProcessQtEvents();
  ASSERT_EQ(left.count(), 1);
  EXPECT_EQ(left.at(0).at(0).toInt(), kDigits);

  view_.FocusAndSelectAll(kEdit);
  QTest::mouseClick(window_.Control(kButton), Qt::LeftButton);
  ProcessQtEvents();
  ASSERT_EQ(left.count(), 2);
  EXPECT_EQ(left.at(1).at(0).toInt(), kEdit);
}

}  // namespace
}  // namespace quelmo
