#pragma once
// The operator presets of Auto mode: 43 countries in a fixed order (the
// position is the country byte of mms.dat, so the order never changes) and,
// per country, the operators it offers with their MMS parameters. The
// parameters are public carrier data (see NOTICE); an operator without public
// data keeps its place, with empty texts, and cannot be saved in Auto mode.

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "mms/mms_settings.h"
#include "presets/operator_preset.h"

namespace quelmo {

inline constexpr int kMmsCountryCount = 43;
inline constexpr int kMmsChina = kPresetChina;

// The choice a freshly opened form shows: Auto mode, China, its first
// operator. Write starts from it too.
inline MmsSettings MmsOpeningSettings() {
  MmsSettings settings;
  settings.countryIndex = kMmsChina;
  settings.operatorIndex = 0;
  return settings;
}

// The rows are OperatorPreset rows with all six parameters: URL, APN,
// gateway, port, account, password.

// URL, APN and gateway are known: the row can be written.
constexpr bool MmsPresetHasData(const PresetParameters& p) {
  return !p.url.empty() && !p.apn.empty() && !p.gateway.empty();
}

// Every offered row, by country, then operator.
std::span<const OperatorPreset> MmsOperatorRows();

// The rows a country offers (their number is the country's operator count);
// empty for a number that is no country.
std::span<const OperatorPreset> MmsOperatorsOf(int country);

// nullptr when the country does not offer that operator.
const OperatorPreset* FindMmsOperator(int country, int operator_index);

// A country's name: the same in every language but China's ("中国" for
// language 1). Empty for a number that is no country.
std::string_view MmsCountryName(int country, int language_index);
std::string_view MmsOperatorName(const OperatorPreset& row, int language_index);

// The entries of the country list and of a country's operator list.
std::vector<std::string> MmsCountryNames(int language_index);
std::vector<std::string> MmsOperatorNames(int country, int language_index);

// Auto mode with the country, the operator and the row's six parameters.
// False, and nothing changed, when the country does not offer the operator.
bool ApplyMmsPreset(MmsSettings& settings, int country, int operator_index);

}  // namespace quelmo
