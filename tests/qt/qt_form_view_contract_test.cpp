// The Qt view keeps the promises every view makes to the form logic, over a
// real window offscreen.

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <string>
#include <vector>

#include "qt/dialog_window.h"
#include "qt/progress_window.h"
#include "qt/qt_form_view.h"
#include "qt_test_environment.h"
#include "recording_dialogs.h"
#include "support/form_view_contract.h"

namespace quelmo {
namespace {

class QtViewHarness {
 public:
  QtViewHarness()
      : window_(ParseDialogTemplate(contract::kContractDialogJson).value()),
        view_(window_, dialogs_),
        clicked_(&window_, &DialogWindow::clicked),
        picked_(&window_, &DialogWindow::selectionChanged),
        edited_(&window_, &DialogWindow::textEdited) {
    window_.show();
    window_.activateWindow();
    ProcessQtEvents();
  }

  FormView& View() { return view_; }

  std::vector<std::string> Items(ControlId list) {
    std::vector<std::string> items;
    const QComboBox* box = window_.ListOf(list);
    for (int i = 0; box != nullptr && i < box->count(); ++i) items.push_back(box->itemText(i).toStdString());
    const QListWidget* list_box = window_.ListBoxOf(list);
    for (int i = 0; list_box != nullptr && i < list_box->count(); ++i) {
      items.push_back(list_box->item(i)->text().toStdString());
    }
    return items;
  }
  bool IsEnabled(ControlId id) { return window_.Control(id)->isEnabled(); }
  bool IsReadOnly(ControlId edit) { return window_.EditOf(edit)->isReadOnly(); }

  CaretPlace Caret(ControlId edit) {
    const QLineEdit* line = window_.EditOf(edit);
    if (!line->hasSelectedText()) return {line->cursorPosition(), line->cursorPosition()};
    return {static_cast<int>(line->selectionStart()), static_cast<int>(line->selectionEnd())};
  }
  void PlaceCaret(ControlId edit, CaretPlace place) {
    QLineEdit* line = window_.EditOf(edit);
    if (place.start == place.end) {
      line->setCursorPosition(place.start);
    } else {
      line->setSelection(place.start, place.end - place.start);
    }
  }

  std::optional<std::string> ProgressText() {
    ProcessQtEvents();
    const auto* progress = window_.findChild<ProgressWindow*>();
    if (progress == nullptr || !progress->isVisible()) return std::nullopt;
    return progress->Text().toStdString();
  }
  void PressProgressCancel() {
    auto* progress = window_.findChild<ProgressWindow*>();
    auto* cancel = progress == nullptr ? nullptr : progress->findChild<QPushButton*>();
    ASSERT_NE(cancel, nullptr);
    cancel->click();
    ProcessQtEvents();
  }
  void AnswerQuestion(bool yes) { dialogs_.AnswerQuestion(yes); }

  int ChangeEvents() {
    ProcessQtEvents();
    return static_cast<int>(clicked_.count() + picked_.count() + edited_.count());
  }

 private:
  RecordingDialogs dialogs_;
  DialogWindow window_;
  QtFormView view_;
  QSignalSpy clicked_;
  QSignalSpy picked_;
  QSignalSpy edited_;
};

INSTANTIATE_TYPED_TEST_SUITE_P(Qt, FormViewContract, QtViewHarness);

// A mouse click moves a list box's current row before it selects the entry:
// the window reports the pick once, when the view already gives the entry.
TEST(QtListBox, AClickedEntryIsTheSelectionWhenThePickIsReported) {
  RecordingDialogs dialogs;
  DialogWindow window(ParseDialogTemplate(contract::kContractDialogJson).value());
  QtFormView view(window, dialogs);
  window.show();
  ProcessQtEvents();
  view.SetItems(contract::kListBox, {"one", "two", "three"});
  view.SetSelection(contract::kListBox, 0);
  std::vector<int> seen;
  QObject::connect(&window, &DialogWindow::selectionChanged, &window,
                   [&](int id) { seen.push_back(view.Selection(id)); });
  QListWidget* box = window.ListBoxOf(contract::kListBox);
  for (const int row : {2, 1}) {
    QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, box->visualItemRect(box->item(row)).center());
    ProcessQtEvents();
    ASSERT_FALSE(seen.empty()) << row;
    EXPECT_EQ(seen.back(), row);
    EXPECT_EQ(view.Selection(contract::kListBox), row);
  }
  EXPECT_EQ(seen, (std::vector<int>{2, 1}));
}

}  // namespace
}  // namespace quelmo
