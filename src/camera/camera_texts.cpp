#include "camera/camera_texts.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdio>
#include <initializer_list>
#include <iterator>

#include "text/translate.h"

namespace quelmo {
namespace {

// The English text of each control; the catalogues translate it.
struct ControlText {
  ControlId id;
  std::string_view english;
};

constexpr ControlText kControlTexts[] = {
    {kCameraModeLabel, "Mode"},
    {kImageSizeLabel, "Image Size"},
    {kVideoSizeLabel, "Video Size"},
    {kPictureCountLabel, "Picture No."},
    {kTimeStampLabel, "Time Stamp"},
    {kSenseLevelLabel, "Sense Level"},
    {kBeepLabel, "Beep Sound"},
    {kVideoLengthLabel, "Video Length"},
    {kPirIntervalLabel, "PIR Interval"},
    {kClockLabel, "Set Clock"},
    {kTimer1Label, "Timer1"},
    {kTimer2Label, "Timer2"},
    {kSerialLabel, "Serial No."},
    {kTimeLapseLabel, "Time Lapse"},
    {kTimer1StartLabel, "Start:"},
    {kTimer1StopLabel, "Stop:"},
    {kTimer2StartLabel, "Start:"},
    {kTimer2StopLabel, "Stop:"},
    {kSaveButton, "Save"},
    {kDefaultButton, "Default"},
    {kExitButton, "Exit"},
    {kSyncTimeButton, "Sync Time"},
    {kSelectFolderButton, "Select"},
    {kClockGroup, "System Clock"},
    {kWorkHour1Group, "Work Hour"},
    {kWorkHour2Group, "Work Hour"},
    {kSendModeLabel, "MMS Status"},
    {kIrLightLabel, "IR Light"},
    {kSdCycleLabel, "Cyclic Store"},
    {kTimer1StartHourUnit, "Hour"},
    {kTimer2StartHourUnit, "Hour"},
    {kTimer1StopHourUnit, "Hour"},
    {kTimer2StopHourUnit, "Hour"},
    {kTimeLapseHoursUnit, "Hour"},
    {kTimer1StartMinuteUnit, "Min"},
    {kTimer1StopMinuteUnit, "Min"},
    {kTimer2StartMinuteUnit, "Min"},
    {kTimer2StopMinuteUnit, "Min"},
    {kTimeLapseMinutesUnit, "Min"},
    {kTimeLapseSecondsUnit, "Sec"},
};

// "On" and "Off" of the switch lists; the lists of a state (SD cycle, send
// mode, sense level) use the plain words, which Chinese writes differently.
constexpr std::string_view kSwitch = "switch";

// ---- Lookups ---------------------------------------------------------------

constexpr ControlId kTextControls[] = {
    kClockGroup,       kWorkHour1Group,       kWorkHour2Group,       kSelectFolderButton,
    kCameraModeLabel,  kImageSizeLabel,       kVideoSizeLabel,       kPictureCountLabel,
    kTimeStampLabel,   kSenseLevelLabel,      kBeepLabel,            kVideoLengthLabel,
    kPirIntervalLabel, kClockLabel,           kTimer1Label,          kTimer2Label,
    kSerialLabel,      kTimeLapseLabel,       kTimer1StartLabel,     kTimer1StopLabel,
    kTimer2StartLabel, kTimer2StopLabel,      kSaveButton,           kDefaultButton,
    kExitButton,       kSyncTimeButton,       kSendModeLabel,        kIrLightLabel,
    kSdCycleLabel,     kTimer1StartHourUnit,  kTimer2StartHourUnit,  kTimer1StopHourUnit,
    kTimer2StopHourUnit, kTimeLapseHoursUnit, kTimer1StartMinuteUnit, kTimer1StopMinuteUnit,
    kTimer2StartMinuteUnit, kTimer2StopMinuteUnit, kTimeLapseMinutesUnit, kTimeLapseSecondsUnit,
};

// Time lists first, then the language's list set, then the shared lists: the
// order in which the form fills them.
constexpr ControlId kListControls[] = {
    kVideoLengthList, kPirIntervalList, kCameraModeList,  kImageSizeList,   kVideoSizeList,
    kPictureCountList, kTimeStampList,  kSenseLevelList,  kBeepList,        kTimer1List,
    kTimer2List,      kSerialList,      kSerialChar1List, kSerialChar2List, kSerialChar3List,
    kSerialChar4List, kTimeLapseList,   kSendModeList,    kIrLightList,     kSdCycleList,
};
static_assert(std::size(kListControls) == 20);

std::vector<std::string> Entries(std::initializer_list<std::string_view> texts) {
  return {texts.begin(), texts.end()};
}

// Each English entry in the language.
std::vector<std::string> Translated(int language, std::initializer_list<std::string_view> english) {
  std::vector<std::string> entries;
  for (std::string_view text : english) entries.emplace_back(Translate(language, text));
  return entries;
}

std::vector<std::string> PictureCountEntries(int language) {
  const std::string_view pattern = Translate(language, "{n} Photo");
  return {FillIn(pattern, {{"n", "01"}}), FillIn(pattern, {{"n", "02"}}),
          FillIn(pattern, {{"n", "03"}})};
}

// "1 Sec" ... "60 Sec": the number without leading zero in the unit's text.
void AddCounted(std::vector<std::string>& entries, int from, int to, std::string_view pattern) {
  for (int n = from; n <= to; ++n) entries.push_back(FillIn(pattern, {{"n", std::to_string(n)}}));
}

std::vector<std::string> VideoLengthEntries(int language) {
  std::vector<std::string> entries;
  AddCounted(entries, 1, 60, Translate(language, "{n} Sec"));
  return entries;
}

std::vector<std::string> PirIntervalEntries(int language) {
  std::vector<std::string> entries;
  AddCounted(entries, 0, 59, Translate(language, "{n} Sec"));
  AddCounted(entries, 1, 60, Translate(language, "{n} Min"));
  return entries;
}

std::vector<std::string> SerialCharEntries() {
  std::vector<std::string> entries;
  for (char c = '0'; c <= '9'; ++c) entries.emplace_back(1, c);
  for (char c = 'A'; c <= 'Z'; ++c) entries.emplace_back(1, c);
  return entries;
}

}  // namespace

std::string CameraClockText(const LocalTime& clock, int language_index) {
  char text[96];  // room for six full-width ints
  std::snprintf(text, sizeof text, "%02d/%02d/%04d %02d:%02d:%02d ", clock.month, clock.day,
                clock.year, clock.hour, clock.minute, clock.second);
  return std::string(text).append(Translate(language_index, "MM/DD/YY"));
}

std::string CameraSavedMessage(int language_index) {
  return std::string(Translate(language_index, "Save All Parameters To Camera Setting File"));
}

std::string CameraDefaultSavedMessage(int language_index) {
  return std::string(
      Translate(language_index, "Save All Default Parameters To Camera Setting File"));
}

std::span<const ControlId> CameraTextControls() { return kTextControls; }

std::span<const ControlId> CameraLists() { return kListControls; }

std::optional<std::string_view> CameraControlText(ControlId id, int language_index) {
  const auto* row = std::find_if(std::begin(kControlTexts), std::end(kControlTexts),
                                 [id](const ControlText& text) { return text.id == id; });
  if (row == std::end(kControlTexts)) return std::nullopt;
  return Translate(language_index, row->english);
}

std::vector<std::string> CameraListEntries(ControlId list, int language_index) {
  const int language = language_index;
  const std::string_view on = Translate(language, kSwitch, "On");
  const std::string_view off = Translate(language, kSwitch, "Off");
  switch (list) {
    case kCameraModeList:
      return Translated(language, {"Camera", "Video", "Camera+Video"});
    case kImageSizeList:
      return Entries({"12MP", "5MP", "1.3MP"});
    case kVideoSizeList:
      return Entries({"1280x720", "640x480", "320x240"});
    case kPictureCountList:
      return PictureCountEntries(language);
    case kVideoLengthList:
      return VideoLengthEntries(language);
    case kTimeStampList:
      return Entries({on, off});
    case kPirIntervalList:
      return PirIntervalEntries(language);
    case kSenseLevelList:
      return Translated(language, {"Normal", "High", "Low", "Off"});
    case kBeepList:
    case kTimer1List:
    case kTimer2List:
    case kSerialList:
      return Entries({off, on});
    case kTimeLapseList:
      return Entries({on, off});  // on first, unlike the other switches
    case kSerialChar1List:
    case kSerialChar2List:
    case kSerialChar3List:
    case kSerialChar4List:
      return SerialCharEntries();
    case kSdCycleList:
      return Translated(language, {"Off", "On"});
    case kIrLightList:
      return Translated(language, {"High", "Low"});
    case kSendModeList:
      return {std::string(Translate(language, "Off")), "MMS", "GPRS", "SMS"};
    default:
      return {};
  }
}

}  // namespace quelmo
