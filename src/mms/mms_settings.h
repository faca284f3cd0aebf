#pragma once
// What the MMS form edits and mms.dat carries. Texts hold the bytes as stored
// (GBK); their limits count bytes.

#include <string>

#include "remote_control/sms_control_mode.h"

namespace quelmo {

enum MmsMode : int { kMmsAuto = 0, kMmsCustomer = 1 };

// The country byte of a file whose parameters were typed by the user.
inline constexpr int kManualCountry = 128;

struct MmsLimits {
  static constexpr int kUrl = 50;
  static constexpr int kApn = 30;
  static constexpr int kGateway = 20;
  static constexpr int kPort = 10;
  static constexpr int kAccount = 30;
  static constexpr int kPassword = 30;
  static constexpr int kPhone = 32;
  static constexpr int kReceiveEmail = 40;
  static constexpr int kPhoneOrEmail2 = 32;
  static constexpr int kMaxCountry = 42;
  static constexpr int kMaxOperator = 9;
};

struct MmsSettings {
  int mode = kMmsAuto;
  int countryIndex = 0;   // 0..42, kManualCountry in Customer mode
  int operatorIndex = 0;  // 0..9, 0 in Customer mode
  std::string url;
  std::string apn;
  std::string gateway;
  std::string port;       // digits as typed, never converted
  std::string account;
  std::string password;
  std::string phone;
  std::string receiveEmail;
  std::string phoneOrEmail2;
  int picturesPerDay = 0;  // 0..99, 0 = no limit
  int smsControl = kSmsControlOff;  // SmsControlMode: 0 On .. 5 Off

  bool operator==(const MmsSettings&) const = default;
};

}  // namespace quelmo
