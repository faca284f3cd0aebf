#pragma once
// The MMS form (dialog 130): the user picks an operator preset (Auto) or
// types the operator's parameters (Customer), sets the recipients, the daily
// picture limit and the SMS remote control, and writes mms.dat into a folder;
// Load reads an existing mms.dat back for editing.
//
// The form holds one MmsSettings and moves it to and from its controls in one
// exchange each way; taking the fields checks them in a fixed order and stops
// at the first failure, with a message. The mode, the lists, the finder and
// Load are the preset component's (presets/preset_chooser.h).

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "controls/balloon_hint.h"
#include "controls/folder_field.h"
#include "controls/form_view.h"
#include "controls/integer_edit.h"
#include "kind/field_table.h"
#include "mms/mms_controls.h"
#include "mms/mms_settings.h"
#include "presets/preset_chooser.h"
#include "session/app_context.h"
#include "session/form_logic.h"

namespace quelmo {

class MmsForm final : public FormLogic, private PresetForm {
 public:
  MmsForm(FormView& view, AppContext& context);

  void Open() override;
  Next Clicked(ControlId id) override;
  Next SelectionChanged(ControlId id) override;
  Next TextEdited(ControlId id) override;
  Next FocusLeft(ControlId id) override;
  BalloonHint* Hint() override { return &hint_; }
  // "Find operator…" opens the finder over the form (PresetChooser).
  std::unique_ptr<FormLogic> MakeWindowOver(Next which, FormView& view) override;

  // The values as last taken from the controls.
  const MmsSettings& settings() const { return settings_; }

 private:
  // PresetForm: the mode, the choice and the parameters as the presets show
  // them are taken into settings_.
  void ClearForModeSwitch() override;
  void BeforeOperatorFill() override;
  void PresetChanged(PresetChange change) override;
  void TakeLoaded(const MmsSettings& loaded);

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

  void PhoneEdited();
  void EmailEdited();
  void PicturesEdited();
  void Save();

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
  PresetChooser presets_;
};

}  // namespace quelmo
