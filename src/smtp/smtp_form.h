#pragma once
// The SMTP/GPRS form (dialog 147): the user picks the access point (from the
// presets in Auto mode, typed in Customer mode), fills in the mail server,
// sender, recipient, SMS control and daily limit, and writes gprs.dat into a
// folder; an existing gprs.dat can be loaded back for editing.
//
// The texts live in their edits (UTF-8) and become the file's GBK bytes, as
// GprsSettings holds them, only when Save collects them; a loaded file's
// texts are converted back as they are shown. The mode, the lists, the access
// point they fill, the finder and Load are the preset component's
// (presets/preset_chooser.h).

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "controls/balloon_hint.h"
#include "controls/folder_field.h"
#include "controls/form_view.h"
#include "controls/integer_edit.h"
#include "presets/preset_chooser.h"
#include "session/app_context.h"
#include "session/form_logic.h"
#include "smtp/gprs_settings.h"
#include "smtp/smtp_controls.h"
#include "smtp/smtp_email_test.h"

namespace quelmo {

class SmtpForm final : public FormLogic, private PresetForm {
 public:
  SmtpForm(FormView& view, AppContext& context);

  void Open() override;
  Next Clicked(ControlId id) override;
  Next SelectionChanged(ControlId id) override;
  Next TextEdited(ControlId id) override;
  Next FocusLeft(ControlId id) override;
  BalloonHint* Hint() override { return &hint_; }
  // "Find operator…" opens the finder over the form (PresetChooser).
  std::unique_ptr<FormLogic> MakeWindowOver(Next which, FormView& view) override;

 private:
  // PresetForm: the access point lives in its edits, where the presets put it.
  void ClearForModeSwitch() override;
  void PresetChanged(PresetChange change) override;
  void ShowLoaded(const GprsSettings& file);

  // What Save would write, in the file's code page, before the preset step
  // and the checks; an error names a text GBK cannot hold. The texts and
  // lists as they stand.
  Result<GprsSettings> CollectGprsSettings() const;
  // The daily limit and the folder -> their edits.
  void ShowDailyLimit();

  void GuardDailyLimit();
  void Save();
  void TestEmail();

  FormView& view_;
  AppContext& context_;
  int language_;
  int pictures_per_day_ = 0;  // the daily limit as last taken
  FolderField folder_;
  IntegerEdit daily_limit_;  // 0..99, the framework's range check
  BalloonHint hint_;
  SmtpEmailTest email_test_;
  PresetChooser presets_;
};

}  // namespace quelmo
