#pragma once
// What every setting form's test starts from: fake preferences, a clock that
// stands still, a fresh default folder and a second one for the card, and a
// fake view bound to the form as the host binds its window.

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <utility>
#include <string>
#include <vector>

#include "controls/integer_edit.h"
#include "platform/file_system.h"
#include "session/app_context.h"
#include "session/preference_store.h"
#include "support/fake_preference_backend.h"
#include "support/fake_view.h"
#include "support/file_bytes.h"
#include "support/temp_folder.h"

namespace quelmo {

class SettableClock final : public LocalClock {
 public:
  LocalTime now{2012, 3, 7, 14, 5, 9};
  LocalTime Now() const override { return now; }
};

// How a form wires one of its integer edits: the control, its range (from 0)
// and whose wording says it, and the file bytes that hold 7 typed into it.
struct IntegerEditWiring {
  ControlId edit;
  int maximum;
  RangeWording wording;
  std::vector<std::pair<std::size_t, std::uint8_t>> sevenStoredAs;
  std::function<void(FakeView&)> makeEditable = {};  // none: editable as opened
};

// How a form saves: its Save button and the file it writes; `prepare` makes a
// freshly opened form ready to save (what its save checks need typed).
struct FormSaving {
  ControlId saveButton;
  const char* fileName;
  std::function<void(FakeView&)> prepare;
  // An action elsewhere on the form that takes every field again (a list pick).
  std::function<void(FakeView&)> elsewhere;
};

template <class Form>
class FormFixture : public ::testing::Test {
 protected:
  // Opens a fresh form in `language`; the messages of earlier forms are gone.
  void OpenForm(int language = kEnglish) { OpenIn(context, language); }
  // The same, saving through `files` (a fault-injecting layer).
  void OpenForm(int language, FileSystem& files) {
    context_with_files_ = std::make_unique<AppContext>(
        AppContext{state, preferences, files, clock, context.defaultFolder});
    OpenIn(*context_with_files_, language);
  }

  // Clicks a button that leaves the form open; the texts of the messages it showed.
  std::vector<std::string> ClickForMessages(ControlId button) {
    view.ClearMessages();
    EXPECT_EQ(view.Click(button), Next::kStay);
    std::vector<std::string> texts;
    for (const ShownMessage& message : view.Messages()) texts.push_back(message.text);
    return texts;
  }

  // Clicks Save; the bytes of `file_name` in the default folder afterwards.
  std::vector<std::uint8_t> SaveAndRead(ControlId save_button, const char* file_name) {
    ClickForMessages(save_button);
    return ReadBytes(home.path() / file_name);
  }

