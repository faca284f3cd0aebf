#pragma once
// The controls of the camera form (dialog resource 129), by resource id. The
// form logic, its text tables and the window template all address them so.

#include "controls/form_view.h"

namespace quelmo {

inline constexpr int kCameraDialogResource = 129;

enum CameraControl : ControlId {
  // Commands. Save is the default button (Enter), Exit the cancel button.
  kSaveButton = kIdOk,
  kExitButton = kIdCancel,
  kDefaultButton = 1062,
  kSyncTimeButton = 1031,
  kSelectFolderButton = 1057,

  // Left column: a label and a drop-down list per setting.
  kCameraModeLabel = 1004,
  kImageSizeLabel = 1005,
  kVideoSizeLabel = 1006,
  kPictureCountLabel = 1007,
  kVideoLengthLabel = 1008,
  kPirIntervalLabel = 1009,
  kSenseLevelLabel = 1010,
  kTimeStampLabel = 1011,
  kBeepLabel = 1012,
  kSdCycleLabel = 1147,
  kIrLightLabel = 1148,
  kSendModeLabel = 1149,
  kCameraModeList = 1013,
  kImageSizeList = 1014,
  kVideoSizeList = 1015,
  kPictureCountList = 1016,
  kTimeStampList = 1026,
  kSenseLevelList = 1027,
  kBeepList = 1028,
  kVideoLengthList = 1043,
  kPirIntervalList = 1044,
  kSdCycleList = 1049,
  kIrLightList = 1050,
  kSendModeList = 1051,
  // The group boxes around the left rows carry no text.
  kFirstRowGroup = 1065,
  kLastRowGroup = 1073,

  // System clock.
  kClockGroup = 1152,
  kClockLabel = 1018,
  kClockEdit = 1030,

  // Working window 1.
  kWorkHour1Group = 1151,
  kTimer1Label = 1019,
  kTimer1List = 1025,
  kTimer1StartLabel = 1059,
  kTimer1StopLabel = 1060,
  kTimer1StartHourEdit = 1017,
  kTimer1StartMinuteEdit = 1022,
  kTimer1StopHourEdit = 1023,
  kTimer1StopMinuteEdit = 1024,
  kTimer1StartHourUnit = 1118,
  kTimer1StartMinuteUnit = 1122,
  kTimer1StopHourUnit = 1120,
  kTimer1StopMinuteUnit = 1123,

  // Working window 2.
  kWorkHour2Group = 1150,
  kTimer2Label = 1041,
  kTimer2List = 1048,
  kTimer2StartLabel = 1061,
  kTimer2StopLabel = 1063,
  kTimer2StartHourEdit = 1042,
  kTimer2StartMinuteEdit = 1045,
  kTimer2StopHourEdit = 1046,
  kTimer2StopMinuteEdit = 1047,
  kTimer2StartHourUnit = 1119,
  kTimer2StartMinuteUnit = 1124,
  kTimer2StopHourUnit = 1121,
  kTimer2StopMinuteUnit = 1125,

  // Serial stamp: a switch and four character lists.
  kSerialLabel = 1021,
  kSerialList = 1032,
  kSerialChar1List = 1034,
  kSerialChar2List = 1035,
  kSerialChar3List = 1036,
  kSerialChar4List = 1037,

  // Time lapse.
  kTimeLapseLabel = 1020,
  kTimeLapseList = 1033,
  kTimeLapseHoursEdit = 1038,
  kTimeLapseMinutesEdit = 1039,
  kTimeLapseSecondsEdit = 1040,
  kTimeLapseHoursUnit = 1126,
  kTimeLapseMinutesUnit = 1127,
  kTimeLapseSecondsUnit = 1128,

  // Destination folder.
  kFolderEdit = 1064,
};

}  // namespace quelmo
