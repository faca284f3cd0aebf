#pragma once
// What the SMTP/GPRS form edits and gprs.dat carries. Texts hold the bytes as
// stored (GBK); their limits count bytes.

#include <string>
#include <string_view>

#include "remote_control/sms_control_mode.h"

namespace quelmo {

enum ApnMode : int { kApnAuto = 0, kApnCustomer = 1 };

struct GprsLimits {
  static constexpr int kApn = 32;
  static constexpr int kGprsAccount = 32;
  static constexpr int kGprsPassword = 32;
  static constexpr int kSmtpServer = 40;
  static constexpr int kSmtpPort = 10;
  static constexpr int kSenderEmail = 32;
  static constexpr int kSenderPassword = 32;
  static constexpr int kRecipientEmail = 32;
  static constexpr int kSmsControlPhone = 30;
  static constexpr int kMaxCountry = 41;
  static constexpr int kMaxOperator = 9;
};

// The country a Customer file stores: no country of the table.
inline constexpr int kGprsCustomerCountry = 128;

struct GprsSettings {
  int apnMode = kApnAuto;
  int countryIndex = 0;   // 0..41 in Auto mode; stored as 128 in Customer mode
  int operatorIndex = 0;  // 0..9; 0 in Customer mode
  int picturesPerDay = 0; // 0..99, 0 = no limit
  std::string apn;
  std::string gprsAccount;
  std::string gprsPassword;
  std::string smtpServer;
  std::string smtpPort;   // as typed, never converted
  std::string senderEmail;
  std::string senderPassword;
  std::string recipientEmail;
  std::string smsControlPhone;
  int smsControl = kSmsControlOff;  // SmsControlMode: 0 On .. 5 Off

  bool operator==(const GprsSettings&) const = default;
};

// The sender's user name the camera logs in with: the sender address up to
// its first "@" (the whole address when it has none).
std::string_view SenderUserName(std::string_view sender_email);

}  // namespace quelmo
