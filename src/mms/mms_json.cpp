#include "mms/mms_json.h"

#include <string>

#include "mms/mms_fields.h"
#include "mms/mms_presets.h"
#include "session/app_state.h"
#include "text/gbk.h"

namespace quelmo {
namespace {

using M = MmsSettings;

static_assert(KeyOf<M>(kMmsFields, &M::countryIndex) == kCountryKey);
static_assert(KeyOf<M>(kMmsFields, &M::operatorIndex) == kOperatorKey);
constexpr std::string_view kModeKey = KeyOf<M>(kMmsFields, &M::mode);

}  // namespace

Result<MmsInput> MmsSettingsFromJson(const Json& object, const MmsSettings& initial) {
  MmsInput input{initial, {}};
  JsonFieldReader reader(object, "MMS settings");
  ReadSettingsFields<M>(reader, kMmsFields, input.settings);
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
                   std::string(kCountryKey) + ": " + std::to_string(country) +
                       " is no country of the presets (0.." + std::to_string(kMmsCountryCount - 1) +
                       "); Auto mode takes its parameters from one"};
    }
    const std::size_t offered = MmsOperatorsOf(country).size();
    return Error{ErrorCode::kInvalidArgument,
                 std::string(kOperatorKey) + ": " + std::to_string(op) + " is not offered in " +
                     std::string(MmsCountryName(country, kEnglish)) + " (it offers " +
                     std::to_string(offered) + ", numbered from 0)"};
  }
  for (const StoredTextField<M>* parameter : OperatorFields(kMmsFields)) {
    const std::string key(parameter->key);
    const std::string_view preset = PresetParameter(row->parameters, parameter->place.operatorValue);
    if (!object.contains(key) || settings.*parameter->member == preset) continue;
    // A password is never quoted, neither the one given nor the preset's.
    const std::string given_and_preset =
        parameter->secret
            ? std::string("the password given is not the preset's")
            : QuotedPrefix(GbkToUtf8ForDisplay(settings.*parameter->member)) +
                  " is not the preset's " + QuotedPrefix(preset);
    return Error{ErrorCode::kInvalidArgument,
                 key + ": " + given_and_preset + " for " +
                     std::string(MmsCountryName(country, kEnglish)) + " / " +
                     std::string(row->name) +
                     "; in Auto mode the parameters come from the preset (leave the key out, or "
                     "give \"" + std::string(kModeKey) + "\": \"Customer\")"};
  }
  ApplyMmsPreset(settings, country, op);
  return {};
}

ShownSettings ShowMmsSettings(const MmsFileContents& contents, bool reveal) {
  ShownSettings shown;
  ShowSettingsFields<M>(shown, kMmsFields, contents.settings, reveal);
  const MmsSettings& settings = contents.settings;
  if (settings.countryIndex == kManualCountry) {
    shown.notes[std::string(kCountryKey)] = "Customer";
  } else if (settings.countryIndex >= 0 && settings.countryIndex < kMmsCountryCount) {
    shown.notes[std::string(kCountryKey)] = MmsCountryName(settings.countryIndex, kEnglish);
    if (const OperatorPreset* row = FindMmsOperator(settings.countryIndex, settings.operatorIndex)) {
      shown.notes[std::string(kOperatorKey)] = row->name;
    }
  }
  shown.json[std::string(kCameraLanguageKey)] = contents.cameraLanguage;
  shown.json[std::string(kTvModeKey)] = contents.tvMode;
  return shown;
}

}  // namespace quelmo
