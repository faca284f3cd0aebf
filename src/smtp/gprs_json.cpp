#include "smtp/gprs_json.h"

#include <string>

#include "smtp/gprs_fields.h"
#include "smtp/gprs_presets.h"

namespace quelmo {
namespace {

using G = GprsSettings;

static_assert(KeyOf<G>(kGprsFields, &G::countryIndex) == kCountryKey);
static_assert(KeyOf<G>(kGprsFields, &G::operatorIndex) == kOperatorKey);
constexpr std::string_view kModeKey = KeyOf<G>(kGprsFields, &G::apnMode);

}  // namespace

Result<GprsInput> GprsSettingsFromJson(const Json& object, const GprsSettings& initial) {
  GprsInput input{initial, {}};
  JsonFieldReader reader(object, "GPRS settings");
  ReadSettingsFields<G>(reader, kGprsFields, input.settings);
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
    return refuse(std::string(kCountryKey) + ": " + std::to_string(country) +
                  " is the Customer entry; Auto (0) needs a country 0.." +
                  std::to_string(kGprsCountryCount - 1));
  }
  const OperatorPreset* preset = FindGprsPreset(country, settings.operatorIndex);
  const std::string place = std::to_string(country) + " (" +
                            std::string(GprsEnglishCountryName(country)) + ")";
  if (preset == nullptr) {
    const std::size_t count = GprsOperators(country).size();
    return refuse(std::string(kOperatorKey) + ": " + std::to_string(settings.operatorIndex) +
                  " is not offered in " +
                  place + ", which has " + std::to_string(count) + " operator" +
                  (count == 1 ? "" : "s") + " (0.." + std::to_string(count - 1) + ")");
  }
  for (const StoredTextField<G>* field : OperatorFields(kGprsFields)) {
    const std::string key(field->key);
    if (object.contains(key) &&
        settings.*field->member != PresetParameter(preset->parameters, field->place.operatorValue)) {
      return refuse(key + ": Auto (0) takes the preset of " + place + " operator " +
                    std::to_string(settings.operatorIndex) + " (" + std::string(preset->name) +
                    "), which differs; leave the key out or give \"" + std::string(kModeKey) +
                    "\": \"Customer\"");
    }
  }
  return Status::Ok();
}

ShownSettings ShowGprsSettings(const GprsFileContents& contents, bool reveal) {
  ShownSettings shown;
  ShowSettingsFields<G>(shown, kGprsFields, contents.settings, reveal);
  // A Customer file stores the manual country, as mms.dat does; the reader
  // reports the byte when it holds anything else.
  const GprsSettings& settings = contents.settings;
  if (settings.apnMode == kApnCustomer) {
    shown.json[std::string(kCountryKey)] = kGprsCustomerCountry;
    shown.notes[std::string(kCountryKey)] = "Customer";
  } else if (const OperatorPreset* row =
                 FindGprsPreset(settings.countryIndex, settings.operatorIndex)) {
    shown.notes[std::string(kCountryKey)] = GprsEnglishCountryName(settings.countryIndex);
    shown.notes[std::string(kOperatorKey)] = row->name;
  } else if (!GprsEnglishCountryName(settings.countryIndex).empty()) {
    shown.notes[std::string(kCountryKey)] = GprsEnglishCountryName(settings.countryIndex);
  }
  shown.json[std::string(kCameraLanguageKey)] = contents.cameraLanguage;
  return shown;
}

}  // namespace quelmo
