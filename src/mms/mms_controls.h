#pragma once
// The controls of the MMS form (dialog resource 130), by resource id. The
// form logic, its text tables and the window template all address them so.

#include "controls/form_view.h"

namespace quelmo {

inline constexpr int kMmsDialogResource = 130;

enum MmsControl : ControlId {
  // Commands. Save is the default button (Enter), Exit the cancel button.
  kMmsSaveButton = kIdOk,
  kMmsExitButton = kIdCancel,
  kMmsLoadButton = 1149,
  kMmsFolderButton = 1057,

  // MMS area: mode, country, operator, daily limit, SMS control.
  kMmsGroup = 1058,
  kMmsModeLabel = 1039,
  kMmsModeList = 1041,
  kMmsCountryLabel = 1043,
  kMmsCountryList = 1045,
  kMmsOperatorLabel = 1044,
  kMmsOperatorList = 1046,
  kMmsPicturesLabel = 1059,
  kMmsPicturesEdit = 1074,
  kMmsPicturesNote = 1075,
  kMmsSmsControlLabel = 1129,
  kMmsSmsControlList = 1134,

  // Operator parameters. The APN label has no id: it keeps its template text.
  kMmsParametersGroup = 1153,
  kMmsUrlLabel = 1047,
  kMmsUrlEdit = 1002,
  kMmsApnEdit = 1003,
  kMmsGatewayLabel = 1048,
  kMmsGatewayEdit = 1004,
  kMmsPortLabel = 1049,
  kMmsPortEdit = 1005,
  kMmsAccountLabel = 1052,
  kMmsAccountEdit = 1008,
  kMmsPasswordLabel = 1053,
  kMmsPasswordEdit = 1009,

  // Recipients.
  kMmsRecipientsGroup = 1154,
  kMmsPhoneLabel = 1050,
  kMmsPhoneEdit = 1006,
  kMmsEmailLabel = 1051,
  kMmsEmailEdit = 1007,
  kMmsSecondLabel = 1054,
  kMmsSecondEdit = 1010,

  // The file loaded and the destination folder.
  kMmsLoadPathEdit = 1148,
  kMmsFolderEdit = 1012,
};

}  // namespace quelmo
