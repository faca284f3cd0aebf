#include "camera/camera_json.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <string>

#include "camera/camera_controls.h"
#include "camera/camera_texts.h"
#include "session/app_state.h"

namespace quelmo {
namespace {

using Field = SettingsField<CameraSettings>;
using C = CameraSettings;

// A list's entries as the English form shows them.
template <ControlId kList>
std::vector<std::string> English() {
  return CameraListEntries(kList, kEnglish);
}

// In the order of the form, up to the serial stamp ...
const std::array<Field, 24> kFieldsBeforeSerialChars{
    ListField<C>{"cameraMode", &C::cameraMode, English<kCameraModeList>},
    ListField<C>{"imageSize", &C::imageSize, English<kImageSizeList>},
    ListField<C>{"videoSize", &C::videoSize, English<kVideoSizeList>},
    ListField<C>{"pictureCount", &C::pictureCount, English<kPictureCountList>},
    ListField<C>{"videoLength", &C::videoLength, English<kVideoLengthList>},
    ListField<C>{"timeStamp", &C::timeStamp, English<kTimeStampList>},
    ListField<C>{"pirInterval", &C::pirInterval, English<kPirIntervalList>},
    ListField<C>{"senseLevel", &C::senseLevel, English<kSenseLevelList>},
    ListField<C>{"beep", &C::beep, English<kBeepList>},
    ListField<C>{"timer1Enabled", &C::timer1Enabled, English<kTimer1List>},
    IntegerField<C>{"timer1StartHour", &C::timer1StartHour, 0, kMaxHour},
    IntegerField<C>{"timer1StartMinute", &C::timer1StartMinute, 0, kMaxMinute},
    IntegerField<C>{"timer1StopHour", &C::timer1StopHour, 0, kMaxHour},
    IntegerField<C>{"timer1StopMinute", &C::timer1StopMinute, 0, kMaxMinute},
    ListField<C>{"timer2Enabled", &C::timer2Enabled, English<kTimer1List>},
    IntegerField<C>{"timer2StartHour", &C::timer2StartHour, 0, kMaxHour},
    IntegerField<C>{"timer2StartMinute", &C::timer2StartMinute, 0, kMaxMinute},
    IntegerField<C>{"timer2StopHour", &C::timer2StopHour, 0, kMaxHour},
    IntegerField<C>{"timer2StopMinute", &C::timer2StopMinute, 0, kMaxMinute},
    ListField<C>{"timeLapse", &C::timeLapse, English<kTimeLapseList>},
    IntegerField<C>{"timeLapseHours", &C::timeLapseHours, 0, kMaxHour},
    IntegerField<C>{"timeLapseMinutes", &C::timeLapseMinutes, 0, kMaxMinute},
    IntegerField<C>{"timeLapseSeconds", &C::timeLapseSeconds, 0, kMaxSecond},
    ListField<C>{"serialEnabled", &C::serialEnabled, English<kSerialList>},
};

// ... and after it.
const std::array<Field, 3> kFieldsAfterSerialChars{
    ListField<C>{"sdCycle", &C::sdCycle, English<kSdCycleList>},
    ListField<C>{"irLight", &C::irLight, English<kIrLightList>},
    ListField<C>{"sendMode", &C::sendMode, English<kSendModeList>},
};


void ReadSerialChars(JsonFieldReader& reader, CameraSettings& settings) {
  const Json* value = reader.Take("serialChars");
  if (value == nullptr) return;
  if (!value->is_array() || value->size() != settings.serialChars.size()) {
    reader.Fail("serialChars", "expected an array of 4 characters (\"0\" to \"9\", \"A\" to \"Z\", or "
                               "their indices 0 to 35), got " + DescribeJsonValue(*value));
    return;
  }
  for (std::size_t i = 0; i < settings.serialChars.size(); ++i) {
    // Each element is read as if it were a key of its own, so the message
    // names its position.
    const std::string element_key = "serialChars[" + std::to_string(i) + "]";
    Json element = Json::object();
    element[element_key] = (*value)[i];
    JsonFieldReader element_reader(element, "serial characters");
    element_reader.ListEntry(element_key, English<kSerialChar1List>(), settings.serialChars[i]);
    if (auto status = element_reader.Finish(); !status.ok()) reader.Fail(status.error());
  }
}

// "YYYY-MM-DDTHH:MM:SS" into the clock fields; false for any other shape or
// a date or time that does not exist.
bool ParseClock(const std::string& text, CameraSettings& settings, std::string& why) {
  static constexpr std::string_view kShape = "dddd-dd-ddTdd:dd:dd";
  if (text.size() != kShape.size()) {
    why = "expected \"YYYY-MM-DDTHH:MM:SS\"";
    return false;
  }
  for (std::size_t i = 0; i < kShape.size(); ++i) {
    const bool digit_expected = kShape[i] == 'd';
    const bool is_digit = text[i] >= '0' && text[i] <= '9';
    if (digit_expected != is_digit || (!digit_expected && text[i] != kShape[i])) {
      why = "expected \"YYYY-MM-DDTHH:MM:SS\"";
      return false;
    }
  }
  const auto number = [&](std::size_t at, std::size_t width) {
    return std::stoi(text.substr(at, width));
  };
  const int year = std::clamp(number(0, 4), kFirstClockYear, kLastClockYear);
  const int month = number(5, 2);
  const int day = number(8, 2);
  const int hour = number(11, 2);
  const int minute = number(14, 2);
  const int second = number(17, 2);
  if (month < 1 || month > 12) {
    why = "month " + std::to_string(month) + " does not exist";
    return false;
  }
  if (day < 1 || day > DaysInMonth(year, month)) {
    why = "day " + std::to_string(day) + " does not exist in month " + std::to_string(month) +
          " of " + std::to_string(year) + " (the camera's years are 2010 to 2031; others are "
          "clamped to them)";
    return false;
  }
  if (hour > 23 || minute > 59 || second > 59) {
    why = "the time does not exist";
    return false;
  }
  settings.clockYear = year;
  settings.clockMonth = month;
  settings.clockDay = day;
  settings.clockHour = hour;
  settings.clockMinute = minute;
  settings.clockSecond = second;
  return true;
}

void ReadClock(JsonFieldReader& reader, CameraSettings& settings) {
  const Json* value = reader.Take("clock");
  if (value == nullptr) return;
  if (!value->is_string()) {
    reader.Fail("clock", "expected a text \"YYYY-MM-DDTHH:MM:SS\", got " + DescribeJsonValue(*value));
    return;
  }
  std::string why;
  if (!ParseClock(value->get<std::string>(), settings, why)) {
    reader.Fail("clock", QuotedPrefix(value->get<std::string>()) + ": " + why);
  }
}

std::string FormatClock(const CameraSettings& settings) {
  char text[64];
  std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d", settings.clockYear,
                settings.clockMonth, settings.clockDay, settings.clockHour, settings.clockMinute,
                settings.clockSecond);
  return text;
}

}  // namespace

