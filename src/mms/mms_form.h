#pragma once
// The MMS form (dialog 130): the user picks an operator preset (Auto) or
// types the operator's parameters (Customer), sets the recipients, the daily
// picture limit and the SMS remote control, and writes mms.dat into a folder;
// Load reads an existing mms.dat back for editing.
//
// The form holds one MmsSettings and moves it to and from its controls in one
// exchange each way; taking the fields checks them in a fixed order and stops
// at the first failure, with a message. The lists are read where they stand.

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "controls/balloon_hint.h"
#include "controls/folder_field.h"
#include "controls/form_view.h"
#include "controls/integer_edit.h"
#include "finder/operator_target.h"
#include "kind/field_table.h"
#include "mms/mms_controls.h"
#include "mms/mms_operator_fill.h"
#include "mms/mms_settings.h"
#include "session/app_context.h"
#include "session/form_logic.h"

namespace quelmo {

class MmsForm final : public FormLogic, public OperatorTarget {
 public:
  MmsForm(FormView& view, AppContext& context);

  void Open() override;
  Next Clicked(ControlId id) override;
  Next SelectionChanged(ControlId id) override;
  Next TextEdited(ControlId id) override;
  Next FocusLeft(ControlId id) override;
  BalloonHint* Hint() override { return &hint_; }
  // "Find operator…" opens the finder over the form, which fills Customer
  // mode through the two functions below.
  std::unique_ptr<FormLogic> MakeWindowOver(Next which, FormView& view) override;
  OperatorPreview PreviewOperator(const OperatorProvider& provider) const override;
  void ApplyOperator(const OperatorProvider& provider) override;

  // The values as last taken from the controls.
  const MmsSettings& settings() const { return settings_; }

 private:
  // The form's label of a value the operator database fills, by its key.
  std::string OperatorFieldName(std::string_view key) const;
  std::string OperatorFindingLines(const std::vector<OperatorFinding>& findings) const;
  // Controls -> settings_, in the form's order. False at the first field that
  // fails; the fields after it keep their previous values. `for_write`: an
  // emptied folder field means the default folder, and a picture count
  // without a number stops the take (otherwise it is passed over in silence).
  bool TakeFromControls(bool for_write = false);
  bool TakeText(const StoredTextField<MmsSettings>& text);
  // The phone takes more than its limit, and is refused with its own message.
  bool TakePhone(const StoredTextField<MmsSettings>& text);
  bool TakePicturesPerDay(bool for_write);
  // settings_ -> controls. The folder and load-path fields are left alone:
  // nothing but the user and Select or Load changes them.
  void PutToControls();

  void SwitchMode();
  void ChooseCountry();
  void ChooseOperator();
  void PhoneEdited();
  void EmailEdited();
  void PicturesEdited();
  void Save();
  void Load();
  // The file the user chose, or none when they cancelled.
  void LoadChosen(const std::optional<std::string>& path);

  // Auto mode: lists enabled with China and its first operator, parameter
  // fields read-only, China's first preset applied.
  void EnterAutoMode();
  void EnterCustomerMode();
  // Auto lists showing a country and one of its operators.
  void ShowPresetLists(int country, int operator_index);
  // The second recipient is open while the phone or the e-mail can carry
  // pictures; otherwise it is emptied and locked.
  void UpdateSecondRecipient();
  bool RecipientsOpenSecond() const;
  void SetSecondRecipientOpen(bool open);

  FormView& view_;
  AppContext& context_;
  int language_;
  MmsSettings settings_;
  FolderField folder_;
  IntegerEdit pictures_;
  BalloonHint hint_;
};

}  // namespace quelmo
