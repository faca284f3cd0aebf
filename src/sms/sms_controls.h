#pragma once
// The controls of the SMS form (dialog resource 155), by resource id. Mind
// the phone edits: number 2 is 1004 and number 3 is 1003.

#include "controls/form_view.h"

namespace quelmo {

inline constexpr int kSmsDialogResource = 155;

enum SmsControl : ControlId {
  // Commands. Save is the default button (Enter), Exit the cancel button.
  kSmsSaveButton = kIdOk,
  kSmsExitButton = kIdCancel,
  kSmsSelectFolderButton = 1145,

  // Daily picture limit.
  kSmsDailyLimitLabel = 1139,
  kSmsDailyLimitEdit = 1140,
  kSmsDailyLimitNote = 1141,

  // The three phone numbers, entered in order.
  kSmsPhone1Label = 1136,
  kSmsPhone2Label = 1137,
  kSmsPhone3Label = 1138,
  kSmsPhone1Edit = 1002,
  kSmsPhone2Edit = 1004,
  kSmsPhone3Edit = 1003,

  // Remote-control schedule.
  kSmsControlLabel = 1142,
  kSmsControlList = 1144,

  // Destination folder.
  kSmsFolderEdit = 1146,
};

}  // namespace quelmo
