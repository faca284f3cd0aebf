#pragma once
// The SMTP/GPRS form (dialog 147): the user picks the access point (from the
// presets in Auto mode, typed in Customer mode), fills in the mail server,
// sender, recipient, SMS control and daily limit, and writes gprs.dat into a
// folder; an existing gprs.dat can be loaded back for editing.
//
// The texts are held as the edits show them (UTF-8) and converted to the
// file's code page only when the file is written. The mode, country and
// operator are read from their lists where they stand.

#include <string>

#include "app/app_context.h"
#include "app/form_logic.h"
#include "controls/balloon_hint.h"
#include "controls/folder_field.h"
#include "controls/form_view.h"
#include "smtp/gprs_settings.h"
#include "smtp/smtp_controls.h"

namespace quelmo {

struct GprsLoaded;

inline constexpr const char* kGprsLoadFilter = "Quelmo Files (*.dat)|*.dat|All Files (*.*)|*.*||";

class SmtpForm final : public FormLogic {
 public:
  SmtpForm(FormView& view, AppContext& context);

  void Open() override;
  Next Clicked(ControlId id) override;
  Next SelectionChanged(ControlId id) override;
  Next TextEdited(ControlId id) override;
  BalloonHint* Hint() override { return &hint_; }

 private:
  // What Save would write, in the file's code page, before the preset step
  // and the checks; an error names a text GBK cannot hold. The texts as last
  // taken, the lists as they stand.
  Result<GprsSettings> CollectGprsSettings() const;
  // Edits -> texts. Never fails: the edits hold their limits.
  void TakeTexts();
  // The daily limit, with the framework's messages; false when it holds no
  // number in 0..99 (the value held before stays).
  bool TakeDailyLimit();
  // Texts and limit -> edits.
  void PutToControls();

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
  void ApplyLoaded(const GprsLoaded& loaded);

  FormView& view_;
  AppContext& context_;
  int language_;
  GprsSettings typed_;  // texts as the edits show them (UTF-8)
  FolderField folder_;
  std::string loaded_path_;
  BalloonHint hint_;
};

}  // namespace quelmo
