#include "smtp/gprs_presets.h"

#include "text/language_code.h"

namespace quelmo {

std::span<const OperatorPreset> GprsOperators(int country) {
  return PresetOperatorsOf(GprsPresetRows(), country);
}

const OperatorPreset* FindGprsPreset(int country, int operator_index) {
  return FindPresetOperator(GprsPresetRows(), country, operator_index);
}

std::string_view GprsEnglishCountryName(int country) {
  return PresetCountryName(GprsCountryTable(), country, kEnglish);
}

std::string_view GprsCountryName(int country, int language_index) {
  return PresetCountryName(GprsCountryTable(), country, language_index);
}

std::vector<std::string> GprsCountryNames(int language_index) {
  return PresetCountryNames(GprsCountryTable(), language_index);
}

std::vector<std::string> GprsOperatorNames(int country, int language_index) {
  return PresetOperatorNames(GprsPresetRows(), country, language_index);
}

}  // namespace quelmo
