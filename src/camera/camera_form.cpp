#include "camera/camera_form.h"

#include <algorithm>
#include <span>

#include "camera/camera_file.h"
#include "camera/camera_texts.h"
#include "controls/form_messages.h"
#include "controls/integer_edit.h"
#include "controls/local_clock.h"
#include "platform/file_system.h"
#include "session/app_state.h"

namespace quelmo {
namespace {

// Time-lapse and working-window-1 fields are checked by the program's own
// range check; working window 2 by the framework's, with its own wording.
struct TimeField {
  ControlId edit;
  int CameraSettings::*member;
  int maximum;
  RangeWording wording;
};

// Exchange order before the clock and folder fields...
constexpr TimeField kFieldsBeforeFolder[] = {
    {kTimeLapseMinutesEdit, &CameraSettings::timeLapseMinutes, kMaxMinute, RangeWording::kProgram},
    {kTimeLapseSecondsEdit, &CameraSettings::timeLapseSeconds, kMaxSecond, RangeWording::kProgram},
    {kTimeLapseHoursEdit, &CameraSettings::timeLapseHours, kMaxHour, RangeWording::kProgram},
    {kTimer1StopMinuteEdit, &CameraSettings::timer1StopMinute, kMaxMinute, RangeWording::kProgram},
    {kTimer1StopHourEdit, &CameraSettings::timer1StopHour, kMaxHour, RangeWording::kProgram},
    {kTimer1StartHourEdit, &CameraSettings::timer1StartHour, kMaxHour, RangeWording::kProgram},
    {kTimer1StartMinuteEdit, &CameraSettings::timer1StartMinute, kMaxMinute, RangeWording::kProgram},
};
// ...and after them.
constexpr TimeField kFieldsAfterFolder[] = {
    {kTimer2StopMinuteEdit, &CameraSettings::timer2StopMinute, kMaxMinute, RangeWording::kFramework},
    {kTimer2StopHourEdit, &CameraSettings::timer2StopHour, kMaxHour, RangeWording::kFramework},
    {kTimer2StartMinuteEdit, &CameraSettings::timer2StartMinute, kMaxMinute, RangeWording::kFramework},
    {kTimer2StartHourEdit, &CameraSettings::timer2StartHour, kMaxHour, RangeWording::kFramework},
};

constexpr ControlId kTimer1Edits[] = {kTimer1StartHourEdit, kTimer1StartMinuteEdit,
                                      kTimer1StopHourEdit, kTimer1StopMinuteEdit};
constexpr ControlId kTimer2Edits[] = {kTimer2StartHourEdit, kTimer2StartMinuteEdit,
                                      kTimer2StopHourEdit, kTimer2StopMinuteEdit};
constexpr ControlId kTimeLapseEdits[] = {kTimeLapseHoursEdit, kTimeLapseMinutesEdit,
                                         kTimeLapseSecondsEdit};
constexpr ControlId kSerialCharLists[] = {kSerialChar1List, kSerialChar2List, kSerialChar3List,
                                          kSerialChar4List};

// Which setting each list holds; its initial entry is that setting's initial
// value.
struct ListBinding {
  ControlId list;
  int& (*field)(CameraSettings&);
};

constexpr ListBinding kListBindings[] = {
    {kCameraModeList, [](CameraSettings& s) -> int& { return s.cameraMode; }},
    {kImageSizeList, [](CameraSettings& s) -> int& { return s.imageSize; }},
    {kVideoSizeList, [](CameraSettings& s) -> int& { return s.videoSize; }},
    {kPictureCountList, [](CameraSettings& s) -> int& { return s.pictureCount; }},
    {kVideoLengthList, [](CameraSettings& s) -> int& { return s.videoLength; }},
    {kTimeStampList, [](CameraSettings& s) -> int& { return s.timeStamp; }},
    {kPirIntervalList, [](CameraSettings& s) -> int& { return s.pirInterval; }},
    {kSenseLevelList, [](CameraSettings& s) -> int& { return s.senseLevel; }},
    {kBeepList, [](CameraSettings& s) -> int& { return s.beep; }},
    {kTimer1List, [](CameraSettings& s) -> int& { return s.timer1Enabled; }},
    {kTimer2List, [](CameraSettings& s) -> int& { return s.timer2Enabled; }},
    {kTimeLapseList, [](CameraSettings& s) -> int& { return s.timeLapse; }},
    {kSerialList, [](CameraSettings& s) -> int& { return s.serialEnabled; }},
    {kSerialChar1List, [](CameraSettings& s) -> int& { return s.serialChars[0]; }},
    {kSerialChar2List, [](CameraSettings& s) -> int& { return s.serialChars[1]; }},
    {kSerialChar3List, [](CameraSettings& s) -> int& { return s.serialChars[2]; }},
    {kSerialChar4List, [](CameraSettings& s) -> int& { return s.serialChars[3]; }},
    {kSdCycleList, [](CameraSettings& s) -> int& { return s.sdCycle; }},
    {kIrLightList, [](CameraSettings& s) -> int& { return s.irLight; }},
    {kSendModeList, [](CameraSettings& s) -> int& { return s.sendMode; }},
};
static_assert(std::size(kListBindings) == 20);

const TimeField* FindTimeField(ControlId edit) {
  for (const TimeField& field : kFieldsBeforeFolder) {
    if (field.edit == edit) return &field;
  }
  for (const TimeField& field : kFieldsAfterFolder) {
    if (field.edit == edit) return &field;
  }
  return nullptr;
}

// How a time field is taken while typing, on leaving and for a write.
IntegerEdit EditOf(FormView& view, const TimeField& field, int language) {
  return IntegerEdit(view, field.edit, 0, field.maximum, field.wording, language);
}

}  // namespace

CameraForm::CameraForm(FormView& view, AppContext& context)
    : view_(view),
      context_(context),
      language_(context.state.languageIndex),
      folder_(view, kFolderEdit, context.defaultFolder, language_) {
  SampleClock();
}

void CameraForm::Open() {
  folder_.Open();
  PutToControls();
  view_.SetTitle(kModelName);
  LockSwitchedControls();
  for (ControlId id : CameraTextControls()) {
    if (const auto text = CameraControlText(id, language_)) view_.SetText(id, *text);
  }
  for (ControlId list : CameraLists()) view_.SetItems(list, CameraListEntries(list, language_));
  SelectInitialEntries();
}

Next CameraForm::Clicked(ControlId id) {
  switch (id) {
    case kSaveButton:
      SaveCameraFile();
      break;
    case kDefaultButton:
      WriteDefaultCameraFile();
      break;
    case kSyncTimeButton:
      SyncTime();
      break;
    case kSelectFolderButton:
      folder_.Choose();
      break;
    case kExitButton:
      return Next::kLauncher;
    default:
      break;
  }
  return Next::kStay;
}

Next CameraForm::SelectionChanged(ControlId id) {
  switch (id) {
    case kTimer1List:
    case kTimer2List:
      SwitchWorkingWindow(id);
      break;
    case kTimeLapseList:
      SwitchTimeLapse();
      break;
    case kSerialList:
      SwitchSerialStamp();
      break;
    case kCameraModeList:
    case kImageSizeList:
    case kVideoLengthList:
    case kPirIntervalList:
    case kSdCycleList:
      TakeFromControls();  // shows a pending field error; nothing else
      break;
    default:
      break;
  }
  return Next::kStay;
}

Next CameraForm::TextEdited(ControlId id) {
  GuardTimeField(id);
  return Next::kStay;
}

Next CameraForm::FocusLeft(ControlId id) {
  if (const TimeField* field = FindTimeField(id)) EditOf(view_, *field, language_).Left(id);
  return Next::kStay;
}

CameraSettings CameraForm::CollectCameraSettings() {
  CameraSettings initial;
  CameraSettings settings = held_;
  for (const ListBinding& binding : kListBindings) {
    // A list without a selection gives its initial entry, never a stray byte.
    const int selection = view_.Selection(binding.list);
    binding.field(settings) = selection >= 0 ? selection : binding.field(initial);
  }
  held_.clockYear = std::clamp(held_.clockYear, kFirstClockYear, kLastClockYear);
  settings.clockYear = held_.clockYear;
  return settings;
}

bool CameraForm::TakeFromControls() {
  const auto take = [this](const TimeField& field) {
    return EditOf(view_, field, language_).Take(held_.*field.member);
  };
  for (const TimeField& field : kFieldsBeforeFolder) {
    if (!take(field)) return false;
  }
  // The clock field is read-only: it holds clock_text_, nothing to take.
  if (!folder_.Take()) return false;
  for (const TimeField& field : kFieldsAfterFolder) {
    if (!take(field)) return false;
  }
  return true;
}

bool CameraForm::EveryTimeFieldHoldsANumber() {
  for (std::span<const TimeField> fields : {std::span<const TimeField>(kFieldsBeforeFolder),
                                            std::span<const TimeField>(kFieldsAfterFolder)}) {
    for (const TimeField& field : fields) {
      if (!EditOf(view_, field, language_).TakeForWrite(held_.*field.member)) return false;
    }
  }
  return true;
}

void CameraForm::PutToControls() {
  for (const TimeField& field : kFieldsBeforeFolder) {
    view_.SetText(field.edit, std::to_string(held_.*field.member));
  }
  view_.SetText(kClockEdit, clock_text_);
  folder_.Show();
  for (const TimeField& field : kFieldsAfterFolder) {
    view_.SetText(field.edit, std::to_string(held_.*field.member));
  }
}

void CameraForm::GuardTimeField(ControlId edit) {
  const TimeField* field = FindTimeField(edit);
  if (field == nullptr) return;
  TakeFromControls();
  // A number out of range (after its message) becomes 0 at once; an emptied
  // field stays empty and keeps its value until a number is typed.
  if (EditOf(view_, *field, language_).ZeroIfOutOfRange(held_.*field->member)) PutToControls();
}

void CameraForm::SwitchWorkingWindow(ControlId list) {
  const bool on = view_.Selection(list) > 0;
  TakeFromControls();
  if (list == kTimer1List) {
    for (ControlId edit : kTimer1Edits) view_.SetReadOnly(edit, !on);
  } else {
    for (ControlId edit : kTimer2Edits) view_.SetReadOnly(edit, !on);
  }
  PutToControls();
}

void CameraForm::SwitchTimeLapse() {
  const bool on = view_.Selection(kTimeLapseList) == 0;  // "On" comes first in this list
  TakeFromControls();
  for (ControlId edit : kTimeLapseEdits) view_.SetReadOnly(edit, !on);
  PutToControls();
}

void CameraForm::SwitchSerialStamp() {
  const bool on = view_.Selection(kSerialList) > 0;
  TakeFromControls();
  for (ControlId list : kSerialCharLists) view_.SetEnabled(list, on);
  PutToControls();
}

void CameraForm::SyncTime() {
  SampleClock();
  PutToControls();
}

void CameraForm::SaveCameraFile() {
  // No exchange first: the lists are read as they stand, the time fields as
  // last taken. An emptied time field stops the save: the file would
  // otherwise hold a value the form no longer shows.
  if (!EveryTimeFieldHoldsANumber()) return;
  if (!folder_.TakeForWrite()) return;
  const SettingRecord record = BuildCameraRecord(
      CollectCameraSettings(), context_.state.cameraLanguage(), context_.state.tvMode);
  const Status written = WriteCameraFile(context_.files, PathFromUtf8(folder_.folder()), record);
  ReportWrite(written, CameraSavedMessage(language_), folder_.folder());
}

void CameraForm::WriteDefaultCameraFile() {
  if (!folder_.TakeForWrite()) return;
  const std::string folder = folder_.folder();
  TakeFromControls();  // a failed check shows its message; the command goes on
  SelectInitialEntries();
  const CameraSettings initial;
  for (const TimeField& field : kFieldsBeforeFolder) held_.*field.member = initial.*field.member;
  for (const TimeField& field : kFieldsAfterFolder) held_.*field.member = initial.*field.member;
  LockSwitchedControls();
  PutToControls();
  const Status written =
      WriteCameraFile(context_.files, PathFromUtf8(folder), BuildDefaultCameraRecord());
  ReportWrite(written, CameraDefaultSavedMessage(language_), folder);
}

void CameraForm::ReportWrite(const Status& written, std::string_view confirmation,
                             const std::string& folder) {
  if (written.ok()) {
    const std::string file = PathToUtf8(PathFromUtf8(folder) / kCameraFileName);
    view_.ShowMessage(SavedMessage(confirmation, file));
  } else {
    view_.ShowMessage(SaveFailedMessage(kCameraFileName, folder, written.error(), language_),
                      MessageIcon::kWarning);
  }
}

void CameraForm::SelectInitialEntries() {
  CameraSettings initial;
  for (const ListBinding& binding : kListBindings) {
    view_.SetSelection(binding.list, binding.field(initial));
  }
}

void CameraForm::LockSwitchedControls() {
  for (ControlId edit : kTimer1Edits) view_.SetReadOnly(edit, true);
  for (ControlId edit : kTimer2Edits) view_.SetReadOnly(edit, true);
  for (ControlId edit : kTimeLapseEdits) view_.SetReadOnly(edit, true);
  for (ControlId list : kSerialCharLists) view_.SetEnabled(list, false);
}

void CameraForm::SampleClock() {
  const LocalTime now = TakeLocalClock(context_.clock);
  SetCameraClock(held_, now);
  clock_text_ = CameraClockText(now, language_);
}

}  // namespace quelmo
