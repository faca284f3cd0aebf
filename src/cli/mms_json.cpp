#include "cli/mms_json.h"

#include <array>

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

ShownSettings ShowMmsSettings(const MmsFileContents& contents, bool reveal) {
  ShownSettings shown;
  ShowSettingsFields<M>(shown, kFields, contents.settings, reveal);
  shown.json["cameraLanguage"] = contents.cameraLanguage;
  shown.json["tvMode"] = contents.tvMode;
  return shown;
}

}  // namespace quelmo