Result<CameraInput> CameraSettingsFromJson(const Json& object, const CameraSettings& initial) {
  CameraInput input{initial, {}};
  input.settings.clockYear = std::clamp(input.settings.clockYear, kFirstClockYear, kLastClockYear);
  JsonFieldReader reader(object, "camera settings");
  ReadSettingsFields<CameraSettings>(reader, kFieldsBeforeSerialChars, input.settings);
  ReadSerialChars(reader, input.settings);
  ReadSettingsFields<CameraSettings>(reader, kFieldsAfterSerialChars, input.settings);
  ReadClock(reader, input.settings);
  ReadFileLanguage(reader, /*stores_tv_mode=*/true, input.language);
  if (auto status = reader.Finish(); !status.ok()) return status.error();
  return input;
}

ShownSettings ShowCameraSettings(const CameraFileContents& contents) {
  ShownSettings shown;
  if (contents.isDefault) return shown;  // the default file carries no settings
  const CameraSettings& settings = contents.settings;
  ShowSettingsFields<CameraSettings>(shown, kFieldsBeforeSerialChars, settings, true);
  Json serial = Json::array();
  std::string serial_text;
  const std::vector<std::string> serial_names = English<kSerialChar1List>();
  for (int index : settings.serialChars) {
    serial.push_back(index);
    serial_text += ListEntryName(serial_names, index).value_or("?");
  }
  shown.json["serialChars"] = serial;
  shown.notes["serialChars"] = serial_text;
  ShowSettingsFields<CameraSettings>(shown, kFieldsAfterSerialChars, settings, true);
  shown.json["clock"] = FormatClock(settings);
  shown.json[std::string(kCameraLanguageKey)] = contents.cameraLanguage;
  shown.json[std::string(kTvModeKey)] = contents.tvMode;
  return shown;
}

}  // namespace quelmo
