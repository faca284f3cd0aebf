#pragma once
// The SMS form (dialog 155): up to three phone numbers, entered in order, the
// daily picture limit and the remote-control schedule, saved as sms.dat into
// a folder the user picks.
//
// The numbers, the limit and the folder are held as members and moved to and
// from their controls in one exchange each way; taking them runs in the order
// number 1, 2, 3, limit, folder and stops at the first failure, with a
// message. The schedule is read from its list where it stands.

#include <string>

#include "controls/balloon_hint.h"
#include "controls/folder_field.h"
#include "controls/form_view.h"
#include "controls/integer_edit.h"
#include "session/app_context.h"
#include "session/form_logic.h"
#include "sms/sms_controls.h"
#include "sms/sms_settings.h"

namespace quelmo {

class SmsForm final : public FormLogic {
 public:
  SmsForm(FormView& view, AppContext& context);

  void Open() override;
  Next Clicked(ControlId id) override;
  Next SelectionChanged(ControlId id) override;
  Next TextEdited(ControlId id) override;
  Next FocusLeft(ControlId id) override;
  BalloonHint* Hint() override { return &hint_; }

  // What Save writes: the numbers and the limit as last taken, the schedule
  // as the list stands.
  SmsSettings CollectSmsSettings() const;

 private:
  // Controls -> members. False at the first field that fails; the fields
  // after it keep their previous values. For a write, a limit without a
  // number fails (otherwise it is passed over in silence) and an emptied
  // folder field means the default folder.
  enum class TakeMode { kAsTyped, kForWrite };
  bool TakeFromControls(TakeMode mode = TakeMode::kAsTyped);
  bool TakePhone(ControlId edit, std::string& held);
  // Members -> controls.
  void PutToControls();

  // A number shorter than 5 bytes empties and locks the one after it.
  void ChainAfter(ControlId edit);
  void GuardDailyLimit();
  void Save();

  FormView& view_;
  AppContext& context_;
  int language_;
  SmsSettings held_;  // phones as stored (GBK bytes); smsControl unused
  IntegerEdit daily_limit_;  // 0..99, the framework's range check
  FolderField folder_;
  BalloonHint hint_;
};

}  // namespace quelmo
