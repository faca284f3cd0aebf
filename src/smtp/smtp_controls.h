#pragma once
// The controls of the SMTP/GPRS form (dialog resource 147), by resource id.
// The form logic, its text tables and the window template all address them so.

#include "controls/form_view.h"

namespace quelmo {

inline constexpr int kSmtpDialogResource = 147;

enum SmtpControl : ControlId {
  // Commands. Save is no default button: Enter alone (kIdOk) saves nothing.
  kSmtpSaveButton = 1112,
  kSmtpExitButton = kIdCancel,
  kSmtpLoadButton = 1149,
  kSmtpSelectFolderButton = 1111,
  // Checks the e-mail settings against their server.
  kSmtpTestEmailButton = 1250,

  // Access-point mode, country and operator.
  kApnModeGroup = 1094,
  kApnModeLabel = 1086,
  kApnModeList = 1087,
  kCountryGroup = 1096,
  kCountryLabel = 1091,
  kCountryList = 1088,
  kOperatorLabel = 1092,
  kOperatorList = 1093,

  // Daily picture limit.
  kSmtpDailyLimitGroup = 1095,
  kSmtpDailyLimitLabel = 1089,
  kSmtpDailyLimitEdit = 1002,
  kSmtpDailyLimitNote = 1090,

  // GPRS access point.
  kAccessPointGroup = 1107,
  kApnLabel = 1097,
  kApnEdit = 1003,
  kGprsAccountLabel = 1098,
  kGprsAccountEdit = 1004,
  kGprsPasswordLabel = 1099,
  kGprsPasswordEdit = 1005,

  // Sender.
  kSenderGroup = 1104,
  kSmtpServerLabel = 1100,
  kSmtpServerEdit = 1006,
  kSmtpPortLabel = 1101,
  kSmtpPortEdit = 1007,
  kSenderEmailLabel = 1103,
  kSenderEmailEdit = 1009,
  kSenderPasswordLabel = 1102,
  kSenderPasswordEdit = 1008,

  // Recipient.
  kRecipientGroup = 1105,
  kRecipientLabel = 1106,
  kRecipientEdit = 1012,

  // SMS remote control.
  kSmtpSmsControlGroup = 1142,
  kSmtpSmsControlLabel = 1132,
  kSmtpSmsControlList = 1135,
  kSmsPhoneLabel = 1114,
  kSmsPhoneEdit = 1113,

  // Loading and the destination folder.
  kLoadedPathEdit = 1018,
  kSmtpFolderEdit = 1017,
};

}  // namespace quelmo
