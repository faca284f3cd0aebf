#pragma once
// The SMTP/GPRS form (dialog 147): the user picks the access point (from the
// presets in Auto mode, typed in Customer mode), fills in the mail server,
// sender, recipient, SMS control and daily limit, and writes gprs.dat into a
// folder; an existing gprs.dat can be loaded back for editing.
//
// The texts live in their edits (UTF-8) and become the file's GBK bytes, as
// GprsSettings holds them, only when Save collects them; a loaded file's
// texts are converted back as they are shown. The mode, country and operator
// are read from their lists where they stand.

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
#include "session/app_context.h"
#include "session/form_logic.h"
#include "smtp/gprs_load.h"
#include "smtp/gprs_operator_fill.h"
#include "smtp/gprs_settings.h"
#include "smtp/smtp_controls.h"
#include "smtp/smtp_email_test.h"

namespace quelmo {

class SmtpForm final : public FormLogic, public OperatorTarget {
 public:
  SmtpForm(FormView& view, AppContext& context);

  void Open() override;
  Next Clicked(ControlId id) override;
  Next SelectionChanged(ControlId id) override;
  Next TextEdited(ControlId id) override;
  Next FocusLeft(ControlId id) override;
  BalloonHint* Hint() override { return &hint_; }
  // "Find operator…" opens the finder over the form, which fills Customer
  // mode's access point through the two functions below.
  std::unique_ptr<FormLogic> MakeWindowOver(Next which, FormView& view) override;
  OperatorPreview PreviewOperator(const OperatorProvider& provider) const override;
  void ApplyOperator(const OperatorProvider& provider) override;

 private:
  // The form's label of a value the operator database fills, by its key.
  std::string OperatorFieldName(std::string_view key) const;
  std::string OperatorFindingLines(const std::vector<OperatorFinding>& findings) const;
  // What Save would write, in the file's code page, before the preset step
  // and the checks; an error names a text GBK cannot hold. The texts and
  // lists as they stand.
  Result<GprsSettings> CollectGprsSettings() const;
  void Show(ControlId edit, const std::string& text);
  // The daily limit and the folder -> their edits.
  void ShowDailyLimit();

  bool AutoMode() const;
  void FillAuto(int country, int operator_index, bool table_names);
  void FillCustomer();
  void ShowPreset(int country, int operator_index);

  void ModeChanged();
  void CountryChanged();
  void OperatorChanged();
  void GuardDailyLimit();
  void Save();
  void Load();
  // The file the user chose, or none when they cancelled.
  void LoadChosen(const std::optional<std::string>& chosen);
  void TestEmail();
  void ApplyLoaded(const GprsLoaded& loaded);

  FormView& view_;
  AppContext& context_;
  int language_;
  int pictures_per_day_ = 0;  // the daily limit as last taken
  FolderField folder_;
  IntegerEdit daily_limit_;  // 0..99, the framework's range check
  std::string loaded_path_;
  BalloonHint hint_;
  SmtpEmailTest email_test_;
};

}  // namespace quelmo
