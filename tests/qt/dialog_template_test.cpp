#include "dialogs/dialog_template.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "controls/local_clock.h"
#include "finder/operator_finder_controls.h"
#include "operators/sample_operators.h"
#include "platform/file_system.h"
#include "qt/dialog_window.h"
#include "qt/qt_form_view.h"
#include "recording_dialogs.h"
#include "screens/screens.h"
#include "session/app_context.h"
#include "session/preference_store.h"
#include "support/fake_preference_backend.h"

namespace quelmo {
namespace {

// Passes everything on to the real view and notes every control addressed.
class AddressRecordingView final : public FormView {
 public:
  explicit AddressRecordingView(FormView& inner) : inner_(inner) {}
  std::set<ControlId> addressed;

  void SetTitle(std::string_view text) override { inner_.SetTitle(text); }
  void SetText(ControlId id, std::string_view text) override { Note(id); inner_.SetText(id, text); }
  std::string Text(ControlId id) const override { Note(id); return inner_.Text(id); }
  void SetItems(ControlId id, const std::vector<std::string>& items) override {
    Note(id);
    inner_.SetItems(id, items);
  }
  void SetSelection(ControlId id, int index) override { Note(id); inner_.SetSelection(id, index); }
  int Selection(ControlId id) const override { Note(id); return inner_.Selection(id); }
  void SetReadOnly(ControlId id, bool on) override { Note(id); inner_.SetReadOnly(id, on); }
  void SetEnabled(ControlId id, bool on) override { Note(id); inner_.SetEnabled(id, on); }
  void SetByteLimit(ControlId id, int bytes) override { Note(id); inner_.SetByteLimit(id, bytes); }
  void SetCharacterLimit(ControlId id, int characters) override {
    Note(id);
    inner_.SetCharacterLimit(id, characters);
  }
  void FocusAndSelectAll(ControlId id) override { Note(id); inner_.FocusAndSelectAll(id); }
  void ShowMessage(std::string_view text, MessageIcon icon) override { inner_.ShowMessage(text, icon); }
  void AskYesNo(std::string_view text, YesNoAnswer answer) override {
    inner_.AskYesNo(text, std::move(answer));
  }
  void ShowProgress(std::string_view text) override { inner_.ShowProgress(text); }
  void CloseProgress() override { inner_.CloseProgress(); }
  void ChooseFolder(std::string_view start, PathAnswer answer) override {
    inner_.ChooseFolder(start, std::move(answer));
  }
  void ChooseFile(std::string_view filter, PathAnswer answer) override {
    inner_.ChooseFile(filter, std::move(answer));
  }

 private:
  void Note(ControlId id) const { const_cast<AddressRecordingView*>(this)->addressed.insert(id); }
  FormView& inner_;
};

TEST(DialogTemplate, EveryControlAWindowsLogicAddressesIsInItsTemplate) {
  FakePreferenceBackend backend;
  PreferenceStore store(backend, 0x0409);
  RecordingDialogs dialogs;
  for (const Next which : {Next::kLauncher, Next::kAbout, Next::kCameraForm, Next::kMmsForm,
                           Next::kSmtpForm, Next::kSmsForm}) {
    for (int language = 1; language <= 11; ++language) {
      AppState state;
      state.languageIndex = language;
      AppContext context{state, store, SystemFileSystem(), SystemLocalClock(), "/tmp"};
      DialogWindow window(LoadDialogTemplate(DialogResourceOf(which)).value());
      QtFormView view(window, dialogs);
      AddressRecordingView recorder(view);
      const std::unique_ptr<FormLogic> logic = MakeScreen(which, recorder, context);
      ASSERT_NE(logic, nullptr);
      logic->Open();
      for (const ControlId id : recorder.addressed) {
        EXPECT_NE(window.Control(id), nullptr)
            << "dialog " << DialogResourceOf(which) << " has no control " << id << " (language "
            << language << ")";
      }
    }
  }
}

TEST(DialogTemplate, EveryControlTheOperatorFinderAddressesIsInItsTemplate) {
  FakePreferenceBackend backend;
  PreferenceStore store(backend, 0x0409);
  RecordingDialogs dialogs;
  static const OperatorDatabase database = testing::SampleDatabase();
  for (const Next beneath : {Next::kMmsForm, Next::kSmtpForm}) {
    for (const int language : {kChinese, kEnglish}) {
      AppState state;
      state.languageIndex = language;
      AppContext context{state, store, SystemFileSystem(), SystemLocalClock(), "/tmp"};
      context.operatorDatabase = []() -> Result<const OperatorDatabase*> { return &database; };
      context.operatorRegion = "gb";
      DialogWindow form_window(LoadDialogTemplate(DialogResourceOf(beneath)).value());
      QtFormView form_view(form_window, dialogs);
      const std::unique_ptr<FormLogic> form = MakeScreen(beneath, form_view, context);
      form->Open();
      ASSERT_EQ(form->Clicked(kFindOperatorButton), Next::kOperatorFinder);
      ASSERT_NE(form_window.Control(kFindOperatorButton), nullptr);

      DialogWindow window(LoadDialogTemplate(DialogResourceOf(Next::kOperatorFinder)).value());
      QtFormView view(window, dialogs);
      AddressRecordingView recorder(view);
      const std::unique_ptr<FormLogic> finder =
          MakeScreenOver(Next::kOperatorFinder, recorder, context, *form);
      ASSERT_NE(finder, nullptr);
      finder->Open();
      finder->TextEdited(kFinderSearchEdit);
      finder->SelectionChanged(kFinderMatchList);
      for (const ControlId id : recorder.addressed) {
        EXPECT_NE(window.Control(id), nullptr) << "the finder has no control " << id;
      }
      EXPECT_EQ(view.Selection(kFinderMatchList), 0) << "the first match is chosen";
    }
  }
}

}  // namespace
}  // namespace quelmo
