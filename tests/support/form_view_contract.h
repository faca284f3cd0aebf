#pragma once
// What every FormView promises the form logic, as one set of tests run
// against each view: the fake the form tests use, the Qt view and the Win32
// view. A test program instantiates it with a harness of its view:
//
//   INSTANTIATE_TYPED_TEST_SUITE_P(Qt, FormViewContract, QtViewHarness);
//
// A harness is default-constructible and makes a window from
// kContractDialogJson (its hosts' template format; a fake ignores it). It
// offers:
//
//   FormView& View();
//   std::vector<std::string> Items(ControlId list);   // the entries shown
//   bool IsEnabled(ControlId id);
//   bool IsReadOnly(ControlId edit);
//   CaretPlace Caret(ControlId edit);                 // where the user's caret is
//   void PlaceCaret(ControlId edit, CaretPlace place); // as the user's mouse would
//   int ChangeEvents();  // change events the window passed on to the logic
//   std::optional<std::string> ProgressText();  // nullopt when not shown
//   void PressProgressCancel();                 // as the user would
//   void AnswerQuestion(bool yes);              // the next AskYesNo's answer
//
// Caret places count characters; the tests keep to ASCII there, where every
// host counts alike.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "controls/form_view.h"
#include "support/caret_place.h"
#include "support/modal_answers.h"

namespace quelmo {

namespace contract {

inline constexpr ControlId kLabel = 10;
inline constexpr ControlId kBox = 11;
inline constexpr ControlId kButton = 12;
inline constexpr ControlId kList = 13;
inline constexpr ControlId kCombo = 14;
inline constexpr ControlId kEdit = 15;
inline constexpr ControlId kListBox = 16;

inline constexpr const char* kContractDialogJson = R"({
  "id": 903, "title": "Contract", "width": 200, "height": 120,
  "font": {"family": "Arial", "pointSize": 9}, "controls": [
    {"id": 11, "kind": "group-box", "x": 2, "y": 2, "w": 196, "h": 90, "text": "Box"},
    {"id": 10, "kind": "label", "x": 8, "y": 12, "w": 60, "h": 8, "text": "Label"},
    {"id": 13, "kind": "dropdown-list", "x": 70, "y": 10, "w": 60, "h": 60},
    {"id": 14, "kind": "dropdown-combo", "x": 134, "y": 10, "w": 60, "h": 60},
    {"id": 15, "kind": "edit", "x": 8, "y": 30, "w": 120, "h": 14, "style": ["hscroll"]},
    {"id": 12, "kind": "push-button", "x": 8, "y": 50, "w": 50, "h": 14, "text": "Go"},
    {"id": 16, "kind": "list-box", "x": 134, "y": 30, "w": 60, "h": 40},
    {"id": 1, "kind": "push-button", "x": 40, "y": 100, "w": 50, "h": 14, "style": ["default"], "text": "OK"},
    {"id": 2, "kind": "push-button", "x": 110, "y": 100, "w": 50, "h": 14, "text": "Cancel"}
  ]})";

}  // namespace contract

template <class Harness>
class FormViewContract : public ::testing::Test {
 protected:
  FormView& View() { return harness_.View(); }
  Harness harness_;
};

TYPED_TEST_SUITE_P(FormViewContract);

TYPED_TEST_P(FormViewContract, EveryKindShowsTheTextSetAndSaysNothing) {
  using namespace contract;
  const struct {
    ControlId id;
    const char* text;
  } cases[] = {
      {kLabel, "选择语言"},
      {kBox, "Arbeitszeit"},
      {kButton, "Kamera Einstellungen"},
      {kEdit, "C:\\Müller\\相机"},
      {kEdit, ""},
  };
  for (const auto& c : cases) {
    this->View().SetText(c.id, c.text);
    EXPECT_EQ(this->View().Text(c.id), c.text) << c.id;
  }
  EXPECT_EQ(this->harness_.ChangeEvents(), 0);
}

TYPED_TEST_P(FormViewContract, ANewTextPutsTheCaretAtItsEnd) {
  using namespace contract;
  this->View().SetText(kEdit, "+4917012345678");
  EXPECT_EQ(this->harness_.Caret(kEdit), (CaretPlace{14, 14}));
  this->harness_.PlaceCaret(kEdit, {2, 6});
  this->View().SetText(kEdit, "+49170");
  EXPECT_EQ(this->harness_.Caret(kEdit), (CaretPlace{6, 6}));
  EXPECT_EQ(this->harness_.ChangeEvents(), 0);
}

TYPED_TEST_P(FormViewContract, TheTextAlreadyShownKeepsCaretAndSelection) {
  using namespace contract;
  const CaretPlace places[] = {{5, 5}, {0, 0}, {2, 9}, {0, 14}};
  this->View().SetText(kEdit, "+4917012345678");
  for (const CaretPlace& place : places) {
    this->harness_.PlaceCaret(kEdit, place);
    ASSERT_EQ(this->harness_.Caret(kEdit), place);
    this->View().SetText(kEdit, "+4917012345678");
    EXPECT_EQ(this->harness_.Caret(kEdit), place);
    EXPECT_EQ(this->View().Text(kEdit), "+4917012345678");
  }
  EXPECT_EQ(this->harness_.ChangeEvents(), 0);
}

