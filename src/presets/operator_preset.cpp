#include "presets/operator_preset.h"

#include <algorithm>
#include <array>

#include "app/app_state.h"

namespace quelmo {
namespace {

constexpr std::string_view kChinaInChinese = "中国";
constexpr std::array<std::string_view, 2> kChinaOperatorsInChinese = {"中国移动", "中国联通"};

}  // namespace

std::span<const OperatorPreset> PresetOperatorsOf(std::span<const OperatorPreset> rows,
                                                  int country) {
  const auto first = std::find_if(rows.begin(), rows.end(), [country](const OperatorPreset& row) {
    return row.country == country;
  });
  const auto last = std::find_if(
      first, rows.end(), [country](const OperatorPreset& row) { return row.country != country; });
  return {first, last};
}

const OperatorPreset* FindPresetOperator(std::span<const OperatorPreset> rows, int country,
                                         int operator_index) {
  const std::span<const OperatorPreset> offered = PresetOperatorsOf(rows, country);
  if (operator_index < 0 || operator_index >= static_cast<int>(offered.size())) return nullptr;
  return &offered[static_cast<std::size_t>(operator_index)];
}

std::string_view PresetCountryName(std::span<const std::string_view> countries, int country,
                                   int language_index) {
  if (country < 0 || country >= static_cast<int>(countries.size())) return {};
  if (country == kPresetChina && language_index == kChinese) return kChinaInChinese;
  return countries[static_cast<std::size_t>(country)];
}

std::vector<std::string> PresetCountryNames(std::span<const std::string_view> countries,
                                            int language_index) {
  std::vector<std::string> names;
  names.reserve(countries.size());
  for (int country = 0; country < static_cast<int>(countries.size()); ++country) {
    names.emplace_back(PresetCountryName(countries, country, language_index));
  }
  return names;
}

std::string_view PresetOperatorName(const OperatorPreset& row, int language_index) {
  if (row.country == kPresetChina && language_index == kChinese &&
      row.operatorIndex < static_cast<int>(kChinaOperatorsInChinese.size())) {
    return kChinaOperatorsInChinese[static_cast<std::size_t>(row.operatorIndex)];
  }
  return row.name;
}

std::vector<std::string> PresetOperatorNames(std::span<const OperatorPreset> rows, int country,
                                             int language_index) {
  std::vector<std::string> names;
  for (const OperatorPreset& row : PresetOperatorsOf(rows, country)) {
    names.emplace_back(PresetOperatorName(row, language_index));
  }
  return names;
}

}  // namespace quelmo
