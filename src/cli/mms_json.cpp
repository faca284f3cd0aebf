#include "cli/mms_json.h"

#include <array>
#include <string>

#include "app/app_state.h"
#include "mms/mms_presets.h"
#include "text/gbk.h"

namespace quelmo {
namespace {

using M = MmsSettings;
using L = MmsLimits;

const std::array<SettingsField<M>, 14> kFields{
    ListField<M>{"mode", &M::mode, EnglishList::kParameterMode},
    IntegerField<M>{"country", &M::countryIndex, 0, L::kMaxCountry, kManualCountry},
    IntegerField<M>{"operator", &M::operatorIndex, 0, L::kMaxOperator},
    StoredTextField<M>{"url", &M::url, L::kUrl},
    StoredTextField<M>{"apn", &M::apn, L::kApn},
    StoredTextField<M>{"gateway", &M::gateway, L::kGateway},
    StoredTextField<M>{"port", &M::port, L::kPort},
    StoredTextField<M>{"account", &M::account, L::kAccount},
    StoredTextField<M>{"password", &M::password, L::kPassword, /*secret=*/true},
    StoredTextField<M>{"phone", &M::phone, L::kPhone},
    StoredTextField<M>{"receiveEmail", &M::receiveEmail, L::kReceiveEmail},
    StoredTextField<M>{"phoneOrEmail2", &M::phoneOrEmail2, L::kPhoneOrEmail2},
    IntegerField<M>{"picturesPerDay", &M::picturesPerDay, 0, 99},
    ListField<M>{"smsControl", &M::smsControl, EnglishList::kSmsControl},
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
  } parameters[] = {
      {"url", &M::url, row->parameters.url},
      {"apn", &M::apn, row->parameters.apn},
      {"gateway", &M::gateway, row->parameters.gateway},
      {"port", &M::port, row->parameters.port},
      {"account", &M::account, row->parameters.account},
      {"password", &M::password, row->parameters.password},
  };
  for (const auto& parameter : parameters) {
    if (!object.contains(parameter.key) || settings.*parameter.field == parameter.preset) continue;
    return Error{ErrorCode::kInvalidArgument,
                 std::string(parameter.key) + ": \"" +
                     GbkToUtf8ForDisplay(settings.*parameter.field) + "\" is not the preset's \"" +
                     std::string(parameter.preset) + "\" for " +
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
  shown.json["cameraLanguage"] = contents.cameraLanguage;
  shown.json["tvMode"] = contents.tvMode;
  return shown;
}

}  // namespace quelmo