  // The edit is wired as `wiring` says: typing, leaving and saving reach the
  // form's IntegerEdit for it, with its range and wording, and its value
  // reaches its bytes of the file. The edit's own behaviour is tested with
  // the control (tests/controls).
  void ExpectIntegerEditWired(const IntegerEditWiring& wiring, const FormSaving& saving) {
    const ControlId edit = wiring.edit;
    SCOPED_TRACE("integer edit " + std::to_string(edit));
    const std::filesystem::path file = home.path() / saving.fileName;
    std::filesystem::remove(file);
    OpenForm();
    saving.prepare(view);
    if (wiring.makeEditable) wiring.makeEditable(view);
    view.ClearMessages();

    view.Type(edit, std::to_string(wiring.maximum));
    EXPECT_TRUE(view.Messages().empty()) << LastMessage();
    view.Type(edit, std::to_string(wiring.maximum + 1));
    const bool program = wiring.wording == RangeWording::kProgram;
    ASSERT_EQ(view.Messages().size(), 1u);
    EXPECT_EQ(view.Messages()[0].text, "Please enter an integer between 0 and " +
                                           std::to_string(wiring.maximum) + (program ? "!" : "."));
    EXPECT_EQ(view.Messages()[0].icon, program ? MessageIcon::kApp : MessageIcon::kWarning);
    EXPECT_EQ(view.Focused(), edit);
    EXPECT_EQ(view.Text(edit), "0");
    view.ClearMessages();
    view.Type(edit, "-1");
    EXPECT_EQ(view.Messages().size(), 1u) << "the range starts at 0";
    ClickForMessages(saving.saveButton);  // the 0 shown is what is written
    for (const auto& [at, stored] : wiring.sevenStoredAs) {
      EXPECT_EQ(ReadBytes(file).at(at), 0) << "byte " << at;
    }
    std::filesystem::remove(file);

    // No number yet: nothing said while the user is elsewhere on the form.
    view.ClearMessages();
    view.Type(edit, "");
    saving.elsewhere(view);
    EXPECT_TRUE(view.Messages().empty()) << LastMessage();
    view.Leave(edit);
    ASSERT_EQ(view.Messages().size(), 1u);
    EXPECT_EQ(view.Messages()[0].text, "Please enter an integer.");
    EXPECT_EQ(ClickForMessages(saving.saveButton),
              std::vector<std::string>{"Please enter an integer."});
    EXPECT_EQ(view.Focused(), edit);
    EXPECT_FALSE(std::filesystem::exists(file));

    view.Type(edit, "7");
    ClickForMessages(saving.saveButton);
    const std::vector<std::uint8_t> bytes = ReadBytes(file);
    ASSERT_FALSE(bytes.empty()) << LastMessage();
    for (const auto& [at, stored] : wiring.sevenStoredAs) {
      EXPECT_EQ(bytes.at(at), stored) << "byte " << at;
    }

    // The form's language reaches the edit.
    OpenForm(kChinese);
    saving.prepare(view);
    if (wiring.makeEditable) wiring.makeEditable(view);
    view.ClearMessages();
    view.Type(edit, std::to_string(wiring.maximum + 1));
    EXPECT_NE(LastMessage().find("0和" + std::to_string(wiring.maximum)), std::string::npos)
        << LastMessage();
  }

  // The folder edit and its Select button are the form's FolderField: the
  // default folder with the characters' limit at first, Select's choice, and
  // a save that takes the field as it stands (typed without an event, emptied,
  // too long).
  void ExpectFolderFieldWired(ControlId folder_edit, ControlId select_button,
                              const FormSaving& saving) {
    std::filesystem::remove(home.path() / saving.fileName);
    OpenForm();
    saving.prepare(view);
    EXPECT_EQ(view.Text(folder_edit), PathToUtf8(home.path()));
    EXPECT_EQ(view.CharacterLimit(folder_edit), 80);

    view.AnswerFolder(PathToUtf8(card.path()));
    view.Click(select_button);
    EXPECT_EQ(view.FolderStart(), PathToUtf8(home.path()));
    EXPECT_EQ(view.Text(folder_edit), PathToUtf8(card.path()));
    ClickForMessages(saving.saveButton);
    EXPECT_TRUE(std::filesystem::exists(card.path() / saving.fileName)) << LastMessage();
    EXPECT_FALSE(std::filesystem::exists(home.path() / saving.fileName));

    view.SetText(folder_edit, std::string(81, 'x'));  // typed, no event
    EXPECT_EQ(ClickForMessages(saving.saveButton),
              std::vector<std::string>{"Please enter no more than 80 characters."});
    EXPECT_EQ(view.Focused(), folder_edit);
    EXPECT_FALSE(std::filesystem::exists(std::string(81, 'x')));

    view.SetText(folder_edit, "");
    ClickForMessages(saving.saveButton);
    EXPECT_TRUE(std::filesystem::exists(home.path() / saving.fileName)) << LastMessage();
    EXPECT_EQ(view.Text(folder_edit), PathToUtf8(home.path()));
  }

  std::string LastMessage() const {
    return view.Messages().empty() ? std::string() : view.Messages().back().text;
  }

  AppState state;
  FakePreferenceBackend backend;
  PreferenceStore preferences{backend, 0x0409};
  SettableClock clock;
  TempFolder home;  // the default folder
  TempFolder card;
  AppContext context{state, preferences, SystemFileSystem(), clock, PathToUtf8(home.path())};
  FakeView view;
  std::unique_ptr<Form> form;

 private:
  void OpenIn(AppContext& with, int language) {
    state.languageIndex = language;
    form = std::make_unique<Form>(view, with);
    view.Bind(*form);
    form->Open();
    view.ClearMessages();
  }

  std::unique_ptr<AppContext> context_with_files_;
};

}  // namespace quelmo