TYPED_TEST_P(FormViewContract, ListsTakeNewEntriesWithoutSelectionAndHoldItInRange) {
  using namespace contract;
  for (const ControlId list : {kList, kCombo, kListBox}) {
    this->View().SetItems(list, {"Off", "5 Min", "中文"});
    EXPECT_THAT(this->harness_.Items(list), ::testing::ElementsAre("Off", "5 Min", "中文")) << list;
    EXPECT_EQ(this->View().Selection(list), -1) << list;
    const struct {
      int set;
      int selected;
    } picks[] = {{2, 2}, {0, 0}, {3, -1}, {1, 1}, {-1, -1}, {-7, -1}};
    for (const auto& pick : picks) {
      this->View().SetSelection(list, pick.set);
      EXPECT_EQ(this->View().Selection(list), pick.selected) << list << " set " << pick.set;
    }
    this->View().SetSelection(list, 1);
    this->View().SetItems(list, {"English"});
    EXPECT_THAT(this->harness_.Items(list), ::testing::ElementsAre("English")) << list;
    EXPECT_EQ(this->View().Selection(list), -1) << list;
  }
  EXPECT_EQ(this->harness_.ChangeEvents(), 0);
}

TYPED_TEST_P(FormViewContract, EnabledAndReadOnlyReadBackAsSet) {
  using namespace contract;
  for (const ControlId id : {kLabel, kList, kCombo, kEdit, kButton, kListBox}) {
    EXPECT_TRUE(this->harness_.IsEnabled(id)) << id;
    this->View().SetEnabled(id, false);
    EXPECT_FALSE(this->harness_.IsEnabled(id)) << id;
    this->View().SetEnabled(id, true);
    EXPECT_TRUE(this->harness_.IsEnabled(id)) << id;
  }
  EXPECT_FALSE(this->harness_.IsReadOnly(kEdit));
  this->View().SetReadOnly(kEdit, true);
  EXPECT_TRUE(this->harness_.IsReadOnly(kEdit));
  this->View().SetReadOnly(kEdit, false);
  EXPECT_FALSE(this->harness_.IsReadOnly(kEdit));
  EXPECT_EQ(this->harness_.ChangeEvents(), 0);
}

TYPED_TEST_P(FormViewContract, FocusAndSelectAllSelectsTheWholeText) {
  using namespace contract;
  this->View().SetText(kEdit, "http://mms");
  this->harness_.PlaceCaret(kEdit, {3, 3});
  this->View().FocusAndSelectAll(kEdit);
  EXPECT_EQ(this->harness_.Caret(kEdit), (CaretPlace{0, 10}));
  EXPECT_EQ(this->harness_.ChangeEvents(), 0);
}

TYPED_TEST_P(FormViewContract, ProgressShowsTheLatestTextAndOnlyCancelSaysSomething) {
  EXPECT_EQ(this->harness_.ProgressText(), std::nullopt);
  this->View().ShowProgress("Testing...");
  EXPECT_EQ(this->harness_.ProgressText(), "Testing...");
  this->View().ShowProgress("Testing...\n\nConnect: OK.");
  EXPECT_EQ(this->harness_.ProgressText(), "Testing...\n\nConnect: OK.");
  this->View().CloseProgress();
  EXPECT_EQ(this->harness_.ProgressText(), std::nullopt);
  this->View().CloseProgress();
  EXPECT_EQ(this->harness_.ChangeEvents(), 0);

  this->View().ShowProgress("Again");
  EXPECT_EQ(this->harness_.ProgressText(), "Again");
  this->harness_.PressProgressCancel();
  EXPECT_EQ(this->harness_.ProgressText(), std::nullopt);
  EXPECT_EQ(this->harness_.ChangeEvents(), 1) << "Cancel reaches the logic once";
}

TYPED_TEST_P(FormViewContract, AskYesNoGivesTheAnswer) {
  this->harness_.AnswerQuestion(true);
  EXPECT_TRUE(AnsweredYes(this->View(), "Send a test message?"));
  this->harness_.AnswerQuestion(false);
  EXPECT_FALSE(AnsweredYes(this->View(), "Send a test message?"));
  EXPECT_EQ(this->harness_.ChangeEvents(), 0);
}

REGISTER_TYPED_TEST_SUITE_P(FormViewContract, EveryKindShowsTheTextSetAndSaysNothing,
                            ANewTextPutsTheCaretAtItsEnd,
                            TheTextAlreadyShownKeepsCaretAndSelection,
                            ListsTakeNewEntriesWithoutSelectionAndHoldItInRange,
                            EnabledAndReadOnlyReadBackAsSet, FocusAndSelectAllSelectsTheWholeText,
                            ProgressShowsTheLatestTextAndOnlyCancelSaysSomething,
                            AskYesNoGivesTheAnswer);

}  // namespace quelmo
