#include "random_settings.h"

#include <array>
#include <string>

#include "camera/camera_controls.h"
#include "camera/camera_file.h"
#include "camera/camera_texts.h"
#include "session/app_state.h"
#include "text/gbk.h"

namespace quelmo::testing {
namespace {

int Entries(ControlId list) {
  return static_cast<int>(CameraListEntries(list, kEnglish).size());
}

// On, 5 Min, 30 Min, 1 Hour, 2 Hour, Off.
constexpr int kSmsControlEntries = 6;

}  // namespace

std::string RandomSettings::Text(int min_bytes, int max_bytes) {
  static const std::array<const char*, 8> kChinese{"相", "机", "设", "置", "用", "户", "密", "码"};
  const int length = Between(min_bytes, max_bytes);
  std::string text;
  while (static_cast<int>(text.size()) < length) {
    if (length - static_cast<int>(text.size()) >= 2 && OneIn(4)) {
      text += Utf8ToGbk(kChinese[static_cast<std::size_t>(Between(0, 7))]).value();
    } else {
      text += static_cast<char>(Between(0x20, 0x7E));
    }
  }
  return text;
}

std::string RandomSettings::Number(int min_bytes, int max_bytes) {
  const int length = Between(min_bytes, max_bytes);
  std::string number = OneIn(2) ? "+" : "";
  while (static_cast<int>(number.size()) < length) number += static_cast<char>('0' + Between(0, 9));
  return number;
}

std::string RandomSettings::Address(int max_bytes) {
  const auto word = [this](int letters) {
    std::string text;
    for (int i = 0; i < letters; ++i) text += static_cast<char>('a' + Between(0, 25));
    return text;
  };
  const int local = Between(1, max_bytes - 5);
  const int domain = Between(1, max_bytes - local - 4);
  return word(local) + "@" + word(domain) + "." + word(Between(1, max_bytes - local - domain - 2));
}

CameraSettings RandomSettings::Camera() {
  CameraSettings s;
  s.cameraMode = ListEntry(Entries(kCameraModeList));
  s.imageSize = ListEntry(Entries(kImageSizeList));
  s.videoSize = ListEntry(Entries(kVideoSizeList));
  s.pictureCount = ListEntry(Entries(kPictureCountList));
  s.videoLength = ListEntry(Entries(kVideoLengthList));
  s.timeStamp = ListEntry(Entries(kTimeStampList));
  s.pirInterval = ListEntry(Entries(kPirIntervalList));
  s.senseLevel = ListEntry(Entries(kSenseLevelList));
  s.beep = ListEntry(Entries(kBeepList));
  s.timer1Enabled = ListEntry(Entries(kTimer1List));
  s.timer1StartHour = Between(0, 23);
  s.timer1StartMinute = Between(0, 59);
  s.timer1StopHour = Between(0, 23);
  s.timer1StopMinute = Between(0, 59);
  s.timer2Enabled = ListEntry(Entries(kTimer1List));
  s.timer2StartHour = Between(0, 23);
  s.timer2StartMinute = Between(0, 59);
  s.timer2StopHour = Between(0, 23);
  s.timer2StopMinute = Between(0, 59);
  s.timeLapse = ListEntry(Entries(kTimeLapseList));
  s.timeLapseHours = Between(0, 23);
  s.timeLapseMinutes = Between(0, 59);
  s.timeLapseSeconds = Between(0, 59);
  s.serialEnabled = ListEntry(Entries(kSerialList));
  for (int& c : s.serialChars) c = ListEntry(Entries(kSerialChar1List));
  s.sdCycle = ListEntry(Entries(kSdCycleList));
  s.irLight = ListEntry(Entries(kIrLightList));
  s.sendMode = ListEntry(Entries(kSendModeList));
  s.clockYear = Between(kFirstClockYear, kLastClockYear);
  s.clockMonth = Between(1, 12);
  s.clockDay = Between(1, DaysInMonth(s.clockYear, s.clockMonth));
  s.clockHour = Between(0, 23);
  s.clockMinute = Between(0, 59);
  s.clockSecond = Between(0, 59);
  return s;
}

MmsSettings RandomSettings::Mms() {
  MmsSettings s;
  s.mode = kMmsCustomer;
  s.countryIndex = kManualCountry;
  s.url = Text(1, MmsLimits::kUrl);
  s.apn = Text(1, MmsLimits::kApn);
  s.gateway = Text(1, MmsLimits::kGateway - 1) + ".";
  s.port = Number(1, MmsLimits::kPort);
  s.account = Text(0, MmsLimits::kAccount);
  s.password = Text(0, MmsLimits::kPassword);
  // At least one recipient; SMS control needs the phone.
  const bool phone = !OneIn(4);
  s.phone = phone ? Number(5, MmsLimits::kPhone) : "";
  s.receiveEmail = !phone || OneIn(2) ? Address(MmsLimits::kReceiveEmail) : "";
  s.phoneOrEmail2 = OneIn(3) ? "" : OneIn(2) ? Number(5, MmsLimits::kPhoneOrEmail2)
                                             : Address(MmsLimits::kPhoneOrEmail2);
  s.picturesPerDay = Between(0, 99);
  s.smsControl = phone ? ListEntry(kSmsControlEntries) : 5;
  return s;
}

GprsSettings RandomSettings::Gprs() {
  GprsSettings s;
  s.apnMode = kApnCustomer;
  s.picturesPerDay = Between(0, 99);
  s.apn = Text(2, GprsLimits::kApn);
  s.gprsAccount = Text(0, GprsLimits::kGprsAccount);
  s.gprsPassword = Text(0, GprsLimits::kGprsPassword);
  s.smtpServer = Text(2, GprsLimits::kSmtpServer);
  s.smtpPort = Number(2, GprsLimits::kSmtpPort);
  s.senderEmail = Address(GprsLimits::kSenderEmail);
  s.senderPassword = Text(2, GprsLimits::kSenderPassword);
  s.recipientEmail = Address(GprsLimits::kRecipientEmail);
  s.smsControlPhone = Number(5, GprsLimits::kSmsControlPhone);
  s.smsControl = ListEntry(kSmsControlEntries);
  return s;
}

SmsSettings RandomSettings::Sms() {
  SmsSettings s;
  s.phone1 = Number(5, SmsLimits::kPhone);
  s.phone2 = OneIn(3) ? "" : Number(5, SmsLimits::kPhone);
  s.phone3 = OneIn(3) ? "" : Number(5, SmsLimits::kPhone);
  s.picturesPerDay = Between(0, 99);
  s.smsControl = OneIn(7) ? -1 : ListEntry(kSmsControlEntries);
  return s;
}

}  // namespace quelmo::testing
