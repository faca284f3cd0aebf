#include "mms/mms_json.h"

#include <array>
#include <string>

#include "mms/mms_presets.h"
#include "mms/mms_texts.h"
#include "remote_control/remote_control_texts.h"
#include "session/app_state.h"
#include "text/gbk.h"

namespace quelmo {
namespace {

using M = MmsSettings;
using L = MmsLimits;

std::vector<std::string> EnglishModes() { return MmsModeEntries(kEnglish); }
std::vector<std::string> EnglishSmsControl() { return SmsControlEntries(kEnglish); }

const std::array<SettingsField<M>, 14> kFields{
    ListField<M>{"mode", &M::mode, &EnglishModes},
    IntegerField<M>{"country", &M::countryIndex, 0, L::kMaxCountry, kManualCountry},
    IntegerField<M>{"operator", &M::operatorIndex, 0, L::kMaxOperator},
    StoredTextField<M>{"url", &M::url, L::kUrl},
    StoredTextField<M>{"apn", &M::apn, L::kApn},
    StoredTextField<M>{"gateway", &M::gateway, L::kGateway},
    StoredTextField<M>{.key = "port", .member = &M::port, .byteLimit = L::kPort,
                       .numberAsDigits = true},
    StoredTextField<M>{"account", &M::account, L::kAccount},
    StoredTextField<M>{"password", &M::password, L::kPassword, /*secret=*/true},
    StoredTextField<M>{"phone", &M::phone, L::kPhone},
    StoredTextField<M>{"receiveEmail", &M::receiveEmail, L::kReceiveEmail},
    StoredTextField<M>{"phoneOrEmail2", &M::phoneOrEmail2, L::kPhoneOrEmail2},
    IntegerField<M>{"picturesPerDay", &M::picturesPerDay, 0, 99},
    ListField<M>{"smsControl", &M::smsControl, &EnglishSmsControl},
};

}  // namespace

Result<MmsInput> MmsSettingsFromJson(const Json& object, const MmsSettings& initial) {
  MmsInput input{initial, {}};
  JsonFieldReader reader(object, "MMS settings");
  ReadSettingsFields<M>(reader, kFields, input.settings);
  ReadFileLanguage(reader, /*stores_tv_mode=*/true, input.language);
  if (auto status = reader.Finish(); !status.ok()) return status.error();
  return input;
}

Status TakeMmsPreset(const Json& object, MmsSettings& settings) {
  const int country = settings.countryIndex;
  const int op = settings.operatorIndex;
  const OperatorPreset* row = FindMmsOperator(country, op);
  if (row == nullptr) {
    if (MmsOperatorsOf(country).empty()) {
      return Error{ErrorCode::kInvalidArgument,
                   "country: " + std::to_string(country) +
                       " is no country of the presets (0.." + std::to_string(kMmsCountryCount - 1) +
                       "); Auto mode takes its parameters from one"};
    }
    const std::size_t offered = MmsOperatorsOf(country).size();
    return Error{ErrorCode::kInvalidArgument,
                 "operator: " + std::to_string(op) + " is not offered in " +
                     std::string(MmsCountryName(country, kEnglish)) + " (it offers " +
                     std::to_string(offered) + ", numbered from 0)"};
  }
  const struct {
    const char* key;
    std::string M::*field;
    std::string_view preset;
    bool secret;
  } parameters[] = {
      {"url", &M::url, row->parameters.url, false},
      {"apn", &M::apn, row->parameters.apn, false},
      {"gateway", &M::gateway, row->parameters.gateway, false},
      {"port", &M::port, row->parameters.port, false},
      {"account", &M::account, row->parameters.account, false},
      {"password", &M::password, row->parameters.password, true},
  };
  for (const auto& parameter : parameters) {
    if (!object.contains(parameter.key) || settings.*parameter.field == parameter.preset) continue;
    // A password is never quoted, neither the one given nor the preset's.
    const std::string given_and_preset =
        parameter.secret
            ? std::string("the password given is not the preset's")
            : QuotedPrefix(GbkToUtf8ForDisplay(settings.*parameter.field)) + " is not the preset's " +
                  QuotedPrefix(parameter.preset);
    return Error{ErrorCode::kInvalidArgument,
                 std::string(parameter.key) + ": " + given_and_preset + " for " +
                     std::string(MmsCountryName(country, kEnglish)) + " / " +
                     std::string(row->name) +
                     "; in Auto mode the parameters come from the preset (leave the key out, or "
                     "give \"mode\": \"Customer\")"};
  }
  ApplyMmsPreset(settings, country, op);
  return {};
}

ShownSettings ShowMmsSettings(const MmsFileContents& contents, bool reveal) {
  ShownSettings shown;
  ShowSettingsFields<M>(shown, kFields, contents.settings, reveal);
  const MmsSettings& settings = contents.settings;
  if (settings.countryIndex == kManualCountry) {
    shown.notes["country"] = "Customer";
  } else if (settings.countryIndex >= 0 && settings.countryIndex < kMmsCountryCount) {
    shown.notes["country"] = MmsCountryName(settings.countryIndex, kEnglish);
    if (const OperatorPreset* row = FindMmsOperator(settings.countryIndex, settings.operatorIndex)) {
      shown.notes["operator"] = row->name;
    }
  }
  shown.json["cameraLanguage"] = contents.cameraLanguage;
  shown.json["tvMode"] = contents.tvMode;
  return shown;
}

}  // namespace quelmo
