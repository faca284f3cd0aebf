#pragma once
// What every setting form's test starts from: fake preferences, a clock that
// stands still, a fresh default folder and a second one for the card, and a
// fake view bound to the form as the host binds its window.

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "app/app_context.h"
#include "app/preference_store.h"
#include "platform/file_system.h"
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
