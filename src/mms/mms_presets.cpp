#include "mms/mms_presets.h"

#include "mms/mms_preset_table.h"
#include "text/language_code.h"

namespace quelmo {

std::span<const OperatorPreset> MmsOperatorsOf(int country) {
  return PresetOperatorsOf(MmsOperatorRows(), country);
}

const OperatorPreset* FindMmsOperator(int country, int operator_index) {
  return FindPresetOperator(MmsOperatorRows(), country, operator_index);
}

std::string_view MmsCountryName(int country, int language_index) {
  return PresetCountryName(MmsCountryTable(), country, language_index);
}

std::string_view MmsOperatorName(const OperatorPreset& row, int language_index) {
  return PresetOperatorName(row, language_index);
}

std::vector<std::string> MmsCountryNames(int language_index) {
  return PresetCountryNames(MmsCountryTable(), language_index);
}

std::vector<std::string> MmsOperatorNames(int country, int language_index) {
  return PresetOperatorNames(MmsOperatorRows(), country, language_index);
}

bool ApplyMmsPreset(MmsSettings& settings, int country, int operator_index) {
  const OperatorPreset* row = FindMmsOperator(country, operator_index);
  if (row == nullptr) return false;
  const PresetParameters& p = row->parameters;
  settings.mode = kMmsAuto;
  settings.countryIndex = country;
  settings.operatorIndex = operator_index;
  settings.url = p.url;
  settings.apn = p.apn;
  settings.gateway = p.gateway;
  settings.port = p.port;
  settings.account = p.account;
  settings.password = p.password;
  return true;
}

}  // namespace quelmo
