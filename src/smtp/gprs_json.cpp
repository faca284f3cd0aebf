#include "smtp/gprs_json.h"

#include <array>

#include "remote_control/remote_control_texts.h"
#include "session/app_state.h"
#include "smtp/gprs_presets.h"
#include "smtp/smtp_texts.h"

namespace quelmo {
namespace {

using G = GprsSettings;
using L = GprsLimits;

std::vector<std::string> EnglishModes() { return ApnModeEntries(kEnglish); }
std::vector<std::string> EnglishSmsControl() { return SmsControlEntries(kEnglish); }

const std::array<SettingsField<G>, 14> kFields{
    ListField<G>{"apnMode", &G::apnMode, &EnglishModes},
    IntegerField<G>{"country", &G::countryIndex, 0, L::kMaxCountry, kGprsCustomerCountry},
    IntegerField<G>{"operator", &G::operatorIndex, 0, L::kMaxOperator},
    IntegerField<G>{"picturesPerDay", &G::picturesPerDay, 0, 99},
    StoredTextField<G>{"apn", &G::apn, L::kApn},
    StoredTextField<G>{"gprsAccount", &G::gprsAccount, L::kGprsAccount},
    StoredTextField<G>{"gprsPassword", &G::gprsPassword, L::kGprsPassword, /*secret=*/true},
    StoredTextField<G>{"smtpServer", &G::smtpServer, L::kSmtpServer},
    StoredTextField<G>{.key = "smtpPort", .member = &G::smtpPort, .byteLimit = L::kSmtpPort,
                       .numberAsDigits = true},
    StoredTextField<G>{"senderEmail", &G::senderEmail, L::kSenderEmail},
    StoredTextField<G>{"senderPassword", &G::senderPassword, L::kSenderPassword, /*secret=*/true},
    StoredTextField<G>{"recipientEmail", &G::recipientEmail, L::kRecipientEmail},
    StoredTextField<G>{"smsControlPhone", &G::smsControlPhone, L::kSmsControlPhone},
    ListField<G>{"smsControl", &G::smsControl, &EnglishSmsControl},
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

Status CheckGprsAutoMode(const Json& object, const GprsSettings& settings) {
  if (settings.apnMode != kApnAuto) return Status::Ok();
  const auto refuse = [](const std::string& message) {
    return Status(Error{ErrorCode::kInvalidArgument, message});
  };
  const int country = settings.countryIndex;
  if (country < 0 || country >= kGprsCountryCount) {
    return refuse("country: " + std::to_string(country) +
                  " is the Customer entry; Auto (0) needs a country 0.." +
                  std::to_string(kGprsCountryCount - 1));
  }
  const OperatorPreset* preset = FindGprsPreset(country, settings.operatorIndex);
  const std::string place = std::to_string(country) + " (" +
                            std::string(GprsEnglishCountryName(country)) + ")";
  if (preset == nullptr) {
    const std::size_t count = GprsOperators(country).size();
    return refuse("operator: " + std::to_string(settings.operatorIndex) + " is not offered in " +
                  place + ", which has " + std::to_string(count) + " operator" +
                  (count == 1 ? "" : "s") + " (0.." + std::to_string(count - 1) + ")");
  }
  const struct {
    const char* key;
    const std::string& given;
    std::string_view preset;
  } keys[] = {{"apn", settings.apn, preset->parameters.apn},
              {"gprsAccount", settings.gprsAccount, preset->parameters.account},
              {"gprsPassword", settings.gprsPassword, preset->parameters.password}};
  for (const auto& key : keys) {
    if (object.contains(key.key) && key.given != key.preset) {
      return refuse(std::string(key.key) + ": Auto (0) takes the preset of " + place +
                    " operator " + std::to_string(settings.operatorIndex) + " (" +
                    std::string(preset->name) + "), which differs; leave the key out " +
                    "or give \"apnMode\": \"Customer\"");
    }
  }
  return Status::Ok();
}

ShownSettings ShowGprsSettings(const GprsFileContents& contents, bool reveal) {
  ShownSettings shown;
  ShowSettingsFields<G>(shown, kFields, contents.settings, reveal);
  // A Customer file stores the manual country, as mms.dat does; the reader
  // reports the byte when it holds anything else.
  const GprsSettings& settings = contents.settings;
  if (settings.apnMode == kApnCustomer) {
    shown.json["country"] = kGprsCustomerCountry;
    shown.notes["country"] = "Customer";
  } else if (const OperatorPreset* row =
                 FindGprsPreset(settings.countryIndex, settings.operatorIndex)) {
    shown.notes["country"] = GprsEnglishCountryName(settings.countryIndex);
    shown.notes["operator"] = row->name;
  } else if (!GprsEnglishCountryName(settings.countryIndex).empty()) {
    shown.notes["country"] = GprsEnglishCountryName(settings.countryIndex);
  }
  shown.json["cameraLanguage"] = contents.cameraLanguage;
  return shown;
}

}  // namespace quelmo
