#include "cli/gprs_json.h"

#include <array>

#include "mms/mms_settings.h"

namespace quelmo {
namespace {

using G = GprsSettings;
using L = GprsLimits;

const std::array<SettingsField<G>, 14> kFields{
    ListField<G>{"apnMode", &G::apnMode, EnglishList::kParameterMode},
    IntegerField<G>{"country", &G::countryIndex, 0, L::kMaxCountry, kManualCountry},
    IntegerField<G>{"operator", &G::operatorIndex, 0, L::kMaxOperator},
    IntegerField<G>{"picturesPerDay", &G::picturesPerDay, 0, 99},
    StoredTextField<G>{"apn", &G::apn, L::kApn},
    StoredTextField<G>{"gprsAccount", &G::gprsAccount, L::kGprsAccount},
    StoredTextField<G>{"gprsPassword", &G::gprsPassword, L::kGprsPassword, /*secret=*/true},
    StoredTextField<G>{"smtpServer", &G::smtpServer, L::kSmtpServer},
    StoredTextField<G>{"smtpPort", &G::smtpPort, L::kSmtpPort},
    StoredTextField<G>{"senderEmail", &G::senderEmail, L::kSenderEmail},
    StoredTextField<G>{"senderPassword", &G::senderPassword, L::kSenderPassword, /*secret=*/true},
    StoredTextField<G>{"recipientEmail", &G::recipientEmail, L::kRecipientEmail},
    StoredTextField<G>{"smsControlPhone", &G::smsControlPhone, L::kSmsControlPhone},
    ListField<G>{"smsControl", &G::smsControl, EnglishList::kSmsControl},
};

}  // namespace

Result<GprsInput> GprsSettingsFromJson(const Json& object, const GprsSettings& initial) {
  GprsInput input{initial, {}};
  JsonFieldReader reader(object, "GPRS settings");
  ReadSettingsFields<G>(reader, kFields, input.settings);
  ReadFileLanguage(reader, /*stores_tv_mode=*/false, input.language);
  if (auto status = reader.Finish(); !status.ok()) return status.error();
  return input;
}

ShownSettings ShowGprsSettings(const GprsFileContents& contents, bool reveal) {
  ShownSettings shown;
  ShowSettingsFields<G>(shown, kFields, contents.settings, reveal);
  // A Customer file stores the manual country, as mms.dat does; the reader
  // reports the byte when it holds anything else.
  if (contents.settings.apnMode == kApnCustomer) shown.json["country"] = kManualCountry;
  shown.json["cameraLanguage"] = contents.cameraLanguage;
  return shown;
}

}  // namespace quelmo
