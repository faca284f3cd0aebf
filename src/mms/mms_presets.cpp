#include "mms/mms_presets.h"

#include "mms/mms_fields.h"
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
  settings.mode = kMmsAuto;
  settings.countryIndex = country;
  settings.operatorIndex = operator_index;
  for (const StoredTextField<MmsSettings>* field : OperatorFields(kMmsFields)) {
    settings.*field->member = PresetParameter(row->parameters, field->place.operatorValue);
  }
  return true;
}

}  // namespace quelmo
